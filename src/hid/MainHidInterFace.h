// MainHidInterFace.h - the transport of one opened keyboard: a thread that
// writes queued reports one at a time and reads inbound reports without
// blocking, handing each to the interface thread as a queued signal. While
// nothing moves it sleeps in poll() until the keyboard sends, a report is
// queued, or the transport closes.
#ifndef MAINHIDINTERFACE_H
#define MAINHIDINTERFACE_H

#include "hid/hidCmdBuff.h"
#include "vardexSdk.h"

#include <QList>
#include <QString>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <type_traits>

class QTimer;

namespace hidTransportDetail {
template <typename F> struct firstArg;
template <typename R, typename A, typename... Rest> struct firstArg<R (*)(A, Rest...)> { using type = A; };
// The library's timer state, whatever name the library gives it.
using TimerState = std::remove_pointer_t<typename firstArg<decltype(&CVardexHid_highPrecisionTimerInit)>::type>;
} // namespace hidTransportDetail

class MainHidInterFace : public QThread
{
    Q_OBJECT
public:
    MainHidInterFace(int threadIndex, QString hidName, QObject *parent = nullptr);
    // Closes the transport (joining its thread) when still open.
    ~MainHidInterFace() override;

    // 0 when the keyboard was opened, -1 when not.
    int hidApi_Open(QString path);
    // Copies the 64-byte report into the command queue: 0, or -1 when nothing
    // was queued (transport not open, or out of memory).
    int hidApi_Write(const unsigned char *report);
    // Offers one light-stream report to the light-frame queue: 0 whether it
    // was accepted or dropped, -1 when the transport is not open.
    int hidApi_WriteLight(const unsigned char *report);
    // Stops the loop, joins the thread, then releases the device and frees
    // whatever was still queued. Always 0.
    int hidApi_Close(int fromNum);
    // While off, light reports are neither accepted nor written; switching
    // it off also discards the frame still queued (its colours are stale).
    void setLightSynchronous(bool on);

    bool isHidOpen() const { return m_open.load(); }
    // The handle died under the open transport: the keyboard was pulled out
    // (and may already be back under the same path, with a new handle to be
    // opened). Stays set; a transport is never reopened.
    bool isDeviceGone() const { return m_deviceGone.load(); }
    bool isLightSynchronous() const { return m_lightSynchronous.load(); }
    int threadIndex() const { return m_threadIndex; }
    QString hidName() const { return m_strHidName; }
    QString hidPath() const { return m_hidPath; }
    int pendingCommandCount() const;
    // Copies of the queued commands, oldest first.
    QList<QByteArray> pendingCommands() const;
    int pendingLightCount() const;

    // Reports per light frame: 11 for the models that take an extra report.
    static int lightFrameSize(const QString &hidName);

signals:
    void sigOpenHidSuccessful();
    // report: one inbound 64-byte report; length is what the read returned.
    void sigHidDataArrived(QByteArray report, int length, int threadIndex);
    // The inbound serial-number report (0x15).
    void sigHidSnGetOver(QByteArray report, QString strHidName);
    // Emitted once, from the transport thread, when isDeviceGone() becomes true.
    void sigHidDeviceGone();

public slots:
    void onShakeHandsRuning();

protected:
    void run() override;

private:
    friend class tst_hidtransport; // drives single passes without the thread

private:
    bool writePass();
    bool readPass();
    void pace(bool idle);
    static int64_t monotonicNs();
    static void sleepUntilNs(int64_t deadlineNs);
    void sleepUntilWork();
    bool hasQueuedWork() const;
    void wakeLoop();
    void freeQueues();
    void noteDeviceGone();

    hidTransportDetail::TimerState m_timerState;
    int m_threadIndex;
    QString m_strHidName;
    int m_handle = 0;
    std::atomic<bool> m_open{false};
    std::atomic<bool> m_deviceGone{false};
    QString m_hidPath;
    QByteArray m_hidPathLatin1;
    QTimer *m_shakeHandsTimer = nullptr;
    std::atomic<bool> m_lightSynchronous{false};
    bool m_readTurn = false;
    bool m_frameFilling = false; // guarded by m_lightLock
    int m_frameSize;
    QList<unsigned char *> m_cmdQueue;
    mutable std::mutex m_cmdLock;
    QList<unsigned char *> m_lightQueue;
    mutable std::mutex m_lightLock;

    // Idle: the loop sleeps in poll() on m_wakeFd (an eventfd written by
    // every queued report and by close) and on the device's input event.
    // Without an input event the loop falls back to naps between read polls
    // (m_idleNapMs, 0 while busy).
    int m_wakeFd = -1;
    int m_inputFd = -1; // the library's, valid while the handle is open
    bool m_inputGone = false; // the input event reported the device gone
    int m_idleNapMs = 0;
    int64_t m_nextWriteNs = 0; // monotonic; the earliest time for the next report (loop only)
    std::mutex m_wakeLock;
    std::condition_variable m_wake;
    bool m_wakePending = false; // guarded by m_wakeLock
    bool m_loopRunning = false; // guarded by m_wakeLock; lets close join visibly to race checkers
    // Stored last by the loop thread (release) and read after the join
    // (acquire): QThread::wait joins through primitives a race checker
    // cannot see, this hands the loop's last writes over where it can.
    std::atomic<bool> m_loopEnded{false};
};

#endif // MAINHIDINTERFACE_H
