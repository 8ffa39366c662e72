// hidTimer.cpp - the pacing timer of the transport loops.
//
// Each transport pass ends with CVardexHid_highPrecisionTimerRuning(100, ...)
// and the loop must neither spin nor drift. The timer sleeps until an
// absolute deadline on the monotonic clock (clock_nanosleep with
// TIMER_ABSTIME), one interval after the previous deadline, so the time a
// pass takes is absorbed instead of added. The value is the interval in
// units of 10 microseconds: 100 gives our pacing interval of 1 ms.
#include "vardexSdk.h"

#include <time.h>

#include <cerrno>
#include <map>
#include <mutex>

namespace {

constexpr long kDefaultIntervalNs = 1000000;   // 1 ms
constexpr long kMaxIntervalNs = 1000000000;    // 1 s
constexpr long kUnitNs = 10000;                // one unit of the value: 10 us

struct Timer {
    timespec next{};
    bool started = false;
};

std::mutex gTimerMu;
std::map<uint64_t, Timer> gTimers;
uint64_t gNextTimer = 0;

int64_t toNs(const timespec &t) { return static_cast<int64_t>(t.tv_sec) * 1000000000LL + t.tv_nsec; }

timespec fromNs(int64_t ns)
{
    timespec t;
    t.tv_sec = static_cast<time_t>(ns / 1000000000LL);
    t.tv_nsec = static_cast<long>(ns % 1000000000LL);
    return t;
}

int64_t nowNs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return toNs(t);
}

void sleepUntil(const timespec &deadline)
{
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

} // namespace

void CVardexHid_highPrecisionTimerInit(hidTimerState *state)
{
    if (!state)
        return;
    std::lock_guard<std::mutex> lock(gTimerMu);
    state->id = ++gNextTimer;
    gTimers[state->id] = Timer();
}

void CVardexHid_highPrecisionTimerStart(hidTimerState state)
{
    std::lock_guard<std::mutex> lock(gTimerMu);
    auto it = gTimers.find(state.id);
    if (it == gTimers.end())
        return;
    it->second.next = fromNs(nowNs());
    it->second.started = true;
}

void CVardexHid_highPrecisionTimerRuning(int value, hidTimerState state)
{
    int64_t interval = value > 0 ? static_cast<int64_t>(value) * kUnitNs : kDefaultIntervalNs;
    if (interval > kMaxIntervalNs)
        interval = kMaxIntervalNs;
    timespec deadline;
    {
        std::lock_guard<std::mutex> lock(gTimerMu);
        auto it = gTimers.find(state.id);
        const int64_t now = nowNs();
        if (it == gTimers.end() || !it->second.started) {
            // Not started or already stopped: still pace, relative to now.
            deadline = fromNs(now + interval);
        } else {
            int64_t next = toNs(it->second.next) + interval;
            // Fell behind by more than an interval (a slow pass, a suspended
            // machine): start afresh rather than rush through missed passes.
            if (next < now - interval)
                next = now + interval;
            it->second.next = fromNs(next);
            deadline = it->second.next;
        }
    }
    sleepUntil(deadline);
}

void CVardexHid_highPrecisionTimerStop(hidTimerState state)
{
    std::lock_guard<std::mutex> lock(gTimerMu);
    gTimers.erase(state.id);
}
