// simLight.cpp - the simulated keyboard's light settings: decoding and keeping
// the light-mode and custom-light reports, answering inquiries, a readable
// log line per change, and the memory file that outlives the program.
#include "simLight.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace vardex {
namespace sim {
namespace {

const int kChunkKeys = 18;
const int kChunkCount = 8;
const std::size_t kCustomBytes = 396; // 132 keys x RGB
const int kLiveSlot = 2; // not remembered: the program sends it again

std::string hexOf(const uint8_t *bytes, std::size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out.push_back(digits[bytes[i] >> 4]);
        out.push_back(digits[bytes[i] & 15]);
    }
    return out;
}

bool fromHex(const std::string &text, uint8_t *bytes, std::size_t n)
{
    if (text.size() != 2 * n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        unsigned v = 0;
        if (std::sscanf(text.c_str() + 2 * i, "%2x", &v) != 1)
            return false;
        bytes[i] = static_cast<uint8_t>(v);
    }
    return true;
}

// A line a person can read beside the raw report in the log.
void logNote(World &w, const Device &d, const std::string &note)
{
    if (!w.log)
        return;
    const long long ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - w.start).count();
    std::fprintf(w.log, "%lld %s # %s\n", ms, d.path.c_str(), note.c_str());
    std::fflush(w.log);
}

std::string describeLight(const char *part, const std::array<uint8_t, 13> &p)
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "%s light: effect %u brightness %u speed %u top %02x%02x%02x bottom %02x%02x%02x "
                  "direction %u full-colour %u extra %u",
                  part, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11]);
    return text;
}

std::string memoryFile(const Device &d)
{
    const char *dir = std::getenv("VARDEX_SIM_MEMORY");
    if (!dir || !*dir)
        return std::string();
    std::string name;
    for (char c : d.path)
        name.push_back((std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.') ? c : '_');
    return std::string(dir) + "/" + name + ".light";
}

} // namespace

void handleLightReport(World &w, Device &d, const Report &r, const std::function<void(const Report &)> &reply)
{
    const uint8_t code = r[1];
    if (code == 0x06 || code == 0x07) {
        auto &payload = code == 0x06 ? d.keyLight : d.sideLight;
        if (r[2] == 1) {
            reply(lightConfigReport(code == 0x06 ? 0x07 : 0x08, payload));
        } else if (r[2] == 0) {
            // Bytes 6..17 are the configuration; what follows (the clock) is not kept.
            std::copy(r.begin() + 6, r.begin() + 18, payload.begin());
            payload[12] = 0;
            logNote(w, d, describeLight(code == 0x06 ? "keys" : "side", payload));
            saveLightMemory(d);
        }
        return;
    }
    if (code == 0x08) {
        const int slot = r[2];
        const int chunk = r[4];
        const int count = r[5];
        // Slots 0 and 1 are the keyboard's stored custom lights; through a
        // receiver, slot 2 carries the colours the program shows live. A
        // chunk outside the 8 x 18 keys, a slot the keyboard does not have
        // or a length that is no whole number of keys changes nothing.
        const int lastSlot = d.receiver ? kLiveSlot : 1;
        if (slot > lastSlot || chunk >= kChunkCount || count % 3 != 0 || count > kChunkKeys * 3) {
            logNote(w, d, "custom light: malformed chunk ignored");
            return;
        }
        auto &colours = d.customLights[slot];
        const std::size_t offset = static_cast<std::size_t>(chunk) * kChunkKeys * 3;
        for (int i = 0; i < count && offset + i < colours.size(); ++i)
            colours[offset + i] = r[6 + i];
        if (slot != kLiveSlot)
            d.customSlot = slot;
        char note[96];
        std::snprintf(note, sizeof note, "custom light slot %d chunk %d: %d keys, first %02x%02x%02x", slot,
                      chunk, count / 3, r[6], r[7], r[8]);
        logNote(w, d, note);
        if (chunk == kChunkCount - 1 && slot != kLiveSlot)
            saveLightMemory(d);
    }
}

void saveLightMemory(const Device &d)
{
    const std::string file = memoryFile(d);
    if (file.empty())
        return;
    std::ostringstream out;
    out << "keyLight " << hexOf(d.keyLight.data(), d.keyLight.size()) << "\n";
    out << "sideLight " << hexOf(d.sideLight.data(), d.sideLight.size()) << "\n";
    out << "customSlot " << d.customSlot << "\n";
    for (const auto &slot : d.customLights)
        if (slot.first != kLiveSlot)
            out << "custom " << slot.first << " " << hexOf(slot.second.data(), slot.second.size()) << "\n";
    // Written whole beside the file, then renamed over it.
    const std::string temp = file + ".tmp";
    {
        std::ofstream f(temp, std::ios::trunc);
        if (!f)
            return;
        f << out.str();
        if (!f.flush())
            return;
    }
    std::rename(temp.c_str(), file.c_str());
}

void loadLightMemory(Device &d)
{
    const std::string file = memoryFile(d);
    if (file.empty())
        return;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "keyLight" || key == "sideLight") {
            std::string hex;
            fields >> hex;
            std::array<uint8_t, 13> payload{};
            if (fromHex(hex, payload.data(), payload.size()))
                (key == "keyLight" ? d.keyLight : d.sideLight) = payload;
        } else if (key == "customSlot") {
            int slot = 0;
            if (fields >> slot && (slot == 0 || slot == 1))
                d.customSlot = slot;
        } else if (key == "custom") {
            int slot = -1;
            std::string hex;
            std::array<uint8_t, kCustomBytes> colours{};
            if (fields >> slot >> hex && (slot == 0 || slot == 1) && fromHex(hex, colours.data(), colours.size()))
                d.customLights[slot] = colours;
        }
    }
}

} // namespace sim
} // namespace vardex
