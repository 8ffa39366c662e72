#include "ui/widgets/themeStyle.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QMenu>
#include <QScrollBar>
#include <QStringList>
#include <QStyledItemDelegate>

#include "data/DDataManager.h"

namespace themeStyle {

QString cssColor(const QString &themeColor, const QString &fallback)
{
    const QString text = themeColor.trimmed().isEmpty() ? fallback : themeColor;
    const QStringList parts = text.split(QLatin1Char(','));
    QStringList numbers;
    for (const QString &part : parts) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok || value < 0 || value > 255)
            return text == fallback ? QStringLiteral("rgb(0, 0, 0)") : cssColor(fallback, fallback);
        numbers << QString::number(value);
    }
    if (numbers.size() == 3)
        return QStringLiteral("rgb(%1)").arg(numbers.join(QStringLiteral(", ")));
    if (numbers.size() == 4)
        return QStringLiteral("rgba(%1)").arg(numbers.join(QStringLiteral(", ")));
    return text == fallback ? QStringLiteral("rgb(0, 0, 0)") : cssColor(fallback, fallback);
}

QString scrollBarSheet(const themeColorData &theme)
{
    const QString track = cssColor(theme.HomeScrollBarBgColor, QStringLiteral("35,35,35"));
    const QString handle = cssColor(theme.TextHoverColor, QStringLiteral("168,168,168"));
    const QString active = cssColor(theme.AllThemeColor, QStringLiteral("255,49,53"));
    // No arrow buttons: the handle alone, on a slim rounded track.
    return QStringLiteral(
               "QScrollBar:vertical { background: %1; width: 8px; margin: 0; border: none; border-radius: 4px; }"
               "QScrollBar:horizontal { background: %1; height: 8px; margin: 0; border: none; border-radius: 4px; }"
               "QScrollBar::handle { background: %2; border-radius: 4px; }"
               "QScrollBar::handle:vertical { min-height: 30px; }"
               "QScrollBar::handle:horizontal { min-width: 30px; }"
               "QScrollBar::handle:hover, QScrollBar::handle:pressed { background: %3; }"
               "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
        .arg(track, handle, active);
}

QString comboPopupSheet(const themeColorData &theme)
{
    const QString text = cssColor(theme.TextDefaultColor, QStringLiteral("205,205,205"));
    const QString accent = cssColor(theme.AllThemeColor, QStringLiteral("255,49,53"));
    const QString list = cssColor(theme.SettingsBgColor, QStringLiteral("35,35,35"));
    const QString hover = cssColor(theme.SettingsControlHoverBgColor, QStringLiteral("45,45,45"));
    const QString selected = cssColor(theme.SettingsControlSelectedBgColor, QStringLiteral("40,40,40"));
    return QStringLiteral(
               "QAbstractItemView { color: %1; background-color: %3; border: none; outline: 0; padding: 0; }"
               "QAbstractItemView::item { padding: 3px 6px; border: none; }"
               "QAbstractItemView::item:selected { color: %2; background-color: %5; }"
               "QAbstractItemView::item:hover { color: %2; background-color: %4; }")
        .arg(text, accent, list, hover, selected);
}

QString menuSheet(const themeColorData &theme)
{
    const QString text = cssColor(theme.TextDefaultColor, QStringLiteral("205,205,205"));
    const QString background = cssColor(theme.SettingsBgColor, QStringLiteral("35,35,35"));
    const QString border = cssColor(theme.SettingsBorderColor, QStringLiteral("30,30,30"));
    const QString separator = cssColor(theme.SettingsControlBorderColor, QStringLiteral("50,50,50"));
    const QString hover = cssColor(theme.SettingsControlHoverBgColor, QStringLiteral("45,45,45"));
    const QString accent = cssColor(theme.AllThemeColor, QStringLiteral("255,49,53"));
    const QString disabled = cssColor(theme.TextHoverColor, QStringLiteral("168,168,168"));
    return QStringLiteral(
               "QMenu { color: %1; background-color: %2; border: 1px solid %3; padding: 4px 0; }"
               "QMenu::item { padding: 6px 24px 6px 12px; background: transparent; }"
               "QMenu::item:selected { color: %6; background-color: %5; }"
               "QMenu::item:disabled { color: %7; }"
               "QMenu::icon { padding-left: 8px; }"
               "QMenu::separator { height: 1px; background: %4; margin: 4px 8px; }")
        .arg(text, background, border, separator, hover, accent, disabled);
}

void styleScrollArea(QAbstractScrollArea *area, const themeColorData &theme)
{
    if (!area)
        return;
    const QString sheet = scrollBarSheet(theme);
    area->verticalScrollBar()->setStyleSheet(sheet);
    area->horizontalScrollBar()->setStyleSheet(sheet);
}

void styleComboBox(QComboBox *combo, const themeColorData &theme)
{
    if (!combo)
        return;
    // The default pop-up delegate draws items itself and ignores the item
    // rules of a style sheet (no hover highlight).
    if (!qobject_cast<QStyledItemDelegate *>(combo->itemDelegate()))
        combo->setItemDelegate(new QStyledItemDelegate(combo));
    QWidget *popup = combo->view()->parentWidget();
    // A page that dresses its combo's list keeps that look, so that every
    // list on the page matches its field; only a bare list takes the theme.
    if (combo->styleSheet().contains(QLatin1String("QAbstractItemView"))) {
        combo->view()->setStyleSheet(QString());
        // The list draws its own edge; the pop-up window around it would
        // add the platform's grey one.
        if (popup)
            popup->setStyleSheet(QStringLiteral("QComboBoxPrivateContainer { border: none; padding: 0; }"));
        return;
    }
    // On the list itself: the field keeps the page's look.
    combo->view()->setStyleSheet(comboPopupSheet(theme));
    if (popup)
        popup->setStyleSheet(QStringLiteral("QComboBoxPrivateContainer { background-color: %1; border: 1px solid %2; }")
                                 .arg(cssColor(theme.SettingsBgColor, QStringLiteral("35,35,35")),
                                      cssColor(theme.SettingsControlBorderColor, QStringLiteral("50,50,50"))));
}

void styleMenu(QMenu *menu, const themeColorData &theme)
{
    if (menu)
        menu->setStyleSheet(menuSheet(theme));
}

void styleScrollArea(QAbstractScrollArea *area)
{
    styleScrollArea(area, DDataManager::instance()->themeColors());
}

void styleComboBox(QComboBox *combo)
{
    styleComboBox(combo, DDataManager::instance()->themeColors());
}

void styleMenu(QMenu *menu)
{
    styleMenu(menu, DDataManager::instance()->themeColors());
}

} // namespace themeStyle
