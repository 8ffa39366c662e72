#ifndef DLIGHTSCONFIGPAGE_H
#define DLIGHTSCONFIGPAGE_H

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "hid/MainHidInterFace.h"
#include "hid/hidCmdBuff.h"
#include "ui/lightsConfig/lightTypeTable.h"
#include "ui/widgets/ArrowWidget.h"
#include "vardexSdk.h"

Q_DECLARE_METATYPE(colorInfoData)

namespace Ui {
class DLightsConfigPage;
}

class DCustomLightListItem;
class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class SVColorArea;
class sliderCustomWidget;

// The light settings page of the device page: the effect of the keys or of
// the side light strip with its brightness, speed, direction and colours, and
// the custom per-key lights. Every choice and edit is stored in the profile,
// announced to the device page and written to the keyboard as a light-mode
// report. Interface thread only.
//
// The page's work is spread over several files: this one's .cpp holds the
// effect choice and the record's life cycle, DLightsConfigPage_colors.cpp the
// colour editing, DLightsConfigPage_custom.cpp the custom lights and
// DLightsConfigPage_reports.cpp the reports.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT
public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);
    ~DLightsConfigPage() override;

    // Hand-over from the device page, in this order, at every profile load.
    void setProfileIndex(int profileIndex);
    void setProfileXmlPath(const char *path);
    void setHidInterface(MainHidInterFace *hidInterface);
    void setLightSupportInfo(lightSupportInfo info);

    void initKeyboardLightPage();
    void retranslateLightTypeText();
    // The keyboard reported a new configuration of part hidType, already stored.
    void showDeviceLightPart(int hidType, int ledType);
    // The keyboard reported the custom-light slot it uses.
    void selectDeviceCustomLight(int hidType, int ledType, int usingCustomIndex);
    // Index of the current custom light, or -1 while no row is current.
    int currentCustomLightIndex() const;
    void resendUsingCustomLight();

    // Read-only views of the page's state (the device page and tests).
    int profileIndex() const { return m_profileIndex; }
    QByteArray profileXmlPath() const { return QByteArray(m_profileXmlPath); }
    MainHidInterFace *hidInterface() const { return m_hidInterface; }
    lightSupportInfo lightSupport() const { return m_lightSupport; }
    colorInfoData currentLightConfig() const { return m_currentLightConfig; }
    int keyboardLightType() const { return m_keyboardLightType; }
    int sideLightType() const { return m_sideLightType; }
    bool isKeyboardPartShown() const { return m_isKeyboardPartShown; }
    int usingCustomIndex() const { return m_usingCustomIndex; }
    SVColorArea *colorArea() const { return m_colorArea; }
    sliderCustomWidget *brightnessSlider() const { return m_brightnessSlider; }
    sliderCustomWidget *speedSlider() const { return m_speedSlider; }
    QList<DCustomLightListItem *> customLightItems() const { return m_customLightItemList; }
    DCustomLightListItem *currentCustomLightItem() const { return m_currentCustomLightItem; }
    ArrowWidget *typeTipBubble() const { return m_typeTipBubble; }
    QStringList colorSwatches() const { return m_colorSwatchList; }

signals:
    void sigSomeMessageTip_LightsConfigPage(QString strTip);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData colorInfoDataStu);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData colorInfoDataStu);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData colorInfoDataStu);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData colorInfoDataStu);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);

public slots:
    void onInstallEventFilterOpen();
    void onBackCurrentPositionNum_Brightness(int currPositionIndex);
    void onBackCurrentPositionNum_Speed(int currPositionIndex);
    void onCurIndexChanged_KB_LightMode(int indexSel);
    void onCurIndexChanged_Side_LightMode(int indexSel);
    void onCurIndexChanged_LedDirection(int selIndex);
    void on_toolButton_LightSelectTypeChanged_clicked();
    void on_checkBox_FullColorMode_clicked();

    // Colour editing.
    void onGetRGB(int r, int g, int b);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void onColorItemSelcSignal(QColor color);
    void onCurIndexChanged_LightTopOrBottomColor(int selIndex);
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);

    // Custom lights.
    void onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onModifyCustomLightItemNameTooLong();
    void onModifyCustomLightItemNameFailed();
    void onCustomLightUsingStatus(bool isUsing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Effect choice and the record.
    void loadLightConfig(int part);
    void saveAndSendLightConfig(int lightConfigChangedFrom);
    void updateKeyboardControls(int ledType);
    void updateSideControls(int ledType);
    void updateLightTypeButtons(int part);
    void showLightTypeTip(QWidget *button, const QString &text);
    void hideLightTypeTip();
    void applyControls(const lightTypeRow *row);
    void applySliderSteps(int part);
    void clampToKeyboardRange(colorInfoData &record) const;
    void checkDirection(int direction);
    QAbstractButton *typeButton(int part, int value) const;
    QString captionOf(int part, int value) const;
    QString typeHoverText(QObject *watched) const;
    bool hasProfile() const { return m_profileXmlPath[0] != '\0'; }
    QByteArray profileIndexText() const { return QByteArray::number(m_profileIndex); }

    // Reports.
    void sendKeyboardLightConfig(const colorInfoData &record);
    void sendSideLightConfig(const colorInfoData &record);
    bool writeReport(const hidCmdBuff &report);
    bool transportOpen() const;

    // Colours.
    void initColorSwatches();
    void onColorSwatchPressed(QString color);
    void setRedNum(int value);
    void setGreenNum(int value);
    void setBlueNum(int value);
    void onRgbFieldEdited(QLineEdit *field, const QString &text, int component);
    void showColorInFields(const QColor &color);
    void showColorPreview(const QColor &color);
    void paintColorButton(QAbstractButton *button, const QColor &color);
    void setChosenEnd(const QColor &color);
    // The colour being edited in the fields, the preview and the chosen
    // end's button, and in editColors.
    void showEditedColor(const QColor &color);
    void fillColorControls();
    bool topColorChosen() const;

    // Custom lights.
    void customLightDeal();
    void clearCustomLightList();
    void sendCustomLight(int slot);
    void sendCustomLightChunk(int slot, int chunk, const QList<unsigned char> &bytes);
    void selectCustomLightRow(DCustomLightListItem *row);

    Ui::DLightsConfigPage *ui;
    char *m_profileXmlPath = nullptr; // 256 bytes
    int m_profileIndex = 1;
    QPointer<MainHidInterFace> m_hidInterface;
    lightSupportInfo m_lightSupport;
    bool m_isKeyboardPartShown = true;
    int m_keyboardLightType = -1;
    int m_sideLightType = -1;
    colorInfoData m_currentLightConfig {};
    SVColorArea *m_colorArea = nullptr;
    sliderCustomWidget *m_brightnessSlider = nullptr;
    sliderCustomWidget *m_speedSlider = nullptr;
    QPointer<ArrowWidget> m_typeTipBubble;
    QButtonGroup *m_typeGroup = nullptr;
    QButtonGroup *m_sideGroup = nullptr;
    QButtonGroup *m_directionGroup = nullptr;
    QButtonGroup *m_topBottomGroup = nullptr;

    // Colour editing.
    int m_editColors[6] = {};
    QColor m_shownColor{0, 0, 0};
    bool m_isColorAreaPressed = false;
    QStringList m_colorSwatchList;
    QList<QWidget *> m_swatches;

    // Custom lights.
    QList<DCustomLightListItem *> m_customLightItemList;
    DCustomLightListItem *m_currentCustomLightItem = nullptr;
    int m_usingCustomIndex = -1;
    bool m_isUserCustomSelect = true;
};

#endif // DLIGHTSCONFIGPAGE_H
