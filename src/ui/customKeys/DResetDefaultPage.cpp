#include "ui/customKeys/DResetDefaultPage.h"
#include "ui_DResetDefaultPage.h"

#include <QCoreApplication>
#include <QDebug>

DResetDefaultPage::DResetDefaultPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DResetDefaultPage)
{
    ui->setupUi(this);
    applyTexts();
    ui->pushButton_Cancel->hide();
    ui->label_KeyChar->setText(shownCaption());
}

DResetDefaultPage::~DResetDefaultPage()
{
    delete ui;
}

QString DResetDefaultPage::shownCaption() const
{
    return keyCode() == -1 ? QStringLiteral("NULL") : keyText();
}

void DResetDefaultPage::applyTexts()
{
    ui->pushButton_OK->setText(QCoreApplication::translate("QObject", "OK"));
    ui->pushButton_Cancel->setText(QCoreApplication::translate("QObject", "Cancel"));
}

void DResetDefaultPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
    ui->label_KeyChar->setText(shownCaption());
}

void DResetDefaultPage::clearKey()
{
    DKeyFunctionPage::clearKey();
    ui->label_KeyChar->setText(shownCaption());
}

void DResetDefaultPage::clearChoice()
{
    ui->label_KeyChar->setText(shownCaption());
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    if (keyCode() == -1) {
        emit sigCustomKeyInfoSaveFailed(10, ErrorNoKey);
        return;
    }
    const QByteArray path = profilePath();
    const QByteArray profile = QByteArray::number(profileIndex());
    const QByteArray key = QByteArray::number(keyCode());

    // The profile's copy of a macro goes with the last key of the profile
    // that uses it. Counted before the key's own binding is removed.
    QByteArray lastUsersMacro;
    KeyOperateInfo info;
    if (readBinding(path.constData(), profileIndex(), keyCode(), &info) && bindingType(info) == KeyFunctionMacro) {
        const QByteArray value(info.value);
        if (CVardexXML_GetProFileValueNum(path.constData(), profile.constData(), "1", value.constData()) == 1)
            lastUsersMacro = QByteArray::number(value.toInt());
    }

    // A binding is identified by profile and key; the caption is only
    // carried along. The store's answer decides what the user is told.
    const QByteArray caption = keyText().toUtf8();
    if (!CVardexXML_DeleteProFileMacroWithKeyInfoItem(path.constData(), profile.constData(), key.constData(),
                                                      caption.constData())) {
        qDebug() << "------------------------------ *** Restore default [Delete] Failed *** --------------------------";
        emit sigCustomKeyInfoSaveFailed(10, ErrorStoreRefused);
        return;
    }
    if (!lastUsersMacro.isEmpty()) {
        const QByteArray node = QByteArrayLiteral("Macro") + lastUsersMacro;
        CVardexXML_DeleteProFileBindMacroNode(path.constData(), profile.constData(), lastUsersMacro.constData(),
                                              node.constData());
    }
    emit sigShoudUpdateKeyboard(keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
