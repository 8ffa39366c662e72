#include "DFileChooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QWindow>

#include "data/DDataManager.h"
#include "ui/widgets/DQuestionDialog.h"
#include "ui/widgets/themeStyle.h"

namespace {

// Wide enough for the Size and Date columns of the detail view, but never
// beyond the screen the dialog opens on.
const QSize kDialogSize(860, 520);

// Once the dialog is on screen: focus goes to the file-name field, so that
// typed text names the file instead of searching the list.
class FileNameFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            // The size, type and date columns fit their texts ("644 bytes"
            // was cut to "644…tes"); the name column takes the rest.
            if (auto *tree = watched->findChild<QTreeView *>(QStringLiteral("treeView"))) {
                QHeaderView *header = tree->header();
                for (int column = 1; column < header->count(); ++column)
                    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
            }
            // The places list is wide enough for a folder name.
            if (auto *splitter = watched->findChild<QSplitter *>(QStringLiteral("splitter"))) {
                const int total = splitter->width();
                if (splitter->count() == 2 && total > 400 && splitter->sizes().value(0) < 170)
                    splitter->setSizes({170, total - 170});
            }
            if (auto *edit = watched->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                QTimer::singleShot(0, edit, [edit] {
                    edit->setFocus(Qt::OtherFocusReason);
                    edit->selectAll();
                });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void DDialogFileChooser::dress(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setStyleSheet(themeStyle::dialogSheet(DDataManager::instance()->themeColors()));
    QSize size = kDialogSize;
    const QWidget *anchor = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const QScreen *screen = anchor && anchor->windowHandle() ? anchor->windowHandle()->screen()
                                                             : QGuiApplication::primaryScreen();
    if (screen)
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    dialog.resize(size);
    dialog.installEventFilter(new FileNameFocus(&dialog));
}

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
    dress(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString DDialogFileChooser::openFileName(QWidget *parent, const QString &title, const QString &startDir,
                                         const QString &filter)
{
    QFileDialog dialog(parent, title, startDir, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dress(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool DDialogFileChooser::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return DQuestionDialog::ask(parent, title, text, QCoreApplication::translate("DFileChooser", "Yes"),
                                QCoreApplication::translate("DFileChooser", "No"), false);
}
