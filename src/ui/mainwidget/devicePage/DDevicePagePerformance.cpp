// The device page's side of the performance page: it checks the sleep times,
// sends the lock, sleep-time and reset reports through the current keyboard's
// link, waits for the keyboard where it answers, and reports the outcome.
#include "DDevicePage.h"

#include "DPerformancePage.h"
#include "profileReset.h"
#include "hid/DDeviceKeyboardLink.h"
#include "ui/widgets/DQuestionDialog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QThread>

namespace {

constexpr int kSleepAckTimeoutMs = 1400;
// What the report's 16-bit fields and the page's units allow.
constexpr int kLightSleepMaxSeconds = 60000;
constexpr int kKeyboardSleepMinSeconds = 5 * 60;
constexpr int kKeyboardSleepMaxSeconds = 1000 * 60;

} // namespace

bool DDevicePage::performanceKeyboardReady() const
{
    if (!m_currentLink || m_profileXmlPath[0] == '\0')
        return false;
    const QString path = m_links.key(m_currentLink);
    const hidStructInfoAll record = m_devices.value(path, m_currentDevice);
    return record.hidUsbOrDongle == 0 || isReceiverReachable(path);
}

void DDevicePage::updatePerformanceAvailability()
{
    m_performancePage->setKeyboardAvailable(performanceKeyboardReady());
}

void DDevicePage::onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4)
{
    if (!performanceKeyboardReady()) {
        showNotice(offlineText());
        return;
    }
    m_currentLink->setLockWinKey(feature1, feature2, feature3, feature4);
}

void DDevicePage::onSleepTimeSetSuccessful()
{
    // Only the keyboard that was asked may answer: another keyboard's
    // acknowledgement says nothing about this request.
    if (m_sleepWaitLink && sender() == m_sleepWaitLink)
        m_sleepAcknowledged = true;
}

void DDevicePage::onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime)
{
    if (m_sleepWaiting)
        return; // a request is still waiting for its answer
    if (lightSleepTime < 0 || lightSleepTime > kLightSleepMaxSeconds) {
        showNotice(tr("The light sleep time must be from 0 to 60000 seconds"));
        return;
    }
    if (keyboardSleepTime < 0 || keyboardSleepTime > kKeyboardSleepMaxSeconds) {
        showNotice(tr("The keyboard sleep time must be from 5 to 1000 minutes"));
        return;
    }
    if (lightSleepTime > keyboardSleepTime) {
        showNotice(tr("The time when the light enters sleep cannot be longer than the keyboard enters sleep"));
        return;
    }
    if (keyboardSleepTime < kKeyboardSleepMinSeconds) {
        showNotice(tr("Keyboard enters sleep time is too short"));
        return;
    }
    if (!performanceKeyboardReady()) {
        showNotice(offlineText());
        return;
    }

    // The answer is stored into the profile the request was made for, even
    // when another keyboard becomes current during the wait.
    const QByteArray path(m_profileXmlPath);
    const QByteArray index = QByteArray::number(m_profileIndex);
    m_sleepWaitLink = m_currentLink;
    m_sleepWaiting = true;
    m_sleepAcknowledged = false;
    m_sleepWaitLink->setSleepTime(lightSleepTime, keyboardSleepTime);

    QElapsedTimer clock;
    clock.start();
    while (!m_sleepAcknowledged && clock.elapsed() < kSleepAckTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!m_sleepAcknowledged)
            QThread::msleep(2);
    }
    const bool acknowledged = m_sleepAcknowledged;
    m_sleepWaitLink = nullptr;
    m_sleepWaiting = false;
    m_sleepAcknowledged = false;

    if (!acknowledged) {
        showNotice(tr("Sleep time set failed"));
        return;
    }
    if (!CVardexXML_SetProFileIntoSleepTimeInfo(path.constData(), index.constData(), lightSleepTime,
                                                keyboardSleepTime / 60)) {
        showNotice(tr("The keyboard took the sleep time, but the profile could not be saved"));
        return;
    }
    showNotice(tr("Sleep time has been set"));
}

void DDevicePage::onResetoreCurrentProfile()
{
    if (!performanceKeyboardReady()) {
        showNotice(offlineText());
        return;
    }
    if (!DQuestionDialog::ask(this, tr("Tip"), tr("Whether to reset the current profile?"), tr("Yes"), tr("No"), true))
        return;
    // The keyboard may have left while the question was open.
    if (!performanceKeyboardReady()) {
        showNotice(offlineText());
        return;
    }

    qDebug() << "--------------------------- Reset Profile ----------------------------";
    const bool reset = resetProfileInStore(m_profileXmlPath, m_profileIndex, [this](int profileIndex) {
        addDefaultLightItems(profileIndex);
        addDefaultCustomLights(profileIndex);
    });
    if (!reset) {
        showNotice(tr("The current profile could not be reset"));
        return;
    }
    // The keyboard may leave (and its link go) while events are processed.
    QPointer<DDeviceKeyboardLink> link = m_currentLink;
    loadCurrentProfile();
    if (!link || link != m_currentLink)
        return;
    link->resetKeyboard();
    showNotice(tr("Reset the current profile successful"));
    // The keyboard's own sleep times then replace the profile's.
    link->inquireSleepTime();
}
