// The rules of macro event lists, free of any widget: free indexes, marks,
// key-code rewrites, delays, export names and what an import may take.
#include "ui/macro/macroEventModel.h"

#include <QTest>

#include <cstring>

using namespace macroModel;

Q_DECLARE_METATYPE(std::vector<MacroNodeEntry>)

namespace {

std::vector<MacroNodeEntry> macros(const QList<int> &indexes)
{
    std::vector<MacroNodeEntry> out;
    for (int i : indexes) {
        MacroNodeEntry e {};
        qstrncpy(e.index, QByteArray::number(i).constData(), sizeof e.index);
        qstrncpy(e.name, "M", sizeof e.name);
        out.push_back(e);
    }
    return out;
}

MacroEventRecord rec(const char *mark, const char *operate, const char *type = "key", const char *delay = "5",
                     const char *code = "4")
{
    return toRecord(EventText{QString::fromLatin1(mark), QString::fromLatin1(delay), QString::fromLatin1(type),
                              QString::fromLatin1(code), QStringLiteral("A"), QString::fromLatin1(operate)});
}

} // namespace

class tst_macromodel : public QObject
{
    Q_OBJECT
private slots:
    void freeIndex_data();
    void freeIndex();
    void virtualKeyRewrite_data();
    void virtualKeyRewrite();
    void delayClamp_data();
    void delayClamp();
    void nextMarkAboveEveryStoredMark_data();
    void nextMarkAboveEveryStoredMark();
    void exportFileNameStaysInFolder_data();
    void exportFileNameStaysInFolder();
    void recordRoundTrip();
    void longCaptionCutAtCharacter();
    void mouseCodes();
    void wellFormed_data();
    void wellFormed();
};

void tst_macromodel::freeIndex_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("imported");
    QTest::newRow("gap at 3") << QList<int>{1, 2, 4} << 3 << 5;
    QTest::newRow("gap at 1") << QList<int>{2, 3} << 1 << 4;
    QTest::newRow("no gap") << QList<int>{1, 2, 3} << 4 << 4;
    QTest::newRow("empty") << QList<int>{} << 1 << 1;
    QTest::newRow("single 1") << QList<int>{1} << 2 << 2;
}

void tst_macromodel::freeIndex()
{
    QFETCH(QList<int>, stored);
    QFETCH(int, added);
    QFETCH(int, imported);
    QCOMPARE(firstFreeIndex(macros(stored)), added);
    QCOMPARE(importIndex(macros(stored)), imported);
}

void tst_macromodel::virtualKeyRewrite_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("pressIn");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("pressOut");
    QTest::newRow("Enter") << 13 << 0x1C << 0 << true << 999 << true;
    QTest::newRow("keypad Enter") << 13 << 0x1C << 1 << true << 998 << true;
    QTest::newRow("Enter up") << 13 << 0x1C << 0x80 << false << 999 << false;
    QTest::newRow("keypad Enter up") << 13 << 0x1C << 0x81 << false << 998 << false;
    QTest::newRow("Alt+keypad Enter") << 13 << 0x1C << 0x21 << true << 998 << true;
    QTest::newRow("Ro") << 255 << 0x7D << 0 << false << 981 << true;
    QTest::newRow("Ro up") << 255 << 0x7D << 0x80 << true << 981 << false;
    QTest::newRow("Ro other flags") << 255 << 0x7D << 0x20 << true << 981 << true;
    QTest::newRow("Henkan") << 255 << 0x79 << 0 << true << 987 << true;
    QTest::newRow("Kana") << 255 << 0x70 << 0 << true << 988 << true;
    QTest::newRow("255 other scan") << 255 << 0x11 << 0 << true << 255 << true;
    QTest::newRow("193") << 193 << 0x73 << 0x80 << true << 984 << false;
    QTest::newRow("235") << 235 << 0 << 0 << true << 986 << true;
    QTest::newRow("A") << 65 << 0x1E << 0x80 << false << 65 << false;
}

void tst_macromodel::virtualKeyRewrite()
{
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(int, flags);
    QFETCH(bool, pressIn);
    QFETCH(int, code);
    QFETCH(bool, pressOut);
    bool press = pressIn;
    QCOMPARE(rewriteVirtualKey(vk, scan, flags, press), code);
    QCOMPARE(press, pressOut);
}

void tst_macromodel::delayClamp_data()
{
    QTest::addColumn<qint64>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("zero") << qint64(0) << 0;
    QTest::newRow("top") << qint64(65535) << 65535;
    QTest::newRow("above") << qint64(65536) << 65535;
    QTest::newRow("far above") << qint64(5000000000LL) << 65535;
    QTest::newRow("negative") << qint64(-3) << 0;
}

void tst_macromodel::delayClamp()
{
    QFETCH(qint64, in);
    QFETCH(int, out);
    QCOMPARE(clampDelay(in), out);
}

void tst_macromodel::nextMarkAboveEveryStoredMark_data()
{
    QTest::addColumn<QList<int>>("marks");
    QTest::addColumn<int>("next");
    QTest::newRow("none") << QList<int>{} << 0;
    QTest::newRow("highest 7") << QList<int>{7, 7, 2, 2} << 8;
    QTest::newRow("unordered") << QList<int>{3, 9, 1} << 10;
    QTest::newRow("mark 0") << QList<int>{0, 0} << 1;
}

void tst_macromodel::nextMarkAboveEveryStoredMark()
{
    QFETCH(QList<int>, marks);
    QFETCH(int, next);
    std::list<MacroEventRecord> events;
    for (int m : marks)
        events.push_back(rec(QByteArray::number(m).constData(), "down"));
    QCOMPARE(nextMark(events), next);
}

void tst_macromodel::exportFileNameStaysInFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "Fast" << "Fast";
    QTest::newRow("slash") << "a/b" << "a_b";
    QTest::newRow("parent") << "../../etc/passwd" << "_.._etc_passwd";
    QTest::newRow("dots only") << ".." << "Macro3";
    QTest::newRow("hidden") << ".x" << "x";
    QTest::newRow("windows chars") << "a:b*c?\"<>|\\" << "a_b_c______";
    QTest::newRow("control") << QString("a\nb") << "a_b";
    QTest::newRow("spaces") << "   " << "Macro3";
    QTest::newRow("unicode") << QString::fromUtf8("宏 1") << QString::fromUtf8("宏 1");
}

void tst_macromodel::exportFileNameStaysInFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(exportFileName(name, QStringLiteral("3")), file);
}

void tst_macromodel::recordRoundTrip()
{
    const EventText e{"12", "300", "key", "-1", QString::fromUtf8("Ä中"), "up"};
    const MacroEventRecord r = toRecord(e);
    QCOMPARE(QByteArray(r.mark), QByteArray("12"));
    QCOMPARE(QByteArray(r.delay), QByteArray("300"));
    QCOMPARE(QByteArray(r.keyCode), QByteArray("-1"));
    QCOMPARE(QByteArray(r.codeName), QString::fromUtf8("Ä中").toUtf8());
    QCOMPARE(QByteArray(r.operate), QByteArray("up"));
    QVERIFY(fromRecord(r) == e);
    // An empty delay reads back as 0.
    QCOMPARE(toInt(fromRecord(rec("1", "down", "key", "")).delay), 0);
}

void tst_macromodel::longCaptionCutAtCharacter()
{
    const QString caption = QString(40, QChar(0x4E2D)); // 120 bytes of UTF-8
    const MacroEventRecord r = toRecord(EventText{"1", "0", "key", "4", caption, "down"});
    const QByteArray stored(r.codeName);
    QVERIFY(stored.size() <= 63);
    QCOMPARE(stored.size() % 3, 0);
    QCOMPARE(QString::fromUtf8(stored), QString(stored.size() / 3, QChar(0x4E2D)));
}

void tst_macromodel::mouseCodes()
{
    QCOMPARE(mouseMessage(ButtonLeft, true), 513);
    QCOMPARE(mouseMessage(ButtonLeft, false), 514);
    QCOMPARE(mouseMessage(ButtonRight, true), 516);
    QCOMPARE(mouseMessage(ButtonRight, false), 517);
    QCOMPARE(mouseMessage(ButtonMiddle, true), 519);
    QCOMPARE(mouseMessage(ButtonMiddle, false), 520);
    for (int m : {513, 514})
        QCOMPARE(mouseCodeName(m), QStringLiteral("Left Click"));
    for (int m : {516, 517})
        QCOMPARE(mouseCodeName(m), QStringLiteral("Right Click"));
    for (int m : {519, 520})
        QCOMPARE(mouseCodeName(m), QStringLiteral("Center Click"));
    for (int m : {512, 515, 518, 521, 522})
        QVERIFY(mouseCodeName(m).isEmpty());
}

void tst_macromodel::wellFormed_data()
{
    QTest::addColumn<QList<QByteArrayList>>("events"); // mark, operate, type, delay
    QTest::addColumn<bool>("ok");
    QTest::newRow("pair") << QList<QByteArrayList>{{"1", "down", "key", "0"}, {"1", "up", "key", "65535"}} << true;
    QTest::newRow("empty") << QList<QByteArrayList>{} << true;
    QTest::newRow("interleaved") << QList<QByteArrayList>{{"1", "down", "key", "0"}, {"2", "down", "mouse", "0"},
                                                          {"1", "up", "key", "0"}, {"2", "up", "mouse", "0"}}
                                 << true;
    QTest::newRow("lone press") << QList<QByteArrayList>{{"1", "down", "key", "0"}} << false;
    QTest::newRow("release first") << QList<QByteArrayList>{{"1", "up", "key", "0"}, {"1", "down", "key", "0"}}
                                   << false;
    QTest::newRow("mark reused") << QList<QByteArrayList>{{"1", "down", "key", "0"}, {"1", "up", "key", "0"},
                                                          {"1", "down", "key", "0"}, {"1", "up", "key", "0"}}
                                 << false;
    QTest::newRow("delay too big") << QList<QByteArrayList>{{"1", "down", "key", "65536"}, {"1", "up", "key", "0"}}
                                   << false;
    QTest::newRow("unknown type") << QList<QByteArrayList>{{"1", "down", "text", "0"}, {"1", "up", "text", "0"}}
                                  << false;
    QTest::newRow("unknown operate") << QList<QByteArrayList>{{"1", "hold", "key", "0"}} << false;
    QTest::newRow("mark not a number") << QList<QByteArrayList>{{"x", "down", "key", "0"}, {"x", "up", "key", "0"}}
                                       << false;
}

void tst_macromodel::wellFormed()
{
    QFETCH(QList<QByteArrayList>, events);
    QFETCH(bool, ok);
    std::list<MacroEventRecord> list;
    for (const QByteArrayList &e : events)
        list.push_back(rec(e[0].constData(), e[1].constData(), e[2].constData(), e[3].constData()));
    QCOMPARE(isWellFormed(list), ok);
}

QTEST_GUILESS_MAIN(tst_macromodel)
#include "tst_macromodel.moc"
