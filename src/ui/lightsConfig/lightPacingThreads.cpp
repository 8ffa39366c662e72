#include "lightPacingThreads.h"

#include <QtGlobal>

#include <chrono>

namespace {
constexpr int64_t kClockWrapUs = 1000000LL * 1000; // six digits of milliseconds
}

lightPacingThread::lightPacingThread(int periodMs, bool tickAtStart, QObject *parent)
    : QThread(parent)
    , m_periodUs(periodMs * 1000)
    , m_tickAtStart(tickAtStart)
{
}

lightPacingThread::~lightPacingThread()
{
    stopPacing();
}

int64_t lightPacingThread::sixDigitClockUs()
{
    using namespace std::chrono;
    const int64_t us = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return us % kClockWrapUs;
}

int64_t lightPacingThread::now() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_clock ? m_clock() : sixDigitClockUs();
}

void lightPacingThread::setClockForTest(Clock clock)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clock = std::move(clock);
}

void lightPacingThread::setRunning(bool on)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_run = on;
    }
    m_wake.notify_all();
}

void lightPacingThread::setPeriod(int ms)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_periodUs = qBound(8, ms, 28) * 1000;
    }
    m_wake.notify_all();
}

void lightPacingThread::startPacing()
{
    if (isRunning())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loopDone = false;
    }
    setRunning(true);
    start();
}

void lightPacingThread::stopPacing()
{
    setRunning(false);
    quit();
    if (QThread::currentThread() == this)
        return;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return m_loopDone; });
    }
    wait();
}

void lightPacingThread::run()
{
    int64_t last = m_tickAtStart ? -1 : now();
    while (m_run.load()) {
        const int64_t t = now();
        if (last >= 0 && t < last)
            last = t; // the clock wrapped: a period from here
        const int64_t period = m_periodUs.load();
        if (last < 0 || t - last >= period) {
            emit tick();
            emitTick();
            last = t;
            continue;
        }
        // Sleep until the deadline, or until a stop or a new period.
        const int64_t remaining = period - (t - last);
        std::unique_lock<std::mutex> lock(m_mutex);
        const int periodSeen = m_periodUs.load();
        m_wake.wait_for(lock, std::chrono::microseconds(remaining),
                        [&] { return !m_run.load() || m_periodUs.load() != periodSeen; });
    }
    // Notified under the lock: the stopper may destroy the thread object as
    // soon as it sees the flag.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_loopDone = true;
    m_wake.notify_all();
}

updateLightMainThread::updateLightMainThread(QObject *parent)
    : lightPacingThread(12, true, parent)
{
}
void updateLightMainThread::emitTick() { emit sigDviceUpdateAllKeyColor(); }

updateLightMainThreadSide::updateLightMainThreadSide(QObject *parent)
    : lightPacingThread(15, true, parent)
{
}
void updateLightMainThreadSide::emitTick() { emit sigDviceUpdateAllKeyColorSide(); }

// The preview and sync paces are fixed at 30 ms (setPeriod is for the effect
// threads), the first tick one period after the start.
updateLightMainThreadUI::updateLightMainThreadUI(QObject *parent)
    : lightPacingThread(30, false, parent)
{
}
void updateLightMainThreadUI::emitTick() { emit sigDviceUpdateAllKeyColorUI(); }

sendLightUpdataThread::sendLightUpdataThread(lightDealMain *owner, QObject *parent)
    : lightPacingThread(30, false, parent)
    , m_owner(owner)
{
}
void sendLightUpdataThread::emitTick() { emit sigDviceUpdateAllKeyColorSendKeyboardHid(); }
