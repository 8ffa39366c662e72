// simOnboard.cpp - the onboard memory of a simulated keyboard. It keeps what
// the host's 0x17 pages and 0x18 pieces write, acknowledges every piece with
// 0x19 as the keyboard does, reports the download's outcome in its status
// report, and lets tests and scenarios spoil that exchange on purpose.
#include "simOnboard.h"
#include "simState.h"

#include "sdkArgs.h"
#include "vardexSdk.h"

#include <cjson/cJSON.h>

#include <algorithm>
#include <cstring>

namespace vardex {
namespace sim {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSlots = 10;
constexpr int kPieces = 5;
constexpr int kPieceBytes = 58;
constexpr int kLastPieceBytes = 24;
constexpr int kPageEntries = 14;
constexpr int kMaxQuietMs = 600000;

char hexDigit(int v) { return "0123456789abcdef"[v & 15]; }

std::string hex2(uint8_t v)
{
    return {hexDigit(v >> 4), hexDigit(v)};
}

std::string describeEntry(const std::array<uint8_t, 4> &e)
{
    const uint8_t k = e[0];
    switch (k) {
    case 0x00: return e[1] == 0 ? "none" : "key " + hex2(e[1]);
    case 0x01: return "fn";
    case 0x07: return "media " + hex2(e[1]);
    case 0x09: return "light-record";
    case 0x10: return "macro slot " + std::to_string(e[2]);
    case 0x11: return "function " + hex2(e[1]) + " " + hex2(e[2]) + " " + hex2(e[3]);
    case 0x12: return std::string(e[1] ? "scroll " : "mouse ") + hex2(e[2]);
    case 0x13: return "combo " + hex2(e[1]) + " " + hex2(e[2]) + " " + hex2(e[3]);
    case 0x14: return "special";
    case 0x16: return "host key " + hex2(e[3]);
    default: break;
    }
    if ((k >= 0x02 && k <= 0x06) || k == 0x08)
        return "light " + hex2(k) + " " + hex2(e[1]);
    if (k >= 0x0A && k <= 0x0D)
        return "side " + hex2(k) + " " + hex2(e[1]);
    return "raw " + hex2(e[0]) + hex2(e[1]) + hex2(e[2]) + hex2(e[3]);
}

std::string describeMacro(const std::array<uint8_t, 256> &image)
{
    const int events = image[3] / 4;
    bool empty = std::all_of(image.begin(), image.end(), [](uint8_t b) { return b == 0; });
    if (empty)
        return "empty";
    std::string text = "mode " + std::to_string(image[1] + 1) + " plays " + std::to_string(image[5]) + ", " +
                       std::to_string(events) + " events";
    for (int i = 0; i < events && 8 + 4 * i + 3 < 256; ++i) {
        const uint8_t *e = image.data() + 8 + 4 * i;
        const bool mouse = (e[1] & 0x0F) == 1;
        text += i == 0 ? ": " : ", ";
        text += std::string(mouse ? "mouse " : "key ") + hex2(e[0]) + ((e[1] & 0x10) ? " down" : " up") + " +" +
                std::to_string((e[2] << 8) | e[3]) + "ms";
    }
    return text;
}

std::vector<std::string> describeLines(const OnboardState &s)
{
    std::vector<std::string> lines;
    for (const auto &layer : s.keyPages) {
        for (const auto &page : layer.second) {
            std::string line = "onboard layer " + std::to_string(layer.first) + " page " +
                               std::to_string(page.first) + " (" + std::to_string(page.second.size()) + " keys):";
            for (std::size_t i = 0; i < page.second.size(); ++i)
                line += (i == 0 ? " " : " | ") + describeEntry(page.second[i]);
            lines.push_back(line);
        }
    }
    for (const auto &slot : s.macros)
        lines.push_back("onboard macro slot " + std::to_string(slot.first) + ": " + describeMacro(slot.second));
    return lines;
}

void logDecoded(World &w, const Device &d)
{
    if (!w.log)
        return;
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - w.start).count();
    for (const std::string &line : describeLines(d.onboard))
        std::fprintf(w.log, "%lld %s # %s\n", ms, d.path.c_str(), line.c_str());
    std::fflush(w.log);
}

Device *otherOpenKeyboard(World &w, const Device &d)
{
    for (auto &o : w.devices)
        if (o.get() != &d && o->plugged && w.openHandles(*o) > 0)
            return o.get();
    return nullptr;
}

// Ends the download under way: the status report, then the decoded log.
void reportOutcome(World &w, Device &d, bool live, int delayMs)
{
    OnboardState &s = d.onboard;
    s.pending = false;
    const int status = s.faults.status != 0 ? s.faults.status : (s.malformed ? 2 : 1);
    s.lastStatus = std::max(0, status);
    ++s.downloadsEnded;
    // Due together with the status report: the worker's pass that delivers
    // the report writes the decoded lines right after it, before a host
    // that saw the report can act on it.
    s.decodedLogDue = true;
    s.decodedLogAt = Clock::now() + std::chrono::milliseconds(delayMs);
    if (live && status > 0) {
        d.downloadStatus = status;
        s.decodedLogAt = w.schedule(d, statusReport(d), delayMs);
        d.downloadStatus = 0;
    }
}

void keyPage(OnboardState &s, const Report &r)
{
    const int layer = r[2];
    const int page = r[4];
    const int bytes = r[5];
    if ((layer != 0 && layer != 2) || bytes > 4 * kPageEntries || bytes % 4 != 0) {
        s.malformed = true;
        return;
    }
    if (page == 0) {
        if (layer == 0) { // a new download
            s.fnSeen = false;
            s.malformed = false;
        }
        s.keyPages[layer].clear();
    }
    if (layer == 2)
        s.fnSeen = true;
    std::vector<std::array<uint8_t, 4>> entries(static_cast<std::size_t>(bytes / 4));
    for (std::size_t i = 0; i < entries.size(); ++i)
        std::copy(r.begin() + 6 + 4 * i, r.begin() + 10 + 4 * i, entries[i].begin());
    s.keyPages[layer][page] = entries;
    ++s.keyPagesReceived;
}

// Stores a piece; false when it is not one a keyboard can take.
bool macroPiece(OnboardState &s, const Report &r)
{
    const int slot = r[2];
    const int piece = r[4];
    if (slot >= kSlots || piece >= kPieces || r[5] != (piece < kPieces - 1 ? kPieceBytes : kLastPieceBytes)) {
        s.malformed = true;
        return false;
    }
    auto it = s.macros.find(slot);
    if (it == s.macros.end())
        it = s.macros.emplace(slot, std::array<uint8_t, 256>{}).first;
    std::copy(r.begin() + 6, r.begin() + 6 + r[5], it->second.begin() + piece * kPieceBytes);
    return true;
}

} // namespace

void onboardHostReport(World &w, Device &d, const Report &r)
{
    OnboardState &s = d.onboard;
    s.pending = true;
    s.lastWrite = Clock::now();
    w.workCv.notify_all();
    if (r[1] == 0x17) {
        keyPage(s, r);
        return;
    }

    ++s.macroPiecesReceived;
    const bool repeated = r == s.lastPiece;
    if (repeated)
        ++s.macroPiecesRepeated;
    s.lastPiece = r;
    const bool stored = macroPiece(s, r);

    const int n = s.piecesCounted++;
    Report ack{};
    ack[0] = 0x01;
    ack[1] = 0x19;
    const int delay = d.replyDelayMs + d.ackDelayMs;
    if (d.dropAcks || n == s.faults.dropAckOfPiece) {
        if (n == s.faults.dropAckOfPiece)
            s.faults.dropAckOfPiece = -1;
        ++s.acksWithheld;
    } else if (n == s.faults.foreignAckOfPiece) {
        s.faults.foreignAckOfPiece = -1;
        if (Device *other = otherOpenKeyboard(w, d)) {
            w.schedule(*other, ack, delay);
            ++s.acksSentElsewhere;
        }
    } else {
        w.schedule(d, ack, delay);
        ++s.acksSent;
    }
    // Piece 4 of slot 9 closes a download once the FN layer has come: the
    // host clears the free slots up to the last one after both tables.
    // A resend of that piece closes nothing more.
    if (stored && !repeated && r[2] == kSlots - 1 && r[4] == kPieces - 1 && s.fnSeen)
        reportOutcome(w, d, w.openHandles(d) > 0, delay);
}

void onboardTick(World &w, Device &d, bool live, Clock::time_point now, Clock::time_point *wake)
{
    OnboardState &s = d.onboard;
    // The decoded tables follow the status report in the log.
    if (s.decodedLogDue && now >= s.decodedLogAt) {
        s.decodedLogDue = false;
        logDecoded(w, d);
    } else if (s.decodedLogDue) {
        *wake = std::min(*wake, s.decodedLogAt);
    }
    if (!s.pending)
        return;
    const auto due = s.lastWrite + std::chrono::milliseconds(s.faults.quietMs);
    if (now >= due) {
        reportOutcome(w, d, live, 0);
        *wake = std::min(*wake, s.decodedLogAt);
    } else {
        *wake = std::min(*wake, due);
    }
}

bool onboardSetFault(Device &d, int fault, int value)
{
    OnboardFaults &f = d.onboard.faults;
    switch (fault) {
    case SIM_FAULT_ONBOARD_DROP_ACK:
        f.dropAckOfPiece = std::max(-1, value);
        break;
    case SIM_FAULT_ONBOARD_FOREIGN_ACK:
        f.foreignAckOfPiece = std::max(-1, value);
        break;
    case SIM_FAULT_ONBOARD_STATUS:
        if (value < -1 || value > 255)
            return false;
        f.status = value;
        return true;
    case SIM_FAULT_ONBOARD_QUIET_MS:
        if (value < 1 || value > kMaxQuietMs)
            return false;
        f.quietMs = value;
        return true;
    default:
        return false;
    }
    d.onboard.piecesCounted = 0;
    return true;
}

bool readOnboardScenario(const cJSON *obj, Device &d, std::string *error)
{
    struct Key
    {
        const char *name;
        int min, max;
        int *target;
    };
    int dropAcks = d.dropAcks ? 1 : 0;
    const Key keys[] = {
        {"dropAcks", 0, 1, &dropAcks},
        {"ackDelayMs", 0, 60000, &d.ackDelayMs},
        {"onboardDropAck", -1, 1000000, &d.onboard.faults.dropAckOfPiece},
        {"onboardForeignAck", -1, 1000000, &d.onboard.faults.foreignAckOfPiece},
        {"onboardStatus", -1, 255, &d.onboard.faults.status},
        {"onboardQuietMs", 1, kMaxQuietMs, &d.onboard.faults.quietMs},
    };
    for (const Key &key : keys) {
        const cJSON *item = cJSON_GetObjectItemCaseSensitive(obj, key.name);
        if (!item)
            continue;
        const bool isBool = cJSON_IsBool(item);
        if (!isBool && (!cJSON_IsNumber(item) || item->valuedouble < key.min || item->valuedouble > key.max)) {
            *error = std::string("\"") + key.name + "\" must be a number from " + std::to_string(key.min) + " to " +
                     std::to_string(key.max);
            return false;
        }
        *key.target = isBool ? (cJSON_IsTrue(item) ? 1 : 0) : item->valueint;
    }
    d.dropAcks = dropAcks != 0;
    return true;
}

} // namespace sim
} // namespace vardex

// --- control calls ----------------------------------------------------------

using namespace vardex::sim;

namespace {

template <typename Fn>
int withOnboard(const char *path, Fn fn)
{
    if (!path)
        return -1;
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    Device *d = w.find(path);
    return d ? fn(*d) : -1;
}

} // namespace

extern "C" {

int CVardexSim_GetKeyTable(const char *path, int layer, unsigned char *buffer, int capacity)
{
    return withOnboard(path, [&](Device &d) {
        auto it = d.onboard.keyPages.find(layer);
        if (it == d.onboard.keyPages.end())
            return 0;
        // Pages in page order at 56 bytes each; a page not held reads as zeros.
        std::vector<uint8_t> table;
        for (const auto &page : it->second) {
            const std::size_t offset = static_cast<std::size_t>(page.first) * 4 * kPageEntries;
            table.resize(std::max(table.size(), offset + 4 * page.second.size()), 0);
            for (std::size_t i = 0; i < page.second.size(); ++i)
                std::copy(page.second[i].begin(), page.second[i].end(), table.begin() + offset + 4 * i);
        }
        const int n = std::min<int>(static_cast<int>(table.size()), std::max(0, capacity));
        if (buffer && n > 0)
            std::memcpy(buffer, table.data(), static_cast<std::size_t>(n));
        return static_cast<int>(table.size());
    });
}

int CVardexSim_GetMacroSlot(const char *path, int slot, unsigned char *buffer256)
{
    return withOnboard(path, [&](Device &d) {
        auto it = d.onboard.macros.find(slot);
        if (it == d.onboard.macros.end())
            return 0;
        if (buffer256)
            std::memcpy(buffer256, it->second.data(), it->second.size());
        return static_cast<int>(it->second.size());
    });
}

int CVardexSim_GetOnboardInfo(const char *path, CVardexSimOnboardInfo *info)
{
    if (!info)
        return -1;
    return withOnboard(path, [&](Device &d) {
        const OnboardState &s = d.onboard;
        std::memset(info, 0, sizeof *info);
        info->keyPagesReceived = s.keyPagesReceived;
        info->macroPiecesReceived = s.macroPiecesReceived;
        info->macroPiecesRepeated = s.macroPiecesRepeated;
        info->acksSent = s.acksSent;
        info->acksWithheld = s.acksWithheld;
        info->acksSentElsewhere = s.acksSentElsewhere;
        info->downloadsEnded = s.downloadsEnded;
        info->lastStatus = s.lastStatus;
        for (int i = 0; i < 2; ++i) {
            auto it = s.keyPages.find(i * 2);
            info->keyPages[i] = it == s.keyPages.end() ? 0 : static_cast<int>(it->second.size());
        }
        return 0;
    });
}

int CVardexSim_GetKeyPage(const char *path, int layer, int page, unsigned char *entries56)
{
    return withOnboard(path, [&](Device &d) {
        auto layerIt = d.onboard.keyPages.find(layer);
        if (layerIt == d.onboard.keyPages.end())
            return -1;
        auto pageIt = layerIt->second.find(page);
        if (pageIt == layerIt->second.end())
            return -1;
        if (entries56)
            for (std::size_t i = 0; i < pageIt->second.size(); ++i)
                std::memcpy(entries56 + 4 * i, pageIt->second[i].data(), 4);
        return static_cast<int>(pageIt->second.size());
    });
}

int CVardexSim_DescribeOnboard(const char *path, char *text, int capacity)
{
    return withOnboard(path, [&](Device &d) {
        std::string all;
        for (const std::string &line : describeLines(d.onboard))
            all += line + "\n";
        if (text && capacity > 0)
            vardex::copyText(text, static_cast<std::size_t>(capacity), all);
        return static_cast<int>(all.size());
    });
}

int CVardexSim_ClearOnboard(const char *path)
{
    return withOnboard(path, [&](Device &d) {
        d.onboard = OnboardState();
        return 0;
    });
}

} // extern "C"
