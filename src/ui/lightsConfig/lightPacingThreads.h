#ifndef LIGHTPACINGTHREADS_H
#define LIGHTPACINGTHREADS_H

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class lightDealMain;

// The common loop of the light engine's pacing threads: emit tick() once a
// period, the first at once (effect threads) or after one period (preview and
// sync). The thread sleeps until the next deadline; setRunning(false) and
// setPeriod wake it. Time is read from a clock of six decimal digits of
// milliseconds (here kept in microseconds, so 0 .. 999,999,999 us) that wraps;
// a wrap restarts the period from the wrapped reading.
class lightPacingThread : public QThread
{
    Q_OBJECT
public:
    typedef std::function<int64_t()> Clock;

    lightPacingThread(int periodMs, bool tickAtStart, QObject *parent);
    ~lightPacingThread() override;

    // true: arm the loop (the next run() ticks at its first pass when
    // tickAtStart); false: end the loop at once and wait for the thread.
    void setRunning(bool on);
    bool isRunFlagSet() const { return m_run.load(); }
    // Clamped to 8..28 ms.
    void setPeriod(int ms);
    int period() const { return m_periodUs.load() / 1000; }
    // For tests: the six-digit clock in microseconds.
    void setClockForTest(Clock clock);
    static int64_t sixDigitClockUs();

    // The derived threads stop in their own destructors, before their
    // emitTick goes away.
    // Arms the loop and starts the thread unless it already runs.
    void startPacing();
    // Clears the run flag, wakes the loop and waits until the thread ends, so
    // that a start right after finds it stopped.
    void stopPacing();

signals:
    void tick();

protected:
    void run() override;
    // The named signal of each thread; tick() is emitted as well.
    virtual void emitTick() {}

private:
    int64_t now() const;

    std::atomic<bool> m_run{false};
    std::atomic<int> m_periodUs;
    const bool m_tickAtStart;
    Clock m_clock;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    // Set under m_mutex as run() ends: a stop waits for it, which orders the
    // loop's last reads before anything the stopping thread does next (Qt's
    // own join is invisible to the thread sanitizer).
    bool m_loopDone = true;
};

class updateLightMainThread : public lightPacingThread
{
    Q_OBJECT
public:
    explicit updateLightMainThread(QObject *parent = nullptr);
    ~updateLightMainThread() override { stopPacing(); }
signals:
    void sigDviceUpdateAllKeyColor();
protected:
    void emitTick() override;
};

class updateLightMainThreadSide : public lightPacingThread
{
    Q_OBJECT
public:
    explicit updateLightMainThreadSide(QObject *parent = nullptr);
    ~updateLightMainThreadSide() override { stopPacing(); }
signals:
    void sigDviceUpdateAllKeyColorSide();
protected:
    void emitTick() override;
};

class updateLightMainThreadUI : public lightPacingThread
{
    Q_OBJECT
public:
    explicit updateLightMainThreadUI(QObject *parent = nullptr);
    ~updateLightMainThreadUI() override { stopPacing(); }
signals:
    void sigDviceUpdateAllKeyColorUI();
protected:
    void emitTick() override;
};

class sendLightUpdataThread : public lightPacingThread
{
    Q_OBJECT
public:
    explicit sendLightUpdataThread(lightDealMain *owner, QObject *parent = nullptr);
    ~sendLightUpdataThread() override { stopPacing(); }
    lightDealMain *owner() const { return m_owner; }
signals:
    void sigDviceUpdateAllKeyColorSendKeyboardHid();
protected:
    void emitTick() override;
private:
    lightDealMain *m_owner;
};

#endif // LIGHTPACINGTHREADS_H
