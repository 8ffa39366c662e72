// The global hook against a real X server (run under tests/run-under-xvfb.sh; skipped with
// a message where no X server can start). xdotool drives the input through
// XTest, which RECORD sees like a physical keyboard.
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QX11Info>
#include <QtTest>

#include <algorithm>
#include <cstdio>

#include "data/DDataManager.h"
#include "platform/winCompat.h"
#include "platform/x11RecordHook.h"
#include "ui/customKeys/WindowsHookInterface.h"
#include "x11HelperWindow.h"
#include "../testWait.h"

namespace {

struct KeyEvent
{
    int vk, scan, flag, flags;
};

} // namespace

class tst_KeyHookX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void interactiveLightReportsKeypadEnterAndEnter();
    void heldKeyIsOnePress();
    void captureWithholdsKeysFromOtherPrograms();
    void captureWithoutWindowToGrabFails();
    void macroRecordingReportsClicksNotMoves();

private:
    static bool xdotool(const QStringList &args);
    QList<KeyEvent> collect(WindowsHookInterface &hook, const QStringList &xdotoolArgs, int expected);
    x11Test::HelperWindow m_helper;
};

bool tst_KeyHookX11::xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

void tst_KeyHookX11::initTestCase()
{
    if (!QX11Info::isPlatformX11())
        QSKIP("no X server could be started for this test (run it under tests/run-under-xvfb.sh): the X11 hook is not tested");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed: the X11 hook is not tested");
    QVERIFY2(X11RecordHook::isAvailable(), "the X server offers no RECORD extension");
}

void tst_KeyHookX11::cleanup()
{
    m_helper.stop();
}

QList<KeyEvent> tst_KeyHookX11::collect(WindowsHookInterface &hook, const QStringList &xdotoolArgs, int expected)
{
    QList<KeyEvent> events;
    QMetaObject::Connection c = connect(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key,
                                        [&](int vk, int scan, int flag, int flags) { events.append({vk, scan, flag, flags}); });
    xdotool(xdotoolArgs);
    QElapsedTimer waited;
    waited.start();
    while (events.size() < expected && waited.elapsed() < testWait::kHangMs)
        QTest::qWait(20);
    QTest::qWait(200); // nothing more may follow
    disconnect(c);
    return events;
}

void tst_KeyHookX11::interactiveLightReportsKeypadEnterAndEnter()
{
    WindowsHookInterface hook;
    QCOMPARE(hook.startHook(HookInteractiveLight), 1);
    QList<KeyEvent> ev = collect(hook, {QStringLiteral("key"), QStringLiteral("KP_Enter")}, 2);
    QCOMPARE(ev.size(), 2);
    QCOMPARE(ev[0].vk, 13);
    QCOMPARE(ev[0].scan, 0x1C);
    QCOMPARE(ev[0].flag, 1);
    QCOMPARE(ev[0].flags, 1);
    QCOMPARE(ev[1].vk, 13);
    QCOMPARE(ev[1].flag, 0);
    QCOMPARE(ev[1].flags, 0x81);

    ev = collect(hook, {QStringLiteral("key"), QStringLiteral("Return")}, 2);
    QCOMPARE(ev.size(), 2);
    QCOMPARE(ev[0].vk, 13);
    QCOMPARE(ev[0].flag, 1);
    QCOMPARE(ev[0].flags, 0);
    QCOMPARE(ev[1].flags, 0x80);

    // Stopped: nothing arrives.
    hook.stopHook();
    QSignalSpy spy(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QTest::qWait(300);
    QCOMPARE(spy.count(), 0);
}

void tst_KeyHookX11::heldKeyIsOnePress()
{
    WindowsHookInterface hook;
    QCOMPARE(hook.startHook(HookInteractiveLight), 1);
    QSignalSpy spy(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    // Long enough for the server's auto-repeat to start.
    xdotool({QStringLiteral("keydown"), QStringLiteral("x"), QStringLiteral("sleep"), QStringLiteral("1.2"),
             QStringLiteral("keyup"), QStringLiteral("x")});
    QTRY_VERIFY_WITH_TIMEOUT(!spy.isEmpty() && spy.last().at(2).toInt() == 0, testWait::kHangMs);
    QTest::qWait(200);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 88);
    QCOMPARE(spy.at(0).at(2).toInt(), 1);
    hook.stopHook();
}

void tst_KeyHookX11::captureWithholdsKeysFromOtherPrograms()
{
    QWidget captureWindow;
    captureWindow.setGeometry(50, 50, 300, 200);
    captureWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&captureWindow));
    QVERIFY2(m_helper.start(), "the helper window did not start");
    QTest::qWait(300);

    WindowsHookInterface hook;
    // Mode 5 lets every key through.
    QCOMPARE(hook.startHook(HookInteractiveLight), 1);
    xdotool({QStringLiteral("type"), QStringLiteral("ab")});
    QTRY_COMPARE_WITH_TIMEOUT(m_helper.text(), QStringLiteral("ab"), testWait::kHangMs);
    hook.stopHook();

    // Mode 2 keeps the keys from the helper and still reports them.
    QSignalSpy spy(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QCOMPARE(hook.startHook(HookRemapCapture), 1);
    xdotool({QStringLiteral("type"), QStringLiteral("ab")});
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 4, testWait::kHangMs);
    QTest::qWait(300);
    QCOMPARE(m_helper.text(), QStringLiteral("ab"));
    QCOMPARE(spy.at(0).at(0).toInt(), 65);
    QCOMPARE(spy.at(2).at(0).toInt(), 66);
    hook.stopHook();

    // After the stop the helper types again, once it has taken back the
    // activation the grab took from it.
    QTRY_VERIFY_WITH_TIMEOUT(m_helper.focused(), testWait::kHangMs);
    xdotool({QStringLiteral("type"), QStringLiteral("cd")});
    QTRY_COMPARE_WITH_TIMEOUT(m_helper.text(), QStringLiteral("abcd"), testWait::kHangMs);
}

void tst_KeyHookX11::captureWithoutWindowToGrabFails()
{
    // No shown window of this program: the keyboard cannot be grabbed, and
    // nothing may stay installed that would report keys nobody withholds.
    QVERIFY(QGuiApplication::topLevelWindows().isEmpty()
            || std::none_of(QGuiApplication::topLevelWindows().cbegin(), QGuiApplication::topLevelWindows().cend(),
                            [](QWindow *w) { return w->isVisible(); }));
    WindowsHookInterface hook;
    QCOMPARE(hook.startHook(HookRemapCapture), 0);
    QVERIFY(!hook.isRunning());
    QCOMPARE(hook.startHook(HookInteractiveLight), 1);
    hook.stopHook();
}

void tst_KeyHookX11::macroRecordingReportsClicksNotMoves()
{
    QWidget window;
    window.setGeometry(50, 50, 300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    struct MouseEvent
    {
        int message, x, y;
    };
    QList<MouseEvent> mouse;
    QList<KeyEvent> keys;
    DDataManager *data = DDataManager::instance();
    QMetaObject::Connection cm = connect(data, &DDataManager::sigRecviveStreamEX_MacroMouse,
                                         [&](int, WPARAM message, LPARAM record) {
                                             const auto *r = reinterpret_cast<const MSLLHOOKSTRUCT *>(record);
                                             mouse.append({int(message), r->pt.x, r->pt.y});
                                         });
    QMetaObject::Connection ck = connect(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard,
                                         [&](int vk, int scan, int flag, int flags) { keys.append({vk, scan, flag, flags}); });

    WindowsHookInterface hook;
    QSignalSpy keySignal(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QCOMPARE(hook.startHook(HookMacroRecord), 1);
    xdotool({QStringLiteral("mousemove"), QStringLiteral("120"), QStringLiteral("130")});
    QTest::qWait(300);
    QCOMPARE(mouse.size(), 0);
    xdotool({QStringLiteral("click"), QStringLiteral("3")});
    QTRY_COMPARE_WITH_TIMEOUT(mouse.size(), 2, testWait::kHangMs);
    QCOMPARE(mouse[0].message, 516);
    QCOMPARE(mouse[1].message, 517);
    QCOMPARE(mouse[0].x, 120);
    QCOMPARE(mouse[0].y, 130);
    xdotool({QStringLiteral("key"), QStringLiteral("F5")});
    QTRY_COMPARE_WITH_TIMEOUT(keys.size(), 2, testWait::kHangMs);
    QCOMPARE(keys[0].vk, 116);
    QCOMPARE(keySignal.count(), 0); // a recording goes to the macro editor only
    hook.stopHook();
    disconnect(cm);
    disconnect(ck);
}

int main(int argc, char **argv)
{
    if (x11Test::isHelperWindowRun(argc, argv))
        return x11Test::runHelperWindow(argc, argv, QRect(600, 400, 300, 40));
    QApplication app(argc, argv);
    tst_KeyHookX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyhook_x11.moc"
