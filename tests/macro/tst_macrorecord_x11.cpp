// Recording a macro from a real X server's keyboard (run under tests/run-under-xvfb.sh;
// skipped with a message where no X server can start): xdotool types into
// another program's window while the editor records, through the global
// hook in its recording mode, as the custom-keys page starts it.
#include "macroFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QX11Info>

#include <cstdio>

#include "../keyhook/x11HelperWindow.h"
#include "platform/x11RecordHook.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/customKeys/WindowsHookInterface.h"
#include "../testWait.h"

using namespace macroTest;

class tst_macrorecord_x11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void typedKeysAreRecordedAndWithheld();
    void keysReachTheEditorAfterTheRowMenu();

private:
    x11Test::HelperWindow m_helper;
};

void tst_macrorecord_x11::initTestCase()
{
    if (!QX11Info::isPlatformX11())
        QSKIP("no X server could be started for this test (run it under tests/run-under-xvfb.sh): recording is not tested");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed: recording is not tested");
    QVERIFY2(X11RecordHook::isAvailable(), "the X server offers no RECORD extension");
}

void tst_macrorecord_x11::cleanup()
{
    m_helper.stop();
}

void tst_macrorecord_x11::typedKeysAreRecordedAndWithheld()
{
    Editor e;
    // The hook answers the editor's requests as the custom-keys page does.
    WindowsHookInterface hook;
    QObject::disconnect(e.hookConnection);
    QMetaObject::Connection relay = connect(DDataManager::instance(), &DDataManager::sigHookRuningStrtusCtrl_MacroRecord,
                                            [&hook](bool start) {
                                                hook.stopHook();
                                                const int ok = start ? hook.startHook(HookMacroRecord) : 1;
                                                DDataManager::instance()->setHookRunning(ok == 1);
                                            });
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->setTickSource(nullptr); // the real clock
    page->move(20, 20);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));

    QVERIFY2(m_helper.start(), "the helper window did not start");
    QTest::qWait(300);

    page->toggleRecording();
    QVERIFY(page->isRecording());
    // xdotool runs beside the event loop, which must deliver each key as
    // it comes for the delays to be measured.
    QProcess typist;
    typist.start(QStringLiteral("xdotool"), QStringLiteral("type --delay 300 ab").split(QLatin1Char(' ')));
    QVERIFY(typist.waitForStarted(testWait::kHangMs));
    QTRY_COMPARE_WITH_TIMEOUT(typist.state(), QProcess::NotRunning, testWait::kHangMs);
    QCOMPARE(typist.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(page->eventRows().size(), 4, testWait::kHangMs);
    QTest::qWait(300);
    page->toggleRecording();
    QVERIFY(!page->isRecording());
    QVERIFY(!hook.isRunning());

    const QList<EventText> stored = storedEvents(e.store, "1");
    QStringList keys;
    int total = 0;
    for (const EventText &ev : stored) {
        keys << ev.keyCode + ev.operate;
        const int delay = ev.delay.toInt();
        QVERIFY2(delay >= 0 && delay < 2000, qPrintable(ev.delay));
        total += delay;
    }
    QCOMPARE(keys, (QStringList{"4down", "4up", "5down", "5up"}));
    QCOMPARE(stored.first().delay, QStringLiteral("0"));
    // xdotool waits between its key events, so the clock ran between them.
    qInfo() << "recorded delays" << describe(stored);
    QVERIFY2(total >= 20, qPrintable(QString::number(total)));
    QVERIFY(rowsMatchStore(page, e.store));
    // The keys went to the recording, not to the window that had the focus.
    QCOMPARE(m_helper.text(), QString());
    disconnect(relay);
}

int main(int argc, char **argv)
{
    if (x11Test::isHelperWindowRun(argc, argv))
        return x11Test::runHelperWindow(argc, argv, QRect(600, 100, 300, 40));
    QApplication app(argc, argv);
    tst_macrorecord_x11 test;
    return QTest::qExec(&test, argc, argv);
}

// The row's menu bubble opens and is closed by a press elsewhere; a key
// pressed on the real keyboard afterwards still reaches the editor. (The
// keys were lost where a window manager hands the focus around; on a bare
// X server this checks the road itself.)
void tst_macrorecord_x11::keysReachTheEditorAfterTheRowMenu()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->move(20, 20);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page));
    DMacroListItem *row = e.macroRow(QStringLiteral("1"));
    QVERIFY(row);
    row->findChild<QAbstractButton *>(QStringLiteral("pushButton_MacroOperate"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(row->menuPopup() && row->menuPopup()->isVisible(), testWait::kHangMs);
    QTest::qWait(300);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &press);
    QTRY_VERIFY_WITH_TIMEOUT(!row->menuPopup()->isVisible(), testWait::kHangMs);
    QTest::qWait(300);

    QSignalSpy closed(page, &DMacroPage::sigMacroPageClose);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, testWait::kHangMs);
}

#include "tst_macrorecord_x11.moc"
