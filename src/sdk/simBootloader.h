// simBootloader.h - the bootloader of the simulated keyboards (their
// firmware update road). Internal to the library.
#ifndef VARDEX_SIM_BOOTLOADER_H
#define VARDEX_SIM_BOOTLOADER_H

#include <string>
#include <vector>

#include "simState.h"

namespace vardex {
namespace sim {

// The keyboard took the switch into its bootloader (0x0A); called with the
// world locked. It leaves and returns as a bootloader device.
void enterBootloaderLocked(World &w, Device &d);
// Forgets every bootloader and received image (the devices are replaced).
void clearBootloadersLocked();
bool isBootPath(const std::string &path);
std::vector<std::string> bootPaths();
// One report to a bootloader and its answer; false when it is gone.
bool bootExchange(const std::string &path, const Report &out, Report *in);
// Folders standing for the update drives of keyboards that take the drive
// road and are in update mode.
std::vector<std::string> drivePaths();
// The image was written to the drive in dir: the keyboard returns running
// version (kept as it was when empty).
void driveInstalled(const std::string &dir, const std::string &version);
// False while the host stands "dead" (CVardexSim_SetHostAlive): nothing it
// had open works, and it opens nothing.
bool hostAlive();
// The byte count of an image at which the host is to die, 0 when none
// (CVardexSim_SetHostDeathAtImageBytes).
long long hostDeathAtImageBytes();
// A keyboard has taken `bytes` bytes of an image: the host dies when that
// reaches the armed count. Called without the world's lock.
void imageBytesTaken(long long bytes);
// Invalidates every open simulated bootloader handle (bootloaderApi.cpp).
void dropHostHandles();

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_BOOTLOADER_H
