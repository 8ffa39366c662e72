// The simulated keyboard's onboard memory at the HID level: what a scenario
// file can spoil, where an acknowledgement from the other keyboard goes, how
// the keyboard judges a download, and the decoded lines beside the raw ones
// in the report log.
#include <QtTest>

#include "vardexSdk.h"

namespace {

const char *const kFirst = "sim://Brisko/usb/3a5e:c106/0";
const char *const kSecond = "sim://Pasko/usb/3a5e:c102/0";

QByteArray scenario(const QByteArray &firstExtra)
{
    return R"({ "devices": [ { "model": "Brisko", "connection": "cable", "statusIntervalMs": 0)" + firstExtra +
           R"( }, { "model": "Pasko", "connection": "cable", "statusIntervalMs": 0 } ] })";
}

QByteArray report(const QByteArray &hex)
{
    QByteArray r = QByteArray::fromHex(hex);
    r.append(QByteArray(64 - r.size(), '\0'));
    return r;
}

bool send(int handle, const QByteArray &r)
{
    return CVardexHid_HidWriteBuff(handle, reinterpret_cast<const unsigned char *>(r.constData()), "") == 64;
}

// Command bytes of what arrives within timeoutMs, in order.
QByteArray arrivals(int handle, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    QByteArray codes;
    unsigned char buf[64];
    while (t.elapsed() < timeoutMs) {
        const int n = CVardexHid_HidReadBuff(handle, buf);
        if (n > 0)
            codes += char(buf[1] == 0x01 ? 0xA0 + buf[13] : buf[1]); // status: A0 + byte 13
        else
            QThread::msleep(1);
    }
    return codes;
}

QByteArray piece(int slot, int index, char fill = 0)
{
    QByteArray r = report("0118");
    r[2] = char(slot);
    r[4] = char(index);
    r[5] = char(index < 4 ? 58 : 24);
    for (int i = 0; i < (index < 4 ? 58 : 24); ++i)
        r[6 + i] = fill;
    return r;
}

// Page 0 of both layers (two keys each), then every slot cleared.
void sendDownload(int h)
{
    QVERIFY(send(h, report("011700000008 00040000 13e0e204")));
    QVERIFY(send(h, report("011702000004 01000000")));
    for (int slot = 0; slot < 10; ++slot)
        for (int index = 0; index < 5; ++index)
            QVERIFY(send(h, piece(slot, index)));
}

CVardexSimOnboardInfo info(const char *path)
{
    CVardexSimOnboardInfo i;
    CVardexSim_GetOnboardInfo(path, &i);
    return i;
}

} // namespace

class tst_simonboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(CVardexSim_Enable(nullptr), 0);
        QCOMPARE(CVardexHid_Init(), 0);
    }

    void scenarioFaults_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<int>("acks");      // on the first keyboard, of 50 pieces
        QTest::addColumn<int>("elsewhere"); // on the second keyboard
        QTest::addColumn<int>("status");
        QTest::newRow("none") << QByteArray() << 50 << 0 << 1;
        QTest::newRow("drop piece 3 once") << QByteArray(R"(, "onboardDropAck": 3)") << 49 << 0 << 1;
        QTest::newRow("never") << QByteArray(R"(, "dropAcks": true)") << 0 << 0 << 1;
        QTest::newRow("other keyboard acknowledges piece 0") << QByteArray(R"(, "onboardForeignAck": 0)") << 49 << 1
                                                            << 1;
        QTest::newRow("status failed") << QByteArray(R"(, "onboardStatus": 2)") << 50 << 0 << 2;
        QTest::newRow("status neither") << QByteArray(R"(, "onboardStatus": 3)") << 50 << 0 << 3;
        QTest::newRow("no status") << QByteArray(R"(, "onboardStatus": -1)") << 50 << 0 << -1;
    }

    void scenarioFaults()
    {
        QFETCH(QByteArray, extra);
        QFETCH(int, acks);
        QFETCH(int, elsewhere);
        QFETCH(int, status);
        QCOMPARE(CVardexSim_LoadScenarioText(scenario(extra).constData()), 0);
        const int h = CVardexHid_OpenPath(kFirst);
        const int other = CVardexHid_OpenPath(kSecond);
        QVERIFY(h && other);
        CVardexHid_SetNonblocking(h, 1);
        CVardexHid_SetNonblocking(other, 1);
        sendDownload(h);
        const QByteArray first = arrivals(h, 600);
        const QByteArray second = arrivals(other, 50);
        QCOMPARE(first.count(char(0x19)), acks);
        QCOMPARE(second, QByteArray(elsewhere, char(0x19)));
        // The status follows the last piece's acknowledgement, once.
        int statusReports = 0;
        for (char code : first)
            statusReports += uchar(code) >= 0xA0 ? 1 : 0;
        if (status > 0) {
            QCOMPARE(first.right(1), QByteArray(1, char(0xA0 + status)));
            QCOMPARE(statusReports, 1);
        } else {
            QCOMPARE(statusReports, 0);
        }
        QCOMPARE(info(kFirst).downloadsEnded, 1);
        QCOMPARE(info(kFirst).lastStatus, qMax(0, status));
        CVardexHid_Close(h);
        CVardexHid_Close(other);
    }

    void keyboardJudgesWhatItReceived()
    {
        QCOMPARE(CVardexSim_LoadScenarioText(scenario("").constData()), 0);
        const int h = CVardexHid_OpenPath(kFirst);
        CVardexHid_SetNonblocking(h, 1);
        // A piece that declares the wrong length spoils the download.
        QVERIFY(send(h, report("011700000004 00040000")));
        QVERIFY(send(h, report("011702000004 00040000")));
        QByteArray bad = piece(0, 1);
        bad[5] = 57;
        QVERIFY(send(h, bad));
        for (int index = 0; index < 5; ++index)
            QVERIFY(send(h, piece(9, index)));
        QCOMPARE(arrivals(h, 300).right(1), QByteArray(1, char(0xA2)));

        // Pages that stop coming without the last slot: reported after a quiet spell.
        QVERIFY(send(h, report("011700000004 00040000")));
        QElapsedTimer t;
        t.start();
        const QByteArray codes = arrivals(h, 900);
        QCOMPARE(codes, QByteArray(1, char(0xA1)));
        QCOMPARE(info(kFirst).downloadsEnded, 2);
        // A resend of the closing piece closes nothing more.
        QVERIFY(send(h, report("011702000004 00040000")));
        QVERIFY(send(h, piece(8, 4)));
        QVERIFY(send(h, piece(9, 4)));
        QVERIFY(send(h, piece(9, 4)));
        QCOMPARE(arrivals(h, 400), QByteArray::fromHex("1919a119"));
        CVardexHid_Close(h);
    }

    void tablesAndSlotsKeptAndDecoded()
    {
        QCOMPARE(CVardexSim_LoadScenarioText(scenario("").constData()), 0);
        QTemporaryDir dir;
        const QByteArray logPath = QFile::encodeName(dir.filePath("sim.log"));
        QCOMPARE(CVardexSim_SetLogFile(logPath.constData()), 0);
        const int h = CVardexHid_OpenPath(kFirst);
        CVardexHid_SetNonblocking(h, 1);
        // Slot 0: "A" pressed, released 300 ms later, play mode 2 three times.
        QByteArray p0 = report("01180000003a 00010008000300000410000004000" "12c");
        QVERIFY(send(h, report("011700000008 00040000 10040000")));
        QVERIFY(send(h, report("011702000004 1201ff00")));
        QVERIFY(send(h, p0));
        for (int index = 1; index < 5; ++index)
            QVERIFY(send(h, piece(0, index)));
        for (int slot = 1; slot < 10; ++slot)
            for (int index = 0; index < 5; ++index)
                QVERIFY(send(h, piece(slot, index)));
        arrivals(h, 500); // the decoded lines follow the status
        CVardexSim_SetLogFile(nullptr);

        unsigned char entries[56];
        QCOMPARE(CVardexSim_GetKeyPage(kFirst, 0, 0, entries), 2);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(entries), 8).toHex(), QByteArray("0004000010040000"));
        QCOMPARE(CVardexSim_GetKeyPage(kFirst, 2, 1, entries), -1);
        char text[4096];
        const int n = CVardexSim_DescribeOnboard(kFirst, text, sizeof text);
        QVERIFY(n > 0 && n < int(sizeof text));
        const QStringList lines = QString::fromLatin1(text).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[0], QStringLiteral("onboard layer 0 page 0 (2 keys): key 04 | macro slot 0"));
        QCOMPARE(lines[1], QStringLiteral("onboard layer 2 page 0 (1 keys): scroll ff"));
        QCOMPARE(lines[2], QStringLiteral("onboard macro slot 0: mode 2 plays 3, 2 events: key 04 down +0ms, "
                                          "key 04 up +300ms"));
        QCOMPARE(lines[11], QStringLiteral("onboard macro slot 9: empty"));

        // The log: raw lines keep their exact form, decoded ones are marked "#".
        QFile log(QString::fromLocal8Bit(logPath));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QRegularExpression raw(QStringLiteral("^\\d+ sim://\\S+ [<>] [0-9a-f]{128}$"));
        int decoded = 0;
        for (const QByteArray &line : log.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            const QString l = QString::fromLatin1(line);
            if (l.contains(QLatin1String(" # "))) {
                QVERIFY(l.contains(QLatin1String(kFirst)));
                QVERIFY(lines.contains(l.section(QLatin1String(" # "), 1)));
                ++decoded;
            } else {
                QVERIFY2(raw.match(l).hasMatch(), qPrintable(l));
            }
        }
        QCOMPARE(decoded, 12);
        CVardexHid_Close(h);
    }

    void controlCallsRefuseWhatTheyCannotDo()
    {
        QCOMPARE(CVardexSim_LoadScenarioText(scenario("").constData()), 0);
        QCOMPARE(CVardexSim_SetFault(kFirst, SIM_FAULT_ONBOARD_STATUS, 256), -1);
        QCOMPARE(CVardexSim_SetFault(kFirst, SIM_FAULT_ONBOARD_STATUS, -2), -1);
        QCOMPARE(CVardexSim_SetFault(kFirst, SIM_FAULT_ONBOARD_QUIET_MS, 0), -1);
        QCOMPARE(CVardexSim_SetFault(kFirst, SIM_FAULT_ONBOARD_DROP_ACK, 2), 0);
        QCOMPARE(CVardexSim_GetOnboardInfo("sim://none", nullptr), -1);
        QCOMPARE(CVardexSim_GetKeyPage("sim://none", 0, 0, nullptr), -1);
        QCOMPARE(CVardexSim_LoadScenarioText(scenario(R"(, "onboardStatus": 256)").constData()), -1);
        QCOMPARE(CVardexSim_LoadScenarioText(scenario(R"(, "onboardQuietMs": 0)").constData()), -1);
        QCOMPARE(CVardexSim_LoadScenarioText(scenario(R"(, "onboardDropAck": "x")").constData()), -1);
    }
};

QTEST_MAIN(tst_simonboard)
#include "tst_simonboard.moc"
