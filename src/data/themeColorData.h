#ifndef THEMECOLORDATA_H
#define THEMECOLORDATA_H

#include <QString>

// The colour keys of the "ThemeColor" group of a theme file, in file order.
// Each expands to one QString field of themeColorData named like the key.
#define VARDEX_THEME_COLOR_KEYS(X) \
    X(TextDefaultColor) \
    X(TextHoverColor) \
    X(TextCheckedColor) \
    X(AllBgColor) \
    X(AllThemeColor) \
    X(MainWidgetBgColor) \
    X(MainWidgetBorderColor) \
    X(MainWidgetTitleColorStart) \
    X(MainWidgetTitleColorStop) \
    X(HomeBgColor) \
    X(HomeScrollBarBgColor) \
    X(HomeDeviceItemBgColor) \
    X(HomeDeviceItemBorderColor) \
    X(HomeDeviceItemProductTextColor) \
    X(HomeDeviceItemNameTextColor) \
    X(MacroBorderColor) \
    X(MacroLeftBgColor) \
    X(MacroCenterBgColor) \
    X(MacroRightBgColor) \
    X(MacroListItemTextColor) \
    X(MacroListItemSelectedColor) \
    X(MacroListItemHoverColor) \
    X(DeviceBorderColor) \
    X(DeviceLeftBgColor) \
    X(DeviceCenterBgColor) \
    X(DeviceRightBgColor) \
    X(DeviceKeyClickedColor) \
    X(DeviceKeyHaveCustomColor) \
    X(DeviceLeftAreaItemHoverColor) \
    X(DeviceLeftAreaItemSelectedColor) \
    X(DeviceLeftAreaItemTextDefaultColor) \
    X(DeviceLeftAreaItemTextSelectedColor) \
    X(DeviceControlDefaultColor) \
    X(DeviceControlHoverColor) \
    X(DeviceListAreaDefaultBgColor) \
    X(DeviceListItemHoverBgColor) \
    X(DeviceListItemHorizontalBgColor) \
    X(DeviceColorToolSliderTextColor) \
    X(DeviceColorToolSliderTopColor) \
    X(DeviceColorToolSliderBottomColor) \
    X(DeviceBottomBgColor) \
    X(DeviceOnboardBgColor) \
    X(DeviceOnboardButColor) \
    X(DeviceOnboardButDefaultTextColor) \
    X(DeviceSoftkeyboardButColor) \
    X(DeviceSoftkeyboardButDefaultTextColor) \
    X(DeviceMouseBgColor) \
    X(DeviceMouseDrawLineColor) \
    X(DeviceMouseDrawEllipseColor) \
    X(DeviceMouseLeftKeyTextColor) \
    X(DeviceMouseDrawLineLeftKeyColor) \
    X(DeviceMouseDrawEllipseLeftKeyColor) \
    X(DeviceMouseDpiConfigItemHoverColor) \
    X(DeviceMouseDpiConfigItemSelectedColor) \
    X(SettingsTitleColorStart) \
    X(SettingsTitleColorStop) \
    X(SettingsBgColor) \
    X(SettingsBorderColor) \
    X(SettingsControlBorderColor) \
    X(SettingsControlDefaultColor) \
    X(SettingsControlHoverBgColor) \
    X(SettingsControlSelectedBgColor) \
    X(UpgradeBgColor) \
    X(UpgradeBorderColor) \
    X(UpgradeItemBorderColor) \
    X(UpgradeProgressBarTopColor) \
    X(UpgradeProgressBarBottomColor)

// One theme as loaded: every colour as comma-separated decimal components
// ("205,205,205" or, while a background image is in use, "30,30,30,128"),
// plus the text font family. A fresh record holds empty texts only.
struct themeColorData
{
#define VARDEX_THEME_FIELD(name) QString name;
    VARDEX_THEME_COLOR_KEYS(VARDEX_THEME_FIELD)
#undef VARDEX_THEME_FIELD
    QString TextFont;

    static constexpr int colorCount = 67;
};

#endif // THEMECOLORDATA_H
