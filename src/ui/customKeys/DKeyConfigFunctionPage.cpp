#include "ui/customKeys/DKeyConfigFunctionPage.h"
#include "ui_DKeyConfigFunctionPage.h"

#include "data/keyFunctionNames.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

// The sub code is the keyboard function: 0 lock the keyboard, 2 Windows-key
// lock (0 toggle, 1 lock, 2 unlock), 8 key layer, 10 power query, 11 the
// connection ("mode,slot": mode 2 USB, 1 the receiver, 0 Bluetooth slot 0-2).
const FunctionChoice kChoices[] = {
    {"radioButton_SwitchLoopWin", KeyFunctionKeyConfig, 2, "0"},
    {"radioButton_LockKeyboard", KeyFunctionKeyConfig, 0, "0"},
    {"radioButton_UnlockWin", KeyFunctionKeyConfig, 2, "2"},
    {"radioButton_LockWin", KeyFunctionKeyConfig, 2, "1"},
    {"radioButton_PowerQuery", KeyFunctionKeyConfig, 10, "0"},
    {"radioButton_DefaultLayer", KeyFunctionKeyConfig, 8, "0"},
    {"radioButton_FNLayer", KeyFunctionKeyConfig, 8, "1"},
    {"radioButton_FN1Layer", KeyFunctionKeyConfig, 8, "2"},
    {"radioButton_USB", KeyFunctionKeyConfig, 11, "2,0"},
    {"radioButton_24G", KeyFunctionKeyConfig, 11, "1,0"},
    {"radioButton_Pattern1", KeyFunctionKeyConfig, 11, "0,0"},
    {"radioButton_Pattern2", KeyFunctionKeyConfig, 11, "0,1"},
    {"radioButton_Pattern3", KeyFunctionKeyConfig, 11, "0,2"},
};
constexpr int kLockKeyboard = 1;
constexpr int kPowerQuery = 4;
constexpr int kUsb = 8;
constexpr int kReceiver = 9;
constexpr int kBluetoothFirst = 10;

} // namespace

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget *parent)
    : DChoiceFunctionPage(parent)
    , ui(new Ui::DKeyConfigFunctionPage)
{
    ui->setupUi(this);
    setChoices(kChoices, int(sizeof kChoices / sizeof kChoices[0]));
    // Layer switches and the separate Windows-key lock and unlock are not
    // offered; stored ones still mark their (hidden) buttons.
    ui->radioButton_DefaultLayer->hide();
    ui->radioButton_FNLayer->hide();
    ui->radioButton_FN1Layer->hide();
    ui->radioButton_LockWin->hide();
    ui->radioButton_UnlockWin->hide();
    applyTexts();
}

DKeyConfigFunctionPage::~DKeyConfigFunctionPage()
{
    delete ui;
}

void DKeyConfigFunctionPage::applyTexts()
{
    ui->radioButton_SwitchLoopWin->setText(keyFunctionNames::lockWin(keyFunctionNames::LockWinToggle));
}

void DKeyConfigFunctionPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

int DKeyConfigFunctionPage::matchBinding(const KeyOperateInfo &info) const
{
    const int subCode = number(info.playMode);
    if (subCode == 0)
        return kLockKeyboard;
    if (subCode == 10)
        return kPowerQuery;
    if (subCode == 11) {
        // The page always writes both parts; a value without the slot can
        // still name USB or the receiver, which have none.
        const QList<QByteArray> parts = QByteArray(info.value).split(',');
        bool modeOk = false;
        const int mode = parts.value(0).trimmed().toInt(&modeOk);
        if (!modeOk)
            return -1;
        if (mode == 2)
            return kUsb;
        if (mode == 1)
            return kReceiver;
        bool slotOk = false;
        const int slot = parts.value(1).trimmed().toInt(&slotOk);
        if (mode == 0 && slotOk && slot >= 0 && slot <= 2)
            return kBluetoothFirst + slot;
        return -1;
    }
    if (subCode != 2 && subCode != 8)
        return -1;
    const int value = number(info.value);
    for (int i = 0; i < choiceCount(); ++i) {
        if (choice(i).subCode == subCode && number(choice(i).value) == value)
            return i;
    }
    return -1;
}
