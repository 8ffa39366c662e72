// driveUpdater.cpp - the updater of keyboards that enter update mode as a
// removable drive. Drive letters A..Z index the list of candidate drives:
// the mount points of removable drives that carry the identity file
// "VARDEXUP.ID" (or a list set by the caller, e.g. the simulator and tests).
//
// The identity file holds "key=value" lines: "model=<model code>" names the
// keyboard behind the drive; "query=<n>" and "upgrade=<n>" make the drive
// answer with that result (fault injection for the simulator), and
// "vanish=<percent>" makes the drive disappear at that point of a transfer;
// these three only while the simulated keyboard runs.
#include "vardexSdk.h"

#include <cerrno>
#include "simBootloader.h"
#include "simKeyboard.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct LoadedImage {
    bool valid = false;
    std::string identity;
    std::string version;
    uint16_t crc16 = 0;
    uint32_t crc32 = 0;
    std::vector<unsigned char> bytes; // the whole container, header included
};

std::mutex g_mu;
LoadedImage g_image;
bool g_haveCandidates = false;
std::vector<std::string> g_candidates;

const char kIdentityFile[] = "VARDEXUP.ID";
const char kImageFile[] = "FIRMWARE.UFW";

uint32_t le32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// An identity file is a few short lines; a larger one is read only this far,
// so a stray big file on a drive costs no more than this on each look-up.
constexpr std::size_t kMaxIdentityBytes = 4096;

std::map<std::string, std::string> readIdentity(const std::string &dir, bool *ok)
{
    std::map<std::string, std::string> out;
    *ok = false;
    // Non-blocking, and only a regular file: a FIFO in its place must not
    // hold the look-up.
    const int fd = ::open((dir + "/" + kIdentityFile).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return out;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return out;
    }
    std::string text(kMaxIdentityBytes, '\0');
    std::size_t have = 0;
    while (have < text.size()) {
        const ssize_t n = ::read(fd, &text[have], text.size() - have);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        have += std::size_t(n);
    }
    ::close(fd);
    text.resize(have);
    *ok = true;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string value = line.substr(eq + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' '))
            value.pop_back();
        out[line.substr(0, eq)] = value;
    }
    return out;
}

// Removable drives in update mode, in mount order.
std::vector<std::string> systemCandidates()
{
    std::vector<std::string> out;
    std::ifstream mounts("/proc/mounts");
    std::string device, dir, rest;
    while (mounts >> device >> dir && std::getline(mounts, rest)) {
        if (device.rfind("/dev/", 0) != 0)
            continue;
        bool ok = false;
        readIdentity(dir, &ok);
        if (ok)
            out.push_back(dir);
    }
    return out;
}

std::vector<std::string> candidates()
{
    {
        std::lock_guard<std::mutex> lock(g_mu);
        if (g_haveCandidates)
            return g_candidates;
    }
    // The simulated keyboards' drives stand in for the mounted ones.
    vardex::sim::initFromEnvironment();
    if (vardex::sim::enabled())
        return vardex::sim::drivePaths();
    return systemCandidates();
}

// The drive behind a letter, or empty.
std::string driveAt(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        return {};
    const auto list = candidates();
    const std::size_t index = static_cast<std::size_t>(letter - 'A');
    return index < list.size() ? list[index] : std::string();
}

// Fault injection is the simulated keyboard's: a real drive's identity file
// carrying such a key is not obeyed.
int injected(const std::map<std::string, std::string> &id, const char *key)
{
    if (!CVardexSim_IsEnabled())
        return 0;
    const auto it = id.find(key);
    return it == id.end() ? 0 : std::atoi(it->second.c_str());
}

} // namespace

void CVardexUpd_SetCandidateDrives(const char *const *dirs, int count)
{
    std::lock_guard<std::mutex> lock(g_mu);
    g_candidates.clear();
    g_haveCandidates = count >= 0;
    for (int i = 0; i < count; ++i)
        g_candidates.emplace_back(dirs[i] ? dirs[i] : "");
}

int CVardexUpd_LoadUfwData(const unsigned char *data, uint32_t size)
{
    LoadedImage image;
    // The library keeps its own copy: a caller's size is not taken on trust.
    if (!data || size < CVARDEX_UFW_HEADER_SIZE || size > CVARDEX_UFW_MAX_SIZE || std::memcmp(data, "VUFW", 4) != 0)
        return -3;
    if (le32(data + 4) != CVARDEX_UFW_FORMAT || le32(data + 40) != CVardexFw_Crc32(0, data, 40))
        return -3;
    const uint32_t payloadSize = le32(data + 28);
    if (payloadSize != size - CVARDEX_UFW_HEADER_SIZE)
        return -3;
    const unsigned char *payload = data + CVARDEX_UFW_HEADER_SIZE;
    image.crc32 = CVardexFw_Crc32(0, payload, payloadSize);
    image.crc16 = CVardexFw_Crc16(payload, payloadSize);
    if (image.crc32 != le32(data + 32) || image.crc16 != uint16_t(data[36] | data[37] << 8))
        return -3;
    image.identity.assign(reinterpret_cast<const char *>(data + 8), strnlen(reinterpret_cast<const char *>(data + 8), 16));
    image.version.assign(reinterpret_cast<const char *>(data + 24), strnlen(reinterpret_cast<const char *>(data + 24), 4));
    image.bytes.assign(data, data + size);
    image.valid = true;
    std::lock_guard<std::mutex> lock(g_mu);
    g_image = std::move(image);
    return 0;
}

int CVardexUpd_GetUfwCrc(uint16_t *crc16, uint32_t *crc32)
{
    std::lock_guard<std::mutex> lock(g_mu);
    if (!g_image.valid)
        return -10;
    if (crc16)
        *crc16 = g_image.crc16;
    if (crc32)
        *crc32 = g_image.crc32;
    return 0;
}

int CVardexUpd_GetUfwPidVid(char *identity, int identityCap, char *version, int versionCap)
{
    std::lock_guard<std::mutex> lock(g_mu);
    if (!g_image.valid)
        return -10;
    if (!identity || !version || identityCap <= int(g_image.identity.size()) || versionCap < 1)
        return -3;
    std::memset(identity, 0, size_t(identityCap));
    std::memcpy(identity, g_image.identity.data(), g_image.identity.size());
    std::memset(version, 0, size_t(versionCap));
    std::memcpy(version, g_image.version.data(), std::min<size_t>(g_image.version.size(), size_t(versionCap)));
    return 0;
}

int CVardexUpd_QueryDevicePidVid(char letter)
{
    const std::string dir = driveAt(letter);
    if (dir.empty())
        return -5;
    bool ok = false;
    const auto id = readIdentity(dir, &ok);
    if (!ok)
        return -5;
    if (const int forced = injected(id, "query"))
        return forced;
    std::lock_guard<std::mutex> lock(g_mu);
    // A drive of another model is not the keyboard being updated.
    if (g_image.valid && id.count("model") && id.at("model") != g_image.identity)
        return -5;
    return 0;
}

int CVardexUpd_UpgradeDevice(char letter, int verify, int reboot, CVardexUpdProgress progress)
{
    std::vector<unsigned char> bytes;
    {
        std::lock_guard<std::mutex> lock(g_mu);
        if (!g_image.valid)
            return -10;
        bytes = g_image.bytes;
    }
    const std::string dir = driveAt(letter);
    bool ok = false;
    const auto id = dir.empty() ? std::map<std::string, std::string>() : readIdentity(dir, &ok);
    if (!ok)
        return -5;
    if (const int forced = injected(id, "upgrade"))
        return forced;
    const int vanishAt = id.count("vanish") && CVardexSim_IsEnabled() ? injected(id, "vanish") : -1;
    const std::string target = dir + "/" + kImageFile;
    std::FILE *f = std::fopen(target.c_str(), "wb");
    if (!f)
        return -6;
    const std::size_t chunk = 64 * 1024;
    int lastPercent = -1;
    const bool simulated = vardex::sim::enabled();
    for (std::size_t done = 0; done < bytes.size();) {
        if (!vardex::sim::hostAlive()) {
            std::fclose(f);
            return -18;
        }
        // A simulated drive writes at the pace of a real one.
        if (simulated)
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
        std::size_t n = std::min(chunk, bytes.size() - done);
        // A test that kills the host at a byte count gets the drive written
        // up to exactly there.
        const long long deathAt = simulated ? vardex::sim::hostDeathAtImageBytes() : 0;
        if (deathAt > static_cast<long long>(done))
            n = std::min<std::size_t>(n, static_cast<std::size_t>(deathAt) - done);
        if (std::fwrite(bytes.data() + done, 1, n, f) != n) {
            std::fclose(f);
            return -6;
        }
        done += n;
        if (simulated)
            vardex::sim::imageBytesTaken(static_cast<long long>(done));
        const int percent = int(done * 100 / bytes.size());
        if (vanishAt >= 0 && percent >= vanishAt) {
            std::fclose(f);
            return -18;
        }
        if (progress && percent != lastPercent)
            progress(percent);
        lastPercent = percent;
    }
    if (std::fclose(f) != 0)
        return -6;
    if (verify) {
        std::ifstream back(target, std::ios::binary);
        std::vector<unsigned char> read((std::istreambuf_iterator<char>(back)), std::istreambuf_iterator<char>());
        if (read != bytes)
            return -9;
    }
    if (reboot) {
        // The keyboard restarts on its new firmware: the drive notes it.
        const std::string version(reinterpret_cast<const char *>(bytes.data() + 24),
                                  strnlen(reinterpret_cast<const char *>(bytes.data() + 24), 4));
        {
            std::ofstream done(dir + "/" + kIdentityFile, std::ios::app);
            done << "installed=" << version << "\n";
        }
        vardex::sim::driveInstalled(dir, version);
    }
    return 0;
}

int CVardexUpd_DriveModel(char letter, char *model, int cap)
{
    if (!model || cap < 1)
        return -3;
    model[0] = 0;
    const std::string dir = driveAt(letter);
    bool ok = false;
    const auto id = dir.empty() ? std::map<std::string, std::string>() : readIdentity(dir, &ok);
    const auto it = id.find("model");
    if (!ok || it == id.end())
        return -5;
    std::snprintf(model, size_t(cap), "%s", it->second.c_str());
    return 0;
}
