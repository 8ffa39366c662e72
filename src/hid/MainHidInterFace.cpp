#include "hid/MainHidInterFace.h"
#include "hid/lightSyncModels.h"

#include "hid/DDeviceHidCmdSend.h"

#include <QDebug>
#include <QStringList>
#include <QTimer>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {
const int kShakeHandsIntervalMs = 1000;
// The keyboard gets this much time between two reports: a write pass and a
// read pass of one pacing interval (1 ms) each.
const int64_t kReportSpacingNs = 2000000;
// Only where the device offers no input event: while nothing moves, the
// read polls back off from 1 ms, doubling up to this cap.
const int kIdleNapMaxMs = 32;

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
    m_wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
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
    // Close joins the loop under m_wakeLock only when it found the loop
    // running; a thread slow to start runs its loop after close looked.
    (void)m_loopEnded.load(std::memory_order_acquire);
    freeQueues();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

int MainHidInterFace::lightFrameSize(const QString &hidName)
{
    // The frame must hold every report of one stream tick, side chunks included.
    return lightSyncModels::reportsPerFrame(hidName);
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
    m_inputFd = m_wakeFd >= 0 ? CVardexHid_GetInputEventFd(m_handle) : -1;
    m_inputGone = false;
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
    const bool complete = !m_frameFilling;
    lock.unlock();
    // Nothing of a frame is written before it is complete: waking the loop
    // for each report would only cost wake-ups.
    if (complete)
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
    m_inputFd = -1;
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
    m_nextWriteNs = 0;
    while (m_open.load()) {
        // A pass is a write then a read, with no sleep between them: the
        // read cannot wait for an answer to the write anyway, and a sleep
        // there would cost a wake-up per report.
        if (hasQueuedWork())
            sleepUntilNs(m_nextWriteNs);
        m_readTurn = false;
        const bool wrote = writePass();
        if (wrote) {
            // Counted from the end of this write: chaining from its deadline
            // would let a late wake-up bring the next report closer to it.
            m_nextWriteNs = monotonicNs() + kReportSpacingNs;
        }
        m_readTurn = true;
        const bool read = readPass();
        m_readTurn = false;
        pace(!wrote && !read);
    }
    {
        std::lock_guard<std::mutex> lock(m_wakeLock);
        m_loopRunning = false;
        m_wake.notify_all();
    }
    m_loopEnded.store(true, std::memory_order_release);
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
    if (result < 0 && m_open.load())
        noteDeviceGone();
    if (result <= 0)
        return false;
    const QByteArray report(reinterpret_cast<const char *>(buffer), hidCmdBuff::Size);
    if (buffer[1] == static_cast<unsigned char>(HidReturnCmd::DeviceSN))
        emit sigHidSnGetOver(report, m_strHidName);
    else
        emit sigHidDataArrived(report, result, m_threadIndex);
    return true;
}

// Reports leave at least kReportSpacingNs apart (a write pass and a read
// pass of one pacing interval each), however late the loop wakes. While
// something is ready to be written the loop sleeps to the absolute deadline
// of the next report, so a frame of n reports costs n wake-ups. A pass that
// read a report goes on at once: more may be
// waiting. Otherwise the loop sleeps in poll() until the keyboard sends a
// report, a command or a complete light frame is queued, or the transport
// closes: an idle keyboard costs a wake-up per keep-alive and one per
// report it sends, and an unprompted report is handed over at once.
// Without the device's input event the loop naps instead, doubling from
// 2 ms up to kIdleNapMaxMs; anything queued and close still wake it at once.
void MainHidInterFace::pace(bool idle)
{
    const bool queued = hasQueuedWork();
    {
        std::lock_guard<std::mutex> lock(m_wakeLock);
        if (m_wakePending) {
            m_wakePending = false;
            idle = false;
        }
    }
    if (queued || !idle) {
        m_idleNapMs = 0;
        return; // the next pass sleeps to the deadline of its report
    }
    if (m_inputFd >= 0) {
        sleepUntilWork();
        return;
    }
    m_idleNapMs = m_idleNapMs == 0 ? 2 : qMin(m_idleNapMs * 2, kIdleNapMaxMs);
    std::unique_lock<std::mutex> lock(m_wakeLock);
    m_wake.wait_for(lock, std::chrono::milliseconds(m_idleNapMs), [this] { return m_wakePending || !m_open.load(); });
}

int64_t MainHidInterFace::monotonicNs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// A deadline already passed returns at once; close ends the loop at its
// next pass, at most one spacing later.
void MainHidInterFace::sleepUntilNs(int64_t deadlineNs)
{
    if (deadlineNs <= monotonicNs())
        return;
    timespec t;
    t.tv_sec = time_t(deadlineNs / 1000000000LL);
    t.tv_nsec = long(deadlineNs % 1000000000LL);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
    }
}

bool MainHidInterFace::hasQueuedWork() const
{
    {
        std::lock_guard<std::mutex> lock(m_cmdLock);
        if (!m_cmdQueue.isEmpty())
            return true;
    }
    std::lock_guard<std::mutex> lock(m_lightLock);
    return !m_lightQueue.isEmpty() && m_lightSynchronous.load() && !m_frameFilling;
}

void MainHidInterFace::sleepUntilWork()
{
    // poll() skips a negative descriptor: a gone keyboard is not watched.
    pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {m_inputGone ? -1 : m_inputFd, POLLIN, 0}};
    int n;
    do {
        n = ::poll(fds, 2, -1);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return;
    if (fds[0].revents & POLLIN) {
        uint64_t count;
        while (::read(m_wakeFd, &count, sizeof count) < 0 && errno == EINTR) {
        }
    }
    if (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) {
        // The keyboard is gone: nothing more to read, and a gone device
        // would poll ready for ever. Writes and close still wake the loop.
        m_inputGone = true;
        noteDeviceGone();
    } else if (fds[1].revents & POLLIN) {
        // Cleared before the read pass, so a report arriving after it
        // wakes the next poll.
        CVardexHid_ClearInputEvent(m_handle);
    }
}

void MainHidInterFace::noteDeviceGone()
{
    // A read fails only once the device is gone: a non-blocking read with
    // nothing waiting returns 0. Whoever holds the link must open the
    // keyboard again, even when it is back under the same path before any
    // hot-plug notification is handled.
    if (!m_deviceGone.exchange(true))
        emit sigHidDeviceGone();
}

void MainHidInterFace::wakeLoop()
{
    {
        std::unique_lock<std::mutex> lock(m_wakeLock);
        m_wakePending = true;
        m_wake.notify_all();
    }
    if (m_wakeFd >= 0) {
        const uint64_t one = 1;
        while (::write(m_wakeFd, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
}
