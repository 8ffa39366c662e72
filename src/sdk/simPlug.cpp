// simPlug.cpp - a simulated keyboard arriving and leaving on a scenario's
// schedule; the arrivals and departures take the road of CVardexSim_Plug and
// CVardexSim_Unplug, hot-plug callback included.
#include "simPlug.h"
#include "simSchedule.h"
#include "simState.h"

#include <cjson/cJSON.h>

#include <algorithm>

namespace vardex {
namespace sim {
namespace {

const int kMaxMs = 86400000;
// A shorter period would flood the host with arrivals and departures.
const int kMinRepeatMs = 100;

// -1 when the field is absent; false with a message when it is no time.
bool readTime(const cJSON *obj, const char *name, int min, int *out, std::string *error)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(obj, name);
    if (!item)
        return true;
    if (!cJSON_IsNumber(item) || item->valuedouble < min || item->valuedouble > kMaxMs) {
        *error = std::string("\"") + name + "\" must be a number from " + std::to_string(min) + " to " +
                 std::to_string(kMaxMs);
        return false;
    }
    *out = item->valueint;
    return true;
}

} // namespace

bool readPlugSchedule(const cJSON *obj, Device &d, int *plugged, bool explicitPlugged, std::string *error)
{
    int plugAt = -1, unplugAt = -1, repeat = 0;
    if (!readTime(obj, "plugAtMs", 0, &plugAt, error) || !readTime(obj, "unplugAtMs", 0, &unplugAt, error) ||
        !readTime(obj, "plugRepeatMs", 0, &repeat, error))
        return false;
    d.plugSchedule.clear();
    if (plugAt < 0 && unplugAt < 0) {
        if (repeat > 0) {
            *error = "\"plugRepeatMs\" needs \"plugAtMs\" or \"unplugAtMs\"";
            return false;
        }
        return true;
    }
    if (plugAt == unplugAt) {
        *error = "\"plugAtMs\" and \"unplugAtMs\" must differ";
        return false;
    }
    if (repeat > 0 && repeat < kMinRepeatMs) {
        *error = "\"plugRepeatMs\" must be 0 (no repeat) or from " + std::to_string(kMinRepeatMs) + " to " +
                 std::to_string(kMaxMs);
        return false;
    }
    if (repeat > 0 && (plugAt >= repeat || unplugAt >= repeat)) {
        *error = "\"plugAtMs\" and \"unplugAtMs\" must lie within \"plugRepeatMs\"";
        return false;
    }
    // The first change decides the starting state.
    const bool arrivesFirst = plugAt >= 0 && (unplugAt < 0 || plugAt < unplugAt);
    const int start = arrivesFirst ? 0 : 1;
    if (explicitPlugged && *plugged != start) {
        *error = std::string("\"plugged\": ") + (*plugged ? "true" : "false") +
                 " contradicts the plug schedule, whose first change " +
                 (arrivesFirst ? "plugs the keyboard in" : "pulls it out");
        return false;
    }
    *plugged = start;
    // Each period begins in the starting state again.
    if (repeat > 0)
        d.plugSchedule.push_back({0, start != 0});
    if (plugAt >= 0)
        d.plugSchedule.push_back({plugAt, true});
    if (unplugAt >= 0)
        d.plugSchedule.push_back({unplugAt, false});
    std::stable_sort(d.plugSchedule.begin(), d.plugSchedule.end(),
                     [](const PlugStep &a, const PlugStep &b) { return a.atMs < b.atMs; });
    d.plugRepeatMs = repeat;
    d.nextPlugStep = 0;
    d.plugScheduleStart = std::chrono::steady_clock::now();
    return true;
}

void stepPlugSchedule(World &w, Device &d, std::chrono::steady_clock::time_point now,
                      std::chrono::steady_clock::time_point *wake, std::vector<PlugChange> *changes)
{
    walkSchedule(d.plugSchedule, &d.nextPlugStep, &d.plugScheduleStart, d.plugRepeatMs, now, wake,
                 [&](const PlugStep &s) {
                     if (s.plugged == d.plugged)
                         return;
                     if (s.plugged)
                         w.plugLocked(d);
                     else
                         w.unplugLocked(d);
                     changes->emplace_back(d.path, s.plugged ? 1 : 0);
                 });
}

} // namespace sim
} // namespace vardex
