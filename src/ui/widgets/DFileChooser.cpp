#include "DFileChooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "data/DDataManager.h"
#include "ui/widgets/DQuestionDialog.h"

namespace {

// A theme colour ("r,g,b" or "r,g,b,a") as a style-sheet colour.
QString qss(const QString &components, const char *fallback)
{
    const int n = components.split(QLatin1Char(',')).size();
    if (n == 3)
        return QStringLiteral("rgb(%1)").arg(components);
    if (n == 4)
        return QStringLiteral("rgba(%1)").arg(components);
    return QLatin1String(fallback);
}

// The dialogs are Qt's own widgets: they take the colours of the settings
// dialog so that they do not stand out light on the dark window.
QString dialogStyleSheet()
{
    const themeColorData theme = DDataManager::instance()->themeColors();
    const QString bg = qss(theme.SettingsBgColor, "rgb(35,35,35)");
    const QString text = qss(theme.TextDefaultColor, "rgb(205,205,205)");
    const QString border = qss(theme.SettingsControlBorderColor, "rgb(50,50,50)");
    const QString hover = qss(theme.SettingsControlHoverBgColor, "rgb(45,45,45)");
    const QString selected = qss(theme.SettingsControlSelectedBgColor, "rgb(40,40,40)");
    const QString accent = qss(theme.AllThemeColor, "rgb(255,49,53)");
    return QStringLiteral(
               "QDialog, QWidget { background-color: %1; color: %2; }"
               "QLineEdit, QComboBox, QListView, QTreeView, QAbstractItemView {"
               " background-color: %5; color: %2; border: 1px solid %3; selection-background-color: %6;"
               " selection-color: rgb(255,255,255); }"
               "QComboBox QAbstractItemView { background-color: %5; color: %2; }"
               "QHeaderView::section { background-color: %1; color: %2; border: 1px solid %3; padding: 2px; }"
               "QPushButton, QToolButton { background-color: %5; color: %2; border: 1px solid %3; padding: 3px; }"
               "QPushButton { padding: 4px 12px; min-width: 56px; }"
               "QPushButton:hover, QToolButton:hover { background-color: %4; border-color: %6; }"
               "QPushButton:default { border-color: %6; }"
               "QScrollBar:vertical, QScrollBar:horizontal { background: %1; border: none; width: 10px; height: 10px; }"
               "QScrollBar::handle { background: %3; border-radius: 4px; min-height: 20px; min-width: 20px; }"
               "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
               "QMenu { background-color: %5; color: %2; border: 1px solid %3; }"
               "QMenu::item:selected { background-color: %4; }")
        .arg(bg, text, border, hover, selected, accent);
}

} // namespace

QString DFileChooser::startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists())
        return desktop;
    return QDir::homePath();
}

QString DDialogFileChooser::existingDirectory(QWidget *parent, const QString &title, const QString &startDir)
{
    QFileDialog dialog(parent, title, startDir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks |
                      QFileDialog::DontUseNativeDialog);
    dialog.setStyleSheet(dialogStyleSheet());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString DDialogFileChooser::openFileName(QWidget *parent, const QString &title, const QString &startDir,
                                         const QString &filter)
{
    QFileDialog dialog(parent, title, startDir, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setStyleSheet(dialogStyleSheet());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool DDialogFileChooser::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return DQuestionDialog::ask(parent, title, text, QCoreApplication::translate("DFileChooser", "Yes"),
                                QCoreApplication::translate("DFileChooser", "No"), false);
}
