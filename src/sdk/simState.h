// simState.h - the state of the simulated keyboards, shared by the firmware
// model (simKeyboard.cpp), the scenario reader and the control calls.
#ifndef VARDEX_SIM_STATE_H
#define VARDEX_SIM_STATE_H

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "deviceTable.h"
#include "simOnboard.h"

namespace vardex {
namespace sim {

using Report = std::array<uint8_t, 64>;

// Arrival times of host reports a device keeps for CVardexSim_GetWriteTimes.
constexpr std::size_t kWriteTimesKept = 1024;

struct LightTypeList {
    std::vector<uint8_t> types;
    int markers = 1;
    int speedMax = 0;
    int brightnessMax = 0;
};

struct BatteryStep {
    int atMs = 0;
    int battery = 100;
    int charging = 0;
};

// How a keyboard takes its firmware: the road of its model, or one chosen.
enum class UpdateRoad { ByModel, Bootloader, Drive };

struct PlugStep {
    int atMs = 0;
    bool plugged = true;
};

struct Device {
    std::string path;
    UpdateRoad updateRoad = UpdateRoad::ByModel;
    const DeviceModel *model = nullptr;
    bool receiver = false;
    bool plugged = true;
    bool reachable = true;

    int battery = 100;
    int charging = 0;
    std::string serial;
    std::string firmwareVersion = "V1.0.3";
    std::string buildDateTime = "May 02 2024 10:15:00";

    std::array<uint8_t, 13> keyLight{};
    std::array<uint8_t, 13> sideLight{};
    std::array<uint8_t, 13> defaultKeyLight{};
    std::array<uint8_t, 13> defaultSideLight{};
    LightTypeList keyTypes;
    LightTypeList sideTypes;
    int customSlot = 0;
    std::map<int, std::array<uint8_t, 396>> customLights;

    int lightSleep = 300;     // seconds
    int keyboardSleep = 1800; // seconds
    std::array<int, 4> locks{};
    int lightSync = 0;
    int resetCount = 0;
    int intoFirmwareCount = 0;
    int writesReceived = 0;
    // When the latest host reports arrived, in ns on the log's clock; newest last.
    std::deque<int64_t> writeTimesNs;

    OnboardState onboard;   // key tables and macro slots (simOnboard.cpp)
    int downloadStatus = 0; // byte 13 of the next status report

    // Faults and timing.
    int replyDelayMs = 1;
    int ackDelayMs = 0;
    bool dropAcks = false;
    bool refuseWrites = false;
    bool silent = false;
    int statusIntervalMs = 1000;
    std::chrono::steady_clock::time_point nextStatus;

    // Battery schedule of the scenario (simBattery.cpp).
    std::vector<BatteryStep> batterySchedule;
    int batteryRepeatMs = 0;
    std::size_t nextBatteryStep = 0;
    std::chrono::steady_clock::time_point batteryScheduleStart;

    // Plug schedule of the scenario (simPlug.cpp).
    std::vector<PlugStep> plugSchedule;
    int plugRepeatMs = 0;
    std::size_t nextPlugStep = 0;
    std::chrono::steady_clock::time_point plugScheduleStart;
};

struct Endpoint {
    int id = 0;
    std::shared_ptr<Device> device;
    std::deque<Report> inbound;
    bool dead = false;
    int eventFd = -1; // simWake.cpp

    Endpoint();
    ~Endpoint();
    Endpoint(const Endpoint &) = delete;
    Endpoint &operator=(const Endpoint &) = delete;
    // Makes eventFd readable: a report was queued, or the device went.
    void signalInput() const;
};

struct Pending {
    std::chrono::steady_clock::time_point due;
    uint64_t seq = 0;
    std::shared_ptr<Device> device;
    Report report{};
};

struct World {
    std::mutex mu;
    std::condition_variable workCv;
    std::condition_variable readCv;
    bool enabled = false;
    bool envRead = false;
    // Why the last scenario asked for was refused ("<scenario>: <reason>");
    // empty once one is accepted.
    std::string scenarioError;
    bool workerStarted = false;
    std::FILE *log = nullptr;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::vector<std::shared_ptr<Device>> devices;
    std::map<int, std::shared_ptr<Endpoint>> endpoints;
    std::vector<Pending> pending;
    uint64_t seq = 0;
    int nextEndpoint = 0;

    std::recursive_mutex callbackMu; // held while the hot-plug callback is read or replaced
    void (*hotplug)(const char *, int, void *) = nullptr;
    void *hotplugCtx = nullptr;

    // All below: called with mu held.
    void logLine(const std::string &path, char dir, const Report &r);
    int openHandles(const Device &d) const;
    bool deliver(Device &d, const Report &r);
    // Returns when the report is due.
    std::chrono::steady_clock::time_point schedule(Device &d, const Report &r, int delayMs);
    std::shared_ptr<Device> findShared(const std::string &path) const;
    Device *find(const std::string &path) const;
    void ensureWorker();
    void handleHostReport(Device &d, const Report &r);
    int hostWrite(Endpoint &e, const Report &r);
    std::string addDevice(const DeviceModel &model, bool receiver);
    void plugLocked(Device &d);
    void unplugLocked(Device &d);
    void clearLocked();

    void run(); // worker thread body
};

World &world();
// Light-sync reports (simLightSync.cpp), called with mu held for every host
// report: decodes 0x16, 0x0E, 0x28 and 0x08 slot 2 and writes a summary log
// line once a second. Returns whether the report gets its own log line.
bool observeLightSync(World &w, Device &d, const Report &r);
Report statusReport(const Device &d);
// The light configuration report (0x07 keys, 0x08 side light) of a payload.
Report lightConfigReport(uint8_t code, const std::array<uint8_t, 13> &payload);
std::string identityText(const Device &d);
// The text of a scenario argument: the built-in default for null, "" or
// "1", else the file's content; false when the file cannot be read.
bool scenarioText(const char *scenario, std::string *text);
// Notes (and reports on stderr) that the scenario file cannot be read.
void refuseUnreadableScenarioLocked(World &w, const char *scenario);
// Replaces every device by those of a scenario JSON text and turns the
// simulator on; false, with the reason on stderr and kept as the world's
// scenario error, when the text is not a valid scenario (nothing else
// changes then). where names the scenario.
bool enableScenarioLocked(World &w, const std::string &json, const std::string &where);
// Tells the tool's hot-plug callback that a keyboard arrived (1) or left (0).
// Called without the world's lock: the callback may call back into the
// library.
void notifyHotplug(const std::string &path, int arrived);

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_STATE_H
