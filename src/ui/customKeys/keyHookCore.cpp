#include "ui/customKeys/keyHookCore.h"

#include <cstring>

namespace {
constexpr int VkLMenu = 0xA4;
constexpr int VkRMenu = 0xA5;
} // namespace

void KeyHookCore::reset()
{
    std::memset(m_table, 0, sizeof(m_table));
    m_count = 0;
}

bool KeyHookCore::isHeld(int vk) const
{
    for (int i = 0; i < m_count; ++i) {
        if (m_table[i] == static_cast<unsigned char>(vk))
            return true;
    }
    return false;
}

int KeyHookCore::flagsFor(int vk, bool extended, bool released) const
{
    int flags = extended ? HookFlagExtended : 0;
    bool altDown = isHeld(VkLMenu) || isHeld(VkRMenu);
    if (vk == VkLMenu || vk == VkRMenu)
        altDown = !released;
    if (altDown)
        flags |= HookFlagAltDown;
    if (released)
        flags |= HookFlagReleased;
    return flags;
}

bool KeyHookCore::isPressFlags(int flags)
{
    return flags == 0 || flags == 0x01 || flags == 0x11 || flags == 0x20 || flags == 0x21;
}

bool KeyHookCore::withholds(int mode, int vk)
{
    if (mode != HookMacroRecord && mode != HookRemapCapture && mode != HookCombinationCapture)
        return false;
    switch (vk) {
    case 0x14: // Caps Lock
    case 0x90: // Num Lock
    case 0x91: // Scroll Lock
    case 0xA2: // left Ctrl
    case 0xA3: // right Ctrl
        return false;
    default:
        return true;
    }
}

KeyHookCore::Route KeyHookCore::routeFor(int mode)
{
    switch (mode) {
    case HookMacroRecord:
        return RouteMacroEditor;
    case HookRemapCapture:
    case HookCombinationCapture:
    case HookInteractiveLight:
        return RouteKeySignal;
    default:
        return RouteNowhere;
    }
}

KeyHookCore::KeyOutcome KeyHookCore::keyEvent(int mode, int vk, int flags)
{
    KeyOutcome out;
    const unsigned char code = static_cast<unsigned char>(vk);
    if (isPressFlags(flags)) {
        // An auto-repeat of a held key is let through unreported.
        if (isHeld(vk))
            return out;
        // A table full of keys whose releases were never seen would make
        // every later press look like a repeat: the oldest entry gives way.
        if (m_count == TableSize) {
            std::memmove(m_table, m_table + 1, TableSize - 1);
            --m_count;
        }
        m_table[m_count++] = code;
        out.flag = 1;
    } else {
        int i = 0;
        while (i < m_count) {
            if (m_table[i] == code) {
                std::memmove(m_table + i, m_table + i + 1, static_cast<size_t>(m_count - i - 1));
                m_table[--m_count] = 0;
            } else {
                ++i;
            }
        }
        out.flag = 0;
    }
    out.report = true;
    out.withhold = withholds(mode, vk);
    return out;
}

bool KeyHookCore::mouseMessageFor(int button, bool released, int *message, int *mouseData)
{
    int msg = 0;
    int data = 0;
    switch (button) {
    case 1: msg = released ? HookLButtonUp : HookLButtonDown; break;
    case 2: msg = released ? HookMButtonUp : HookMButtonDown; break;
    case 3: msg = released ? HookRButtonUp : HookRButtonDown; break;
    case 4:
    case 5:
        // A wheel notch arrives as a press and a release; one message is one notch.
        if (released)
            return false;
        msg = HookMouseWheel;
        data = (button == 4 ? 120 : -120) * 65536;
        break;
    case 8:
    case 9:
        msg = released ? HookXButtonUp : HookXButtonDown;
        data = (button == 8 ? 1 : 2) * 65536;
        break;
    default:
        return false;
    }
    *message = msg;
    *mouseData = data;
    return true;
}
