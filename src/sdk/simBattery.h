// simBattery.h - a simulated keyboard's battery changing over time, as a
// scenario schedules it.
#ifndef VARDEX_SIM_BATTERY_H
#define VARDEX_SIM_BATTERY_H

#include <chrono>
#include <string>

struct cJSON;

namespace vardex {
namespace sim {

struct Device;
struct World;

// Reads "batterySchedule" and "batteryRepeatMs" of a scenario device:
//   "batterySchedule": [ { "atMs": 0, "battery": 38, "charging": 1 }, ... ],
//   "batteryRepeatMs": 60000
// Steps are in ascending "atMs" from the moment the scenario was loaded; with
// a repeat the schedule starts again every batteryRepeatMs. False with a
// message in *error when the entry is malformed.
bool readBatterySchedule(const cJSON *obj, Device &d, std::string *error);

// Applies the steps that are due (called by the simulator's worker with the
// world's lock held); a live keyboard reports each change at once. Moves
// *wake forward to the next step.
void stepBatterySchedule(World &w, Device &d, bool live, std::chrono::steady_clock::time_point now,
                         std::chrono::steady_clock::time_point *wake);

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_BATTERY_H
