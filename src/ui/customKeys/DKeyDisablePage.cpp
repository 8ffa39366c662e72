#include "ui/customKeys/DKeyDisablePage.h"
#include "ui_DKeyDisablePage.h"

#include <QCoreApplication>

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyDisablePage)
{
    ui->setupUi(this);
    applyTexts();
}

DKeyDisablePage::~DKeyDisablePage()
{
    delete ui;
}

void DKeyDisablePage::applyTexts()
{
    ui->pushButton_OK->setText(QCoreApplication::translate("QObject", "OK"));
    ui->pushButton_Cancel->setText(QCoreApplication::translate("QObject", "Cancel"));
    ui->label_KeyChar->setText(keyText());
}

void DKeyDisablePage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

void DKeyDisablePage::clearChoice()
{
    ui->label_KeyChar->setText(keyText());
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    storeBinding(KeyFunctionDisable, 1, 1, QByteArrayLiteral("-1"));
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
