// simLight.h - what the simulated keyboard does with the light reports it is
// sent (0x06 keys, 0x07 side light, 0x08 custom-light colours), and the memory
// that keeps its light settings across program runs.
#ifndef VARDEX_SIM_LIGHT_H
#define VARDEX_SIM_LIGHT_H

#include "simState.h"

#include <functional>

namespace vardex {
namespace sim {

// Keeps a written light configuration or custom-light chunk, or answers an
// inquiry (0x06/0x07 with byte 2 = 1) through reply with what it holds.
// Called with the world's lock held.
void handleLightReport(World &w, Device &d, const Report &r, const std::function<void(const Report &)> &reply);

// With VARDEX_SIM_MEMORY naming a folder, a keyboard's light settings live
// in a file there, as a real keyboard keeps them in its own memory: loaded
// when the device is created, saved after every change. Without it nothing
// is read or written.
void loadLightMemory(Device &d);
void saveLightMemory(const Device &d);

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_LIGHT_H
