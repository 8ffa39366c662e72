// deviceTable.h - the one table of keyboards this library supports.
//
// Everything that needs to know a model or a USB id (enumeration, the
// supported-device list, the model map, the simulator, the generated udev
// rules) reads it from here, so adding a model is a one-line change.
#ifndef VARDEX_DEVICE_TABLE_H
#define VARDEX_DEVICE_TABLE_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace vardex {

// USB identity of the keyboards. These numbers are our own choice: they are
// not assigned to us by the USB-IF and must be changed together with the
// keyboards' firmware if it ever ships with different ones.
constexpr uint16_t kVendorId = 0x3A5E;
// The vendor-defined HID interface that carries the 64-byte reports; the
// keyboard's boot and consumer interfaces are left to the system.
constexpr uint16_t kVendorUsagePage = 0xFF60;
constexpr int kVendorInterfaceNumber = 1;

enum class Connection { Cable = 0, Receiver = 1 };

struct DeviceModel {
    const char *code;        // model code, as the keyboard reports it
    int keyCount;            // keys of the layout (custom-light defaults, rhythm bands)
    int sideSegments;        // side-light segments drawn by the layout (0: none)
    int sideLeds;            // side LEDs addressed by the light stream
    int layoutType;          // layout family, carried to callers unchanged
    const char *productName; // product line shown in the title bar
    const char *displayName; // name shown on the device tile
    uint16_t cablePid;       // product id of the keyboard on its cable
    uint16_t receiverPid;    // product id of its 2.4 GHz receiver
};

struct BootloaderId {
    uint16_t vid;
    uint16_t pid;
    const char *name;
};

std::size_t deviceModelCount();
const DeviceModel &deviceModel(std::size_t index);
// nullptr when the code is not in the table (exact, case-sensitive match).
const DeviceModel *findModel(const std::string &code);
// The model and connection kind of a USB id; nullptr for foreign ids.
const DeviceModel *findModelByUsbId(uint16_t vid, uint16_t pid, Connection *connection);

std::size_t bootloaderIdCount();
const BootloaderId &bootloaderId(std::size_t index);

// The udev rules text granting the logged-in user access to every id above.
std::string udevRulesText();

} // namespace vardex

#endif // VARDEX_DEVICE_TABLE_H
