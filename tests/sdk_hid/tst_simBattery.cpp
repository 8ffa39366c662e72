// The simulated keyboard's battery schedule: the levels and charging states
// a scenario schedules reach the host as status reports, in order, and the
// default scenario's receiver keyboard is charging below half.
#include <QtTest>

#include "vardexSdk.h"

namespace {

// Byte 9 charging state, byte 10 level of the next status report (0x01).
struct Status {
    int charging = -1;
    int level = -1;
};

Status nextStatus(int handle, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    unsigned char buf[64];
    while (t.elapsed() < timeoutMs) {
        const int n = CVardexHid_HidReadBuff(handle, buf);
        if (n < 0)
            break;
        if (n > 0 && buf[1] == 0x01 && buf[5] != 0)
            return {buf[9], buf[10]};
        if (n == 0)
            QThread::msleep(2);
    }
    return {};
}

int openPath(const std::string &path)
{
    const int h = CVardexHid_OpenPath(path.c_str());
    if (h)
        CVardexHid_SetNonblocking(h, 1);
    return h;
}

std::string onlyPath()
{
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    return paths.size() == 1 ? paths.front() : std::string();
}

} // namespace

class tst_simBattery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(CVardexSim_Enable(nullptr), 0);
        QCOMPARE(CVardexHid_Init(), 0);
    }

    void defaultReceiverChargesBelowHalf()
    {
        QCOMPARE(CVardexSim_Enable(nullptr), 0);
        std::list<std::string> paths;
        CVardexHid_GetHidInfoList(paths);
        std::string receiver;
        for (const std::string &p : paths)
            if (p.find("/dongle/") != std::string::npos)
                receiver = p;
        QVERIFY(!receiver.empty());
        const int h = openPath(receiver);
        QVERIFY(h);
        const Status s = nextStatus(h, 3000);
        QCOMPARE(s.charging, 1);
        QVERIFY(s.level >= 0 && s.level < 50);
        CVardexHid_Close(h);
    }

    void scheduleReachesHost()
    {
        QCOMPARE(CVardexSim_LoadScenarioText(
                     R"({"devices":[{"model":"Yolma","connection":"receiver","statusIntervalMs":0,
                         "batterySchedule":[{"atMs":0,"battery":20,"charging":0},
                                            {"atMs":150,"battery":21,"charging":1},
                                            {"atMs":300,"battery":100,"charging":2}],
                         "batteryRepeatMs":450}]})"),
                 0);
        const std::string path = onlyPath();
        const int h = openPath(path);
        QVERIFY(h);
        // Each step is reported once as it falls due (status reports are
        // otherwise off); then the schedule starts again.
        QList<QPair<int, int>> seen;
        for (int i = 0; i < 4; ++i) {
            const Status s = nextStatus(h, 2000);
            seen << qMakePair(s.level, s.charging);
        }
        // The open may fall after the first step: start at whichever came.
        const QList<QPair<int, int>> cycle = {{20, 0}, {21, 1}, {100, 2}};
        const int start = cycle.indexOf(seen.first());
        QVERIFY2(start >= 0, qPrintable(QString::number(seen.first().first)));
        for (int i = 0; i < seen.size(); ++i)
            QCOMPARE(seen.at(i), cycle.at((start + i) % 3));
        CVardexHid_Close(h);
    }

    void badSchedulesRefused_data()
    {
        QTest::addColumn<QByteArray>("schedule");
        QTest::newRow("not an array") << QByteArray(R"("batterySchedule": 5)");
        QTest::newRow("level over 100") << QByteArray(R"("batterySchedule": [{"atMs":0,"battery":101,"charging":0}])");
        QTest::newRow("missing field") << QByteArray(R"("batterySchedule": [{"atMs":0,"battery":50}])");
        QTest::newRow("descending") << QByteArray(
            R"("batterySchedule": [{"atMs":10,"battery":5,"charging":0},{"atMs":5,"battery":6,"charging":0}])");
        QTest::newRow("past the repeat") << QByteArray(
            R"("batteryRepeatMs": 100, "batterySchedule": [{"atMs":100,"battery":5,"charging":0}])");
    }

    void badSchedulesRefused()
    {
        QFETCH(QByteArray, schedule);
        QCOMPARE(CVardexSim_LoadScenarioText(R"({"devices":[{"model":"Brisko"}]})"), 0);
        const QByteArray json = R"({"devices":[{"model":"Yolma",)" + schedule + "}]}";
        QVERIFY(CVardexSim_LoadScenarioText(json.constData()) != 0);
        // The devices before stay.
        QVERIFY(onlyPath().find("Brisko") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(tst_simBattery)
#include "tst_simBattery.moc"
