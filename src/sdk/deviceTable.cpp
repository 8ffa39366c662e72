// deviceTable.cpp - the supported keyboards. Also compiled on its own, with
// VARDEX_UDEV_RULES_GENERATOR defined, into the build-time program that
// writes the udev rules, so the rules can never drift from this table.
#include "deviceTable.h"

#include <cstdio>

namespace vardex {
namespace {

// Key counts and side-light segments follow the shipped layout files; the
// keyboard-view tests check that every row here has a layout that agrees.
// Product ids: 0xC1nn on the cable, 0xD1nn behind the receiver (our choice,
// see kVendorId).
const DeviceModel kModels[] = {
    // code      keys side seg  leds type  product    display               cable   receiver
    {"Mirvan",   104,  0,       33,  2,    "Vardex", "Mirvan 104",          0xC101, 0xD101},
    {"Pasko",     91,  0,       45,  3,    "Vardex", "Pasko 87",            0xC102, 0xD102},
    {"Tuvel",     87,  0,       45,  3,    "Vardex", "Tuvel 87",            0xC103, 0xD103},
    {"Sifra",    108,  0,       33,  2,    "Vardex", "Sifra 108",           0xC104, 0xD104},
    {"Doveln",    98,  0,       33,  2,    "Vardex", "Doveln 98",           0xC105, 0xD105},
    {"Brisko",    95, 16,       45,  3,    "Vardex", "Brisko 99",           0xC106, 0xD106},
    {"Nelta",     99,  0,       45,  3,    "Vardex", "Nelta 98",            0xC107, 0xD107},
    {"Vokar",     99,  0,       45,  3,    "Vardex", "Vokar 98",            0xC108, 0xD108},
    {"Gampel",   104, 17,       33,  2,    "Vardex", "Gampel 104",          0xC109, 0xD109},
    {"Torvi",     66,  0,       33,  3,    "Vardex", "Torvi 66",            0xC10A, 0xD10A},
    {"Quendo",   108, 51,       51,  3,    "Vardex", "Quendo 108",          0xC10B, 0xD10B},
    {"Caspo",     87, 10,       45,  3,    "Vardex", "Caspo 87",            0xC10C, 0xD10C},
    {"Yolma",     82, 45,       45,  3,    "Vardex", "Yolma 82",            0xC10D, 0xD10D},
    {"Pravo",     84, 45,       45,  3,    "Vardex", "Pravo 84",            0xC10E, 0xD10E},
    {"Wendar",    98,  0,       45,  3,    "Vardex", "Wendar 98",           0xC10F, 0xD10F},
    {"Fenko",    104,  0,       49,  3,    "Vardex", "Fenko 104",           0xC110, 0xD110},
    {"Belvi",     87,  0,       45,  3,    "Vardex", "Belvi 87",            0xC111, 0xD111},
    {"Ormak",     68,  0,       45,  3,    "Vardex", "Ormak 68",            0xC112, 0xD112},
    {"Ixtal",     84,  0,       45,  3,    "Vardex", "Ixtal 84",            0xC113, 0xD113},
    {"Zelto",     61,  0,       41,  3,    "Vardex", "Zelto 61",            0xC114, 0xD114},
    {"Lumba",    108,  0,       50,  3,    "Vardex", "Lumba 108",           0xC115, 0xD115},
    {"Hasli",     98,  0,       50,  3,    "Vardex", "Hasli 98",            0xC116, 0xD116},
    {"Dravil",   104,  0,       50,  3,    "Vardex", "Dravil 104",          0xC117, 0xD117},
    {"Kalvo",     87,  0,       33,  3,    "Vardex", "Kalvo 87",            0xC118, 0xD118},
};

// Chips in update mode enumerate with their makers' ids; the firmware update
// opens them, so they need the same access rules.
const BootloaderId kBootloaders[] = {
    {0x0416, 0x3F00, "NUC bootloader"},
    {0x1FC9, 0xF7DF, "NXP bootloader"},
};

} // namespace

std::size_t deviceModelCount() { return sizeof kModels / sizeof kModels[0]; }
const DeviceModel &deviceModel(std::size_t index) { return kModels[index]; }

const DeviceModel *findModel(const std::string &code)
{
    for (const DeviceModel &m : kModels)
        if (code == m.code)
            return &m;
    return nullptr;
}

const DeviceModel *findModelByUsbId(uint16_t vid, uint16_t pid, Connection *connection)
{
    if (vid != kVendorId)
        return nullptr;
    for (const DeviceModel &m : kModels) {
        if (pid == m.cablePid || pid == m.receiverPid) {
            if (connection)
                *connection = pid == m.cablePid ? Connection::Cable : Connection::Receiver;
            return &m;
        }
    }
    return nullptr;
}

std::size_t bootloaderIdCount() { return sizeof kBootloaders / sizeof kBootloaders[0]; }
const BootloaderId &bootloaderId(std::size_t index) { return kBootloaders[index]; }

std::string udevRulesText()
{
    // Access goes to the user at the seat (uaccess), never to everyone.
    std::string out =
        "# Vardex keyboards: lets the user logged in at the seat open the\n"
        "# keyboards' vendor HID interface. Generated from the device table.\n";
    char line[256];
    auto rule = [&](uint16_t vid, uint16_t pid, const char *what) {
        // udev takes comments only on lines of their own.
        std::snprintf(line, sizeof line,
                      "# %s\n"
                      "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"%04x\", ATTRS{idProduct}==\"%04x\", "
                      "TAG+=\"uaccess\"\n",
                      what, vid, pid);
        out += line;
    };
    for (const DeviceModel &m : kModels) {
        std::string cable = std::string(m.code) + " (cable)";
        std::string receiver = std::string(m.code) + " (receiver)";
        rule(kVendorId, m.cablePid, cable.c_str());
        rule(kVendorId, m.receiverPid, receiver.c_str());
    }
    for (const BootloaderId &b : kBootloaders)
        rule(b.vid, b.pid, b.name);
    return out;
}

} // namespace vardex

#ifdef VARDEX_UDEV_RULES_GENERATOR
int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <rules file>\n", argv[0]);
        return 2;
    }
    std::FILE *f = std::fopen(argv[1], "w");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    const std::string text = vardex::udevRulesText();
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return (std::fclose(f) == 0 && ok) ? 0 : 1;
}
#endif
