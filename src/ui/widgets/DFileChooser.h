#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The file and folder questions a page asks the user. Pages hold one through
// a pointer so that tests can answer in place of the user; the default one
// opens Qt's dialogs.
class DFileChooser
{
public:
    virtual ~DFileChooser() = default;

    // An existing folder, or "" when the user cancelled.
    virtual QString existingDirectory(QWidget *parent, const QString &title, const QString &startDir) = 0;
    // An existing file, or "" when the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &startDir,
                                 const QString &filter) = 0;
    // A yes/no question; true for yes.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;

    // The folder the dialogs start in: the desktop, else the home folder.
    static QString startFolder();
};

class DDialogFileChooser : public DFileChooser
{
public:
    QString existingDirectory(QWidget *parent, const QString &title, const QString &startDir) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &startDir,
                         const QString &filter) override;
    bool confirm(QWidget *parent, const QString &title, const QString &text) override;

    // Qt's own file dialog in the tool's colours, at a size that shows its
    // columns whole, with the file-name field taking the typing.
    static void dress(QFileDialog &dialog);
};
