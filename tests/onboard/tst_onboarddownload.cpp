// The onboard download through the real device page against the simulated
// keyboard: what lands in the keyboard, the order on the wire, the faults of
// the acknowledged exchange, refused profiles and a keyboard that leaves.
#include "onboardFixture.h"

#include "hid/onboardEncoding.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/DOnboardDownload.h"
#include "../testWait.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

using namespace onboardTest;

namespace {

const QByteArray kSerialA = "A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6";
const QByteArray kSerialB = "Z9y8X7w6V5u4T3s2R1q0P9o8N7m6L5k4";
const char kSuccess[] = "Download config successful";
const char kFailure[] = "Download config failed, Please try again";

// The answer (0x19) carries no field: neither the writer nor a test can tell
// which piece an answer stands for. A keyboard answering on a clock (150 ms
// late against the writer's 100 ms resend) lets the load of the machine
// decide whether an answer lands before or after the resend. These late
// answers come when the test says: the keyboard keeps silent (its own
// answers dropped), and each piece is answered once, after the writer sent
// it again and the keyboard got that copy. Each answer then stands for the
// piece just sent, under any load.
class LateAnswers
{
public:
    LateAnswers(DDevicePage *page, const QString &keyboard)
        : m_writer(page->onboardDownload())
        , m_keyboard(keyboard.toLatin1())
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, page, [this] { tick(); });
    }
    void start() { m_timer.start(); }
    int answered() const { return m_answered; }

private:
    void tick()
    {
        const QByteArray last = m_writer->lastPiece().toByteArray();
        if (last != m_piece) {
            m_piece = last;
            m_resendsAtPiece = m_writer->resendCount();
            m_pieceAnswered = false;
        }
        // Every copy the writer queued (one per piece answered, the piece
        // waiting, the resends) has reached the keyboard.
        const int queued = m_answered + 1 + m_writer->resendCount();
        if (m_pieceAnswered || m_writer->resendCount() == m_resendsAtPiece
            || onboardInfo(QString::fromLatin1(m_keyboard)).macroPiecesReceived < queued)
            return;
        unsigned char ack[64] = {0x01, 0x19};
        if (CVardexSim_Inject(m_keyboard.constData(), ack) == 0) {
            ++m_answered;
            m_pieceAnswered = true;
        }
    }

    const DOnboardDownload *m_writer;
    const QByteArray m_keyboard;
    QTimer m_timer;
    int m_answered = 0;
    QByteArray m_piece;       // the writer's last piece as last seen
    int m_resendsAtPiece = 0; // the writer's resends when that piece was new
    bool m_pieceAnswered = false;
};

// In a row's fault column: no fault of the keyboard's own, LateAnswers.
constexpr int kLateAnswers = -1;

} // namespace

class tst_onboarddownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void bothLayersAndThreeMacrosLandInTheKeyboard();
    void wireOrderOfADownload_data();
    void wireOrderOfADownload();
    void faultsOfTheExchange_data();
    void faultsOfTheExchange();
    void tenMacroKeysUseEverySlot();
    void refusedProfilesSendNothing_data();
    void refusedProfilesSendNothing();
    void unplugMidDownloadFailsAtOnce();
    void keyboardThatLeftIsNamed_data();
    void keyboardThatLeftIsNamed();
    void secondPressWhileRunningStartsNothing();
    void noCurrentKeyboardFails();

private:
    DDevicePage *startPage(const QList<SimDevice> &devices);
    QString current() const { return currentPath(m_page.get()); }
    void bindSample();

    std::unique_ptr<DDevicePage> m_page;
};

void tst_onboarddownload::initTestCase()
{
    QVERIFY(startLibrary());
}

void tst_onboarddownload::init()
{
    QDir dir(DDataManager::instance()->userConfigDir());
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(dir.filePath(sub)).removeRecursively();
}

void tst_onboarddownload::cleanup()
{
    CVardexSim_SetLogFile(nullptr);
    destroyPage(m_page);
}

DDevicePage *tst_onboarddownload::startPage(const QList<SimDevice> &devices)
{
    // No periodic status reports: the download's own report must be the one read.
    if (CVardexSim_LoadScenarioText(scenarioJson(devices, 0).constData()) != 0)
        return nullptr;
    m_page = std::make_unique<DDevicePage>();
    m_page->resize(1280, 700);
    m_page->show();
    if (!QTest::qWaitFor([&] { return m_page->currentLink() && !m_page->profileFolder().isEmpty(); }, kHangMs))
        return nullptr;
    CVardexSim_ClearOnboard(current().toLatin1().constData());
    // A download whose last slot went out before the FN pages ends only by
    // the keyboard's patience. Make that patience outlast any pause a loaded
    // machine adds to the host's 400 ms closing pause, and still end well
    // inside the host's 3 s wait for the status.
    for (const QString &path : attachedPaths())
        if (CVardexSim_SetFault(path.toLatin1().constData(), SIM_FAULT_ONBOARD_QUIET_MS, 1500) != 0)
            return nullptr;
    return m_page.get();
}

// Default layer: A macro 1, B Ctrl+Alt+A, C scroll down. FN layer: D macro 2
// (play mode 2, three times), E macro 1 again, F calculator.
void tst_onboarddownload::bindSample()
{
    DDevicePage *page = m_page.get();
    QVERIFY(addMacro(page, 0, "1", {macroEvent("key", 4, true, 0), macroEvent("key", 4, false, 120)}));
    QVERIFY(addMacro(page, 1, "1", {macroEvent("key", 4, true, 0), macroEvent("key", 4, false, 120)}));
    QVERIFY(addMacro(page, 1, "2", {macroEvent("mouse", 516, true, 0), macroEvent("mouse", 517, false, 300),
                                    macroEvent("key", 5, true, 10)}));
    QVERIFY(bind(page, 0, 4, "1", "1"));
    QVERIFY(bind(page, 0, 5, "2", "5,4"));
    QVERIFY(bind(page, 0, 6, "4", "4"));
    QVERIFY(bind(page, 1, 7, "1", "2", "2", "3"));
    QVERIFY(bind(page, 1, 8, "1", "1"));
    QVERIFY(bind(page, 1, 9, "3", "9"));
}

void tst_onboarddownload::bothLayersAndThreeMacrosLandInTheKeyboard()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    bindSample();
    const QList<int> keys = registryKeyCodes();
    QVERIFY(keys.contains(4) && keys.contains(7) && keys.contains(8));

    m_page->onTheKeyboardIntoDownloading();
    QCOMPARE(m_page->lastNotice(), QString::fromLatin1(kSuccess));
    QVERIFY(!m_page->customKeysPage()->isDownloading());

    // Slots in the order met: Default layer first, then FN in registry order.
    QList<int> fnMacroKeys;
    for (int key : keys)
        if (key == 7 || key == 8)
            fnMacroKeys << key;
    QMap<int, QByteArray> defaultLayer{{4, QByteArray::fromHex("10040000")},
                                       {5, QByteArray::fromHex("13e0e204")},
                                       {6, QByteArray::fromHex("1201ff00")}};
    QMap<int, QByteArray> fnLayer{{9, QByteArray::fromHex("07320000")}};
    for (int i = 0; i < fnMacroKeys.size(); ++i)
        fnLayer[fnMacroKeys[i]] = QByteArray::fromHex("10") + char(fnMacroKeys[i]) + char(1 + i) + '\0';

    const int pages = (keys.size() + 13) / 14;
    for (int layer = 0; layer < 2; ++layer) {
        QByteArray expected;
        for (int key : keys)
            expected += (layer == 0 ? defaultLayer : fnLayer).value(key, unboundEntry(key));
        QCOMPARE(heldTable(current(), layer * 2, pages).toHex(), expected.toHex());
        QCOMPARE(CVardexSim_GetKeyPage(current().toLatin1().constData(), layer * 2, pages, nullptr), -1);
    }

    // Slot 0: the two-event macro played once.
    QByteArray slot0 = QByteArray::fromHex("00000008000100000410000004000078");
    slot0.append(QByteArray(256 - slot0.size(), '\0'));
    QCOMPARE(heldSlot(current(), 0).toHex(), slot0.toHex());
    QCOMPARE(heldSlot(current(), 1 + fnMacroKeys.indexOf(8)).toHex(), slot0.toHex());
    QByteArray slotD = QByteArray::fromHex("0001000c00030000" "02110000" "0201012c" "0510000a");
    slotD.append(QByteArray(256 - slotD.size(), '\0'));
    QCOMPARE(heldSlot(current(), 1 + fnMacroKeys.indexOf(7)).toHex(), slotD.toHex());
    for (int slot = 3; slot < 10; ++slot)
        QCOMPARE(heldSlot(current(), slot), QByteArray(256, '\0'));

    const CVardexSimOnboardInfo info = onboardInfo(current());
    // Every piece once (a loaded machine may cost a resend, which repeats one).
    QCOMPARE(info.macroPiecesReceived - info.macroPiecesRepeated, 50);
    QCOMPARE(info.keyPagesReceived, 2 * pages);
    QCOMPARE(info.downloadsEnded, 1);
    QCOMPARE(info.lastStatus, 1);
    // The page's state after the download: the FN layer's store and profile.
    QCOMPARE(m_page->onboardDownload()->storePath(), layerStore(m_page.get(), 1));
    QCOMPARE(m_page->onboardDownload()->profileIndex(), 1);
    QCOMPARE(m_page->onboardDownload()->downloadStatus(), 1);
}

void tst_onboarddownload::wireOrderOfADownload_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("lateAnswers"); // the test answers each piece after its resend
    QTest::addColumn<QString>("resent");   // what the row resends on an idle machine
    QTest::newRow("instant acknowledgements") << 0 << 0 << false << QString();
    QTest::newRow("late acknowledgements") << int(SIM_FAULT_DROP_ACKS) << 1 << true << QString();
    // Piece 4 is the last piece of slot 0, the slot of the bound macro.
    QTest::newRow("slot's last piece unacknowledged once")
        << int(SIM_FAULT_ONBOARD_DROP_ACK) << 4 << false << QStringLiteral("M0.4");
}

void tst_onboarddownload::wireOrderOfADownload()
{
    QFETCH(int, fault);
    QFETCH(int, value);
    QFETCH(bool, lateAnswers);
    QFETCH(QString, resent);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString logPath = dir.filePath(QStringLiteral("sim.log"));
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    const QList<int> keys = registryKeyCodes();
    const int macroKeyIndex = keys.indexOf(8); // E, in the second page
    QVERIFY(macroKeyIndex >= 14);
    QVERIFY(addMacro(m_page.get(), 0, "1", keyEvents(2)));
    QVERIFY(bind(m_page.get(), 0, 8, "1", "1"));
    if (fault)
        QCOMPARE(CVardexSim_SetFault(current().toLatin1().constData(), fault, value), 0);
    // This download ends with its closing piece: no pause of a loaded
    // machine may end it early, as the keyboard's patience would.
    QCOMPARE(CVardexSim_SetFault(current().toLatin1().constData(), SIM_FAULT_ONBOARD_QUIET_MS, 60000), 0);
    QCOMPARE(CVardexSim_SetLogFile(logPath.toLocal8Bit().constData()), 0);

    LateAnswers answers(m_page.get(), current());
    if (lateAnswers)
        answers.start();
    int retries = 0;
    {
        DebugLines debug;
        m_page->onTheKeyboardIntoDownloading();
        retries = debug.count(QStringLiteral("[Retry]"));
    }
    CVardexSim_SetLogFile(nullptr);
    QCOMPARE(m_page->lastNotice(), QString::fromLatin1(kSuccess));
    if (lateAnswers) {
        // Every piece cost a resend, and was answered once.
        QVERIFY2(retries >= 50, qPrintable(QString::number(retries)));
        QCOMPARE(answers.answered(), 50);
    }

    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray path = current().toLatin1();
    // One token per onboard line: "P<layer>.<page>:<len>", "M<slot>.<piece>", "A", "S<status>", "#".
    QStringList seq;
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() < 4 || f[1] != path)
            continue;
        if (f[2] == "#") {
            seq << QStringLiteral("#");
            continue;
        }
        if (f[2] != ">" && f[2] != "<")
            continue; // other summaries (the light-sync rates)
        const QByteArray r = QByteArray::fromHex(f[3]);
        QCOMPARE(r.size(), 64);
        const int cmd = r[1];
        if (f[2] == ">" && cmd == 0x17)
            seq << QStringLiteral("P%1.%2:%3").arg(int(r[2])).arg(int(r[4])).arg(int(uchar(r[5])));
        else if (f[2] == ">" && cmd == 0x18)
            seq << QStringLiteral("M%1.%2").arg(int(r[2])).arg(int(r[4]));
        else if (f[2] == "<" && cmd == 0x19)
            seq << QStringLiteral("A");
        else if (f[2] == "<" && cmd == 0x01 && r[13] != 0)
            seq << QStringLiteral("S%1").arg(int(r[13]));
    }

    // The answer (0x19) carries no field, so the host takes any answer for
    // the piece it waits on. While every answer stands for one piece, the
    // log shows which piece each answer belongs to. A loaded machine can
    // break that: an answer later than the host's wait costs a resend the
    // row did not ask for, and that copy's answer then stands for the next
    // piece, so the answers drift and the keyboard's count of pieces (which
    // the dropped-answer fault uses) moves. The log itself tells: the row's
    // own resends are the only pieces sent twice.
    QStringList sentTwice;
    {
        QStringList sent = seq.filter(QRegularExpression(QStringLiteral("^[MP]")));
        for (int i = 1; i < sent.size(); ++i)
            if (sent.at(i) == sent.at(i - 1))
                sentTwice << sent.at(i);
    }
    const bool answersStandForOnePiece
        = !lateAnswers && sentTwice == (resent.isEmpty() ? QStringList() : QStringList{resent});

    // The slot is complete on the keyboard before the page that points at
    // it: an answer came after its last piece and before the page.
    int macroPage = -1;
    for (int i = 0; i < seq.size() && macroPage < 0; ++i)
        if (seq[i].startsWith(QStringLiteral("P0.%1:").arg(macroKeyIndex / 14)))
            macroPage = i;
    QVERIFY(macroPage > 0);
    const int lastPiece = seq.indexOf(QStringLiteral("M0.4"));
    QVERIFY(lastPiece >= 0 && lastPiece < macroPage);
    if (lateAnswers || answersStandForOnePiece)
        QVERIFY2(seq.mid(lastPiece, macroPage - lastPiece).contains(QStringLiteral("A")),
                 qPrintable(seq.mid(lastPiece, macroPage - lastPiece + 1).join(' ')));
    if (lateAnswers) {
        // The keyboard closes the download on the first copy of the last
        // piece: its status and tables may come before that piece's resend
        // and answer. The answer still came once.
        const int closing = seq.indexOf(QStringLiteral("M9.4"));
        QVERIFY(closing > 0);
        QStringList after = seq.mid(closing + 1);
        QCOMPARE(after.count(QStringLiteral("A")), 1);
        after.removeAll(QStringLiteral("A"));
        after.removeAll(QStringLiteral("M9.4"));
        seq = seq.mid(0, closing + 1) + QStringList{QStringLiteral("A")} + after;
    }

    // A resend (and the second acknowledgement it brings) on a loaded
    // machine repeats a token: the order is what counts here.
    for (int i = seq.size() - 1; i > 0; --i)
        if (seq[i] == seq[i - 1] && seq[i] != QLatin1String("#"))
            seq.removeAt(i);

    QStringList expected;
    const int pages = (keys.size() + 13) / 14;
    const int lastLength = keys.size() % 14 == 0 ? 56 : 4 * (keys.size() % 14);
    auto macro = [&](int slot) {
        for (int piece = 0; piece < 5; ++piece)
            expected << QStringLiteral("M%1.%2").arg(slot).arg(piece) << QStringLiteral("A");
    };
    for (int layer : {0, 2}) {
        for (int page = 0; page < pages; ++page) {
            // The macro goes into its slot just before the page that refers to it.
            if (layer == 0 && page == macroKeyIndex / 14)
                macro(0);
            expected << QStringLiteral("P%1.%2:%3").arg(layer).arg(page).arg(page == pages - 1 ? lastLength : 56);
        }
    }
    for (int slot = 1; slot < 10; ++slot)
        macro(slot);
    expected << QStringLiteral("S1");
    const int decodedLines = 2 * pages + 10;
    for (int i = 0; i < decodedLines; ++i)
        expected << QStringLiteral("#");
    if (!lateAnswers && !answersStandForOnePiece) {
        // The answers drifted (see above); the order of what is sent holds.
        seq.removeAll(QStringLiteral("A"));
        for (int i = seq.size() - 1; i > 0; --i)
            if (seq[i] == seq[i - 1] && seq[i] != QLatin1String("#"))
                seq.removeAt(i);
        expected.removeAll(QStringLiteral("A"));
    }
    QCOMPARE(seq.join(' '), expected.join(' '));
}

void tst_onboarddownload::faultsOfTheExchange_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("succeeds");
    // Pieces repeated in all, at least: a keyboard slowed down by a loaded
    // machine may cost a resend more, never one less.
    QTest::addColumn<int>("resends");
    QTest::addColumn<int>("tryAgain");  // "Try again" lines
    QTest::addColumn<int>("statuses");  // downloads the keyboard saw to their end

    QTest::newRow("one dropped acknowledgement") << int(SIM_FAULT_ONBOARD_DROP_ACK) << 7 << true << 1 << 0 << 1;
    QTest::newRow("last piece unacknowledged once") << int(SIM_FAULT_ONBOARD_DROP_ACK) << 49 << true << 1 << 0 << 1;
    QTest::newRow("acknowledgement from the other keyboard")
        << int(SIM_FAULT_ONBOARD_FOREIGN_ACK) << 7 << true << 1 << 0 << 1;
    QTest::newRow("late acknowledgements") << kLateAnswers << 0 << true << 50 << 0 << 1;
    // Two attempts of one piece and its three resends: the second attempt's
    // first piece repeats the first attempt's last one.
    QTest::newRow("never acknowledged") << int(SIM_FAULT_DROP_ACKS) << 1 << false << 7 << 1 << 0;
    QTest::newRow("keyboard reports failure") << int(SIM_FAULT_ONBOARD_STATUS) << 2 << false << 0 << 1 << 2;
    // Only the keyboard's own word of success counts.
    QTest::newRow("status neither success nor failure") << int(SIM_FAULT_ONBOARD_STATUS) << 3 << false << 0 << 1 << 2;
    QTest::newRow("no status") << int(SIM_FAULT_ONBOARD_STATUS) << -1 << false << 0 << 1 << 2;
}

void tst_onboarddownload::faultsOfTheExchange()
{
    QFETCH(int, fault);
    QFETCH(int, value);
    QFETCH(bool, succeeds);
    QFETCH(int, resends);
    QFETCH(int, tryAgain);
    QFETCH(int, statuses);

    // A second keyboard whose link is open too.
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}, {"Pasko", false, true, kSerialB}}));
    QVERIFY(current().contains(QLatin1String("Brisko")));
    LateAnswers answers(m_page.get(), current());
    if (fault == kLateAnswers) {
        QCOMPARE(CVardexSim_SetFault(current().toLatin1().constData(), SIM_FAULT_DROP_ACKS, 1), 0);
        answers.start();
    } else {
        QCOMPARE(CVardexSim_SetFault(current().toLatin1().constData(), fault, value), 0);
    }

    DebugLines debug;
    m_page->onTheKeyboardIntoDownloading();
    QCOMPARE(m_page->lastNotice(), QString::fromLatin1(succeeds ? kSuccess : kFailure));
    QCOMPARE(debug.count(QStringLiteral("[Try again]")), tryAgain);

    const CVardexSimOnboardInfo info = onboardInfo(current());
    QVERIFY2(info.macroPiecesRepeated >= resends, qPrintable(QString::number(info.macroPiecesRepeated)));
    QCOMPARE(info.downloadsEnded, statuses);
    if (succeeds) {
        for (int slot = 0; slot < 10; ++slot)
            QCOMPARE(heldSlot(current(), slot), QByteArray(256, '\0'));
    }
    if (fault == SIM_FAULT_ONBOARD_FOREIGN_ACK)
        QCOMPARE(info.acksSentElsewhere, 1);
    if (fault == SIM_FAULT_DROP_ACKS) // each attempt: the first piece and its three resends
        QCOMPARE(info.macroPiecesReceived, 8);
}

void tst_onboarddownload::tenMacroKeysUseEverySlot()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    const QList<int> keys = registryKeyCodes();
    QList<int> bound;
    for (int key : keys)
        if (key >= 4 && key <= 29 && bound.size() < 10)
            bound << key;
    QCOMPARE(bound.size(), 10);
    QVERIFY(addMacro(m_page.get(), 0, "1", keyEvents(4)));
    for (int key : bound)
        QVERIFY(bind(m_page.get(), 0, key, "1", "1", "2", "5"));

    m_page->onTheKeyboardIntoDownloading();
    QCOMPARE(m_page->lastNotice(), QString::fromLatin1(kSuccess));
    const CVardexSimOnboardInfo info = onboardInfo(current());
    QCOMPARE(info.macroPiecesReceived - info.macroPiecesRepeated, 50); // nothing left to clear
    for (int slot = 0; slot < 10; ++slot)
        QCOMPARE(int(uchar(heldSlot(current(), slot).at(3))), 16);
}

void tst_onboarddownload::refusedProfilesSendNothing_data()
{
    QTest::addColumn<int>("macroKeys");
    QTest::addColumn<int>("macroEvents");
    QTest::addColumn<QByteArray>("combination");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("eleven macro keys") << 11 << 2 << QByteArray() << QStringLiteral("11 keys are bound to macros");
    QTest::newRow("macro of 63 events") << 1 << 63 << QByteArray() << QStringLiteral("\"Macro1\"");
    QTest::newRow("three modifiers") << 0 << 0 << QByteArray("7,4") << QStringLiteral("combines 3 modifier keys");
}

void tst_onboarddownload::refusedProfilesSendNothing()
{
    QFETCH(int, macroKeys);
    QFETCH(int, macroEvents);
    QFETCH(QByteArray, combination);
    QFETCH(QString, messagePart);

    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    // The macro store names the macro in the message.
    const QByteArray macroStore = QFile::encodeName(DDataManager::instance()->userConfigDir() + "/appMacro.xml");
    QVERIFY(CVardexXML_CreateXMLFile(macroStore.constData()));
    QVERIFY(DDataManager::instance()->setMacroXmlPath(macroStore.constData()));
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(macroStore.constData(), "1", "Macro1"));
    QVERIFY(addMacro(m_page.get(), 1, "1", keyEvents(macroEvents)));
    QVERIFY(addMacro(m_page.get(), 0, "1", keyEvents(2)));
    // Spread over both layers: the count is of the whole download.
    for (int i = 0; i < macroKeys; ++i)
        QVERIFY(bind(m_page.get(), i % 2 == 0 ? 1 : 0, 4 + i, "1", "1"));
    if (!combination.isEmpty())
        QVERIFY(bind(m_page.get(), 1, 30, "2", combination.constData()));

    m_page->onTheKeyboardIntoDownloading();
    QVERIFY2(m_page->lastNotice().contains(messagePart), qPrintable(m_page->lastNotice()));
    QVERIFY(!m_page->customKeysPage()->isDownloading());
    QTest::qWait(50);
    const CVardexSimOnboardInfo info = onboardInfo(current());
    QCOMPARE(info.keyPagesReceived, 0);
    QCOMPARE(info.macroPiecesReceived, 0);
}

void tst_onboarddownload::unplugMidDownloadFailsAtOnce()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    const QString path = current();
    const QString name = QString::fromUtf8(m_page->currentDevice().likeName);
    QTimer unplug;
    unplug.setInterval(2);
    bool unplugged = false;
    int piecesBeforeUnplug = 0;
    DebugLines debug;
    // A loaded machine may resend a late-acknowledged piece before the
    // unplug; only what happens after it counts here.
    int retriesBeforeUnplug = 0;
    int attemptsBeforeUnplug = 0;
    connect(&unplug, &QTimer::timeout, m_page.get(), [&] {
        if (unplugged)
            return;
        piecesBeforeUnplug = onboardInfo(path).macroPiecesReceived;
        if (piecesBeforeUnplug < 12)
            return;
        unplugged = true;
        retriesBeforeUnplug = debug.count(QStringLiteral("[Retry]"));
        attemptsBeforeUnplug = debug.count(QStringLiteral("[Try again]"));
        CVardexSim_Unplug(path.toLatin1().constData());
        m_page->updateHidList(12);
    });
    unplug.start();
    m_page->onTheKeyboardIntoDownloading();
    unplug.stop();
    QVERIFY(unplugged);
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Download config to %1 failed: the keyboard was disconnected").arg(name));
    QVERIFY(!m_page->onboardDownload()->isRunning());
    // Nothing after the unplug: no resend, no second attempt.
    QCOMPARE(debug.count(QStringLiteral("[Retry]")), retriesBeforeUnplug);
    QCOMPARE(debug.count(QStringLiteral("[Try again]")), attemptsBeforeUnplug);
    QCOMPARE(onboardInfo(path).macroPiecesReceived, piecesBeforeUnplug);

    // The keyboard comes back: the next download works.
    QCOMPARE(CVardexSim_Plug(path.toLatin1().constData()), 0);
    m_page->updateHidList(11);
    QVERIFY(QTest::qWaitFor([&] { return current() == path && !m_page->profileFolder().isEmpty(); }, kHangMs));
    m_page->onTheKeyboardIntoDownloading();
    QCOMPARE(m_page->lastNotice(), QString::fromLatin1(kSuccess));
    QCOMPARE(onboardInfo(path).lastStatus, 1);
}

void tst_onboarddownload::keyboardThatLeftIsNamed_data()
{
    QTest::addColumn<bool>("unplug");
    QTest::addColumn<QString>("message");
    QTest::newRow("unplugged") << true << "Download config to %1 failed: the keyboard was disconnected";
    QTest::newRow("another chosen") << false << "Download config to %1 stopped: another keyboard was selected";
}

// The toast of a download whose keyboard went away shows under the keyboard
// that is current then: it names the one the download was for, never reads as
// the current keyboard's failure, and nothing reached the current one.
void tst_onboarddownload::keyboardThatLeftIsNamed()
{
    QFETCH(bool, unplug);
    QFETCH(QString, message);
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}, {"Pravo", false, true, kSerialB}}));
    QTRY_VERIFY_WITH_TIMEOUT(m_page->keyboardLinks().size() == 2, testWait::kHangMs);
    const QString first = current();
    const QString other = m_page->keyboardLinks().firstKey() == first ? m_page->keyboardLinks().lastKey()
                                                                        : m_page->keyboardLinks().firstKey();
    const QString firstName = QString::fromUtf8(m_page->currentDevice().likeName);
    QVERIFY(!firstName.isEmpty());
    CVardexSim_ClearOnboard(other.toLatin1().constData());

    QTimer leave;
    leave.setInterval(2);
    bool left = false;
    connect(&leave, &QTimer::timeout, m_page.get(), [&] {
        if (left || onboardInfo(first).macroPiecesReceived < 12)
            return;
        left = true;
        if (unplug) {
            CVardexSim_Unplug(first.toLatin1().constData());
            m_page->updateHidList(12);
        } else {
            QTest::mouseClick(m_page->deviceTiles().value(other), Qt::LeftButton);
        }
    });
    leave.start();
    m_page->onTheKeyboardIntoDownloading();
    leave.stop();
    QVERIFY(left);
    QCOMPARE(m_page->lastNotice(), message.arg(firstName));
    QTRY_COMPARE_WITH_TIMEOUT(current(), other, testWait::kHangMs);
    QVERIFY(QString::fromUtf8(m_page->currentDevice().likeName) != firstName);
    const CVardexSimOnboardInfo info = onboardInfo(other);
    QCOMPARE(info.keyPagesReceived + info.macroPiecesReceived, 0);
}

void tst_onboarddownload::secondPressWhileRunningStartsNothing()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    bool pressedAgain = false;
    QTimer::singleShot(0, m_page.get(), [&] {
        pressedAgain = m_page->onboardDownload()->isRunning();
        m_page->onTheKeyboardIntoDownloading();
    });
    m_page->onTheKeyboardIntoDownloading();
    QVERIFY(pressedAgain);
    QCOMPARE(m_page->lastNotice(), QString::fromLatin1(kSuccess));
    QTest::qWait(700);
    const CVardexSimOnboardInfo info = onboardInfo(current());
    QCOMPARE(info.macroPiecesReceived - info.macroPiecesRepeated, 50);
    QCOMPARE(info.downloadsEnded, 1);
}

void tst_onboarddownload::noCurrentKeyboardFails()
{
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\":[]}"), 0);
    m_page = std::make_unique<DDevicePage>();
    QTest::qWait(300);
    QVERIFY(!m_page->currentLink());
    m_page->onTheKeyboardIntoDownloading();
    QCOMPARE(m_page->lastNotice(), QString::fromLatin1(kFailure));
    QVERIFY(!m_page->onboardDownload()->isRunning());
}

QTEST_MAIN(tst_onboarddownload)
#include "tst_onboarddownload.moc"
