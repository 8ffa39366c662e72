// Recording into the current macro, driven through the editor's hook slots
// with a clock the test sets: delays and their modes, key-code rewrites,
// the limits, and what a stopped recording leaves in the store.
#include "macroFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace macroTest;

namespace {
constexpr int kPress = 1;
constexpr int kRelease = 0;
} // namespace

class tst_macrorecord : public QObject
{
    Q_OBJECT
private slots:
    void delayModes_data();
    void delayModes();
    void delayCappedAt65535();
    void rewrittenKeys_data();
    void rewrittenKeys();
    void unknownKeyKeepsItsPair();
    void stopAppendsOnceAndAnnouncesOnce();
    void marksAboveStoredMarks();
    void pressLimitShowsMessage();
    void eventLimitNeverStoresLonePress();
    void heldPressOfEarlierRecordingIsForgotten();
    void mouseButtons();
    void noRecordingWithoutMacroOrHook();
    void recordingDisablesEditing();
};

void tst_macrorecord::delayModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("defaultDelay");
    QTest::addColumn<QStringList>("delays");
    QTest::newRow("recorded") << "radioButton_RecordDelay" << "100" << QStringList{"0", "120", "30", "50"};
    QTest::newRow("default") << "radioButton_DefaultDelay" << "100" << QStringList{"100", "100", "100", "100"};
    QTest::newRow("default empty") << "radioButton_DefaultDelay" << "" << QStringList{"0", "0", "0", "0"};
    QTest::newRow("none") << "radioButton_NoDelay" << "100" << QStringList{"0", "0", "0", "0"};
}

void tst_macrorecord::delayModes()
{
    QFETCH(QString, mode);
    QFETCH(QString, defaultDelay);
    QFETCH(QStringList, delays);
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    e.click(mode.toLatin1().constData());
    e.child<QLineEdit>("lineEdit_DefaultDelayNum")->setText(defaultDelay);
    page->toggleRecording();
    e.now = 5000;
    page->onKeyboardRecviveStream(65, 0x1E, kPress, 0);
    e.now += 120;
    page->onKeyboardRecviveStream(66, 0x30, kPress, 0);
    e.now += 30;
    page->onKeyboardRecviveStream(65, 0x1E, kRelease, 0x80);
    e.now += 50;
    page->onKeyboardRecviveStream(66, 0x30, kRelease, 0x80);
    page->toggleRecording();
    QStringList stored;
    for (const EventText &ev : storedEvents(e.store, "1"))
        stored << ev.delay;
    QCOMPARE(stored, delays);
    QVERIFY(rowsMatchStore(page, e.store));
}

void tst_macrorecord::delayCappedAt65535()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->toggleRecording();
    page->onKeyboardRecviveStream(65, 0x1E, kPress, 0);
    e.now += 70000;
    page->onKeyboardRecviveStream(65, 0x1E, kRelease, 0x80);
    page->toggleRecording();
    QCOMPARE(describe(storedEvents(e.store, "1")), (QStringList{"1 0 key 4 A down", "1 65535 key 4 A up"}));
    QCOMPARE(page->totalDelay(), 65535);
}

void tst_macrorecord::rewrittenKeys_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("pressFlags");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Enter") << 13 << 0x1C << 0 << "40" << "Enter";
    QTest::newRow("keypad Enter") << 13 << 0x1C << 1 << "88" << "Num Enter";
    QTest::newRow("Ro") << 255 << 0x7D << 0 << "135" << "Ro";
    QTest::newRow("Yen") << 255 << 0x79 << 0 << "137" << "Yen";
    QTest::newRow("Henkan") << 193 << 0x73 << 0 << "138" << "Henkan";
}

void tst_macrorecord::rewrittenKeys()
{
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(int, pressFlags);
    QFETCH(QString, code);
    QFETCH(QString, caption);
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->toggleRecording();
    page->onKeyboardRecviveStream(vk, scan, kPress, pressFlags);
    e.now += 10;
    page->onKeyboardRecviveStream(vk, scan, kRelease, pressFlags | 0x80);
    page->toggleRecording();
    QCOMPARE(describe(storedEvents(e.store, "1")),
             (QStringList{QStringLiteral("1 0 key %1 %2 down").arg(code, caption),
                          QStringLiteral("1 10 key %1 %2 up").arg(code, caption)}));
}

void tst_macrorecord::unknownKeyKeepsItsPair()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->toggleRecording();
    page->onKeyboardRecviveStream(250, 0, kPress, 0);
    e.now += 7;
    page->onKeyboardRecviveStream(250, 0, kRelease, 0x80);
    page->toggleRecording();
    QCOMPARE(describe(storedEvents(e.store, "1")), (QStringList{"1 0 key -1  down", "1 7 key -1  up"}));
}

void tst_macrorecord::stopAppendsOnceAndAnnouncesOnce()
{
    Editor e;
    const QList<EventText> before = pair(1, 4, 10);
    QVERIFY(addMacro(e.store, 1, "Macro1", before));
    QVERIFY(addMacro(e.store, 2, "Macro2", pair(1, 9)));
    DMacroPage *page = e.open();
    page->toggleRecording();
    QVERIFY(page->isRecording());
    QCOMPARE(page->lastNotice(), QStringLiteral("Start record macro"));
    QCOMPARE(e.child<QLabel>("label")->text(), QStringLiteral("Stop record"));
    for (int vk : {65, 66}) {
        e.now += 20;
        page->onKeyboardRecviveStream(vk, 0, kPress, 0);
        e.now += 20;
        page->onKeyboardRecviveStream(vk, 0, kRelease, 0x80);
    }
    QCOMPARE(page->eventRows().size(), 6);
    QCOMPARE(storedEvents(e.store, "1").size(), 2); // nothing stored while recording
    QCOMPARE(e.changed->count(), 0);
    page->toggleRecording();
    QVERIFY(!page->isRecording());
    QCOMPARE(e.hookRequests, (QList<bool>{true, false}));
    QCOMPARE(e.changed->count(), 1);
    QCOMPARE(e.changed->first(), (QList<QVariant>{"1", "Macro1"}));
    // The recording counts on from the next mark, so its first pair is 3.
    const QStringList recorded = {"3 0 key 4 A down", "3 20 key 4 A up", "4 20 key 5 B down", "4 20 key 5 B up"};
    QCOMPARE(describe(storedEvents(e.store, "1")), describe(before) + recorded);
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(describe(storedEvents(e.store, "2")), describe(pair(1, 9)));
    // An empty recording stores nothing and still announces the macro.
    page->toggleRecording();
    page->toggleRecording();
    QCOMPARE(storedEvents(e.store, "1").size(), 6);
    QCOMPARE(e.changed->count(), 2);
}

void tst_macrorecord::marksAboveStoredMarks()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(7, 4) + pair(2, 5)));
    DMacroPage *page = e.open();
    page->toggleRecording();
    page->onKeyboardRecviveStream(67, 0, kPress, 0);
    page->onKeyboardRecviveStream(68, 0, kPress, 0);
    page->onKeyboardRecviveStream(67, 0, kRelease, 0x80);
    page->onKeyboardRecviveStream(68, 0, kRelease, 0x80);
    page->toggleRecording();
    QStringList marks;
    for (const EventText &ev : storedEvents(e.store, "1"))
        marks << ev.mark + ev.operate;
    QCOMPARE(marks, (QStringList{"7down", "7up", "2down", "2up", "9down", "10down", "9up", "10up"}));
}

void tst_macrorecord::pressLimitShowsMessage()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->toggleRecording();
    for (int i = 0; i < 20; ++i) {
        const int vk = 65 + i;
        page->onKeyboardRecviveStream(vk, 0, kPress, 0);
        page->onKeyboardRecviveStream(vk, 0, kRelease, 0x80);
    }
    QCOMPARE(page->eventRows().size(), 40);
    QVERIFY(page->lastNotice() != QStringLiteral("The record of events has reached the limit"));
    page->onKeyboardRecviveStream(86, 0, kPress, 0); // the 21st press
    QCOMPARE(page->lastNotice(), QStringLiteral("The record of events has reached the limit"));
    page->onKeyboardRecviveStream(86, 0, kRelease, 0x80);
    page->toggleRecording();
    const QList<EventText> stored = storedEvents(e.store, "1");
    QCOMPARE(stored.size(), 40);
    QCOMPARE(macroModel::countPresses(stored), 20);
}

void tst_macrorecord::eventLimitNeverStoresLonePress()
{
    Editor e;
    QList<EventText> events;
    for (int i = 1; i <= 19; ++i)
        events += pair(i, 4);
    QVERIFY(addMacro(e.store, 1, "Macro1", events));
    DMacroPage *page = e.open();
    page->toggleRecording();
    // Mouse presses do not count against the 20 presses; two held at 38
    // events would leave one without its release.
    page->onMouseRecviveStream(0, macroModel::MouseLeftDown, 0);
    page->onMouseRecviveStream(0, macroModel::MouseRightDown, 0);
    QCOMPARE(page->lastNotice(), QStringLiteral("The record of events has reached the limit"));
    page->onMouseRecviveStream(0, macroModel::MouseRightUp, 0);
    page->onMouseRecviveStream(0, macroModel::MouseLeftUp, 0);
    page->toggleRecording();
    std::list<MacroEventRecord> records;
    QVERIFY(CVardexXML_SelectAllKeyOrMouseEvent(e.store.constData(), "1", records));
    QCOMPARE(int(records.size()), 40);
    QVERIFY(macroModel::isWellFormed(records));
    QVERIFY(rowsMatchStore(page, e.store));
}

void tst_macrorecord::heldPressOfEarlierRecordingIsForgotten()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    QVERIFY(addMacro(e.store, 2, "Macro2"));
    DMacroPage *page = e.open();
    page->toggleRecording();
    page->onKeyboardRecviveStream(65, 0, kPress, 0); // still held when the recording stops
    page->toggleRecording();
    e.select("2");
    QCOMPARE(page->currentMacroIndex(), QStringLiteral("2"));
    page->toggleRecording();
    page->onKeyboardRecviveStream(65, 0, kRelease, 0x80);
    page->onKeyboardRecviveStream(66, 0, kPress, 0);
    page->onKeyboardRecviveStream(66, 0, kRelease, 0x80);
    page->toggleRecording();
    QCOMPARE(describe(storedEvents(e.store, "2")), (QStringList{"1 0 key 5 B down", "1 0 key 5 B up"}));
}

void tst_macrorecord::mouseButtons()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->toggleRecording();
    page->onMouseRecviveStream(0, macroModel::MouseMiddleDown, 0);
    page->onMouseRecviveStream(0, 515, 0); // double click: dropped
    page->onMouseRecviveStream(0, 522, 0); // wheel: dropped
    page->onMouseRecviveStream(0, macroModel::MouseMiddleUp, 0);
    page->onMouseRecviveStream(0, macroModel::MouseLeftUp, 0); // press not recorded: dropped
    page->toggleRecording();
    QCOMPARE(describe(storedEvents(e.store, "1")),
             (QStringList{"1 0 mouse 519 Center Click down", "1 0 mouse 520 Center Click up"}));
    QCOMPARE(page->eventRows().at(0)->explainText(), QStringLiteral("Center Click"));
}

void tst_macrorecord::noRecordingWithoutMacroOrHook()
{
    Editor e;
    DMacroPage *page = e.open();
    page->toggleRecording();
    QVERIFY(!page->isRecording());
    QVERIFY(e.hookRequests.isEmpty());

    QVERIFY(addMacro(e.store, 1, "Macro1"));
    page->loadMacroList();
    e.hookStarts = false;
    page->toggleRecording();
    QVERIFY(!page->isRecording());
    QCOMPARE(e.child<QLabel>("label")->text(), QStringLiteral("Start record"));
}

void tst_macrorecord::recordingDisablesEditing()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    page->toggleRecording();
    for (const char *frame : {"frame_Right", "frame_Center", "frame_29", "frame_34"})
        QVERIFY2(!e.child<QWidget>(frame)->isEnabled(), frame);
    page->toggleRecording();
    for (const char *frame : {"frame_Right", "frame_Center", "frame_29", "frame_34"})
        QVERIFY2(e.child<QWidget>(frame)->isEnabled(), frame);
}

QTEST_MAIN(tst_macrorecord)
#include "tst_macrorecord.moc"
