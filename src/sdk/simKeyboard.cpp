// simKeyboard.cpp - a firmware model of our keyboards, behind the same HID
// calls as the real ones. Host reports are answered from a worker thread
// after a short delay, as a keyboard answers over USB, so the host code sees
// the same timing shape it sees on hardware.
#include "simBattery.h"
#include "simKeyboard.h"
#include "simLight.h"
#include "simPlug.h"
#include "simBootloader.h"
#include "simState.h"

#include "vardexSdk.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vardex {
namespace sim {

World &world()
{
    // Never destroyed: the worker thread may still run while the process
    // exits, and must not find its data gone.
    static World *w = new World;
    return *w;
}

namespace {

using Clock = std::chrono::steady_clock;

Report makeReport(uint8_t code)
{
    Report r{};
    r[0] = 0x01;
    r[1] = code;
    return r;
}

// Light-type list: effects, markers, highest speed, highest brightness; the
// keyboard's report simply ends at byte 63.
Report lightTypeReport(uint8_t code, const LightTypeList &list)
{
    Report r = makeReport(code);
    std::vector<uint8_t> bytes(list.types);
    for (int i = 0; i < list.markers; ++i)
        bytes.push_back(i % 2 == 0 ? 0xA5 : 0x5A);
    if (list.markers > 0) {
        bytes.push_back(static_cast<uint8_t>(list.speedMax));
        bytes.push_back(static_cast<uint8_t>(list.brightnessMax));
    }
    for (std::size_t i = 0; i < bytes.size() && 6 + i < r.size(); ++i)
        r[6 + i] = bytes[i];
    return r;
}

} // namespace

Report lightConfigReport(uint8_t code, const std::array<uint8_t, 13> &payload)
{
    Report r = makeReport(code);
    std::copy(payload.begin(), payload.end(), r.begin() + 6);
    r[18] = 0;
    return r;
}

Report statusReport(const Device &d)
{
    Report r = makeReport(0x01);
    r[5] = 8;
    const bool away = d.receiver && !d.reachable;
    // A receiver whose keyboard is away knows nothing of its battery.
    r[9] = away ? 0 : static_cast<uint8_t>(d.charging);
    r[10] = away ? 0 : static_cast<uint8_t>(d.battery);
    r[11] = d.receiver ? 1 : 0;
    r[12] = away ? 1 : 0;
    r[13] = static_cast<uint8_t>(d.downloadStatus);
    return r;
}

std::string identityText(const Device &d)
{
    return "NUC,01,KB,VD," + std::string(d.model->code) + "," + d.firmwareVersion + "," + d.buildDateTime;
}

void World::logLine(const std::string &path, char dir, const Report &r)
{
    if (!log)
        return;
    const long long ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    static const char hex[] = "0123456789abcdef";
    char digits[129];
    for (int i = 0; i < 64; ++i) {
        digits[2 * i] = hex[r[i] >> 4];
        digits[2 * i + 1] = hex[r[i] & 15];
    }
    digits[128] = 0;
    std::fprintf(log, "%lld %s %c %s\n", ms, path.c_str(), dir, digits);
    std::fflush(log);
}

int World::openHandles(const Device &d) const
{
    int n = 0;
    for (const auto &e : endpoints)
        if (!e.second->dead && e.second->device.get() == &d)
            ++n;
    return n;
}

bool World::deliver(Device &d, const Report &r)
{
    if (!d.plugged)
        return false;
    bool any = false;
    for (auto &e : endpoints) {
        if (e.second->dead || e.second->device.get() != &d)
            continue;
        // A reader that never reads must not grow without bound.
        if (e.second->inbound.size() < 4096)
            e.second->inbound.push_back(r);
        e.second->signalInput();
        any = true;
    }
    if (any) {
        logLine(d.path, '<', r);
        readCv.notify_all();
    }
    return any;
}

std::chrono::steady_clock::time_point World::schedule(Device &d, const Report &r, int delayMs)
{
    Pending p;
    p.due = Clock::now() + std::chrono::milliseconds(std::max(0, delayMs));
    p.seq = ++seq;
    p.device = findShared(d.path);
    p.report = r;
    pending.push_back(p);
    workCv.notify_all();
    return p.due;
}

std::shared_ptr<Device> World::findShared(const std::string &path) const
{
    for (const auto &d : devices)
        if (d->path == path)
            return d;
    return nullptr;
}

Device *World::find(const std::string &path) const
{
    auto d = findShared(path);
    return d.get();
}

void World::ensureWorker()
{
    if (workerStarted)
        return;
    workerStarted = true;
    std::thread([this] { run(); }).detach();
}

void World::run()
{
    std::unique_lock<std::mutex> lock(mu);
    for (;;) {
        const auto now = Clock::now();
        auto wake = now + std::chrono::seconds(1);

        // Replies that are due, in order of due time, then of scheduling.
        std::sort(pending.begin(), pending.end(), [](const Pending &a, const Pending &b) {
            return a.due != b.due ? a.due < b.due : a.seq < b.seq;
        });
        while (!pending.empty() && pending.front().due <= now) {
            Pending p = pending.front();
            pending.erase(pending.begin());
            if (p.device)
                deliver(*p.device, p.report);
        }
        if (!pending.empty())
            wake = std::min(wake, pending.front().due);

        std::vector<PlugChange> plugChanges;
        for (auto &dp : devices) {
            Device &d = *dp;
            stepPlugSchedule(*this, d, now, &wake, &plugChanges);
            const bool live = d.plugged && !d.silent && openHandles(d) > 0;
            onboardTick(*this, d, live, now, &wake);
            if (live && d.statusIntervalMs > 0) {
                if (d.nextStatus <= now) {
                    deliver(d, statusReport(d));
                    d.nextStatus = now + std::chrono::milliseconds(d.statusIntervalMs);
                }
                wake = std::min(wake, d.nextStatus);
            }
            stepBatterySchedule(*this, d, live, now, &wake);
        }
        if (!plugChanges.empty()) {
            // The callback may call into the library, which takes the lock.
            lock.unlock();
            for (const PlugChange &c : plugChanges)
                notifyHotplug(c.first, c.second);
            lock.lock();
            continue;
        }
        workCv.wait_until(lock, wake);
    }
}

// The keyboard's answer to one host report; every state change the host can
// make goes through here.
void World::handleHostReport(Device &d, const Report &r)
{
    auto reply = [&](const Report &out, bool isAck = false) {
        if (isAck && d.dropAcks)
            return;
        schedule(d, out, d.replyDelayMs + (isAck ? d.ackDelayMs : 0));
    };
    const uint8_t code = r[1];
    switch (code) {
    case 0x00: // keep-alive
        break;
    case 0x01:
        reply(lightTypeReport(0x02, d.sideTypes));
        break;
    case 0x06:
    case 0x07:
    case 0x08:
        handleLightReport(*this, d, r, [&](const Report &out) { reply(out); });
        break;
    case 0x09:
        reply(lightTypeReport(0x0A, d.keyTypes));
        break;
    case 0x0A:
        ++d.intoFirmwareCount;
        enterBootloaderLocked(*this, d);
        break;
    case 0x0D: {
        Report out = makeReport(0x0D);
        const std::string text = identityText(d);
        for (std::size_t i = 0; i < text.size() && 6 + i < out.size(); ++i)
            out[6 + i] = static_cast<uint8_t>(text[i]);
        reply(out);
        break;
    }
    case 0x13:
        if (r[2] == 0) {
            if (r[6] == 1) {
                ++d.resetCount;
                d.keyLight = d.defaultKeyLight;
                d.sideLight = d.defaultSideLight;
                d.locks = {0, 0, 0, 0};
                saveLightMemory(d);
            } else {
                for (int i = 0; i < 4; ++i)
                    d.locks[i] = r[13 + i];
            }
        } else if (r[2] == 1) {
            d.lightSleep = (r[9] << 8) | r[10];
            d.keyboardSleep = (r[11] << 8) | r[12];
            Report ack = makeReport(0x14);
            ack[2] = 0;
            reply(ack, true);
        } else if (r[2] == 2) {
            Report out = makeReport(0x14);
            out[2] = 2;
            out[9] = static_cast<uint8_t>(d.lightSleep >> 8);
            out[10] = static_cast<uint8_t>(d.lightSleep);
            out[11] = static_cast<uint8_t>(d.keyboardSleep >> 8);
            out[12] = static_cast<uint8_t>(d.keyboardSleep);
            reply(out);
        }
        break;
    case 0x14: {
        Report out = makeReport(0x15);
        for (std::size_t i = 0; i < d.serial.size() && i < 32; ++i)
            out[6 + i] = static_cast<uint8_t>(d.serial[i]);
        reply(out);
        break;
    }
    case 0x15: {
        std::string serial;
        for (int i = 6; i < 38 && r[i] != 0; ++i)
            serial.push_back(static_cast<char>(r[i]));
        d.serial = serial;
        break;
    }
    case 0x16:
        d.lightSync = r[6];
        break;
    case 0x17: // key-table page
    case 0x18: // macro piece
        onboardHostReport(*this, d, r);
        break;
    default: // 0x03, 0x04, 0x0E, 0x28 and anything unknown: nothing to answer
        break;
    }
}

int World::hostWrite(Endpoint &e, const Report &r)
{
    Device &d = *e.device;
    if (e.dead || !d.plugged || d.refuseWrites)
        return -1;
    if (observeLightSync(*this, d, r))
        logLine(d.path, '>', r);
    ++d.writesReceived;
    d.writeTimesNs.push_back(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
    if (d.writeTimesNs.size() > kWriteTimesKept)
        d.writeTimesNs.pop_front();
    // A receiver without its keyboard takes the report and nobody answers.
    if (d.silent || (d.receiver && !d.reachable))
        return 64;
    handleHostReport(d, r);
    return 64;
}

std::string World::addDevice(const DeviceModel &model, bool receiver)
{
    auto d = std::make_shared<Device>();
    d->model = &model;
    d->receiver = receiver;
    int n = 0;
    for (const auto &o : devices)
        if (o->model == &model && o->receiver == receiver)
            ++n;
    char path[160];
    std::snprintf(path, sizeof path, "sim://%s/%s/%04x:%04x/%d", model.code, receiver ? "dongle" : "usb",
                  kVendorId, receiver ? model.receiverPid : model.cablePid, n);
    d->path = path;
    d->keyTypes.types = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    d->keyTypes.markers = 1;
    d->keyTypes.speedMax = 5;
    d->keyTypes.brightnessMax = 5;
    if (model.sideSegments > 0)
        d->sideTypes.types = {0, 1, 2, 3, 4, 5, 6, 7};
    d->sideTypes.markers = 1;
    d->sideTypes.speedMax = model.sideSegments > 0 ? 5 : 0;
    d->sideTypes.brightnessMax = model.sideSegments > 0 ? 5 : 0;
    d->defaultKeyLight = {1, 4, 2, 255, 0, 0, 0, 0, 255, 0, 1, 0, 0};
    d->defaultSideLight = {2, 4, 2, 0, 255, 0, 0, 0, 255, 0, 1, 0, 0};
    d->keyLight = d->defaultKeyLight;
    d->sideLight = d->defaultSideLight;
    loadLightMemory(*d);
    d->nextStatus = Clock::now();
    devices.push_back(d);
    return d->path;
}

void World::plugLocked(Device &d)
{
    d.plugged = true;
    d.nextStatus = Clock::now();
    workCv.notify_all();
}

void World::unplugLocked(Device &d)
{
    d.plugged = false;
    d.onboard.pending = false;
    for (auto &e : endpoints)
        if (e.second->device.get() == &d) {
            e.second->dead = true;
            e.second->signalInput();
        }
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [&](const Pending &p) { return p.device.get() == &d; }),
                  pending.end());
    readCv.notify_all();
}

void World::clearLocked()
{
    clearBootloadersLocked();
    for (auto &d : devices)
        unplugLocked(*d);
    devices.clear();
    pending.clear();
}

// --- back-end interface used by the HID layer -------------------------------

bool enabled()
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    return w.enabled;
}

bool isSimPath(const std::string &path) { return path.rfind("sim://", 0) == 0; }

std::vector<std::string> pluggedPaths()
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    std::vector<std::string> out;
    for (const auto &d : w.devices)
        if (d->plugged)
            out.push_back(d->path);
    return out;
}

bool deviceIds(const std::string &path, DeviceIds *ids)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    Device *d = w.find(path);
    if (!d || !d->plugged)
        return false;
    ids->model = d->model;
    ids->connection = d->receiver ? Connection::Receiver : Connection::Cable;
    return true;
}

int pathAccess(const std::string &path)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    Device *d = w.find(path);
    return (d && d->plugged) ? HID_PATH_OK : HID_PATH_MISSING;
}

int open(const std::string &path)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto d = w.findShared(path);
    if (!d || !d->plugged)
        return 0;
    auto e = std::make_shared<Endpoint>();
    e->id = ++w.nextEndpoint;
    e->device = d;
    w.endpoints[e->id] = e;
    d->nextStatus = Clock::now() + std::chrono::milliseconds(d->statusIntervalMs);
    w.ensureWorker();
    w.workCv.notify_all();
    return e->id;
}

int read(int endpoint, unsigned char *buffer, int timeoutMs)
{
    World &w = world();
    std::unique_lock<std::mutex> lock(w.mu);
    auto it = w.endpoints.find(endpoint);
    if (it == w.endpoints.end())
        return -1;
    std::shared_ptr<Endpoint> e = it->second;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
    while (e->inbound.empty() && !e->dead) {
        if (timeoutMs <= 0 || w.readCv.wait_until(lock, deadline) == std::cv_status::timeout)
            break;
    }
    if (!e->inbound.empty()) {
        std::memcpy(buffer, e->inbound.front().data(), 64);
        e->inbound.pop_front();
        return 64;
    }
    return e->dead ? -1 : 0;
}

int write(int endpoint, const unsigned char *report)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto it = w.endpoints.find(endpoint);
    if (it == w.endpoints.end())
        return -1;
    Report r;
    std::memcpy(r.data(), report, 64);
    return w.hostWrite(*it->second, r);
}

void close(int endpoint)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto it = w.endpoints.find(endpoint);
    if (it == w.endpoints.end())
        return;
    it->second->dead = true;
    w.endpoints.erase(it);
    w.readCv.notify_all();
}

} // namespace sim
} // namespace vardex
