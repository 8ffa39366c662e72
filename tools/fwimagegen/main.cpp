// fwimagegen - writes the firmware images embedded in the tool: "Torvi.bin"
// (bootloader road, identity block inside the image, sealed with its size
// and CRC-32 so that a cut or damaged file is never sent) and "Quendo.ufw"
// (drive road container). The bodies are deterministic filler: the tool
// only carries them to the keyboard and checks what arrived.
//
// usage: vardex-fwimagegen <output folder>
#include "vardexSdk.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Firmware identities and versions of the images.
const char kTorviIdentity[] = "NUC,01,KB,VD,Torvi,V1.0.10";
const char kTorviDate[] = "Mar 14 2025";
const char kTorviTime[] = "09:41:27";
const std::size_t kTorviSize = 522240;
const char kQuendoIdentity[] = "Quendo";
const char kQuendoVersion[] = "V1.1";
const std::size_t kQuendoSize = 1051104;

void fill(std::vector<unsigned char> &bytes, uint32_t seed)
{
    uint32_t x = seed;
    for (unsigned char &b : bytes) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<unsigned char>(x >> 24);
    }
}

bool writeFile(const std::string &path, const std::vector<unsigned char> &bytes)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "fwimagegen: cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

void putText(std::vector<unsigned char> &bytes, std::size_t offset, std::size_t field, const char *text)
{
    std::memset(bytes.data() + offset, 0, field);
    std::memcpy(bytes.data() + offset, text, std::strlen(text));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];

    std::vector<unsigned char> bin(kTorviSize);
    fill(bin, 0x70727669u);
    putText(bin, CVARDEX_FW_BIN_DATE_OFFSET, 12, kTorviDate);
    putText(bin, CVARDEX_FW_BIN_TIME_OFFSET, 16, kTorviTime);
    putText(bin, CVARDEX_FW_BIN_IDENTITY_OFFSET, CVARDEX_FW_BIN_IDENTITY_SIZE, kTorviIdentity);
    unsigned char seal[CVARDEX_FW_BIN_SEAL_SIZE];
    if (CVardexFw_MakeBinSeal(bin.data(), static_cast<uint32_t>(bin.size()), seal) != 0)
        return 1;
    bin.insert(bin.end(), seal, seal + sizeof seal);
    if (!writeFile(dir + "/Torvi.bin", bin))
        return 1;

    std::vector<unsigned char> ufw(kQuendoSize);
    std::vector<unsigned char> payload(kQuendoSize - CVARDEX_UFW_HEADER_SIZE);
    fill(payload, 0x71756e64u);
    if (CVardexFw_MakeUfwHeader(kQuendoIdentity, kQuendoVersion, payload.data(),
                                static_cast<uint32_t>(payload.size()), ufw.data()) != 0)
        return 1;
    std::memcpy(ufw.data() + CVARDEX_UFW_HEADER_SIZE, payload.data(), payload.size());
    return writeFile(dir + "/Quendo.ufw", ufw) ? 0 : 1;
}
