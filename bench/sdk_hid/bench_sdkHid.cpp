// Prints how closely the pacing timer keeps its 1 ms interval and how long a
// simulated keyboard takes to answer an inquiry.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "vardexSdk.h"

using Clock = std::chrono::steady_clock;

int main()
{
    const int passes = 2000;
    hidTimerState state{};
    CVardexHid_highPrecisionTimerInit(&state);
    CVardexHid_highPrecisionTimerStart(state);
    std::vector<double> gaps;
    auto last = Clock::now();
    const auto begin = last;
    for (int i = 0; i < passes; ++i) {
        CVardexHid_highPrecisionTimerRuning(100, state);
        const auto now = Clock::now();
        gaps.push_back(std::chrono::duration<double, std::micro>(now - last).count());
        last = now;
    }
    CVardexHid_highPrecisionTimerStop(state);
    const double total = std::chrono::duration<double, std::milli>(last - begin).count();
    std::sort(gaps.begin(), gaps.end());
    std::printf("timer: %d passes in %.1f ms (drift %.3f ms), gap median %.1f us, p99 %.1f us, max %.1f us\n", passes,
                total, total - passes, gaps[gaps.size() / 2], gaps[gaps.size() * 99 / 100], gaps.back());

    CVardexSim_Enable(nullptr);
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    if (paths.empty())
        return 1;
    const int h = CVardexHid_OpenPath(paths.front().c_str());
    CVardexHid_SetNonblocking(h, 1);
    CVardexSim_SetStatusInterval(paths.front().c_str(), 0);
    std::vector<double> trips;
    unsigned char out[64] = {0x01, 0x06, 0x01}, in[64];
    for (int i = 0; i < 500; ++i) {
        const auto t0 = Clock::now();
        CVardexHid_HidWriteBuff(h, out, "");
        while (CVardexHid_HidReadBuff(h, in) <= 0) {
        }
        trips.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    CVardexHid_Close(h);
    std::sort(trips.begin(), trips.end());
    std::printf("simulated inquiry round trip (1 ms reply delay): median %.1f us, p99 %.1f us\n",
                trips[trips.size() / 2], trips[trips.size() * 99 / 100]);
    return 0;
}
