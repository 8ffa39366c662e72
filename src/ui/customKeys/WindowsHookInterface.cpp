#include "ui/customKeys/WindowsHookInterface.h"

#include <QDebug>

#include "data/DDataManager.h"
#include "platform/winCompat.h"
#include "platform/xKeyCodeTable.h"

WindowsHookInterface::WindowsHookInterface(QObject *parent)
    : WindowsHookInterface(createKeyHookBackend(), parent)
{
}

WindowsHookInterface::WindowsHookInterface(std::unique_ptr<KeyHookBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
}

WindowsHookInterface::~WindowsHookInterface()
{
    removeHooks();
}

int WindowsHookInterface::startHook(int mode)
{
    m_mode = mode;
    m_core.reset();
    return installHooks();
}

int WindowsHookInterface::stopHook()
{
    return removeHooks();
}

int WindowsHookInterface::installHooks()
{
    if (!m_backend)
        return 0;
    const bool withhold = mode() == HookMacroRecord || mode() == HookRemapCapture
                          || mode() == HookCombinationCapture;
    if (m_backend->isKeyboardRunning()) {
        // Already installed: only the mode changes (and with it whether keys
        // are kept from other programs).
        if (!m_backend->setWithholding(withhold)) {
            removeHooks();
            return 0;
        }
        return 1;
    }
    if (!m_backend->startKeyboard(this)) {
        qWarning("Set keyboard Hook error (%s)", m_backend->name());
        return 0;
    }
    // A part that fails takes the others down with it: a keyboard part that
    // kept withholding keys while its caller heard "not running" would leave
    // the desktop without a keyboard.
    if (!m_backend->setWithholding(withhold)) {
        qWarning("Set keyboard Hook error: keys cannot be withheld (%s)", m_backend->name());
        removeHooks();
        return 0;
    }
    if (mode() == HookMacroRecord && !m_backend->startMouse()) {
        qWarning("Set mouse Hook error (%s)", m_backend->name());
        removeHooks();
        return 0;
    }
    return 1;
}

int WindowsHookInterface::removeHooks()
{
    if (m_backend)
        m_backend->stop();
    return 1;
}

void WindowsHookInterface::routeKeyEvent(int vk, int scan, int flag, int hookFlag)
{
    switch (KeyHookCore::routeFor(m_mode)) {
    case KeyHookCore::RouteMacroEditor:
        DDataManager::instance()->emitMacroKeyboardEvent(vk, scan, flag, hookFlag);
        break;
    case KeyHookCore::RouteKeySignal:
        emit sigKeyboardRecviveStreamEX_Key(vk, scan, flag, hookFlag);
        break;
    case KeyHookCore::RouteNowhere:
        break;
    }
}

void WindowsHookInterface::routeMouseEvent(int nCode, int message, int x, int y, int mouseData)
{
    if (m_mode != HookMacroRecord)
        return;
    MSLLHOOKSTRUCT record{};
    record.pt.x = x;
    record.pt.y = y;
    record.mouseData = static_cast<quint32>(mouseData);
    DDataManager::instance()->emitMacroMouseEvent(nCode, static_cast<WPARAM>(message),
                                                  reinterpret_cast<LPARAM>(&record));
}

bool WindowsHookInterface::hookKeyEvent(int xKeyCode, bool released)
{
    WinKeyCode key;
    if (!xKeyCodes::lookup(xKeyCode, &key))
        return false;
    const int flags = m_core.flagsFor(key.vk, key.extended, released);
    const KeyHookCore::KeyOutcome out = m_core.keyEvent(m_mode, key.vk, flags);
    if (out.report)
        routeKeyEvent(key.vk, key.scan, out.flag, flags);
    return out.withhold;
}

bool WindowsHookInterface::hookWithholds(int xKeyCode) const
{
    WinKeyCode key;
    if (!xKeyCodes::lookup(xKeyCode, &key))
        return KeyHookCore::withholds(m_mode, 0);
    return KeyHookCore::withholds(m_mode, key.vk);
}

void WindowsHookInterface::hookMouseEvent(int button, bool released, int x, int y)
{
    int message = 0;
    int data = 0;
    if (KeyHookCore::mouseMessageFor(button, released, &message, &data))
        routeMouseEvent(0, message, x, y, data);
}
