#include "DFileChooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

QString DFileChooser::startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists())
        return desktop;
    return QDir::homePath();
}

QString DDialogFileChooser::existingDirectory(QWidget *parent, const QString &title, const QString &startDir)
{
    return QFileDialog::getExistingDirectory(parent, title, startDir,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

QString DDialogFileChooser::openFileName(QWidget *parent, const QString &title, const QString &startDir,
                                         const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, startDir, filter);
}

bool DDialogFileChooser::confirm(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox question(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *yes = question.addButton(QCoreApplication::translate("DFileChooser", "Yes"), QMessageBox::YesRole);
    QPushButton *no = question.addButton(QCoreApplication::translate("DFileChooser", "No"), QMessageBox::NoRole);
    question.setDefaultButton(no);
    question.exec();
    return question.clickedButton() == yes;
}
