// What the onboard download writes for each stored binding and macro: the
// 4-byte key entries of the 0x17 pages, the 256-byte macro images and their
// five 0x18 pieces, and the page frame.
#include "hid/onboardEncoding.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QTest>

#include <cstring>

namespace {

KeyOperateInfo binding(const char *type, const char *value = "0", const char *playMode = "1",
                       const char *playCount = "1")
{
    KeyOperateInfo r;
    std::memset(static_cast<void *>(&r), 0, sizeof r);
    std::strcpy(r.type, type);
    std::strcpy(r.value, value);
    std::strcpy(r.playMode, playMode);
    std::strcpy(r.playCount, playCount);
    return r;
}

QByteArray hex(const OnboardKeyEntry &e)
{
    return QByteArray(reinterpret_cast<const char *>(e.bytes.data()), 4).toHex();
}

MacroEventRecord macroEvent(const char *type, const char *code, const char *operate, const char *delay)
{
    MacroEventRecord e;
    std::memset(static_cast<void *>(&e), 0, sizeof e);
    std::strcpy(e.mark, "1");
    std::strcpy(e.type, type);
    std::strcpy(e.keyCode, code);
    std::strcpy(e.operate, operate);
    std::strcpy(e.delay, delay);
    return e;
}

QByteArray bytes(const hidCmdBuff &r, int from, int count)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()) + from, count);
}

} // namespace

class tst_onboardencoding : public QObject
{
    Q_OBJECT

private slots:
    void keyEntry_data();
    void keyEntry();
    void decimalTextsReadAsTheCLibraryDoes_data();
    void decimalTextsReadAsTheCLibraryDoes();
    void pageFacadeEncoders();
    void twoEventMacroImageAndPieces();
    void eventEncoding_data();
    void eventEncoding();
    void macroOfMoreThan62EventsIsRefused();
    void emptyMacroKeepsHeader();
    void keyPageFrame();
};

void tst_onboardencoding::keyEntry_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("subCode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("macroSlot");
    QTest::addColumn<QByteArray>("entry");

    auto row = [](const char *name, int key, const char *type, const char *sub, const char *value, int slot,
                  const char *entry) {
        QTest::newRow(name) << key << QByteArray(type) << QByteArray(sub) << QByteArray(value) << slot
                            << QByteArray(entry);
    };
    // Keys without a binding.
    row("unbound Fn", -10, "-1", "1", "", -1, "01000000");
    row("unbound calculator", 215, "-1", "1", "", -1, "07320000");
    row("unbound mute", 127, "-1", "1", "", -1, "07120000");
    row("unbound volume down", 129, "-1", "1", "", -1, "07110000");
    row("unbound volume up", 128, "-1", "1", "", -1, "07100000");
    row("unbound play/pause", 232, "-1", "1", "", -1, "07130000");
    row("play/pause remapped to A", 232, "0", "1", "4", -1, "00040000");
    row("unbound A", 4, "-1", "1", "", -1, "00040000");
    row("unbound code above 255", 0x1E4, "-1", "1", "", -1, "00e40000");
    row("key code 0 whatever is bound", 0, "2", "1", "5,4", -1, "00000000");
    // 0 remap.
    row("remap to A", 30, "0", "1", "4", -1, "00040000");
    row("remap to -20", 30, "0", "1", "-20", -1, "14000000");
    row("remap to Fn", 30, "0", "1", "-10", -1, "01000000");
    // 1 macro: key code and slot.
    row("macro", 30, "1", "2", "7", 3, "101e0300");
    // 2 combination.
    row("combination 5,4", 30, "2", "1", "5,4", -1, "13e0e204");
    row("combination 1,4", 30, "2", "1", "1,4", -1, "13e00400");
    row("combination 0,4", 30, "2", "1", "0,4", -1, "13000400");
    row("combination 7,4 lowest and highest", 30, "2", "1", "7,4", -1, "13e0e204");
    row("combination right Win", 30, "2", "1", "129,4", -1, "13e0e704");
    row("combination mask above a byte", 30, "2", "1", "257,4", -1, "13e00400");
    row("combination not a number", 30, "2", "1", "x,4", -1, "13000400");
    row("combination usage missing", 30, "2", "1", "2", -1, "13e10000");
    // 3 multimedia.
    row("multimedia volume up", 30, "3", "1", "0", -1, "07100000");
    row("multimedia media player", 30, "3", "1", "8", -1, "07300000");
    row("multimedia calculator", 30, "3", "1", "9", -1, "07320000");
    row("multimedia my computer", 30, "3", "1", "10", -1, "07340000");
    row("multimedia browser", 30, "3", "1", "11", -1, "07230000");
    row("multimedia e-mail", 30, "3", "1", "12", -1, "07200000");
    row("multimedia brightness down", 30, "3", "1", "14", -1, "07390000");
    row("multimedia search", 30, "3", "1", "15", -1, "07210000");
    row("multimedia other", 30, "3", "1", "16", -1, "07000000");
    // 4 mouse.
    row("mouse left", 30, "4", "1", "0", -1, "12000100");
    row("mouse centre", 30, "4", "1", "1", -1, "12000400");
    row("mouse right", 30, "4", "1", "2", -1, "12000200");
    row("mouse scroll up", 30, "4", "1", "3", -1, "12010100");
    row("mouse scroll down", 30, "4", "1", "4", -1, "1201ff00");
    row("mouse forward", 30, "4", "1", "5", -1, "12000800");
    row("mouse backward", 30, "4", "1", "6", -1, "12001000");
    row("mouse sniper", 30, "4", "1", "7", -1, "12000000");
    // 5 disable, 6 to 8 performed by the host.
    row("disable", 30, "5", "1", "-1", -1, "00000000");
    row("text", 30, "6", "1", "Hello", -1, "1600001e");
    row("switch profile", 30, "7", "1", "2", -1, "1600001e");
    row("launch", 30, "8", "1", "/usr/bin/true", -1, "1600001e");
    // 9 shortcuts.
    row("shortcut close window", 30, "9", "1", "0", -1, "13e23d00");
    row("shortcut show desktop", 30, "9", "1", "2", -1, "13e30700");
    row("shortcut lock computer", 30, "9", "1", "4", -1, "13e30f00");
    row("shortcut save", 30, "9", "1", "11", -1, "13e01600");
    row("shortcut other", 30, "9", "1", "12", -1, "13000000");
    // 19 key functions.
    row("function lock keyboard", 30, "19", "0", "5", -1, "11000000");
    row("function Windows lock", 30, "19", "2", "1", -1, "11020100");
    row("function layer", 30, "19", "8", "2", -1, "11080200");
    row("function power query", 30, "19", "10", "0", -1, "110a0000");
    row("function 3 value 291", 30, "19", "3", "291", -1, "11030123");
    row("function 3 value 200", 30, "19", "3", "200", -1, "110300c8");
    row("function 3 value above 16 bits", 30, "19", "3", "70000", -1, "1103ffff");
    row("function connection switch", 30, "19", "11", "1,2", -1, "110b0102");
    row("function other", 30, "19", "12", "1", -1, "001e0000");
    // Light events.
    row("light 20", 30, "20", "1", "5", -1, "02050000");
    row("light 21", 30, "21", "1", "5", -1, "03050000");
    row("light 22", 30, "22", "1", "5", -1, "04050000");
    row("light 23", 30, "23", "1", "5", -1, "05050000");
    row("light 24", 30, "24", "1", "5", -1, "06050000");
    row("light 25", 30, "25", "1", "5", -1, "08050000");
    row("light 26 sub 0", 30, "26", "0", "3", -1, "11040300");
    row("light 26 sub 1", 30, "26", "1", "3", -1, "11050300");
    row("light 26 sub 2", 30, "26", "2", "3", -1, "001e0000");
    row("light recording", 30, "27", "1", "3", -1, "09000000");
    row("side 30", 30, "30", "1", "2", -1, "0a020000");
    row("side 31", 30, "31", "1", "2", -1, "0b020000");
    row("side 32", 30, "32", "1", "2", -1, "0c020000");
    row("side 33", 30, "33", "1", "2", -1, "0d020000");
    row("side 34 sub 0", 30, "34", "0", "2", -1, "11040200");
    row("side 34 sub 1", 30, "34", "1", "2", -1, "11060200");
    row("side 34 sub 5", 30, "34", "5", "2", -1, "001e0000");
    // Types without an entry of their own.
    row("type 10", 30, "10", "1", "2", -1, "001e0000");
    row("type 28", 30, "28", "1", "2", -1, "001e0000");
    row("type 35", 30, "35", "1", "2", -1, "001e0000");
    row("type -5", 30, "-5", "1", "2", -1, "001e0000");
}

void tst_onboardencoding::keyEntry()
{
    QFETCH(int, keyCode);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, subCode);
    QFETCH(QByteArray, value);
    QFETCH(int, macroSlot);
    QFETCH(QByteArray, entry);
    const KeyOperateInfo record = binding(type.constData(), value.constData(), subCode.constData());
    QCOMPARE(hex(onboard::encodeKey(keyCode, record, macroSlot)), entry);
}

void tst_onboardencoding::decimalTextsReadAsTheCLibraryDoes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << QByteArray("42") << 42;
    QTest::newRow("blanks and sign") << QByteArray("  -7") << -7;
    QTest::newRow("digits then text") << QByteArray("12abc") << 12;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("too large saturates") << QByteArray("99999999999999") << 2147483647;
    QTest::newRow("too small saturates") << QByteArray("-99999999999999") << int(-2147483647 - 1);
}

void tst_onboardencoding::decimalTextsReadAsTheCLibraryDoes()
{
    QFETCH(QByteArray, text);
    QFETCH(int, number);
    QCOMPARE(onboard::cNumber(text.constData()), number);
}

void tst_onboardencoding::pageFacadeEncoders()
{
    QCOMPARE(int(DDevicePage::onboardMultimediaCode(binding("3", "13"))), 0x38);
    QCOMPARE(int(DDevicePage::onboardMouseIsScroll(binding("4", "4"))), 1);
    QCOMPARE(int(DDevicePage::onboardMouseCode(binding("4", "4"))), 0xFF);
    const std::array<unsigned char, 3> combination = DDevicePage::onboardCombinationKeys(binding("2", "34,4"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(combination.data()), 3).toHex(), QByteArray("e1e504"));
    const std::array<unsigned char, 3> shortcut = DDevicePage::onboardShortcutKeys(7);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(shortcut.data()), 3).toHex(), QByteArray("e00019"));
}

void tst_onboardencoding::twoEventMacroImageAndPieces()
{
    const std::list<MacroEventRecord> events = {macroEvent("key", "4", "down", "0"), macroEvent("key", "4", "up", "120")};
    OnboardMacroImage image;
    QVERIFY(onboard::buildMacroImage(1, 1, events, &image));

    QByteArray expectedPayload = QByteArray::fromHex("0000000800010000041000000400007800");
    expectedPayload.append(QByteArray(58 - expectedPayload.size(), '\0'));
    const int sizes[] = {58, 58, 58, 58, 24};
    QByteArray reassembled;
    for (int piece = 0; piece < 5; ++piece) {
        const hidCmdBuff r = onboard::macroPiece(6, piece, image);
        QCOMPARE(bytes(r, 0, 6).toHex(), (QByteArray("011806000") + char('0' + piece) +
                                          QByteArray::number(sizes[piece], 16).rightJustified(2, '0')));
        if (piece == 0)
            QCOMPARE(bytes(r, 6, 58).toHex(), expectedPayload.toHex());
        // Nothing after the declared payload.
        QCOMPARE(bytes(r, 6 + sizes[piece], 64 - 6 - sizes[piece]), QByteArray(64 - 6 - sizes[piece], '\0'));
        reassembled += bytes(r, 6, sizes[piece]);
    }
    QCOMPARE(reassembled, QByteArray(reinterpret_cast<const char *>(image.data()), 256));

    // Play mode and count go into the header as stored.
    QVERIFY(onboard::buildMacroImage(4, 200, events, &image));
    QCOMPARE(int(image[1]), 3);
    QCOMPARE(int(image[5]), 200);
}

void tst_onboardencoding::eventEncoding_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("operate");
    QTest::addColumn<QByteArray>("delay");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("key press") << QByteArray("key") << QByteArray("4") << QByteArray("down") << QByteArray("0")
                               << QByteArray("04100000");
    QTest::newRow("delay 300") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QByteArray("300")
                               << QByteArray("0400012c");
    QTest::newRow("key code low byte") << QByteArray("key") << QByteArray("260") << QByteArray("down")
                                       << QByteArray("5") << QByteArray("04100005");
    QTest::newRow("right button press") << QByteArray("mouse") << QByteArray("516") << QByteArray("down")
                                        << QByteArray("10") << QByteArray("0211000a");
    QTest::newRow("right button release") << QByteArray("mouse") << QByteArray("517") << QByteArray("up")
                                          << QByteArray("10") << QByteArray("0201000a");
    QTest::newRow("left press") << QByteArray("mouse") << QByteArray("513") << QByteArray("down") << QByteArray("0")
                                << QByteArray("01110000");
    QTest::newRow("middle release") << QByteArray("mouse") << QByteArray("520") << QByteArray("up")
                                    << QByteArray("0") << QByteArray("04010000");
    QTest::newRow("operate other than down is a release")
        << QByteArray("key") << QByteArray("4") << QByteArray("Down") << QByteArray("0") << QByteArray("04000000");
    QTest::newRow("unknown mouse message keeps its delay")
        << QByteArray("mouse") << QByteArray("522") << QByteArray("down") << QByteArray("40") << QByteArray("00110028");
    QTest::newRow("unknown type keeps its delay")
        << QByteArray("pen") << QByteArray("4") << QByteArray("down") << QByteArray("40") << QByteArray("00100028");
    QTest::newRow("delay above 16 bits held") << QByteArray("key") << QByteArray("4") << QByteArray("up")
                                              << QByteArray("70000") << QByteArray("0400ffff");
}

void tst_onboardencoding::eventEncoding()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, operate);
    QFETCH(QByteArray, delay);
    QFETCH(QByteArray, bytes);
    const std::array<uint8_t, 4> encoded =
        onboard::encodeMacroEvent(macroEvent(type.constData(), code.constData(), operate.constData(), delay.constData()));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(encoded.data()), 4).toHex(), bytes);
}

void tst_onboardencoding::macroOfMoreThan62EventsIsRefused()
{
    std::list<MacroEventRecord> events;
    for (int i = 0; i < 62; ++i)
        events.push_back(macroEvent("key", "4", i % 2 ? "up" : "down", "1"));
    OnboardMacroImage image{};
    QVERIFY(onboard::buildMacroImage(1, 1, events, &image));
    QCOMPARE(int(image[3]), 248);
    QCOMPARE(int(image[255]), 1); // the last event's delay fills the last byte

    events.push_back(macroEvent("key", "4", "down", "1"));
    OnboardMacroImage untouched;
    untouched.fill(0xAA);
    QVERIFY(!onboard::buildMacroImage(1, 1, events, &untouched));
    QCOMPARE(int(untouched[3]), 0xAA);
}

void tst_onboardencoding::emptyMacroKeepsHeader()
{
    OnboardMacroImage image;
    QVERIFY(onboard::buildMacroImage(3, 9, {}, &image));
    OnboardMacroImage expected{};
    expected[1] = 2;
    expected[5] = 9;
    QVERIFY(image == expected);
}

void tst_onboardencoding::keyPageFrame()
{
    const QByteArray entries = QByteArray::fromHex("0004000013e0e204");
    const hidCmdBuff full = onboard::keyPage(2, 3, reinterpret_cast<const uint8_t *>(entries.constData()), 2);
    QCOMPARE(bytes(full, 0, 14).toHex(), QByteArray("011702000308") + entries.toHex());
    QCOMPARE(bytes(full, 14, 50), QByteArray(50, '\0'));
}

QTEST_GUILESS_MAIN(tst_onboardencoding)
#include "tst_onboardencoding.moc"
