#include "hid/MainHidInterFace.h"

#include "hid/DDeviceHidCmdSend.h"

#include <QDebug>
#include <QStringList>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {
const int kShakeHandsIntervalMs = 1000;
const int kPacingValue = 100;
// While nothing moves, the read polls back off from 1 ms, doubling up to
// this cap: the most an unprompted inbound report (a status change, a custom
// key press) waits while the keyboard is idle.
const int kIdleNapMaxMs = 32;

const QStringList &elevenReportModels()
{
    static const QStringList models = {QStringLiteral("Wendar"), QStringLiteral("Quendo"), QStringLiteral("Yolma"),
                                       QStringLiteral("Brisko"), QStringLiteral("Pravo"), QStringLiteral("Nelta"),
                                       QStringLiteral("Vokar"), QStringLiteral("Pasko"), QStringLiteral("Tuvel"),
                                       QStringLiteral("Caspo")};
    return models;
}

unsigned char *copyReport(const unsigned char *report)
{
    auto *copy = static_cast<unsigned char *>(std::malloc(hidCmdBuff::Size));
    if (copy)
        std::memcpy(copy, report, hidCmdBuff::Size);
    return copy;
}
} // namespace

MainHidInterFace::MainHidInterFace(int threadIndex, QString hidName, QObject *parent)
    : QThread(parent)
    , m_threadIndex(threadIndex)
    , m_strHidName(hidName)
    , m_frameSize(lightFrameSize(hidName))
{
    std::memset(static_cast<void *>(&m_timerState), 0, sizeof m_timerState);
    m_shakeHandsTimer = new QTimer(this);
    m_shakeHandsTimer->setInterval(kShakeHandsIntervalMs);
    connect(m_shakeHandsTimer, SIGNAL(timeout()), this, SLOT(onShakeHandsRuning()));
    CVardexHid_highPrecisionTimerInit(&m_timerState);
    CVardexHid_highPrecisionTimerStart(m_timerState);
}

MainHidInterFace::~MainHidInterFace()
{
    hidApi_Close(-1);
    wait();
    freeQueues();
}

int MainHidInterFace::lightFrameSize(const QString &hidName)
{
    return elevenReportModels().contains(hidName) ? 11 : 10;
}

int MainHidInterFace::hidApi_Open(QString path)
{
    m_hidPath = path;
    m_hidPathLatin1 = path.toLatin1();
    const int handle = CVardexHid_OpenPath(m_hidPathLatin1.constData());
    if (handle == 0) {
        qDebug() << "Unable to open device\n";
        m_open = false;
        return -1;
    }
    m_handle = handle;
    qDebug() << "Open device success\n";
    m_open = true;

    const hidCmdBuff inquiry = DDeviceHidCmdSend::buildInquireDeviceSN();
    hidApi_Write(inquiry.data());
    qDebug() << "---------- *** Inquire [Device SN] Successful *** ----------";

    m_shakeHandsTimer->start(kShakeHandsIntervalMs);
    CVardexHid_SetNonblocking(m_handle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::hidApi_Write(const unsigned char *report)
{
    if (!m_open.load() || !report)
        return -1;
    unsigned char *copy = copyReport(report);
    if (!copy)
        return -1;
    {
        std::lock_guard<std::mutex> lock(m_cmdLock);
        if (!m_open.load()) { // closed meanwhile: the queue is being freed
            std::free(copy);
            return -1;
        }
        m_cmdQueue.append(copy);
    }
    wakeLoop();
    return 0;
}

int MainHidInterFace::hidApi_WriteLight(const unsigned char *report)
{
    std::unique_lock<std::mutex> lock(m_lightLock);
    if (!m_open.load())
        return -1;
    if (m_lightQueue.isEmpty())
        m_frameFilling = true; // a new frame begins
    if (!m_lightSynchronous.load() || !m_frameFilling || !report)
        return 0;
    if (m_lightQueue.size() == m_frameSize - 1)
        m_frameFilling = false; // this report completes the frame
    unsigned char *copy = copyReport(report);
    if (!copy)
        return 0;
    m_lightQueue.append(copy);
    lock.unlock();
    wakeLoop();
    return 0;
}

void MainHidInterFace::setLightSynchronous(bool on)
{
    m_lightSynchronous = on;
    if (on)
        return;
    std::unique_lock<std::mutex> lock(m_lightLock);
    for (unsigned char *r : qAsConst(m_lightQueue))
        std::free(r);
    m_lightQueue.clear();
    m_frameFilling = false;
}

void MainHidInterFace::onShakeHandsRuning()
{
    if (!m_open.load())
        return;
    const hidCmdBuff keepAlive = DDeviceHidCmdSend::buildShakeHands();
    hidApi_Write(keepAlive.data());
}

int MainHidInterFace::hidApi_Close(int fromNum)
{
    if (!m_open.load())
        return 0;
    qDebug() << "--------------------------------------------- *** [hidApi_Close] *** 0000 "
                "--------------------------------------------- fromNum:"
             << fromNum;
    m_open = false;
    // The loop may be inside a read or write with this handle: let it see
    // Open cleared and finish before the device goes away.
    wakeLoop();
    if (QThread::currentThread() != this) {
        {
            std::unique_lock<std::mutex> lock(m_wakeLock);
            m_wake.wait(lock, [this] { return !m_loopRunning; });
        }
        wait();
    }
    CVardexHid_Close(m_handle);
    m_handle = 0;
    qDebug() << "--------------------------------------------- *** [hidApi_Close] *** 1111 "
                "---------------------------------------------";
    if (m_shakeHandsTimer->isActive())
        m_shakeHandsTimer->stop();
    qDebug() << "--------------------------------------------- *** [hidApi_Close] *** 2222 "
                "---------------------------------------------";
    CVardexHid_highPrecisionTimerStop(m_timerState);
    freeQueues();
    qDebug() << "--------------------------------------------- *** [hidApi_Close] *** 3333 "
                "---------------------------------------------";
    return 0;
}

void MainHidInterFace::freeQueues()
{
    {
        std::lock_guard<std::mutex> lock(m_cmdLock);
        for (unsigned char *r : qAsConst(m_cmdQueue))
            std::free(r);
        m_cmdQueue.clear();
    }
    std::unique_lock<std::mutex> lock(m_lightLock);
    for (unsigned char *r : qAsConst(m_lightQueue))
        std::free(r);
    m_lightQueue.clear();
    m_frameFilling = false;
}

int MainHidInterFace::pendingCommandCount() const
{
    std::lock_guard<std::mutex> lock(m_cmdLock);
    return m_cmdQueue.size();
}

QList<QByteArray> MainHidInterFace::pendingCommands() const
{
    std::lock_guard<std::mutex> lock(m_cmdLock);
    QList<QByteArray> out;
    for (const unsigned char *r : m_cmdQueue)
        out << QByteArray(reinterpret_cast<const char *>(r), hidCmdBuff::Size);
    return out;
}

int MainHidInterFace::pendingLightCount() const
{
    std::unique_lock<std::mutex> lock(m_lightLock);
    return m_lightQueue.size();
}

void MainHidInterFace::run()
{
    {
        std::lock_guard<std::mutex> lock(m_wakeLock);
        m_loopRunning = true;
    }
    m_readTurn = false;
    m_idleNapMs = 0;
    while (m_open.load()) {
        bool moved;
        if (!m_readTurn) {
            moved = writePass();
        } else {
            moved = readPass();
        }
        m_readTurn = !m_readTurn;
        pace(!moved);
    }
    std::lock_guard<std::mutex> lock(m_wakeLock);
    m_loopRunning = false;
    m_wake.notify_all();
}

// Writes at most one report: commands always before light reports, and a
// light report only once its frame is complete.
bool MainHidInterFace::writePass()
{
    unsigned char *report = nullptr;
    bool isLight = false;
    {
        std::lock_guard<std::mutex> lock(m_cmdLock);
        if (!m_cmdQueue.isEmpty())
            report = m_cmdQueue.takeFirst();
    }
    if (!report) {
        std::unique_lock<std::mutex> lock(m_lightLock);
        if (!m_lightQueue.isEmpty() && m_lightSynchronous.load() && !m_frameFilling) {
            report = m_lightQueue.takeFirst();
            isLight = true;
        }
    }
    if (!report)
        return false;
    if (m_open.load() && m_handle != 0) {
        const int result = CVardexHid_HidWriteBuff(m_handle, report, m_hidPathLatin1.constData());
        if (result == -1 && !isLight)
            qDebug() << "-----------------------------------------****************** Send error, Cmd:" << report[1];
    }
    std::free(report);
    return true;
}

bool MainHidInterFace::readPass()
{
    if (!m_open.load() || m_handle == 0)
        return false;
    unsigned char buffer[hidCmdBuff::Size];
    std::memset(buffer, 0, sizeof buffer);
    const int result = CVardexHid_HidReadBuff(m_handle, buffer);
    if (result <= 0)
        return false;
    const QByteArray report(reinterpret_cast<const char *>(buffer), hidCmdBuff::Size);
    if (buffer[1] == static_cast<unsigned char>(HidReturnCmd::DeviceSN))
        emit sigHidSnGetOver(report, m_strHidName);
    else
        emit sigHidDataArrived(report, result, m_threadIndex);
    return true;
}

// Busy passes end on the library's timer (1 ms). A write pass that found
// nothing goes straight on to its read pass. A read pass that found nothing
// ends the write-and-read pair with a nap on a wait condition that doubles
// after each empty pair (2, 4, 8, ... ms, capped), so an idle keyboard costs
// a few dozen wake-ups a second instead of a thousand. Anything queued (a
// command, a light report, the keep-alive) and close wake the loop at once
// and restart the fast pace, so writes never wait for a nap. The price is
// paid by inbound reports the keyboard sends unprompted while idle: they
// wait up to kIdleNapMaxMs. A reply to a report just written is read within
// the first few short naps, since the pace restarts at 1 ms after each write.
void MainHidInterFace::pace(bool idle)
{
    std::unique_lock<std::mutex> lock(m_wakeLock);
    if (m_wakePending) {
        m_wakePending = false;
        idle = false;
    }
    if (!idle) {
        m_idleNapMs = 0;
    } else if (m_readTurn) {
        return; // the write pass found nothing: read at once
    } else {
        m_idleNapMs = m_idleNapMs == 0 ? 1 : qMin(m_idleNapMs * 2, kIdleNapMaxMs);
    }
    if (m_idleNapMs <= 1) {
        lock.unlock();
        CVardexHid_highPrecisionTimerRuning(kPacingValue, m_timerState);
        return;
    }
    m_wake.wait_for(lock, std::chrono::milliseconds(m_idleNapMs), [this] { return m_wakePending || !m_open.load(); });
}

void MainHidInterFace::wakeLoop()
{
    std::unique_lock<std::mutex> lock(m_wakeLock);
    m_wakePending = true;
    m_wake.notify_all();
}
