#include "platform/xKeyCodeTable.h"

#include <algorithm>

namespace {

// Keypad keys report their Num Lock-on codes: the layouts name the physical
// key that way. The Japanese and Korean keys carry the layouts' own codes,
// because Windows gives them ambiguous or IME-dependent ones.
const std::vector<WinKeyCode> kTable = {
    {9, 27, 0x01, false},    // Escape
    {10, 49, 0x02, false},   {11, 50, 0x03, false},  {12, 51, 0x04, false},
    {13, 52, 0x05, false},   {14, 53, 0x06, false},  {15, 54, 0x07, false},
    {16, 55, 0x08, false},   {17, 56, 0x09, false},  {18, 57, 0x0A, false},
    {19, 48, 0x0B, false},   // 1 .. 0
    {20, 189, 0x0C, false},  // minus
    {21, 187, 0x0D, false},  // equal
    {22, 8, 0x0E, false},    // BackSpace
    {23, 9, 0x0F, false},    // Tab
    {24, 81, 0x10, false},   {25, 87, 0x11, false},  {26, 69, 0x12, false},
    {27, 82, 0x13, false},   {28, 84, 0x14, false},  {29, 89, 0x15, false},
    {30, 85, 0x16, false},   {31, 73, 0x17, false},  {32, 79, 0x18, false},
    {33, 80, 0x19, false},   // Q .. P
    {34, 219, 0x1A, false},  // bracketleft
    {35, 221, 0x1B, false},  // bracketright
    {36, 13, 0x1C, false},   // Return
    {37, 162, 0x1D, false},  // Control_L
    {38, 65, 0x1E, false},   {39, 83, 0x1F, false},  {40, 68, 0x20, false},
    {41, 70, 0x21, false},   {42, 71, 0x22, false},  {43, 72, 0x23, false},
    {44, 74, 0x24, false},   {45, 75, 0x25, false},  {46, 76, 0x26, false}, // A .. L
    {47, 186, 0x27, false},  // semicolon
    {48, 222, 0x28, false},  // apostrophe
    {49, 192, 0x29, false},  // grave
    {50, 160, 0x2A, false},  // Shift_L
    {51, 220, 0x2B, false},  // backslash
    {52, 90, 0x2C, false},   {53, 88, 0x2D, false},  {54, 67, 0x2E, false},
    {55, 86, 0x2F, false},   {56, 66, 0x30, false},  {57, 78, 0x31, false},
    {58, 77, 0x32, false},   // Z .. M
    {59, 188, 0x33, false},  // comma
    {60, 190, 0x34, false},  // period
    {61, 191, 0x35, false},  // slash
    {62, 161, 0x36, false},  // Shift_R
    {63, 106, 0x37, false},  // KP_Multiply
    {64, 164, 0x38, false},  // Alt_L
    {65, 32, 0x39, false},   // space
    {66, 20, 0x3A, false},   // Caps_Lock
    {67, 112, 0x3B, false},  {68, 113, 0x3C, false}, {69, 114, 0x3D, false},
    {70, 115, 0x3E, false},  {71, 116, 0x3F, false}, {72, 117, 0x40, false},
    {73, 118, 0x41, false},  {74, 119, 0x42, false}, {75, 120, 0x43, false},
    {76, 121, 0x44, false},  // F1 .. F10
    {77, 144, 0x45, true},   // Num_Lock
    {78, 145, 0x46, false},  // Scroll_Lock
    {79, 103, 0x47, false},  {80, 104, 0x48, false}, {81, 105, 0x49, false}, // KP 7 8 9
    {82, 109, 0x4A, false},  // KP_Subtract
    {83, 100, 0x4B, false},  {84, 101, 0x4C, false}, {85, 102, 0x4D, false}, // KP 4 5 6
    {86, 107, 0x4E, false},  // KP_Add
    {87, 97, 0x4F, false},   {88, 98, 0x50, false},  {89, 99, 0x51, false},  // KP 1 2 3
    {90, 96, 0x52, false},   // KP 0
    {91, 110, 0x53, false},  // KP_Decimal
    {94, 226, 0x56, false},  // the key beside left Shift (102nd key)
    {95, 122, 0x57, false},  // F11
    {96, 123, 0x58, false},  // F12
    {97, 984, 0x73, false},  // Ro
    {100, 987, 0x79, false}, // Henkan
    {101, 988, 0x70, false}, // Hiragana_Katakana
    {102, 986, 0x7B, false}, // Muhenkan
    {104, 13, 0x1C, true},   // KP_Enter
    {105, 163, 0x1D, true},  // Control_R
    {106, 111, 0x35, true},  // KP_Divide
    {107, 44, 0x37, true},   // Print
    {108, 165, 0x38, true},  // Alt_R
    {110, 36, 0x47, true},   // Home
    {111, 38, 0x48, true},   // Up
    {112, 33, 0x49, true},   // Prior
    {113, 37, 0x4B, true},   // Left
    {114, 39, 0x4D, true},   // Right
    {115, 35, 0x4F, true},   // End
    {116, 40, 0x50, true},   // Down
    {117, 34, 0x51, true},   // Next
    {118, 45, 0x52, true},   // Insert
    {119, 46, 0x53, true},   // Delete
    {121, 173, 0x20, true},  // XF86AudioMute
    {122, 174, 0x2E, true},  // XF86AudioLowerVolume
    {123, 175, 0x30, true},  // XF86AudioRaiseVolume
    {127, 19, 0x45, false},  // Pause
    {130, 2360, 0x72, false}, // Hangul (Han/Yeong)
    {131, 2350, 0x71, false}, // Hangul_Hanja
    {132, 981, 0x7D, false}, // yen
    {133, 91, 0x5B, true},   // Super_L
    {134, 92, 0x5C, true},   // Super_R
    {135, 93, 0x5D, true},   // Menu
    {136, 169, 0x68, true},  // Cancel (browser stop)
    {148, 183, 0x21, true},  // XF86Calculator
    {163, 180, 0x6C, true},  // XF86Mail
    {164, 171, 0x66, true},  // XF86Favorites
    {165, 182, 0x6B, true},  // XF86MyComputer
    {166, 166, 0x6A, true},  // XF86Back
    {167, 167, 0x69, true},  // XF86Forward
    {171, 176, 0x19, true},  // XF86AudioNext
    {172, 179, 0x22, true},  // XF86AudioPlay
    {173, 177, 0x10, true},  // XF86AudioPrev
    {174, 178, 0x24, true},  // XF86AudioStop
    {180, 172, 0x32, true},  // XF86HomePage
    {181, 168, 0x67, true},  // XF86Reload
    {225, 170, 0x65, true},  // XF86Search
    {234, 181, 0x6D, true},  // XF86AudioMedia
};

} // namespace

namespace xKeyCodes {

const std::vector<WinKeyCode> &table()
{
    return kTable;
}

bool lookup(int xKeyCode, WinKeyCode *out)
{
    auto it = std::lower_bound(kTable.begin(), kTable.end(), xKeyCode,
                               [](const WinKeyCode &e, int code) { return e.xKeyCode < code; });
    if (it == kTable.end() || it->xKeyCode != xKeyCode)
        return false;
    if (out)
        *out = *it;
    return true;
}

} // namespace xKeyCodes
