// keyHookCore.h - what the global hook decides, without any display.
//
// The input back ends (X11 RECORD, or the application's own events) only say
// "this key went down / up" and "this mouse button". Everything that makes a
// report out of that lives here: the table of held keys that tells a fresh
// press from an auto-repeat, the flags word the receivers read, which keys a
// mode keeps from other programs, and where a report goes.
#ifndef KEYHOOKCORE_H
#define KEYHOOKCORE_H

// The modes of the hook object.
enum HookMode {
    HookIdle = 999,
    HookMacroRecord = 1,
    HookRemapCapture = 2,
    HookCombinationCapture = 3,
    HookInteractiveLight = 5,
};

// Bits of the flags word a key report carries.
enum HookKeyFlag {
    HookFlagExtended = 0x01,
    HookFlagInjected = 0x10,
    HookFlagAltDown = 0x20,
    HookFlagReleased = 0x80,
};

// Mouse messages of a recording.
enum HookMouseMessage {
    HookLButtonDown = 513, HookLButtonUp = 514,
    HookRButtonDown = 516, HookRButtonUp = 517,
    HookMButtonDown = 519, HookMButtonUp = 520,
    HookMouseWheel = 522,
    HookXButtonDown = 523, HookXButtonUp = 524,
};

class KeyHookCore
{
public:
    static constexpr int TableSize = 128;

    enum Route { RouteNowhere, RouteMacroEditor, RouteKeySignal };

    struct KeyOutcome
    {
        bool report = false;   // hand (vk, scan, flag, flags) on
        int flag = 0;          // 1 fresh press, 0 release
        bool withhold = false; // keep the event from other programs
    };

    // Empties the table of held keys.
    void reset();

    // The flags word of an event: extended bit, Alt held, released bit.
    int flagsFor(int vk, bool extended, bool released) const;

    // One key event with its flags word, in the given mode.
    KeyOutcome keyEvent(int mode, int vk, int flags);

    // Only these flags words are presses; every other one is a release.
    static bool isPressFlags(int flags);
    // Whether a mode keeps the key from other programs (lock keys and both
    // Ctrl keys always get through).
    static bool withholds(int mode, int vk);
    static Route routeFor(int mode);
    // A mouse button (X numbering: 1 left, 2 middle, 3 right, 4/5 wheel,
    // 8/9 side buttons) as a message and its data word; false for buttons
    // and wheel releases a recording does not take.
    static bool mouseMessageFor(int button, bool released, int *message, int *mouseData);

    int pressedCount() const { return m_count; }
    int pressedAt(int i) const { return (i >= 0 && i < m_count) ? m_table[i] : 0; }

private:
    bool isHeld(int vk) const;

    unsigned char m_table[TableSize] = {};
    int m_count = 0;
};

#endif // KEYHOOKCORE_H
