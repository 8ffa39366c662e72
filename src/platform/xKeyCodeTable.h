// xKeyCodeTable.h - X key codes (evdev code + 8) as Windows key codes.
//
// The layout files, the profile stores and the macro store name keys by the
// Windows virtual-key code, the set-1 scan code and the extended-key bit, so
// every key event the hook reads from X passes through this one table.
#ifndef XKEYCODETABLE_H
#define XKEYCODETABLE_H

#include <vector>

struct WinKeyCode
{
    int xKeyCode = 0;   // X key code: evdev code + 8
    int vk = 0;         // Windows virtual-key code (own codes where the layouts use them)
    int scan = 0;       // set-1 scan code without the E0 prefix
    bool extended = false; // E0-prefixed key
};

namespace xKeyCodes {

// The whole table, in X key-code order.
const std::vector<WinKeyCode> &table();

// The entry of an X key code; false (and *out untouched) for a key the table
// does not know.
bool lookup(int xKeyCode, WinKeyCode *out);

} // namespace xKeyCodes

#endif // XKEYCODETABLE_H
