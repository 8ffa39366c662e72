// simBootloader.cpp - the bootloader of the simulated keyboards: after the
// switch (0x0A) the keyboard leaves, a bootloader device arrives, takes an
// image through the framed bootloader protocol, keeps its size and CRC, and
// the keyboard returns running the image's version.
#include "simBootloader.h"

#include "vardexSdk.h"

#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <thread>

namespace vardex {
namespace sim {
namespace {

struct Boot {
    std::string keyboardPath;
    std::vector<uint8_t> image;
    uint32_t expectSize = 0;
    uint32_t expectCrc = 0;
    bool started = false;
};

struct KeyboardFirmware {
    int failures = 0;
    bool haveImage = false;
    uint32_t size = 0;
    uint32_t crc = 0;
    std::string bootPath;
    int reports = 0;
};

// All guarded by world().mu.
std::map<std::string, Boot> gBoots;                 // by bootloader path
std::map<std::string, KeyboardFirmware> gFirmware;  // by keyboard path
std::map<std::string, std::string> gDrives;         // update drive folder -> keyboard path
int gNextBoot = 0;
std::atomic<bool> gHostAlive{true};
std::atomic<long long> gHostDeathAtBytes{0};

const char kDriveIdentityFile[] = "VARDEXUP.ID";
const char kDriveImageFile[] = "FIRMWARE.UFW";

bool takesDriveRoad(const Device &d)
{
    if (d.updateRoad != UpdateRoad::ByModel)
        return d.updateRoad == UpdateRoad::Drive;
    const std::string code = d.model->code;
    return code == "Quendo" || code == "Yolma" || code == "Pravo";
}

void removeDriveFolder(const std::string &dir)
{
    ::unlink((dir + "/" + kDriveIdentityFile).c_str());
    ::unlink((dir + "/" + kDriveImageFile).c_str());
    ::rmdir(dir.c_str());
}

// A fresh folder standing for the keyboard's update drive; empty on failure.
std::string makeDriveFolder(const std::string &model)
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vardex-simdrive-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back(0);
    if (!::mkdtemp(buf.data()))
        return {};
    const std::string dir = buf.data();
    std::FILE *f = std::fopen((dir + "/" + kDriveIdentityFile).c_str(), "w");
    if (!f) {
        ::rmdir(dir.c_str());
        return {};
    }
    std::fprintf(f, "model=%s\n", model.c_str());
    std::fclose(f);
    return dir;
}

// How long a keyboard takes to leave, and to come back.
constexpr int kLeaveMs = 100;
constexpr int kReturnMs = 200;
constexpr int kWriteMicros = 150;

void notify(const std::string &path, int arrived)
{
    World &w = world();
    std::lock_guard<std::recursive_mutex> lock(w.callbackMu);
    if (w.hotplug)
        w.hotplug(path.c_str(), arrived, w.hotplugCtx);
}

uint32_t le32(const uint8_t *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The keyboard returns from its bootloader (after kReturnMs).
void returnKeyboardLater(const std::string &bootPath, const std::string &keyboardPath)
{
    std::thread([bootPath, keyboardPath] {
        if (!bootPath.empty())
            notify(bootPath, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(kReturnMs));
        World &w = world();
        {
            std::lock_guard<std::mutex> lock(w.mu);
            Device *d = w.find(keyboardPath);
            if (!d || d->plugged)
                return;
            d->plugged = true;
            d->nextStatus = std::chrono::steady_clock::now();
            w.workCv.notify_all();
        }
        notify(keyboardPath, 1);
    }).detach();
}

// The version in an image's identity block, when it is the keyboard's.
std::string imageVersion(const std::vector<uint8_t> &image, const Device &d)
{
    char identity[CVARDEX_FW_BIN_IDENTITY_SIZE + 1];
    CVardexFw_BinIdentity(image.data(), image.size(), identity);
    std::vector<std::string> fields(1);
    for (const char *c = identity; *c; ++c) {
        if (*c == ',')
            fields.emplace_back();
        else
            fields.back().push_back(*c);
    }
    if (fields.size() < 6 || ::strcasecmp(fields[4].c_str(), d.model->code) != 0)
        return {};
    return fields[5];
}

Report answer(const Report &r, uint8_t status)
{
    Report out{};
    out[0] = CVARDEX_BOOT_REPORT;
    out[1] = static_cast<uint8_t>(r[1] | 0x80);
    out[2] = status;
    std::memcpy(out.data() + 3, r.data() + 2, 4);
    return out;
}

} // namespace

void enterBootloaderLocked(World &, Device &d)
{
    const std::string keyboardPath = d.path;
    if (takesDriveRoad(d)) {
        const std::string model = d.model->code;
        std::thread([keyboardPath, model] {
            std::this_thread::sleep_for(std::chrono::milliseconds(kLeaveMs));
            World &w = world();
            {
                std::lock_guard<std::mutex> lock(w.mu);
                Device *k = w.find(keyboardPath);
                if (!k || !k->plugged)
                    return;
                w.unplugLocked(*k);
                const std::string dir = makeDriveFolder(model);
                if (!dir.empty())
                    gDrives[dir] = keyboardPath;
            }
            notify(keyboardPath, 0);
        }).detach();
        return;
    }
    std::thread([keyboardPath] {
        std::this_thread::sleep_for(std::chrono::milliseconds(kLeaveMs));
        World &w = world();
        std::string bootPath;
        {
            std::lock_guard<std::mutex> lock(w.mu);
            Device *k = w.find(keyboardPath);
            if (!k || !k->plugged)
                return;
            w.unplugLocked(*k);
            char path[64];
            std::snprintf(path, sizeof path, "sim://boot/0416:3f00/%d", gNextBoot++);
            bootPath = path;
            gBoots[bootPath].keyboardPath = keyboardPath;
            gFirmware[keyboardPath].bootPath = bootPath;
        }
        notify(keyboardPath, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(kReturnMs));
        notify(bootPath, 1);
    }).detach();
}

void clearBootloadersLocked()
{
    gBoots.clear();
    gFirmware.clear();
    for (const auto &drive : gDrives)
        removeDriveFolder(drive.first);
    gDrives.clear();
}

std::vector<std::string> drivePaths()
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    std::vector<std::string> out;
    for (const auto &drive : gDrives)
        out.push_back(drive.first);
    return out;
}

void driveInstalled(const std::string &dir, const std::string &version)
{
    World &w = world();
    std::string keyboardPath;
    {
        std::lock_guard<std::mutex> lock(w.mu);
        auto it = gDrives.find(dir);
        if (it == gDrives.end())
            return;
        keyboardPath = it->second;
        gDrives.erase(it);
        removeDriveFolder(dir);
        if (Device *d = w.find(keyboardPath))
            if (!version.empty())
                d->firmwareVersion = version;
    }
    returnKeyboardLater(std::string(), keyboardPath);
}

bool hostAlive() { return gHostAlive.load(); }

long long hostDeathAtImageBytes() { return gHostDeathAtBytes.load(); }

void imageBytesTaken(long long bytes)
{
    long long armed = gHostDeathAtBytes.load();
    if (armed <= 0 || bytes < armed || !gHostDeathAtBytes.compare_exchange_strong(armed, 0))
        return;
    CVardexSim_SetHostAlive(0);
}

bool isBootPath(const std::string &path) { return path.rfind("sim://boot/", 0) == 0; }

std::vector<std::string> bootPaths()
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    std::vector<std::string> out;
    for (const auto &b : gBoots)
        out.push_back(b.first);
    return out;
}

bool bootExchange(const std::string &path, const Report &r, Report *in)
{
    World &w = world();
    std::string returning;
    std::string keyboardPath;
    std::string identifyModel;
    long long taken = 0;
    {
        std::lock_guard<std::mutex> lock(w.mu);
        auto it = gBoots.find(path);
        if (it == gBoots.end())
            return false;
        Boot &b = it->second;
        w.logLine(path, '>', r);
        if (r[1] != CVARDEX_BOOT_IDENTIFY)
            ++gFirmware[b.keyboardPath].reports;
        uint8_t status = 0;
        if (r[0] != CVARDEX_BOOT_REPORT) {
            status = 1;
        } else if (r[1] == CVARDEX_BOOT_START) {
            b.expectSize = le32(r.data() + 2);
            b.expectCrc = le32(r.data() + 6);
            b.image.clear();
            b.started = b.expectSize <= CVARDEX_BOOT_MAX_IMAGE;
            status = b.started ? 0 : 3;
        } else if (r[1] == CVARDEX_BOOT_DATA) {
            const uint32_t offset = le32(r.data() + 2);
            const int count = r[6];
            if (!b.started || offset != b.image.size() || count < 1 || count > CVARDEX_BOOT_CHUNK
                || b.image.size() + size_t(count) > b.expectSize)
                status = 1;
            else
                b.image.insert(b.image.end(), r.begin() + 8, r.begin() + 8 + count);
            taken = static_cast<long long>(b.image.size());
        } else if (r[1] == CVARDEX_BOOT_IDENTIFY) {
            const Device *d = w.find(b.keyboardPath);
            status = d ? 0 : 1;
            if (d)
                identifyModel = d->model->code;
        } else if (r[1] == CVARDEX_BOOT_FINISH) {
            KeyboardFirmware &fw = gFirmware[b.keyboardPath];
            const Device *d = w.find(b.keyboardPath);
            const bool whole = b.started && b.image.size() == b.expectSize
                && CVardexFw_Crc32(0, b.image.data(), b.image.size()) == b.expectCrc;
            // The keyboard's own loader refuses firmware built for another model.
            if (!whole || !d || imageVersion(b.image, *d).empty()) {
                status = 2;
            } else if (fw.failures > 0) {
                --fw.failures;
                status = 2;
            } else {
                fw.haveImage = true;
                fw.size = uint32_t(b.image.size());
                fw.crc = b.expectCrc;
                fw.bootPath.clear();
                if (Device *d = w.find(b.keyboardPath)) {
                    const std::string version = imageVersion(b.image, *d);
                    {
                        d->firmwareVersion = version;
                        // The image's own build date and time, as it reports them.
                        const auto text = [&](size_t at, size_t n) {
                            const char *p = reinterpret_cast<const char *>(b.image.data() + at);
                            return std::string(p, strnlen(p, n));
                        };
                        d->buildDateTime = text(CVARDEX_FW_BIN_DATE_OFFSET, 12) + " " + text(CVARDEX_FW_BIN_TIME_OFFSET, 16);
                    }
                }
                returning = path;
                keyboardPath = b.keyboardPath;
            }
            b.started = false;
            if (status != 0)
                b.image.clear();
        } else {
            status = 1;
        }
        *in = answer(r, status);
        std::memcpy(in->data() + 8, identifyModel.data(), std::min<size_t>(identifyModel.size(), 32));
        w.logLine(path, '<', *in);
        if (!returning.empty())
            gBoots.erase(it);
    }
    if (!returning.empty())
        returnKeyboardLater(returning, keyboardPath);
    if (taken > 0)
        imageBytesTaken(taken);
    // Writing flash takes time: a whole image about a second and a half.
    std::this_thread::sleep_for(std::chrono::microseconds(kWriteMicros));
    return true;
}

} // namespace sim
} // namespace vardex

using namespace vardex::sim;

extern "C" {

int CVardexSim_SetFirmwareFailures(const char *path, int count)
{
    if (!path)
        return -1;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    if (!w.find(path))
        return -1;
    gFirmware[path].failures = count < 0 ? 0 : count;
    return 0;
}

int CVardexSim_GetFirmwareImage(const char *path, unsigned int *size, unsigned int *crc32)
{
    if (!path)
        return -1;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto it = gFirmware.find(path);
    if (it == gFirmware.end() || !it->second.haveImage)
        return -1;
    if (size)
        *size = it->second.size;
    if (crc32)
        *crc32 = it->second.crc;
    return 0;
}

int CVardexSim_GetBootloaderReportCount(const char *path)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto it = path ? gFirmware.find(path) : gFirmware.end();
    return it == gFirmware.end() ? 0 : it->second.reports;
}

int CVardexSim_GetBootloaderPath(const char *path, char *out, int outSize)
{
    if (!path || !out || outSize < 1)
        return -1;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto it = gFirmware.find(path);
    const std::string boot = it == gFirmware.end() ? std::string() : it->second.bootPath;
    std::snprintf(out, size_t(outSize), "%s", boot.c_str());
    return boot.empty() ? -1 : 0;
}

int CVardexSim_SetHostAlive(int alive)
{
    gHostAlive = alive != 0;
    if (!alive)
        dropHostHandles();
    return 0;
}

int CVardexSim_SetHostDeathAtImageBytes(long long bytes)
{
    gHostDeathAtBytes = bytes > 0 ? bytes : 0;
    return 0;
}

int CVardexSim_IsHostAlive() { return gHostAlive.load() ? 1 : 0; }

int CVardexSim_GetUpdateDrive(const char *path, char *out, int outSize)
{
    if (!path || !out || outSize < 1)
        return -1;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    std::string dir;
    for (const auto &drive : gDrives)
        if (drive.second == path)
            dir = drive.first;
    std::snprintf(out, size_t(outSize), "%s", dir.c_str());
    return dir.empty() ? -1 : 0;
}

int CVardexSim_UnplugBootloader(const char *path)
{
    if (!path)
        return -1;
    World &w = world();
    std::string boot;
    {
        std::lock_guard<std::mutex> lock(w.mu);
        auto it = gFirmware.find(path);
        if (it == gFirmware.end() || it->second.bootPath.empty())
            return -1;
        boot = it->second.bootPath;
        it->second.bootPath.clear();
        gBoots.erase(boot);
    }
    returnKeyboardLater(boot, path);
    return 0;
}

} // extern "C"
