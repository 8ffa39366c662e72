// x11RecordHook.h - the hook back end of an X11 session: the RECORD
// extension on a second display connection, read on the interface thread
// when that connection's socket has data (nothing runs between events).
#ifndef X11RECORDHOOK_H
#define X11RECORDHOOK_H

#include <QObject>
#include <QPointer>

#include "platform/keyHookBackend.h"

class QSocketNotifier;
class QWindow;

class X11RecordHook : public QObject, public KeyHookBackend
{
public:
    X11RecordHook();
    ~X11RecordHook() override;

    // Whether this session is X11 and its server offers RECORD.
    static bool isAvailable();

    const char *name() const override { return "X11 RECORD"; }
    bool startKeyboard(Client *client) override;
    bool startMouse() override;
    bool setWithholding(bool on) override;
    void stop() override;
    bool isKeyboardRunning() const override { return m_client != nullptr; }
    bool isMouseRunning() const override { return m_mouse; }

    // The window the keyboard is grabbed on while keys are withheld.
    QWindow *grabWindow() const { return m_grabWindow; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Connection;
    bool openContext();
    void closeContext();
    void readReplies();
    void releaseGrab();
    static void intercept(char *self, void *data);

    Connection *m_x = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    Client *m_client = nullptr;
    bool m_mouse = false;
    bool m_withhold = false;
    bool m_dispatching = false;
    bool m_closePending = false;
    QPointer<QWindow> m_grabWindow;
};

#endif // X11RECORDHOOK_H
