// simBattery.cpp - a simulated keyboard's battery following a scenario's
// schedule, so the battery display can be watched without a real keyboard.
#include "simBattery.h"
#include "simSchedule.h"
#include "simState.h"

#include <cjson/cJSON.h>


namespace vardex {
namespace sim {
namespace {

bool readStepInt(const cJSON *step, const char *name, int min, int max, int *out)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(step, name);
    if (!cJSON_IsNumber(item) || item->valuedouble < min || item->valuedouble > max)
        return false;
    *out = item->valueint;
    return true;
}

} // namespace

bool readBatterySchedule(const cJSON *obj, Device &d, std::string *error)
{
    const cJSON *list = cJSON_GetObjectItemCaseSensitive(obj, "batterySchedule");
    const cJSON *repeat = cJSON_GetObjectItemCaseSensitive(obj, "batteryRepeatMs");
    if (repeat) {
        if (!cJSON_IsNumber(repeat) || repeat->valuedouble < 0 || repeat->valuedouble > 86400000) {
            *error = "\"batteryRepeatMs\" must be a number from 0 to 86400000";
            return false;
        }
        d.batteryRepeatMs = repeat->valueint;
    }
    if (!list)
        return true;
    if (!cJSON_IsArray(list) || cJSON_GetArraySize(list) > 1000) {
        *error = "\"batterySchedule\" must be an array of at most 1000 steps";
        return false;
    }
    d.batterySchedule.clear();
    int last = -1;
    for (int i = 0; i < cJSON_GetArraySize(list); ++i) {
        const cJSON *step = cJSON_GetArrayItem(list, i);
        BatteryStep s;
        if (!cJSON_IsObject(step) || !readStepInt(step, "atMs", 0, 86400000, &s.atMs) ||
            !readStepInt(step, "battery", 0, 100, &s.battery) || !readStepInt(step, "charging", 0, 2, &s.charging)) {
            *error = "\"batterySchedule\" step " + std::to_string(i) +
                     " needs \"atMs\" (0 to 86400000), \"battery\" (0 to 100) and \"charging\" (0 to 2)";
            return false;
        }
        if (s.atMs < last || (d.batteryRepeatMs > 0 && s.atMs >= d.batteryRepeatMs)) {
            *error = "\"batterySchedule\" steps must ascend and lie within \"batteryRepeatMs\"";
            return false;
        }
        last = s.atMs;
        d.batterySchedule.push_back(s);
    }
    d.nextBatteryStep = 0;
    d.batteryScheduleStart = std::chrono::steady_clock::now();
    return true;
}

void stepBatterySchedule(World &w, Device &d, bool live, std::chrono::steady_clock::time_point now,
                         std::chrono::steady_clock::time_point *wake)
{
    bool changed = false;
    walkSchedule(d.batterySchedule, &d.nextBatteryStep, &d.batteryScheduleStart, d.batteryRepeatMs, now, wake,
                 [&](const BatteryStep &s) {
                     d.battery = s.battery;
                     d.charging = s.charging;
                     changed = true;
                 });
    if (changed && live)
        w.deliver(d, statusReport(d));
}

} // namespace sim
} // namespace vardex
