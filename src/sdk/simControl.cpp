// simControl.cpp - the control calls of the simulated keyboards, for tests
// and for the tool's --simulate road.
#include "vardexSdk.h"

#include "sdkArgs.h"
#include "simKeyboard.h"
#include "simState.h"

#include <algorithm>
#include <cstring>

using namespace vardex;
using namespace vardex::sim;

namespace {

// Runs fn on the device of path with the world locked; -1 for unknown paths.
template <typename Fn>
int withDevice(const char *path, Fn fn)
{
    if (!path)
        return -1;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    Device *d = w.find(path);
    if (!d)
        return -1;
    return fn(w, *d);
}

// The same, for calls that need the keyboard plugged in: -1 when it is not.
template <typename Fn>
int withPluggedDevice(const char *path, Fn fn)
{
    return withDevice(path, [&](World &w, Device &d) { return d.plugged ? fn(w, d) : -1; });
}

// Replaces the simulated devices by those of a scenario text and turns the
// simulator on; 0, or -1 with the reason on stderr.
int loadScenario(const std::string &text, const std::string &where)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    return enableScenarioLocked(w, text, where) ? 0 : -1;
}

// Copies a fixed-size slot image into buffer (when given); its size, or 0
// when the slot was never written.
template <typename SlotMap>
int copySlot(const SlotMap &slots, int slot, unsigned char *buffer)
{
    auto it = slots.find(slot);
    if (it == slots.end())
        return 0;
    if (buffer)
        std::memcpy(buffer, it->second.data(), it->second.size());
    return static_cast<int>(it->second.size());
}

} // namespace

void vardex::sim::notifyHotplug(const std::string &path, int arrived)
{
    World &w = world();
    std::lock_guard<std::recursive_mutex> lock(w.callbackMu);
    if (w.hotplug)
        w.hotplug(path.c_str(), arrived, w.hotplugCtx);
}

extern "C" {

int CVardexSim_Enable(const char *scenario)
{
    std::string text;
    if (!scenarioText(scenario, &text)) {
        World &w = world();
        std::lock_guard<std::mutex> lock(w.mu);
        refuseUnreadableScenarioLocked(w, scenario);
        return -1;
    }
    initFromEnvironment(); // the log file, if one is named
    return loadScenario(text, scenario && *scenario ? scenario : "(default)");
}

int CVardexSim_LoadScenarioText(const char *json)
{
    if (!json)
        return -1;
    return loadScenario(json, "(text)");
}

int CVardexSim_IsEnabled() { return enabled() ? 1 : 0; }

int CVardexSim_GetScenarioError(char *text, int capacity)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    if (text && capacity > 0)
        copyText(text, static_cast<std::size_t>(capacity), w.scenarioError);
    return static_cast<int>(w.scenarioError.size());
}

int CVardexSim_SetLogFile(const char *path)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    if (w.log)
        std::fclose(w.log);
    w.log = nullptr;
    if (!path || !*path)
        return 0;
    w.log = std::fopen(path, "a");
    return w.log ? 0 : -1;
}

int CVardexSim_AddDevice(const char *model, int receiver, char *path, int pathSize)
{
    const DeviceModel *m = model ? findModel(model) : nullptr;
    if (!m)
        return -1;
    std::string added;
    {
        World &w = world();
        std::lock_guard<std::mutex> lock(w.mu);
        added = w.addDevice(*m, receiver != 0);
        w.enabled = true;
    }
    if (path && pathSize > 0)
        copyText(path, static_cast<std::size_t>(pathSize), added);
    notifyHotplug(added, 1);
    return 0;
}

int CVardexSim_Plug(const char *path)
{
    bool arrived = false;
    const int rc = withDevice(path, [&](World &w, Device &d) {
        arrived = !d.plugged;
        w.plugLocked(d);
        return 0;
    });
    if (arrived)
        notifyHotplug(path, 1);
    return rc;
}

int CVardexSim_Unplug(const char *path)
{
    bool left = false;
    const int rc = withDevice(path, [&](World &w, Device &d) {
        left = d.plugged;
        if (d.plugged)
            w.unplugLocked(d);
        return 0;
    });
    if (left)
        notifyHotplug(path, 0);
    return rc;
}

void CVardexSim_SetHotplugCallback(CVardexSimHotplugCallback callback, void *ctx)
{
    World &w = world();
    std::lock_guard<std::recursive_mutex> lock(w.callbackMu);
    w.hotplug = callback;
    w.hotplugCtx = ctx;
}

int CVardexSim_Inject(const char *path, const unsigned char *report64)
{
    if (!report64)
        return -1;
    return withPluggedDevice(path, [&](World &w, Device &d) {
        Report r;
        std::memcpy(r.data(), report64, 64);
        w.deliver(d, r);
        return 0;
    });
}

int CVardexSim_SendStatus(const char *path)
{
    return withPluggedDevice(path, [&](World &w, Device &d) {
        w.deliver(d, statusReport(d));
        return 0;
    });
}

int CVardexSim_SendKeyReport(const char *path, const unsigned char *keys8)
{
    if (!keys8)
        return -1;
    unsigned char r[64] = {0x01, 0x04};
    std::memcpy(r + 6, keys8, 8);
    return CVardexSim_Inject(path, r);
}

int CVardexSim_SendCustomKeyEvent(const char *path, int keyCode, int pressed)
{
    unsigned char r[64] = {0x01, 0x20};
    r[9] = static_cast<unsigned char>(keyCode);
    r[10] = pressed ? 1 : 0;
    return CVardexSim_Inject(path, r);
}

int CVardexSim_SendKeyBitmap(const char *path, const unsigned char *columns22)
{
    if (!columns22)
        return -1;
    unsigned char r[64] = {0x01, 0x0E};
    std::memcpy(r + 6, columns22, 22);
    return CVardexSim_Inject(path, r);
}

int CVardexSim_ChangeLightConfig(const char *path, int part, const unsigned char *payload13)
{
    if (!payload13 || (part != 0 && part != 1))
        return -1;
    return withPluggedDevice(path, [&](World &w, Device &d) {
        auto &target = part == 0 ? d.keyLight : d.sideLight;
        std::copy(payload13, payload13 + 13, target.begin());
        target[12] = 0;
        w.deliver(d, lightConfigReport(part == 0 ? 0x07 : 0x08, target));
        return 0;
    });
}

int CVardexSim_SetReachable(const char *path, int reachable, int notify)
{
    return withDevice(path, [&](World &w, Device &d) {
        if (!d.receiver)
            return -1;
        d.reachable = reachable != 0;
        if (notify)
            w.deliver(d, statusReport(d));
        return 0;
    });
}

int CVardexSim_SetBattery(const char *path, int percent, int charging, int notify)
{
    if (percent < 0 || percent > 100 || charging < 0 || charging > 2)
        return -1;
    return withDevice(path, [&](World &w, Device &d) {
        d.battery = percent;
        d.charging = charging;
        if (notify)
            w.deliver(d, statusReport(d));
        return 0;
    });
}

int CVardexSim_SetSerial(const char *path, const char *serial)
{
    const std::string s = serial ? serial : "";
    if (s.size() > 32)
        return -1;
    return withDevice(path, [&](World &, Device &d) {
        d.serial = s;
        return 0;
    });
}

int CVardexSim_SetLightTypeList(const char *path, int part, const unsigned char *types, int count, int markerCount,
                                int speedMax, int brightnessMax)
{
    if ((part != 0 && part != 1) || count < 0 || count > 58 || (count > 0 && !types) || markerCount < 0 ||
        markerCount > 58 || speedMax < 0 || speedMax > 255 || brightnessMax < 0 || brightnessMax > 255)
        return -1;
    return withDevice(path, [&](World &, Device &d) {
        LightTypeList &list = part == 0 ? d.keyTypes : d.sideTypes;
        list.types.assign(types, types + count);
        list.markers = markerCount;
        list.speedMax = speedMax;
        list.brightnessMax = brightnessMax;
        return 0;
    });
}

int CVardexSim_SetStatusInterval(const char *path, int ms)
{
    if (ms < 0)
        return -1;
    return withDevice(path, [&](World &w, Device &d) {
        d.statusIntervalMs = ms;
        d.nextStatus = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        w.workCv.notify_all();
        return 0;
    });
}

int CVardexSim_SetFault(const char *path, int fault, int value)
{
    return withDevice(path, [&](World &, Device &d) {
        switch (fault) {
        case SIM_FAULT_DROP_ACKS: d.dropAcks = value != 0; return 0;
        case SIM_FAULT_DELAY_ACKS: d.ackDelayMs = std::max(0, value); return 0;
        case SIM_FAULT_REFUSE_WRITES: d.refuseWrites = value != 0; return 0;
        case SIM_FAULT_SILENT: d.silent = value != 0; return 0;
        case SIM_FAULT_REPLY_DELAY: d.replyDelayMs = std::max(0, value); return 0;
        default: return onboardSetFault(d, fault, value) ? 0 : -1;
        }
    });
}

int CVardexSim_GetState(const char *path, CVardexSimState *state)
{
    if (!state)
        return -1;
    return withDevice(path, [&](World &w, Device &d) {
        std::memset(state, 0, sizeof *state);
        state->plugged = d.plugged;
        state->receiver = d.receiver;
        state->reachable = d.reachable;
        state->battery = d.battery;
        state->charging = d.charging;
        copyText(state->model, sizeof state->model, d.model->code);
        copyText(state->serial, sizeof state->serial, d.serial);
        std::copy(d.keyLight.begin(), d.keyLight.end(), state->keyLight);
        std::copy(d.sideLight.begin(), d.sideLight.end(), state->sideLight);
        state->customLightSlot = d.customSlot;
        state->lightSleepSeconds = d.lightSleep;
        state->keyboardSleepSeconds = d.keyboardSleep;
        for (int i = 0; i < 4; ++i)
            state->lockSwitches[i] = d.locks[i];
        state->lightSync = d.lightSync;
        state->resetCount = d.resetCount;
        state->intoFirmwareCount = d.intoFirmwareCount;
        state->openHandles = w.openHandles(d);
        state->writesReceived = d.writesReceived;
        return 0;
    });
}

int CVardexSim_GetWriteTimes(const char *path, long long *nsSinceStart, int capacity)
{
    if (!nsSinceStart || capacity < 0)
        return -1;
    return withDevice(path, [&](World &, Device &d) {
        const std::size_t n = std::min(d.writeTimesNs.size(), std::size_t(capacity));
        std::copy(d.writeTimesNs.end() - std::ptrdiff_t(n), d.writeTimesNs.end(), nsSinceStart);
        return int(n);
    });
}

int CVardexSim_GetCustomLight(const char *path, int slot, unsigned char *buffer396)
{
    return withDevice(path, [&](World &, Device &d) { return copySlot(d.customLights, slot, buffer396); });
}

} // extern "C"
