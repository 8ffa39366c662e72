#include "ui/customKeys/DKeyWithAppPage.h"
#include "ui_DKeyWithAppPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/widgets/DFileChooser.h"

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyWithAppPage)
    , m_chooser(std::make_shared<DDialogFileChooser>())
{
    ui->setupUi(this);
    // The path only shows the choice; the dialog is the one way to change it.
    ui->textEdit_appPath->setFocusPolicy(Qt::NoFocus);
    applyTexts();
}

DKeyWithAppPage::~DKeyWithAppPage()
{
    delete ui;
}

void DKeyWithAppPage::setFileChooser(std::shared_ptr<DFileChooser> chooser)
{
    if (chooser)
        m_chooser = std::move(chooser);
}

void DKeyWithAppPage::applyTexts()
{
    ui->label_10->setText(QCoreApplication::translate("QObject", "Select App"));
    ui->textEdit_appPath->setPlaceholderText(
        QCoreApplication::translate("QObject", "Please select the path where your app is located"));
    ui->pushButton_selectAppPath->setText(QCoreApplication::translate("QObject", "Select application"));
}

void DKeyWithAppPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

QString DKeyWithAppPage::shownPath() const
{
    return ui->textEdit_appPath->toPlainText();
}

QString DKeyWithAppPage::startFolder()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("USERPROFILE") + QStringLiteral("\\Desktop");
#else
    return DFileChooser::startFolder();
#endif
}

QString DKeyWithAppPage::fileFilter()
{
#ifdef Q_OS_WIN
    return QStringLiteral("App(*.exe)");
#else
    // A key opens programs and documents alike; Linux programs carry no
    // extension to filter on.
    return tr("All files (*)");
#endif
}

void DKeyWithAppPage::clearChoice()
{
    ui->textEdit_appPath->clear();
}

void DKeyWithAppPage::showBinding(const KeyOperateInfo &info)
{
    ui->textEdit_appPath->setPlainText(QString::fromUtf8(info.value));
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    const QString path = m_chooser->openFileName(this, tr("Select App"), startFolder(), fileFilter());
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    if (!file.isFile())
        return;
    m_chosenPath = QDir::cleanPath(file.absoluteFilePath());
    ui->textEdit_appPath->clear();
    ui->textEdit_appPath->append(m_chosenPath);
    saveKeyBinding();
}

void DKeyWithAppPage::saveKeyBinding()
{
    if (m_chosenPath.isEmpty() || !QFileInfo(m_chosenPath).isFile())
        return;
    storeBinding(KeyFunctionLaunchApp, 1, 1, m_chosenPath.toUtf8());
}
