#include "platform/x11RecordHook.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QWindow>
#include <QX11Info>

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

#include "platform/appEventKeyHook.h"

// Xlib's event-type macros collide with QEvent's names.
namespace {
constexpr int XKeyPressType = KeyPress;
constexpr int XKeyReleaseType = KeyRelease;
constexpr int XButtonPressType = ButtonPress;
constexpr int XButtonReleaseType = ButtonRelease;
} // namespace
#undef KeyPress
#undef KeyRelease
#undef ButtonPress
#undef ButtonRelease

struct X11RecordHook::Connection
{
    Display *control = nullptr; // creates and disables the context
    Display *data = nullptr;    // carries the recorded events
    XRecordContext context = 0;
};

X11RecordHook::X11RecordHook() = default;

X11RecordHook::~X11RecordHook()
{
    stop();
}

bool X11RecordHook::isAvailable()
{
    if (!QX11Info::isPlatformX11() || !QX11Info::display())
        return false;
    int major = 0;
    int minor = 0;
    return XRecordQueryVersion(QX11Info::display(), &major, &minor) != 0;
}

bool X11RecordHook::openContext()
{
    const char *name = QX11Info::display() ? DisplayString(QX11Info::display()) : nullptr;
    auto *x = new Connection;
    x->control = XOpenDisplay(name);
    x->data = XOpenDisplay(name);
    if (!x->control || !x->data) {
        qWarning("Key hook: cannot open a second connection to the X display");
        if (x->control)
            XCloseDisplay(x->control);
        if (x->data)
            XCloseDisplay(x->data);
        delete x;
        return false;
    }
    // Buttons are always recorded (and dropped unless a recording wants
    // them), so that adding the mouse never re-creates the context inside a
    // callback. Pointer motion is left out: moving the mouse wakes nobody.
    XRecordRange *range = XRecordAllocRange();
    if (!range) {
        XCloseDisplay(x->control);
        XCloseDisplay(x->data);
        delete x;
        return false;
    }
    range->device_events.first = XKeyPressType;
    range->device_events.last = XButtonReleaseType;
    XRecordClientSpec clients = XRecordAllClients;
    x->context = XRecordCreateContext(x->control, 0, &clients, 1, &range, 1);
    XFree(range);
    if (!x->context) {
        qWarning("Key hook: the X server refused a RECORD context");
        XCloseDisplay(x->control);
        XCloseDisplay(x->data);
        delete x;
        return false;
    }
    XSync(x->control, False);
    if (!XRecordEnableContextAsync(x->data, x->context, 
                                   [](XPointer self, XRecordInterceptData *data) { intercept(self, data); },
                                   reinterpret_cast<XPointer>(this))) {
        qWarning("Key hook: cannot enable the RECORD context");
        XRecordFreeContext(x->control, x->context);
        XCloseDisplay(x->control);
        XCloseDisplay(x->data);
        delete x;
        return false;
    }
    XFlush(x->data);
    m_x = x;
    m_notifier = new QSocketNotifier(ConnectionNumber(x->data), QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this]() { readReplies(); });
    // Replies Xlib already buffered while enabling would not wake the notifier.
    readReplies();
    return true;
}

void X11RecordHook::closeContext()
{
    if (!m_x)
        return;
    // A receiver may stop the hook from inside a callback, while Xlib is
    // still reading the data connection: close it once the reading ends.
    if (m_dispatching) {
        m_closePending = true;
        return;
    }
    delete m_notifier;
    m_notifier = nullptr;
    XRecordDisableContext(m_x->control, m_x->context);
    XSync(m_x->control, False);
    XRecordFreeContext(m_x->control, m_x->context);
    XCloseDisplay(m_x->control);
    XCloseDisplay(m_x->data);
    delete m_x;
    m_x = nullptr;
}

void X11RecordHook::readReplies()
{
    if (!m_x || m_dispatching)
        return;
    m_dispatching = true;
    XRecordProcessReplies(m_x->data);
    m_dispatching = false;
    if (m_closePending) {
        m_closePending = false;
        if (!m_client)
            closeContext();
    }
}

void X11RecordHook::intercept(char *self, void *dataPtr)
{
    auto *hook = reinterpret_cast<X11RecordHook *>(self);
    auto *data = static_cast<XRecordInterceptData *>(dataPtr);
    if (hook && hook->m_client && data->category == XRecordFromServer && data->data_len * 4 >= sizeof(xEvent)) {
        const auto *ev = reinterpret_cast<const xEvent *>(data->data);
        const int type = ev->u.u.type & 0x7f;
        const int detail = ev->u.u.detail;
        switch (type) {
        case XKeyPressType:
        case XKeyReleaseType:
            hook->m_client->hookKeyEvent(detail, type == XKeyReleaseType);
            break;
        case XButtonPressType:
        case XButtonReleaseType:
            if (hook->m_mouse)
                hook->m_client->hookMouseEvent(detail, type == XButtonReleaseType,
                                               ev->u.keyButtonPointer.rootX, ev->u.keyButtonPointer.rootY);
            break;
        default:
            break;
        }
    }
    XRecordFreeData(data);
}

bool X11RecordHook::startKeyboard(Client *client)
{
    if (!client)
        return false;
    if (!m_x && !openContext())
        return false;
    // A stop inside a callback left the context open for reuse.
    m_closePending = false;
    m_client = client;
    return true;
}

bool X11RecordHook::startMouse()
{
    if (!m_client)
        return false;
    m_mouse = true;
    return true;
}

namespace {
// The window the user works in: the focused one (a capture popup or the
// macro dialog), else any shown window of this program.
QWindow *captureWindow()
{
    if (QWindow *w = QGuiApplication::focusWindow())
        return w;
    const auto windows = QGuiApplication::topLevelWindows();
    for (QWindow *w : windows) {
        if (w->isVisible() && w->isExposed())
            return w;
    }
    return nullptr;
}
} // namespace

bool X11RecordHook::setWithholding(bool on)
{
    if (on == m_withhold)
        return true;
    if (!on) {
        releaseGrab();
        return true;
    }
    // X cannot hold back single keys from other programs. Grabbing the
    // keyboard sends every key to this program instead (the grab window is
    // the focus window, so nothing loses focus); the filter below then keeps
    // the withheld keys from this program's own widgets too.
    QWindow *window = captureWindow();
    if (!window || !window->setKeyboardGrabEnabled(true)) {
        qWarning("Key hook: cannot grab the keyboard");
        return false;
    }
    m_grabWindow = window;
    m_withhold = true;
    QCoreApplication::instance()->installEventFilter(this);
    return true;
}

void X11RecordHook::releaseGrab()
{
    if (m_grabWindow) {
        m_grabWindow->setKeyboardGrabEnabled(false);
        // Qt sends the ungrab only with its next request; until then every
        // other program would stay without keyboard.
        XFlush(QX11Info::display());
    }
    m_grabWindow = nullptr;
    if (m_withhold && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_withhold = false;
}

void X11RecordHook::stop()
{
    releaseGrab();
    closeContext();
    m_client = nullptr;
    m_mouse = false;
}

bool X11RecordHook::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_withhold || !m_client || !watched->isWindowType())
        return false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    return m_client->hookWithholds(static_cast<int>(key->nativeScanCode()));
}

std::unique_ptr<KeyHookBackend> createKeyHookBackend()
{
    if (X11RecordHook::isAvailable())
        return std::unique_ptr<KeyHookBackend>(new X11RecordHook);
    return std::unique_ptr<KeyHookBackend>(new AppEventKeyHook);
}
