// simKeyboard.h - the simulated keyboards as the HID layer sees them.
// Internal to the library; tests and the tool use the CVardexSim_* calls.
#ifndef VARDEX_SIM_KEYBOARD_H
#define VARDEX_SIM_KEYBOARD_H

#include <cstdint>
#include <string>
#include <vector>

#include "deviceTable.h"

namespace vardex {
namespace sim {

// True once the simulator was switched on (environment or CVardexSim_Enable).
bool enabled();
// Reads VARDEX_SIM / VARDEX_SIM_LOG once; returns false when a scenario named
// there cannot be loaded.
bool initFromEnvironment();
bool isSimPath(const std::string &path);

struct DeviceIds {
    const DeviceModel *model = nullptr;
    Connection connection = Connection::Cable;
};
// Paths of the plugged devices, in the order they were added.
std::vector<std::string> pluggedPaths();
bool deviceIds(const std::string &path, DeviceIds *ids);
int pathAccess(const std::string &path); // hidPathAccess

// Endpoints: one per open handle. 0 when the device is not plugged.
int open(const std::string &path);
// > 0: 64 bytes read; 0: nothing within timeoutMs (0 = poll); -1: gone.
int read(int endpoint, unsigned char *buffer, int timeoutMs);
// 64, or -1 when not written.
int write(int endpoint, const unsigned char *report);
void close(int endpoint);
// An eventfd per endpoint, readable once a report was queued for it or its
// device went away (simWake.cpp); -1 for an unknown endpoint.
int inputEventFd(int endpoint);
void clearInputEvent(int endpoint);

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_KEYBOARD_H
