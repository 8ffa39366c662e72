// The hook object over the back end where no display-wide source exists
// (the application's own events), and what it does when a part fails.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

#include "platform/appEventKeyHook.h"
#include "ui/customKeys/WindowsHookInterface.h"

namespace {

// A back end whose parts fail on request and that says what is installed.
class FakeBackend : public KeyHookBackend
{
public:
    bool failKeyboard = false;
    bool failWithhold = false;
    bool failMouse = false;
    bool keyboard = false;
    bool mouse = false;
    bool withholding = false;

    const char *name() const override { return "fake"; }
    bool startKeyboard(Client *) override { return keyboard = !failKeyboard; }
    bool startMouse() override { return mouse = !failMouse; }
    bool setWithholding(bool on) override
    {
        if (on && failWithhold)
            return false;
        withholding = on;
        return true;
    }
    void stop() override { keyboard = mouse = withholding = false; }
    bool isKeyboardRunning() const override { return keyboard; }
    bool isMouseRunning() const override { return mouse; }
};

QKeyEvent keyEvent(QEvent::Type type, int xKeyCode, const QString &text, bool autoRepeat = false)
{
    return QKeyEvent(type, Qt::Key_unknown, Qt::NoModifier, quint32(xKeyCode), 0, 0, text, autoRepeat);
}

} // namespace

class tst_KeyHookFallback : public QObject
{
    Q_OBJECT
private slots:
    void failingPartLeavesNothingInstalled_data();
    void failingPartLeavesNothingInstalled();
    void startWhileRunningOnlyChangesMode();
    void captureEatsOwnKeysInteractiveLightDoesNot();
};

void tst_KeyHookFallback::failingPartLeavesNothingInstalled_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("failing");
    QTest::newRow("recording, mouse") << int(HookMacroRecord) << "mouse";
    QTest::newRow("recording, withholding") << int(HookMacroRecord) << "withhold";
    QTest::newRow("capture, withholding") << int(HookRemapCapture) << "withhold";
    QTest::newRow("light, keyboard") << int(HookInteractiveLight) << "keyboard";
}

void tst_KeyHookFallback::failingPartLeavesNothingInstalled()
{
    QFETCH(int, mode);
    QFETCH(QString, failing);
    auto *backend = new FakeBackend;
    backend->failMouse = failing == QLatin1String("mouse");
    backend->failWithhold = failing == QLatin1String("withhold");
    backend->failKeyboard = failing == QLatin1String("keyboard");
    WindowsHookInterface hook{std::unique_ptr<KeyHookBackend>(backend)};
    QCOMPARE(hook.startHook(mode), 0);
    QVERIFY(!backend->keyboard);
    QVERIFY(!backend->mouse);
    QVERIFY(!backend->withholding);
    QVERIFY(!hook.isRunning());
    // The next start tries again.
    backend->failMouse = backend->failWithhold = backend->failKeyboard = false;
    QCOMPARE(hook.startHook(mode), 1);
    QVERIFY(backend->keyboard);
    QCOMPARE(backend->mouse, mode == HookMacroRecord);
    QCOMPARE(backend->withholding, mode != HookInteractiveLight);
    QCOMPARE(hook.stopHook(), 1);
    QVERIFY(!backend->keyboard);
}

void tst_KeyHookFallback::startWhileRunningOnlyChangesMode()
{
    auto *backend = new FakeBackend;
    WindowsHookInterface hook{std::unique_ptr<KeyHookBackend>(backend)};
    QCOMPARE(hook.startHook(HookMacroRecord), 1);
    QCOMPARE(hook.startHook(HookRemapCapture), 1);
    QCOMPARE(hook.mode(), int(HookRemapCapture));
    QVERIFY(backend->mouse); // still installed
    QCOMPARE(hook.startHook(HookInteractiveLight), 1);
    QVERIFY(!backend->withholding);
}

void tst_KeyHookFallback::captureEatsOwnKeysInteractiveLightDoesNot()
{
    QLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.activateWindow();
    edit.setFocus();
    QWindow *window = edit.window()->windowHandle();
    QVERIFY(window);

    WindowsHookInterface hook{std::unique_ptr<KeyHookBackend>(new AppEventKeyHook)};
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    auto type = [&](int xKeyCode, const QString &text) {
        QKeyEvent down = keyEvent(QEvent::KeyPress, xKeyCode, text);
        QApplication::sendEvent(window, &down);
        QKeyEvent up = keyEvent(QEvent::KeyRelease, xKeyCode, text);
        QApplication::sendEvent(window, &up);
    };

    QCOMPARE(hook.startHook(HookRemapCapture), 1);
    type(38, QStringLiteral("a"));
    QCOMPARE(edit.text(), QString());
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(0), (QVariantList{65, 0x1E, 1, 0}));
    QCOMPARE(keys.at(1), (QVariantList{65, 0x1E, 0, 0x80}));

    // Qt's repeat pairs of a held key: one press, not reported again.
    QKeyEvent down = keyEvent(QEvent::KeyPress, 56, QStringLiteral("b"));
    QApplication::sendEvent(window, &down);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeatUp = keyEvent(QEvent::KeyRelease, 56, QStringLiteral("b"), true);
        QApplication::sendEvent(window, &repeatUp);
        QKeyEvent repeatDown = keyEvent(QEvent::KeyPress, 56, QStringLiteral("b"), true);
        QApplication::sendEvent(window, &repeatDown);
    }
    QKeyEvent up = keyEvent(QEvent::KeyRelease, 56, QStringLiteral("b"));
    QApplication::sendEvent(window, &up);
    QCOMPARE(keys.count(), 4);
    hook.stopHook();

    QCOMPARE(hook.startHook(HookInteractiveLight), 1);
    type(38, QStringLiteral("a"));
    QCOMPARE(edit.text(), QStringLiteral("a"));
    QCOMPARE(keys.count(), 6);
    hook.stopHook();
    type(38, QStringLiteral("a"));
    QCOMPARE(edit.text(), QStringLiteral("aa"));
    QCOMPARE(keys.count(), 6);
}

QTEST_MAIN(tst_KeyHookFallback)
#include "tst_keyhookfallback.moc"
