#ifndef WINDOWSHOOKINTERFACE_H
#define WINDOWSHOOKINTERFACE_H

#include <QObject>

#include <memory>

#include "platform/keyHookBackend.h"
#include "ui/customKeys/keyHookCore.h"

// The one global keyboard and mouse hook of the program. It reports keys
// pressed anywhere on the desktop while a macro is recorded (mode 1, with the
// mouse buttons), while a key is captured for a remap or a combination
// (modes 2 and 3) and while the light effect that reacts to key presses runs
// (mode 5). In modes 1 to 3 the captured keys are kept from other programs.
// The custom-keys page owns it and stops it before every start.
class WindowsHookInterface : public QObject, private KeyHookBackend::Client
{
    Q_OBJECT
public:
    explicit WindowsHookInterface(QObject *parent = nullptr);
    // With a back end of the caller's choice (tests).
    WindowsHookInterface(std::unique_ptr<KeyHookBackend> backend, QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // Stores the mode, empties the table of held keys and installs; 1 when
    // the hook runs, 0 when it could not be installed (nothing is left
    // installed then).
    int startHook(int mode);
    // Removes everything; always 1.
    int stopHook();
    int installHooks();
    int removeHooks();

    int mode() const { return m_mode; }
    bool isRunning() const { return m_backend && m_backend->isKeyboardRunning(); }
    const KeyHookCore &core() const { return m_core; }
    KeyHookBackend *backend() const { return m_backend.get(); }

    // Reports of one event, in the order the back end delivers them.
    void routeKeyEvent(int vk, int scan, int flag, int hookFlag);
    void routeMouseEvent(int nCode, int message, int x, int y, int mouseData);

signals:
    // The event's Windows virtual-key code, scan code, 1 for a fresh press or
    // 0 for a release, and the flags word (0x01 extended, 0x20 Alt held,
    // 0x80 released).
    void sigKeyboardRecviveStreamEX_Key(int keyCode, int scCode, int flag, int hookFlag);

private:
    bool hookKeyEvent(int xKeyCode, bool released) override;
    bool hookWithholds(int xKeyCode) const override;
    void hookMouseEvent(int button, bool released, int x, int y) override;

    std::unique_ptr<KeyHookBackend> m_backend;
    KeyHookCore m_core;
    int m_mode = HookIdle;
};

#endif // WINDOWSHOOKINTERFACE_H
