// The display-free part of the global hook: press classification, the table
// of held keys, what each mode withholds, and the X key-code table.
#include <QtTest>

#include "platform/xKeyCodeTable.h"
#include "ui/customKeys/keyHookCore.h"

class tst_KeyHookCore : public QObject
{
    Q_OBJECT
private slots:
    void pressFlags_data();
    void pressFlags();
    void repeatNeitherReportedNorWithheld();
    void releaseLeavesTableAndInjectedPressCountsAsRelease();
    void tableNeverPassesItsCap();
    void withholdMatrix_data();
    void withholdMatrix();
    void flagsWord_data();
    void flagsWord();
    void mouseMessages_data();
    void mouseMessages();
    void xKeyCodes_data();
    void xKeyCodes();
    void tableIsSortedAndUnique();
};

void tst_KeyHookCore::pressFlags_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("press");
    QTest::newRow("plain") << 0x00 << true;
    QTest::newRow("extended") << 0x01 << true;
    QTest::newRow("extended injected") << 0x11 << true;
    QTest::newRow("alt") << 0x20 << true;
    QTest::newRow("alt extended") << 0x21 << true;
    QTest::newRow("injected alone") << 0x10 << false;
    QTest::newRow("injected alt") << 0x30 << false;
    QTest::newRow("released") << 0x80 << false;
    QTest::newRow("released extended") << 0x81 << false;
    QTest::newRow("released alt") << 0xA0 << false;
}

void tst_KeyHookCore::pressFlags()
{
    QFETCH(int, flags);
    QFETCH(bool, press);
    QCOMPARE(KeyHookCore::isPressFlags(flags), press);
    KeyHookCore core;
    const KeyHookCore::KeyOutcome out = core.keyEvent(HookRemapCapture, 65, flags);
    QVERIFY(out.report);
    QCOMPARE(out.flag, press ? 1 : 0);
    QCOMPARE(core.pressedCount(), press ? 1 : 0);
}

void tst_KeyHookCore::repeatNeitherReportedNorWithheld()
{
    KeyHookCore core;
    KeyHookCore::KeyOutcome first = core.keyEvent(HookRemapCapture, 65, 0);
    QVERIFY(first.report);
    QVERIFY(first.withhold);
    for (int i = 0; i < 3; ++i) {
        KeyHookCore::KeyOutcome repeat = core.keyEvent(HookRemapCapture, 65, 0);
        QVERIFY(!repeat.report);
        QVERIFY(!repeat.withhold);
    }
    QCOMPARE(core.pressedCount(), 1);
    KeyHookCore::KeyOutcome up = core.keyEvent(HookRemapCapture, 65, 0x80);
    QVERIFY(up.report);
    QCOMPARE(up.flag, 0);
    QVERIFY(up.withhold);
    // Down again after the release: a fresh press.
    QCOMPARE(core.keyEvent(HookRemapCapture, 65, 0).flag, 1);
    // A new start forgets keys held across a stop.
    core.reset();
    QCOMPARE(core.pressedCount(), 0);
    QVERIFY(core.keyEvent(HookRemapCapture, 65, 0).report);
}

void tst_KeyHookCore::releaseLeavesTableAndInjectedPressCountsAsRelease()
{
    KeyHookCore core;
    core.keyEvent(HookInteractiveLight, 10, 0);
    core.keyEvent(HookInteractiveLight, 20, 0);
    core.keyEvent(HookInteractiveLight, 30, 0);
    core.keyEvent(HookInteractiveLight, 20, 0x80);
    QCOMPARE(core.pressedCount(), 2);
    QCOMPARE(core.pressedAt(0), 10);
    QCOMPARE(core.pressedAt(1), 30);
    QCOMPARE(core.pressedAt(2), 0);
    // Release of a key not held: nothing changes, still reported.
    QVERIFY(core.keyEvent(HookInteractiveLight, 99, 0x80).report);
    QCOMPARE(core.pressedCount(), 2);
    // Injected down (0x10) is a release: reported with flag 0, table untouched.
    KeyHookCore::KeyOutcome injected = core.keyEvent(HookInteractiveLight, 40, 0x10);
    QVERIFY(injected.report);
    QCOMPARE(injected.flag, 0);
    QCOMPARE(core.pressedCount(), 2);
}

void tst_KeyHookCore::tableNeverPassesItsCap()
{
    KeyHookCore core;
    for (int vk = 1; vk <= KeyHookCore::TableSize; ++vk)
        core.keyEvent(HookInteractiveLight, vk, 0);
    QCOMPARE(core.pressedCount(), KeyHookCore::TableSize);
    // A 129th key is still a fresh press; the oldest entry gives way.
    KeyHookCore::KeyOutcome out = core.keyEvent(HookInteractiveLight, 200, 0);
    QVERIFY(out.report);
    QCOMPARE(out.flag, 1);
    QCOMPARE(core.pressedCount(), KeyHookCore::TableSize);
    QCOMPARE(core.pressedAt(0), 2);
    QCOMPARE(core.pressedAt(KeyHookCore::TableSize - 1), 200);
    // Its repeat is recognised.
    QVERIFY(!core.keyEvent(HookInteractiveLight, 200, 0).report);
}

void tst_KeyHookCore::withholdMatrix_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<QVector<bool>>("byMode"); // modes 1, 2, 3, 5, 999
    const QVector<bool> captured{true, true, true, false, false};
    const QVector<bool> passes{false, false, false, false, false};
    QTest::newRow("A") << 65 << captured;
    QTest::newRow("Enter") << 13 << captured;
    QTest::newRow("left Alt") << 0xA4 << captured;
    QTest::newRow("left Shift") << 0xA0 << captured;
    QTest::newRow("Caps Lock") << 0x14 << passes;
    QTest::newRow("Num Lock") << 0x90 << passes;
    QTest::newRow("Scroll Lock") << 0x91 << passes;
    QTest::newRow("left Ctrl") << 0xA2 << passes;
    QTest::newRow("right Ctrl") << 0xA3 << passes;
}

void tst_KeyHookCore::withholdMatrix()
{
    QFETCH(int, vk);
    QFETCH(QVector<bool>, byMode);
    const int modes[] = {HookMacroRecord, HookRemapCapture, HookCombinationCapture, HookInteractiveLight, HookIdle};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(KeyHookCore::withholds(modes[i], vk) == byMode[i], qPrintable(QString("mode %1").arg(modes[i])));
    QCOMPARE(KeyHookCore::routeFor(HookMacroRecord), KeyHookCore::RouteMacroEditor);
    QCOMPARE(KeyHookCore::routeFor(HookRemapCapture), KeyHookCore::RouteKeySignal);
    QCOMPARE(KeyHookCore::routeFor(HookCombinationCapture), KeyHookCore::RouteKeySignal);
    QCOMPARE(KeyHookCore::routeFor(HookInteractiveLight), KeyHookCore::RouteKeySignal);
    QCOMPARE(KeyHookCore::routeFor(HookIdle), KeyHookCore::RouteNowhere);
}

void tst_KeyHookCore::flagsWord_data()
{
    QTest::addColumn<int>("heldAlt"); // 0 none, else the vk of the held Alt
    QTest::addColumn<int>("vk");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<bool>("released");
    QTest::addColumn<int>("flags");
    QTest::newRow("Enter down") << 0 << 13 << false << false << 0x00;
    QTest::newRow("Enter up") << 0 << 13 << false << true << 0x80;
    QTest::newRow("keypad Enter down") << 0 << 13 << true << false << 0x01;
    QTest::newRow("keypad Enter up") << 0 << 13 << true << true << 0x81;
    QTest::newRow("Alt+Enter") << 0xA4 << 13 << false << false << 0x20;
    QTest::newRow("AltGr+keypad Enter") << 0xA5 << 13 << true << false << 0x21;
    QTest::newRow("Alt itself down") << 0 << 0xA4 << false << false << 0x20;
    QTest::newRow("Alt itself up") << 0xA4 << 0xA4 << false << true << 0x80;
}

void tst_KeyHookCore::flagsWord()
{
    QFETCH(int, heldAlt);
    QFETCH(int, vk);
    QFETCH(bool, extended);
    QFETCH(bool, released);
    QFETCH(int, flags);
    KeyHookCore core;
    if (heldAlt)
        core.keyEvent(HookInteractiveLight, heldAlt, 0x20);
    QCOMPARE(core.flagsFor(vk, extended, released), flags);
}

void tst_KeyHookCore::mouseMessages_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("released");
    QTest::addColumn<int>("message"); // 0: not taken
    QTest::addColumn<int>("data");
    QTest::newRow("left down") << 1 << false << 513 << 0;
    QTest::newRow("left up") << 1 << true << 514 << 0;
    QTest::newRow("right down") << 3 << false << 516 << 0;
    QTest::newRow("right up") << 3 << true << 517 << 0;
    QTest::newRow("middle down") << 2 << false << 519 << 0;
    QTest::newRow("middle up") << 2 << true << 520 << 0;
    QTest::newRow("wheel up") << 4 << false << 522 << 120 * 65536;
    QTest::newRow("wheel down") << 5 << false << 522 << -120 * 65536;
    QTest::newRow("wheel release") << 4 << true << 0 << 0;
    QTest::newRow("back down") << 8 << false << 523 << 65536;
    QTest::newRow("forward up") << 9 << true << 524 << 2 * 65536;
    QTest::newRow("tilt") << 6 << false << 0 << 0;
}

void tst_KeyHookCore::mouseMessages()
{
    QFETCH(int, button);
    QFETCH(bool, released);
    QFETCH(int, message);
    QFETCH(int, data);
    int gotMessage = 0;
    int gotData = 0;
    QCOMPARE(KeyHookCore::mouseMessageFor(button, released, &gotMessage, &gotData), message != 0);
    QCOMPARE(gotMessage, message);
    QCOMPARE(gotData, data);
}

void tst_KeyHookCore::xKeyCodes_data()
{
    QTest::addColumn<int>("xKeyCode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<bool>("extended");
    QTest::newRow("Escape") << 9 << 27 << 0x01 << false;
    QTest::newRow("A") << 38 << 65 << 0x1E << false;
    QTest::newRow("Return") << 36 << 13 << 0x1C << false;
    QTest::newRow("KP_Enter") << 104 << 13 << 0x1C << true;
    QTest::newRow("Control_L") << 37 << 162 << 0x1D << false;
    QTest::newRow("Control_R") << 105 << 163 << 0x1D << true;
    QTest::newRow("Alt_R") << 108 << 165 << 0x38 << true;
    QTest::newRow("KP_Divide") << 106 << 111 << 0x35 << true;
    QTest::newRow("KP_7") << 79 << 103 << 0x47 << false;
    QTest::newRow("Home") << 110 << 36 << 0x47 << true;
    QTest::newRow("Delete") << 119 << 46 << 0x53 << true;
    QTest::newRow("KP_Decimal") << 91 << 110 << 0x53 << false;
    QTest::newRow("Num_Lock") << 77 << 144 << 0x45 << true;
    QTest::newRow("Pause") << 127 << 19 << 0x45 << false;
    QTest::newRow("backslash") << 51 << 220 << 0x2B << false;
    QTest::newRow("102nd key") << 94 << 226 << 0x56 << false;
    QTest::newRow("Super_L") << 133 << 91 << 0x5B << true;
    QTest::newRow("Menu") << 135 << 93 << 0x5D << true;
    QTest::newRow("F12") << 96 << 123 << 0x58 << false;
    QTest::newRow("Henkan") << 100 << 987 << 0x79 << false;
    QTest::newRow("Hangul") << 130 << 2360 << 0x72 << false;
}

void tst_KeyHookCore::xKeyCodes()
{
    QFETCH(int, xKeyCode);
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(bool, extended);
    WinKeyCode key;
    QVERIFY(xKeyCodes::lookup(xKeyCode, &key));
    QCOMPARE(key.vk, vk);
    QCOMPARE(key.scan, scan);
    QCOMPARE(key.extended, extended);
}

void tst_KeyHookCore::tableIsSortedAndUnique()
{
    const auto &table = xKeyCodes::table();
    for (size_t i = 1; i < table.size(); ++i)
        QVERIFY2(table[i - 1].xKeyCode < table[i].xKeyCode, qPrintable(QString::number(table[i].xKeyCode)));
    // Two physical keys with one (vk, extended) pair could not be told apart.
    QSet<QPair<int, bool>> seen;
    for (const WinKeyCode &k : table) {
        QVERIFY2(!seen.contains(qMakePair(k.vk, k.extended)), qPrintable(QString::number(k.xKeyCode)));
        seen.insert(qMakePair(k.vk, k.extended));
    }
    QVERIFY(!xKeyCodes::lookup(8, nullptr));
    QVERIFY(!xKeyCodes::lookup(300, nullptr));
}

QTEST_GUILESS_MAIN(tst_KeyHookCore)
#include "tst_keyhookcore.moc"
