// bootloaderApi.cpp - the host side of the bootloader road: finding and
// opening bootloader devices (hidapi, or the simulated bootloaders) and
// sending an image through the framed bootloader protocol.
#include "vardexSdk.h"

#include "deviceTable.h"
#include "sdkArgs.h"
#include "simBootloader.h"
#include "simKeyboard.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>

using namespace vardex;

namespace {

// A bootloader answers each report at once; silence this long means it left.
constexpr int kAnswerTimeoutMs = 2000;

struct BootHandle {
    std::string path;
    bool sim = false;
    hid_device *dev = nullptr;
    std::atomic<bool> dropped{false};
};

std::mutex gMu;
std::map<int, std::shared_ptr<BootHandle>> gHandles;
int gNext = 0;

bool simMode()
{
    sim::initFromEnvironment();
    return sim::enabled();
}

std::shared_ptr<BootHandle> find(int handle)
{
    std::lock_guard<std::mutex> lock(gMu);
    auto it = gHandles.find(handle);
    return it == gHandles.end() ? nullptr : it->second;
}

void putLe32(uint8_t *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool containsNoCase(const std::string &text, const char *needle)
{
    std::string a(text), b(needle);
    for (char &c : a)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (char &c : b)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return a.find(b) != std::string::npos;
}

// One report and its answer; false when the bootloader is gone or silent.
bool exchange(BootHandle &h, const sim::Report &out, sim::Report *in)
{
    if (h.dropped)
        return false;
    if (h.sim)
        return sim::bootExchange(h.path, out, in);
    if (hid_write(h.dev, out.data(), out.size()) < 0)
        return false;
    unsigned char buf[65];
    for (;;) {
        const int n = hid_read_timeout(h.dev, buf, sizeof buf, kAnswerTimeoutMs);
        if (n <= 0)
            return false;
        if (buf[0] == CVARDEX_BOOT_REPORT && buf[1] == (out[1] | 0x80)) {
            in->fill(0);
            std::memcpy(in->data(), buf, std::min<size_t>(size_t(n), in->size()));
            return true;
        }
    }
}

// 0, -1 gone, -3 refused.
int send(BootHandle &h, const sim::Report &out)
{
    sim::Report in{};
    if (!exchange(h, out, &in))
        return -1;
    return in[2] == 0 ? 0 : -3;
}

} // namespace

bool CVardexHid_IsBootloaderPath(const char *path)
{
    if (!path)
        return false;
    const std::string p(path);
    for (std::size_t i = 0; i < bootloaderIdCount(); ++i) {
        char vid[8], pid[8];
        std::snprintf(vid, sizeof vid, "%04x", bootloaderId(i).vid);
        std::snprintf(pid, sizeof pid, "%04x", bootloaderId(i).pid);
        if (containsNoCase(p, vid) && containsNoCase(p, pid))
            return true;
    }
    return false;
}

int CVardexHid_GetBootloaderList(std::list<std::string> &paths)
{
    int n = 0;
    if (simMode()) {
        for (const std::string &p : sim::bootPaths()) {
            paths.push_back(p);
            ++n;
        }
        return n;
    }
    if (hid_init() != 0)
        return 0;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < bootloaderIdCount(); ++i) {
        hid_device_info *list = hid_enumerate(bootloaderId(i).vid, bootloaderId(i).pid);
        for (hid_device_info *d = list; d; d = d->next) {
            if (d->path && seen.insert(d->path).second) {
                paths.push_back(d->path);
                ++n;
            }
        }
        hid_free_enumeration(list);
    }
    return n;
}

int CVardexHid_OpenBootloader(const char *path)
{
    std::string p;
    if (!readPath(path, p))
        return 0;
    auto h = std::make_shared<BootHandle>();
    h->path = p;
    if (simMode()) {
        if (!sim::isBootPath(p) || !sim::hostAlive())
            return 0;
        const auto present = sim::bootPaths();
        if (std::find(present.begin(), present.end(), p) == present.end())
            return 0;
        h->sim = true;
    } else {
        if (hid_init() != 0)
            return 0;
        h->dev = hid_open_path(p.c_str());
        if (!h->dev)
            return 0;
    }
    std::lock_guard<std::mutex> lock(gMu);
    do {
        gNext = gNext == 0x7FFFFFFF ? 1 : gNext + 1;
    } while (gHandles.count(gNext));
    gHandles[gNext] = h;
    return gNext;
}

void CVardexHid_CloseBootloader(int handle)
{
    std::shared_ptr<BootHandle> h;
    {
        std::lock_guard<std::mutex> lock(gMu);
        auto it = gHandles.find(handle);
        if (it == gHandles.end())
            return;
        h = it->second;
        gHandles.erase(it);
    }
    if (h->dev)
        hid_close(h->dev);
}

int CVardexHid_BootloaderModel(int handle, char *model, int cap)
{
    if (!model || cap < 1)
        return -1;
    model[0] = 0;
    auto h = find(handle);
    if (!h)
        return -1;
    sim::Report r{}, in{};
    r[0] = CVARDEX_BOOT_REPORT;
    r[1] = CVARDEX_BOOT_IDENTIFY;
    if (!exchange(*h, r, &in) || in[2] != 0)
        return -1;
    const char *text = reinterpret_cast<const char *>(in.data() + 8);
    const size_t n = std::min<size_t>(strnlen(text, 32), size_t(cap - 1));
    std::memcpy(model, text, n);
    model[n] = 0;
    return n ? 0 : -1;
}

int CVardexHid_FirmwareUpgrade(int handle, const char *imagePath, uint32_t size, int, int,
                               CVardexBootProgress progress)
{
    auto h = find(handle);
    if (!h)
        return -1;
    // The whole file is judged before the keyboard hears of it: a damaged
    // image written to flash would leave the keyboard without firmware.
    std::vector<uint8_t> image;
    if (int rc = CVardexFw_ReadImageFile(imagePath, size_t(CVARDEX_BOOT_MAX_IMAGE) + CVARDEX_FW_BIN_SEAL_SIZE, image))
        return rc;
    char model[33];
    if (CVardexHid_BootloaderModel(handle, model, sizeof model) != 0)
        return -1;
    size_t imageSize = 0;
    if (int rc = CVardexFw_CheckBin(image.data(), image.size(), model, &imageSize))
        return rc;
    if (size != 0 && imageSize > size)
        return CVARDEX_FW_TOO_LARGE;
    image.resize(imageSize);

    const uint32_t total = uint32_t(image.size());
    sim::Report r{};
    r[0] = CVARDEX_BOOT_REPORT;
    r[1] = CVARDEX_BOOT_START;
    putLe32(r.data() + 2, total);
    putLe32(r.data() + 6, CVardexFw_Crc32(0, image.data(), image.size()));
    if (int rc = send(*h, r))
        return rc;
    if (progress)
        progress(int(total), 0);
    for (uint32_t offset = 0; offset < total;) {
        const uint32_t count = std::min<uint32_t>(CVARDEX_BOOT_CHUNK, total - offset);
        r.fill(0);
        r[0] = CVARDEX_BOOT_REPORT;
        r[1] = CVARDEX_BOOT_DATA;
        putLe32(r.data() + 2, offset);
        r[6] = static_cast<uint8_t>(count);
        std::memcpy(r.data() + 8, image.data() + offset, count);
        if (int rc = send(*h, r))
            return rc;
        offset += count;
        if (progress)
            progress(int(total), int(offset));
    }
    r.fill(0);
    r[0] = CVARDEX_BOOT_REPORT;
    r[1] = CVARDEX_BOOT_FINISH;
    return send(*h, r);
}

namespace vardex {
namespace sim {

void dropHostHandles()
{
    // As when the host process dies: its handles are gone, the transfer it
    // was making stops at the next report.
    std::lock_guard<std::mutex> lock(gMu);
    for (auto it = gHandles.begin(); it != gHandles.end();) {
        if (it->second->sim) {
            it->second->dropped = true;
            it = gHandles.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace sim
} // namespace vardex
