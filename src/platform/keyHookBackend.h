// keyHookBackend.h - where the global hook's key and mouse events come from.
//
// Two back ends: the X11 RECORD extension, which sees the input of the whole
// X display (XTest input included), and, where there is no RECORD (Wayland,
// offscreen), the application's own input events.
#ifndef KEYHOOKBACKEND_H
#define KEYHOOKBACKEND_H

#include <memory>

class KeyHookBackend
{
public:
    class Client
    {
    public:
        virtual ~Client() = default;
        // One key went down or up. Returns true when the event is to be kept
        // from other programs.
        virtual bool hookKeyEvent(int xKeyCode, bool released) = 0;
        // Whether the current mode keeps this key from other programs, asked
        // by back ends that withhold through the application's own events.
        virtual bool hookWithholds(int xKeyCode) const = 0;
        // A mouse button (X numbering) at screen coordinates.
        virtual void hookMouseEvent(int button, bool released, int x, int y) = 0;
    };

    virtual ~KeyHookBackend() = default;

    virtual const char *name() const = 0;
    // Starts reporting key events to the client; false when it cannot.
    virtual bool startKeyboard(Client *client) = 0;
    // Adds mouse buttons to a running keyboard part; false when it cannot.
    virtual bool startMouse() = 0;
    // Keeps the keys the client's mode names from other programs (on) or
    // stops doing so (off); false when that cannot be done.
    virtual bool setWithholding(bool on) = 0;
    // Removes everything; nothing is reported afterwards.
    virtual void stop() = 0;
    virtual bool isKeyboardRunning() const = 0;
    virtual bool isMouseRunning() const = 0;
};

// The RECORD back end on an X11 session that offers the extension, else the
// application-event back end.
std::unique_ptr<KeyHookBackend> createKeyHookBackend();

#endif // KEYHOOKBACKEND_H
