#include "platform/appEventKeyHook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

AppEventKeyHook::AppEventKeyHook() = default;

AppEventKeyHook::~AppEventKeyHook()
{
    stop();
}

bool AppEventKeyHook::startKeyboard(Client *client)
{
    if (!client || !QCoreApplication::instance())
        return false;
    if (!m_client)
        QCoreApplication::instance()->installEventFilter(this);
    m_client = client;
    return true;
}

bool AppEventKeyHook::startMouse()
{
    if (!m_client)
        return false;
    m_mouse = true;
    return true;
}

bool AppEventKeyHook::setWithholding(bool on)
{
    m_withhold = on;
    return true;
}

void AppEventKeyHook::stop()
{
    if (m_client && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_client = nullptr;
    m_mouse = false;
    m_withhold = false;
}

namespace {
int xButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::MiddleButton: return 2;
    case Qt::RightButton: return 3;
    case Qt::BackButton: return 8;
    case Qt::ForwardButton: return 9;
    default: return 0;
    }
}
} // namespace

bool AppEventKeyHook::eventFilter(QObject *watched, QEvent *event)
{
    // Input reaches a window first and is then handed down the widget tree,
    // passing this filter again on every level: take it at the window only.
    if (!m_client || !watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool released = event->type() == QEvent::KeyRelease;
        // Qt turns a held key into release/press pairs marked as repeats; a
        // held key is one press until its real release.
        const int code = static_cast<int>(key->nativeScanCode());
        if (released && key->isAutoRepeat())
            return m_withhold && m_client->hookWithholds(code);
        const bool withhold = m_client->hookKeyEvent(code, released);
        // Repeats of a captured key stay away from the widgets as well, as
        // they do under the X11 keyboard grab.
        if (key->isAutoRepeat())
            return m_withhold && m_client->hookWithholds(code);
        return m_withhold && withhold;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        if (!m_mouse)
            return false;
        auto *mouse = static_cast<QMouseEvent *>(event);
        const int button = xButtonOf(mouse->button());
        if (button)
            m_client->hookMouseEvent(button, event->type() == QEvent::MouseButtonRelease,
                                     mouse->globalPos().x(), mouse->globalPos().y());
        return false;
    }
    case QEvent::Wheel: {
        if (!m_mouse)
            return false;
        auto *wheel = static_cast<QWheelEvent *>(event);
        const int dy = wheel->angleDelta().y();
        if (dy != 0) {
            const QPoint at = wheel->globalPosition().toPoint();
            m_client->hookMouseEvent(dy > 0 ? 4 : 5, false, at.x(), at.y());
        }
        return false;
    }
    default:
        return false;
    }
}
