// vardexSdk.h - the public interface of our keyboard device library.
//
// The library is plain C++17 with no Qt dependency. It holds the profile and
// macro stores (XML), HID enumeration and transport (hidapi, plus a simulated
// keyboard back end), light effect generation and firmware transfer.
// Records that cross this boundary have fixed layouts, checked below with
// static_assert, because callers copy them byte for byte.
#ifndef VARDEX_SDK_H
#define VARDEX_SDK_H

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <vector>

#if defined(__GNUC__)
#define VARDEX_SDK_API __attribute__((visibility("default")))
#else
#define VARDEX_SDK_API
#endif

// ===========================================================================
// Library start-up
// ===========================================================================

VARDEX_SDK_API void CVardexSDK_VersionStr(char *text);

// ===========================================================================
// Shared records (binding, light and macro records)
// ===========================================================================

// ---- begin: store records ----
// ---- end: store records ----

// ===========================================================================
// Profile and macro stores (CVardexXML_*)
// ===========================================================================

// ---- begin: store functions ----
// ---- end: store functions ----

// ===========================================================================
// HID records, enumeration and transport (CVardexHid_*)
// ===========================================================================

// ---- begin: hid records ----

// One supported device (cable keyboard or receiver). Texts are NUL-terminated.
struct hidSupportInfo {
    char hidName[128];       // model code
    char vendorId[16];       // USB vendor id, 4 lower-case hex digits ("3a5e")
    char productId[16];      // USB product id, 4 lower-case hex digits
    int32_t usagePage;       // usage page of the vendor interface
    int32_t interfaceNumber; // USB interface number of the vendor interface
    int32_t hidUsbOrDongle;  // 0 cable, 1 2.4 GHz receiver
    char productName[120];
};
static_assert(sizeof(hidSupportInfo) == 292, "hidSupportInfo layout");
static_assert(offsetof(hidSupportInfo, vendorId) == 128, "hidSupportInfo layout");
static_assert(offsetof(hidSupportInfo, productId) == 144, "hidSupportInfo layout");

// One attached HID device.
struct hidStructInfo {
    uint32_t vendorId;
    uint32_t productId;
    char hidPath[256];
    char hidManufacturer[64];
    char hidProduct[64];
    char hidName[128];          // model code
    char hidFirmwareNUC[128];   // the identity text as the keyboard reported it
    int32_t interfaceNumber;
    int32_t hidUsbOrDongle;     // 0 cable, non-zero 2.4 GHz receiver
};
static_assert(sizeof(hidStructInfo) == 656, "hidStructInfo layout");
static_assert(offsetof(hidStructInfo, hidPath) == 8, "hidStructInfo layout");
static_assert(offsetof(hidStructInfo, hidName) == 392, "hidStructInfo layout");
static_assert(offsetof(hidStructInfo, hidUsbOrDongle) == 652, "hidStructInfo layout");

// The firmware of one attached device: the first five comma-separated parts
// of its identity text (chip, two identity parts, maker code, model code),
// then its version and build time. Empty when the keyboard did not answer.
struct hidFirmwareInfo {
    char identity[5][64];
    char reserved1[64];
    char firmwareVersion[64];
    char buildDateTime[64];
    char reserved2[320];
};
static_assert(sizeof(hidFirmwareInfo) == 832, "hidFirmwareInfo layout");
static_assert(offsetof(hidFirmwareInfo, identity) == 0, "hidFirmwareInfo layout");
static_assert(offsetof(hidFirmwareInfo, firmwareVersion) == 384, "hidFirmwareInfo layout");
static_assert(offsetof(hidFirmwareInfo, buildDateTime) == 448, "hidFirmwareInfo layout");

// One supported model. modelParams: side-light segments, side LEDs,
// layout family, 1 when the model has a side light.
struct hidModelInfo {
    char deviceType[128];   // "keyboard"
    int32_t modelParams[4];
    char hidName[128];      // model code
    int32_t keyCount;
    char productName[128];
    char likeName[128];     // display name
};
static_assert(sizeof(hidModelInfo) == 532, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, modelParams) == 128, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, hidName) == 144, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, keyCount) == 272, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, productName) == 276, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, likeName) == 404, "hidModelInfo layout");

// State of one pacing timer; an opaque id, copied by value.
struct hidTimerState {
    uint64_t id;
};
static_assert(sizeof(hidTimerState) == 8, "hidTimerState layout");

// CVardexHid_CheckPathAccess results.
enum hidPathAccess {
    HID_PATH_OK = 0,                // the device can be opened
    HID_PATH_NO_PERMISSION = 1,     // present, but this user may not open it
    HID_PATH_MISSING = 2,           // no such device
    HID_PATH_ERROR = 3              // present, but opening failed otherwise
};
// ---- end: hid records ----

// ---- begin: hid functions ----

// 0 on success. Picks the back end: the simulated keyboards when VARDEX_SIM
// is set (or CVardexSim_Enable was called), otherwise hidapi on hidraw.
VARDEX_SDK_API int CVardexHid_Init();
// Appends one entry per supported cable keyboard and receiver; returns the
// number appended.
VARDEX_SDK_API int CVardexHid_GetSupportInfoList(std::vector<hidSupportInfo> &list);
// Appends the path of every attached vendor interface of a supported id;
// returns the number appended. No device: nothing appended, 0.
VARDEX_SDK_API int CVardexHid_GetHidInfoList(std::list<std::string> &paths);
// Adds one entry per supported model, keyed by model code; returns the count.
VARDEX_SDK_API int CVardexHid_GetHidInfoStuMapList(std::map<std::string, hidModelInfo> &models);
// Fills both records for an attached path (Latin-1). The identity is asked
// from the device once per path and cached; a receiver whose keyboard does
// not answer is filled with the model of its product id and an empty
// identity. False for an unknown path or unsupported device.
VARDEX_SDK_API bool CVardexHid_GetHidAndFirmwareInfoStu(const char *path, hidStructInfo *info,
                                                        hidFirmwareInfo *firmware);
// Device handle (> 0), or 0 when the device cannot be opened.
VARDEX_SDK_API int CVardexHid_OpenPath(const char *path);
// 1: later reads return at once. Returns 0, or -1 for an unknown handle.
VARDEX_SDK_API int CVardexHid_SetNonblocking(int handle, int nonblock);
// Fills 64 bytes with one inbound report (byte 0 the report id) and returns
// 64; 0 when none is waiting; -1 when the device is gone or the handle bad.
VARDEX_SDK_API int CVardexHid_HidReadBuff(int handle, unsigned char *buffer);
// Writes one 64-byte report (byte 0 the report id). Returns the byte count,
// or -1 when the report was not written. path is informational only.
VARDEX_SDK_API int CVardexHid_HidWriteBuff(int handle, const unsigned char *report, const char *path);
// Releases the device; waits for a read or write on the handle in another
// thread to finish first. Unknown handles are ignored.
VARDEX_SDK_API void CVardexHid_Close(int handle);

// Pacing timer of a transport loop: absolute deadlines on the monotonic
// clock (clock_nanosleep), so the loop keeps its rate whatever a pass costs.
// Runing's value is the interval in units of 10 microseconds; the transport
// passes 100, a pacing interval of 1 ms. A loop that fell behind by more
// than one interval starts afresh instead of running a burst of passes.
VARDEX_SDK_API void CVardexHid_highPrecisionTimerInit(hidTimerState *state);
VARDEX_SDK_API void CVardexHid_highPrecisionTimerStart(hidTimerState state);
VARDEX_SDK_API void CVardexHid_highPrecisionTimerRuning(int value, hidTimerState state);
VARDEX_SDK_API void CVardexHid_highPrecisionTimerStop(hidTimerState state);

// Permissions. CheckPathAccess tells why a path cannot be opened (hidPathAccess).
VARDEX_SDK_API int CVardexHid_CheckPathAccess(const char *path);
// Appends the paths of supported devices that are attached but cannot be
// opened for lack of permission (udev rules not installed); returns the count.
VARDEX_SDK_API int CVardexHid_GetNoPermissionList(std::list<std::string> &paths);
// ---- end: hid functions ----

// ===========================================================================
// Simulated keyboard control (tests and --simulate)
// ===========================================================================

// ---- begin: simulator ----

// The simulated keyboards: a second back end behind the CVardexHid_* calls.
// Paths look like "sim://Brisko/usb/3a5e:c106/0" (cable) or
// "sim://Yolma/dongle/3a5e:d10d/0" (receiver); they contain the USB ids so
// hot-plug matching by id works for them as for real devices.
// VARDEX_SIM=1 loads the default scenario (a cable keyboard and a reachable
// receiver keyboard of another model); VARDEX_SIM=<file> a JSON scenario.
// VARDEX_SIM_LOG=<file> appends one line per report:
//   "<ms since start> <path> <'>' host to keyboard | '<' keyboard to host> <128 hex digits>"
extern "C" {

// Turns the simulator on before CVardexHid_Init. scenario: a JSON file, or
// null / "" / "1" for the default. Returns 0, or -1 when the file cannot be
// read or parsed (the simulator then stays off).
VARDEX_SDK_API int CVardexSim_Enable(const char *scenario);
// Replaces all simulated devices by those of a JSON text; 0 or -1.
VARDEX_SDK_API int CVardexSim_LoadScenarioText(const char *json);
VARDEX_SDK_API int CVardexSim_IsEnabled();
// Starts (or with null stops) the report log; 0 or -1.
VARDEX_SDK_API int CVardexSim_SetLogFile(const char *path);

// Adds a keyboard (model code from the device table; receiver 0 cable, 1
// behind a receiver) and returns its path in path (capacity pathSize);
// plugged in at once. Returns 0, or -1 for an unknown model.
VARDEX_SDK_API int CVardexSim_AddDevice(const char *model, int receiver, char *path, int pathSize);
// Plug or unplug a known device. Unplugging ends its open handles (reads and
// writes return -1). Returns 0, or -1 for an unknown path.
VARDEX_SDK_API int CVardexSim_Plug(const char *path);
VARDEX_SDK_API int CVardexSim_Unplug(const char *path);
// Called on the thread of Plug/Unplug with arrived 1 or 0; null removes it.
typedef void (*CVardexSimHotplugCallback)(const char *path, int arrived, void *ctx);
VARDEX_SDK_API void CVardexSim_SetHotplugCallback(CVardexSimHotplugCallback callback, void *ctx);

// Sends a report from the keyboard to every open handle of the path, as if
// unprompted (byte 0 is sent as given). 0, or -1 when unknown or unplugged.
VARDEX_SDK_API int CVardexSim_Inject(const char *path, const unsigned char *report64);
// Unprompted reports built by the keyboard itself.
VARDEX_SDK_API int CVardexSim_SendStatus(const char *path);
VARDEX_SDK_API int CVardexSim_SendKeyReport(const char *path, const unsigned char *keys8);
VARDEX_SDK_API int CVardexSim_SendCustomKeyEvent(const char *path, int keyCode, int pressed);
VARDEX_SDK_API int CVardexSim_SendKeyBitmap(const char *path, const unsigned char *columns22);
// Changes a light configuration as the keyboard's own keys would (part 0
// keys, 1 side light; payload = bytes 6..18 of the light-mode payload) and
// reports it (0x07 or 0x08).
VARDEX_SDK_API int CVardexSim_ChangeLightConfig(const char *path, int part, const unsigned char *payload13);

// State changes. Status-relevant ones send a status report when notify != 0.
VARDEX_SDK_API int CVardexSim_SetReachable(const char *path, int reachable, int notify);
VARDEX_SDK_API int CVardexSim_SetBattery(const char *path, int percent, int charging, int notify);
VARDEX_SDK_API int CVardexSim_SetSerial(const char *path, const char *serial);
// Light-type list of a part: the effect values, then markerCount markers
// (0xA5, 0x5A alternating), then the highest speed and brightness; whatever
// passes byte 63 is cut off, as the keyboard's report is.
VARDEX_SDK_API int CVardexSim_SetLightTypeList(const char *path, int part, const unsigned char *types, int count,
                                               int markerCount, int speedMax, int brightnessMax);
// Periodic status reports while a handle is open; 0 turns them off.
VARDEX_SDK_API int CVardexSim_SetStatusInterval(const char *path, int ms);

// Faults.
enum CVardexSimFault {
    SIM_FAULT_DROP_ACKS = 1,     // no 0x19 macro acks, no 0x14 sleep-time acks
    SIM_FAULT_DELAY_ACKS = 2,    // value: extra ms before each ack
    SIM_FAULT_REFUSE_WRITES = 3, // every write returns -1
    SIM_FAULT_SILENT = 4,        // takes writes, never answers or reports
    SIM_FAULT_REPLY_DELAY = 5    // value: ms before every reply (default 1)
};
VARDEX_SDK_API int CVardexSim_SetFault(const char *path, int fault, int value);

// What the keyboard holds. Texts NUL-terminated.
struct CVardexSimState {
    int plugged;
    int receiver;            // 0 cable, 1 behind a receiver
    int reachable;           // receiver's keyboard answers
    int battery;
    int charging;
    char model[32];
    char serial[33];
    unsigned char keyLight[13];   // light-mode payload bytes 6..18
    unsigned char sideLight[13];
    int customLightSlot;
    int lightSleepSeconds;
    int keyboardSleepSeconds;
    int lockSwitches[4];     // Windows key, Shift+Tab, Alt+Tab, Alt+F4
    int lightSync;           // 0x16 state
    int resetCount;
    int intoFirmwareCount;
    int openHandles;
    int writesReceived;
};
VARDEX_SDK_API int CVardexSim_GetState(const char *path, CVardexSimState *state);
// The key table written to a layer (0 Default, 2 FN): the pages' bytes
// concatenated in page order (56 bytes a page); returns the byte count.
VARDEX_SDK_API int CVardexSim_GetKeyTable(const char *path, int layer, unsigned char *buffer, int capacity);
// The 256-byte image of a macro slot; returns 256, or 0 when never written.
VARDEX_SDK_API int CVardexSim_GetMacroSlot(const char *path, int slot, unsigned char *buffer256);
// The colours of a custom-light slot, 132 keys x RGB; returns 396 or 0.
VARDEX_SDK_API int CVardexSim_GetCustomLight(const char *path, int slot, unsigned char *buffer396);
}
// ---- end: simulator ----

// ===========================================================================
// Light effect generation (CVardexLight_* and light CVardexHid_*)
// ===========================================================================

// ---- begin: light ----

// 0 on success.
VARDEX_SDK_API int CVardexLight_Init();
// ---- end: light ----

// ===========================================================================
// Firmware transfer
// ===========================================================================

// ---- begin: firmware ----
// ---- end: firmware ----

#endif // VARDEX_SDK_H
