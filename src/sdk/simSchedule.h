// simSchedule.h - walking a scenario's timed steps (battery levels, plug
// changes): steps in ascending "atMs" from a start, started again every
// repeatMs when that is above 0.
#ifndef VARDEX_SIM_SCHEDULE_H
#define VARDEX_SIM_SCHEDULE_H

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

namespace vardex {
namespace sim {

// Calls apply(step) for every step due by now, in order, advancing *next and
// (on each repeat) *start; moves *wake forward to the next step's time.
template <typename Step, typename Apply>
void walkSchedule(const std::vector<Step> &steps, std::size_t *next, std::chrono::steady_clock::time_point *start,
                  int repeatMs, std::chrono::steady_clock::time_point now,
                  std::chrono::steady_clock::time_point *wake, Apply apply)
{
    if (steps.empty())
        return;
    for (;;) {
        if (*next >= steps.size()) {
            if (repeatMs <= 0)
                return;
            *next = 0;
            *start += std::chrono::milliseconds(repeatMs);
        }
        const Step &s = steps[*next];
        const auto due = *start + std::chrono::milliseconds(s.atMs);
        if (due > now) {
            *wake = std::min(*wake, due);
            return;
        }
        ++*next;
        apply(s);
    }
}

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_SCHEDULE_H
