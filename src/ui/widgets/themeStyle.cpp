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

bool isLightTheme(const themeColorData &theme)
{
    const QStringList parts = theme.SettingsBgColor.split(QLatin1Char(','));
    if (parts.size() < 3)
        return false;
    const int r = parts[0].trimmed().toInt();
    const int g = parts[1].trimmed().toInt();
    const int b = parts[2].trimmed().toInt();
    return qGray(r, g, b) >= 128;
}

Palette palette(const themeColorData &theme)
{
    Palette p;
    if (!isLightTheme(theme)) {
        p.panel = QStringLiteral("rgb(34, 34, 58)");
        p.edge = QStringLiteral("rgb(52, 52, 86)");
        p.hover = QStringLiteral("rgb(52, 52, 86)");
        p.selected = QStringLiteral("rgb(46, 46, 76)");
        p.text = QStringLiteral("rgb(175, 175, 175)");
        p.accent = QStringLiteral("rgb(255, 143, 31)");
        p.focus = p.accent;
        p.disabled = QStringLiteral("rgb(105, 105, 125)");
        p.track = QStringLiteral("rgb(34, 34, 58)");
        p.handle = QStringLiteral("rgb(75, 75, 111)");
        return p;
    }
    p.panel = cssColor(theme.SettingsBgColor, QStringLiteral("240,240,240"));
    p.edge = cssColor(theme.SettingsControlBorderColor, QStringLiteral("200,200,200"));
    p.hover = cssColor(theme.SettingsControlHoverBgColor, QStringLiteral("230,230,230"));
    p.selected = cssColor(theme.SettingsControlSelectedBgColor, QStringLiteral("220,220,220"));
    p.text = cssColor(theme.TextDefaultColor, QStringLiteral("140,140,140"));
    p.accent = cssColor(theme.AllThemeColor, QStringLiteral("255,49,53"));
    // The light theme's accent is a red, which on a field's edge reads like
    // an error mark.
    p.focus = cssColor(theme.TextDefaultColor, QStringLiteral("140,140,140"));
    p.disabled = cssColor(theme.TextHoverColor, QStringLiteral("170,170,170"));
    p.track = cssColor(theme.HomeScrollBarBgColor, QStringLiteral("200,200,200"));
    p.handle = cssColor(theme.TextHoverColor, QStringLiteral("170,170,170"));
    return p;
}

QString scrollBarSheet(const themeColorData &theme)
{
    const Palette p = palette(theme);
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
        .arg(p.track, p.handle, p.accent);
}

QString comboPopupSheet(const themeColorData &theme)
{
    const Palette p = palette(theme);
    return QStringLiteral(
               "QAbstractItemView { color: %1; background-color: %3; border: none; outline: 0; padding: 0; }"
               "QAbstractItemView::item { padding: 3px 6px; border: none; }"
               "QAbstractItemView::item:selected { color: %2; background-color: %5; }"
               "QAbstractItemView::item:hover { color: %2; background-color: %4; }")
        .arg(p.text, p.accent, p.panel, p.hover, p.selected);
}

QString menuSheet(const themeColorData &theme)
{
    const Palette p = palette(theme);
    return QStringLiteral(
               "QMenu { color: %1; background-color: %2; border: 1px solid %3; padding: 4px 0; }"
               "QMenu::item { padding: 6px 24px 6px 12px; background: transparent; }"
               "QMenu::item:selected { color: %5; background-color: %4; }"
               "QMenu::item:disabled { color: %6; }"
               "QMenu::icon { padding-left: 8px; }"
               "QMenu::separator { height: 1px; background: %3; margin: 4px 8px; }")
        .arg(p.text, p.panel, p.edge, p.hover, p.accent, p.disabled);
}

QString dialogSheet(const themeColorData &theme)
{
    const Palette p = palette(theme);
    // The default button is told by a lighter face, not by an outline in the
    // accent colour, which reads like an error mark on a dark window.
    return QStringLiteral(
               "QDialog, QWidget { background-color: %1; color: %2; }"
               "QLineEdit, QComboBox, QListView, QTreeView, QAbstractItemView {"
               " background-color: %1; color: %2; border: 1px solid %3; selection-background-color: %4;"
               " selection-color: %5; }"
               "QLineEdit:focus { border-color: %9; }"
               "QComboBox QAbstractItemView { background-color: %1; color: %2; }"
               "QHeaderView::section { background-color: %1; color: %2; border: none; border-right: 1px solid %3;"
               " border-bottom: 1px solid %3; padding: 3px 6px; }"
               "QPushButton, QToolButton { background-color: %1; color: %2; border: 1px solid %3; padding: 3px;"
               " border-radius: 4px; }"
               "QPushButton { padding: 4px 14px; min-width: 64px; }"
               "QPushButton:default { background-color: %4; color: %5; }"
               "QPushButton:hover, QToolButton:hover { background-color: %4; }"
               "QPushButton:disabled { color: %6; }"
               "QScrollBar:vertical, QScrollBar:horizontal { background: %7; border: none; width: 8px; height: 8px; }"
               "QScrollBar::handle { background: %8; border-radius: 4px; min-height: 20px; min-width: 20px; }"
               "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
               "QMenu { background-color: %1; color: %2; border: 1px solid %3; }"
               "QMenu::item:selected { background-color: %4; color: %5; }")
        .arg(p.panel, p.text, p.edge, p.hover, p.accent, p.disabled, p.track, p.handle, p.focus);
}

void styleScrollArea(QAbstractScrollArea *area, const themeColorData &theme)
{
    if (!area)
        return;
    const QString sheet = scrollBarSheet(theme);
    area->verticalScrollBar()->setStyleSheet(sheet);
    area->horizontalScrollBar()->setStyleSheet(sheet);
    // Where both bars show, the square between them would keep the
    // platform's colour: it takes the track's.
    QWidget *corner = area->cornerWidget();
    if (!corner || corner->objectName() != QLatin1String("themeStyleCorner")) {
        corner = new QWidget;
        corner->setObjectName(QStringLiteral("themeStyleCorner"));
        area->setCornerWidget(corner);
    }
    corner->setStyleSheet(QStringLiteral("QWidget#themeStyleCorner { background: %1; }").arg(palette(theme).track));
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
    const Palette p = palette(theme);
    if (popup)
        popup->setStyleSheet(QStringLiteral("QComboBoxPrivateContainer { background-color: %1; border: 1px solid %2; }")
                                 .arg(p.panel, p.edge));
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
