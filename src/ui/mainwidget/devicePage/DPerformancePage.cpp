#include "DPerformancePage.h"
#include "ui_DPerformancePage.h"

#include "platform/keyboardSettings.h"
#include "vardexSdk.h"

#include <QDebug>
#include <QIntValidator>

#include <climits>
#include <cstring>

namespace {

const char *onOff(bool on)
{
    return on ? "1" : "0";
}

// A stored switch counts as on when its text is a non-zero number.
bool switchOn(const char *field, std::size_t size)
{
    return QByteArray(field, int(qstrnlen(field, size))).trimmed().toInt() != 0;
}

// The decimal number a field holds; an empty or unreadable text counts as 0.
// A number too long for the sleep-time arithmetic is pinned high, so that it
// is refused as out of range instead of wrapping into a small value.
int fieldNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    return int(qBound<qlonglong>(INT_MIN / 60, value, INT_MAX / 60));
}

} // namespace

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DPerformancePage)
{
    ui->setupUi(this);
    setCodeTexts();
    ui->lineEdit_LightSleep->setValidator(new QIntValidator(0, 60000, this));
    ui->lineEdit_KeyboardSleep->setValidator(new QIntValidator(5, 1000, this));
}

DPerformancePage::~DPerformancePage()
{
    delete ui;
}

void DPerformancePage::setCodeTexts()
{
    ui->label->setText(tr("If Win Lock is on:"));
    ui->checkBox_disableWindowsKey->setText(tr("Disable Windows key"));
    ui->checkBox_disableSHIFT_TAB->setText(tr("Disable SHIFT+TAB"));
    ui->checkBox_disableALT_TAB->setText(tr("Disable ALT+TAB"));
    ui->checkBox_disableALT_F4->setText(tr("Disable ALT+F4"));
    ui->label_2->setText(tr("Light into sleep:"));
    ui->label_5->setText(tr("Keyboard into sleep:"));
    ui->label_3->setText(tr("Second"));
    ui->label_4->setText(tr("Minute"));
    ui->pushButton_SubmitSleepTime->setText(tr("Submit"));
    ui->pushButton_Restore->setText(tr("Reset current profile"));
    ui->pushButton_keyboardProperties->setText(tr("Keyboard properties"));
}

void DPerformancePage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DPerformancePage::setProfileXmlPath(const char *path)
{
    std::memset(m_profileXmlPath, 0, sizeof(m_profileXmlPath));
    if (path)
        std::strncpy(m_profileXmlPath, path, sizeof(m_profileXmlPath) - 1);
}

void DPerformancePage::loadFromProfile()
{
    ++m_loadCount;
    ProfileFunctionInfo locks {};
    std::strcpy(locks.altTab, "0");
    std::strcpy(locks.altF4, "0");
    std::strcpy(locks.shiftTab, "0");
    std::strcpy(locks.winKey, "0");
    ProfileSleepTimeInfo sleep {600, 30};
    // Before the device page hands over a profile, the defaults show.
    if (hasProfile()) {
        const QByteArray index = QByteArray::number(m_profileIndex);
        CVardexXML_GetProFileFunctionInfo(m_profileXmlPath, index.constData(), &locks);
        CVardexXML_GetProFileIntoSleepTimeInfo(m_profileXmlPath, index.constData(), &sleep);
    }
    ui->checkBox_disableALT_TAB->setChecked(switchOn(locks.altTab, sizeof locks.altTab));
    ui->checkBox_disableALT_F4->setChecked(switchOn(locks.altF4, sizeof locks.altF4));
    ui->checkBox_disableSHIFT_TAB->setChecked(switchOn(locks.shiftTab, sizeof locks.shiftTab));
    ui->checkBox_disableWindowsKey->setChecked(switchOn(locks.winKey, sizeof locks.winKey));
    ui->lineEdit_LightSleep->setText(QString::number(sleep.lightSleepSeconds));
    ui->lineEdit_KeyboardSleep->setText(QString::number(sleep.keyboardSleepMinutes));
}

void DPerformancePage::retranslate()
{
    ui->retranslateUi(this);
    setCodeTexts();
    loadFromProfile();
}

void DPerformancePage::setKeyboardAvailable(bool available)
{
    ui->frame_Left->setEnabled(available);
    ui->frame_Center->setEnabled(available);
    ui->pushButton_Restore->setEnabled(available);
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    qDebug() << "--------------- disableALT_TAB -----------------";
    saveWinLockSwitches();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    qDebug() << "--------------- disableALT_F4 -----------------";
    saveWinLockSwitches();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    qDebug() << "--------------- disableSHIFT_TAB -----------------";
    saveWinLockSwitches();
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    qDebug() << "--------------- disableWindowsKey -----------------";
    saveWinLockSwitches();
}

void DPerformancePage::saveWinLockSwitches()
{
    const bool altTab = ui->checkBox_disableALT_TAB->isChecked();
    const bool altF4 = ui->checkBox_disableALT_F4->isChecked();
    const bool shiftTab = ui->checkBox_disableSHIFT_TAB->isChecked();
    const bool winKey = ui->checkBox_disableWindowsKey->isChecked();
    if (hasProfile()) {
        const QByteArray index = QByteArray::number(m_profileIndex);
        CVardexXML_AddProFileFunctionInfo(m_profileXmlPath, index.constData(), onOff(altTab), onOff(altF4),
                                          onOff(shiftTab), onOff(winKey));
    }
    // The keyboard takes them in the opposite order to the store's.
    emit sigLockWinKeyAbout(winKey, shiftTab, altTab, altF4);
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    // Started detached: the desktop's settings window must not hold up the
    // tool while it is open.
    const keyboardSettings::LaunchResult result = keyboardSettings::launchFirstInstalled();
    if (result == keyboardSettings::LaunchResult::NoneInstalled)
        emit sigSomeMessageTip_PerformancePage(tr("No keyboard settings program of the desktop is installed"));
    else if (result == keyboardSettings::LaunchResult::StartFailed)
        emit sigSomeMessageTip_PerformancePage(tr("The keyboard settings could not be opened"));
}

void DPerformancePage::on_pushButton_SubmitSleepTime_clicked()
{
    const int light = fieldNumber(ui->lineEdit_LightSleep->text());
    const int keyboardMinutes = fieldNumber(ui->lineEdit_KeyboardSleep->text());
    emit sigLightAndKeyboardSleepTime(light, keyboardMinutes * 60);
}
