// The simulated keyboard's side of the light-sync stream: it decodes the
// switch (0x16), the colour chunks (0x0E), the receiver's state (0x28) and
// custom colours for slot 2 (0x08), keeps the last complete frame of each
// part and counts frames, so that the log can show rates instead of a line
// for each of the ~350 reports a second.
#include "simState.h"
#include "vardexSdk.h"

#include <cstdlib>
#include <cstring>
#include <map>

namespace vardex {
namespace sim {

namespace {

struct LightSyncState
{
    int synchronous = -1;
    int keyFrames = 0, sideFrames = 0, stateReports = 0, customChunks = 0;
    std::vector<uint8_t> keyBuilding = std::vector<uint8_t>(396, 0);
    std::vector<uint8_t> sideBuilding;
    std::vector<uint8_t> keyFrame, sideFrame;
    int sideChunksSeen = 0;
    uint8_t lastState[64] = {};
    // The current one-second window of the log summary.
    std::chrono::steady_clock::time_point windowStart{};
    int windowKeyFrames = 0, windowSideFrames = 0, windowStates = 0;
};

// Keyed by path: a device object may be replaced by a new scenario. Guarded by World::mu.
std::map<std::string, LightSyncState> &states()
{
    static std::map<std::string, LightSyncState> s;
    return s;
}

bool verboseLog()
{
    static const bool verbose = [] {
        const char *v = std::getenv("VARDEX_SIM_LOG_VERBOSE");
        return v && *v && std::strcmp(v, "0") != 0;
    }();
    return verbose;
}

void summarise(World &w, const std::string &path, LightSyncState &s)
{
    const auto now = std::chrono::steady_clock::now();
    if (s.windowStart == std::chrono::steady_clock::time_point{}) {
        s.windowStart = now;
        return;
    }
    if (now - s.windowStart < std::chrono::seconds(1))
        return;
    if (w.log) {
        const double secs = std::chrono::duration<double>(now - s.windowStart).count();
        const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - w.start).count();
        std::fprintf(w.log, "%lld %s = light-sync on %d key-frames/s %.1f side-frames/s %.1f state-reports/s %.1f\n",
                     ms, path.c_str(), s.synchronous, s.windowKeyFrames / secs, s.windowSideFrames / secs,
                     s.windowStates / secs);
        std::fflush(w.log);
    }
    s.windowStart = now;
    s.windowKeyFrames = s.windowSideFrames = s.windowStates = 0;
}

void takeColourChunk(LightSyncState &s, const Device &d, const Report &r)
{
    const int part = r[2];
    const int chunk = r[4];
    const int n = std::min<int>(r[5], 58);
    const int offset = chunk * 54;
    if (part == 0) {
        for (int i = 0; i < n && offset + i < 396; ++i)
            s.keyBuilding[std::size_t(offset + i)] = r[6 + std::size_t(i)];
        if (chunk == 7) {
            s.keyFrame = s.keyBuilding;
            ++s.keyFrames;
            ++s.windowKeyFrames;
        }
    } else if (part == 1) {
        if (chunk == 0)
            s.sideBuilding.clear();
        if (static_cast<int>(s.sideBuilding.size()) != offset)
            return; // a chunk went missing: this frame is incomplete
        s.sideBuilding.insert(s.sideBuilding.end(), r.begin() + 6, r.begin() + 6 + n);
        // The last chunk is the short one: no model has a multiple of 18 side LEDs.
        if (n < 54) {
            s.sideFrame = s.sideBuilding;
            ++s.sideFrames;
            ++s.windowSideFrames;
        }
    }
    (void)d;
}

} // namespace

bool observeLightSync(World &w, Device &d, const Report &r)
{
    const uint8_t code = r[1];
    if (code != 0x16 && code != 0x0E && code != 0x28 && !(code == 0x08 && r[2] == 2))
        return true;
    LightSyncState &s = states()[d.path];
    switch (code) {
    case 0x16:
        s.synchronous = r[6];
        break;
    case 0x0E:
        takeColourChunk(s, d, r);
        break;
    case 0x28:
        ++s.stateReports;
        ++s.windowStates;
        std::copy(r.begin(), r.begin() + 64, s.lastState);
        break;
    default: // 0x08 slot 2
        ++s.customChunks;
        break;
    }
    summarise(w, d.path, s);
    return verboseLog() || (code != 0x0E && code != 0x28);
}

} // namespace sim
} // namespace vardex

using namespace vardex::sim;

extern "C" {

int CVardexSim_GetLightSync(const char *path, CVardexSimLightSync *out)
{
    if (!path || !out)
        return -1;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    if (!w.find(path))
        return -1;
    const LightSyncState &s = states()[path];
    out->synchronous = s.synchronous;
    out->keyFrames = s.keyFrames;
    out->sideFrames = s.sideFrames;
    out->stateReports = s.stateReports;
    out->customChunks = s.customChunks;
    std::memcpy(out->lastState, s.lastState, 64);
    return 0;
}

int CVardexSim_GetLightSyncFrame(const char *path, int part, unsigned char *buffer, int size)
{
    if (!path || !buffer || size <= 0)
        return 0;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    if (!w.find(path))
        return 0;
    const LightSyncState &s = states()[path];
    const std::vector<uint8_t> &frame = part == 0 ? s.keyFrame : s.sideFrame;
    const int n = std::min<int>(size, static_cast<int>(frame.size()));
    std::memcpy(buffer, frame.data(), std::size_t(n));
    return n;
}

} // extern "C"
