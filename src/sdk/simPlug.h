// simPlug.h - a simulated keyboard plugged in and pulled out over time, as a
// scenario schedules it, so hot-plug can be tried with --simulate alone.
#ifndef VARDEX_SIM_PLUG_H
#define VARDEX_SIM_PLUG_H

#include <chrono>
#include <string>
#include <utility>
#include <vector>

struct cJSON;

namespace vardex {
namespace sim {

struct Device;
struct World;

// Reads "plugAtMs", "unplugAtMs" and "plugRepeatMs" of a scenario device:
//   "plugAtMs": 2000, "unplugAtMs": 8000, "plugRepeatMs": 10000
// Times count from the moment the scenario was loaded. The first scheduled
// change decides how the keyboard starts: one whose first change is an
// arrival starts unplugged. With a repeat, every period starts in that state
// again and runs the same changes. *plugged holds the scenario's "plugged"
// (1 when left out) and becomes the starting state; explicitPlugged says
// whether the scenario gave "plugged" at all. False with a message in
// *error when the entry is malformed or contradicts "plugged".
bool readPlugSchedule(const cJSON *obj, Device &d, int *plugged, bool explicitPlugged, std::string *error);

// A plug or unplug the worker has made, to be announced through the
// hot-plug callback once the world's lock is released.
using PlugChange = std::pair<std::string, int>; // path, 1 arrived / 0 left

// Applies the changes that are due (called by the simulator's worker with the
// world's lock held) and appends them to *changes. Moves *wake forward to
// the next change.
void stepPlugSchedule(World &w, Device &d, std::chrono::steady_clock::time_point now,
                      std::chrono::steady_clock::time_point *wake, std::vector<PlugChange> *changes);

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_PLUG_H
