// appEventKeyHook.h - the hook back end where no display-wide source exists:
// an application-wide event filter. It sees only input aimed at this program.
#ifndef APPEVENTKEYHOOK_H
#define APPEVENTKEYHOOK_H

#include <QObject>

#include "platform/keyHookBackend.h"

class AppEventKeyHook : public QObject, public KeyHookBackend
{
public:
    AppEventKeyHook();
    ~AppEventKeyHook() override;

    const char *name() const override { return "application events"; }
    bool startKeyboard(Client *client) override;
    bool startMouse() override;
    bool setWithholding(bool on) override;
    void stop() override;
    bool isKeyboardRunning() const override { return m_client != nullptr; }
    bool isMouseRunning() const override { return m_mouse; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Client *m_client = nullptr;
    bool m_mouse = false;
    bool m_withhold = false;
};

#endif // APPEVENTKEYHOOK_H
