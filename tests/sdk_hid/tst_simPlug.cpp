// The simulated keyboards' plug schedule: a scenario times a keyboard's
// arrivals and departures, the hot-plug callback hears each one in order and
// no sooner than scheduled, and a malformed schedule is refused with a
// message while the keyboards loaded before stay.
#include <QtTest>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <unistd.h>

#include "vardexSdk.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Change {
    int arrived;
    qint64 atMs; // since the scenario was loaded
};

// Collects the hot-plug callback's calls, which come from the simulator's
// own thread.
class PlugLog
{
public:
    static void callback(const char *path, int arrived, void *ctx)
    {
        auto *log = static_cast<PlugLog *>(ctx);
        std::lock_guard<std::mutex> lock(log->m_mu);
        log->m_paths.push_back(path);
        log->m_changes.push_back(
            {arrived, std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - log->m_start).count()});
        log->m_cv.notify_all();
    }

    void restart()
    {
        std::lock_guard<std::mutex> lock(m_mu);
        m_changes.clear();
        m_paths.clear();
        m_start = Clock::now();
    }

    // Waits for n changes; whatever came when the wait gives up.
    std::vector<Change> waitFor(std::size_t n)
    {
        std::unique_lock<std::mutex> lock(m_mu);
        m_cv.wait_for(lock, std::chrono::seconds(10), [&] { return m_changes.size() >= n; });
        return m_changes;
    }

    std::vector<std::string> paths()
    {
        std::lock_guard<std::mutex> lock(m_mu);
        return m_paths;
    }

private:
    std::mutex m_mu;
    std::condition_variable m_cv;
    std::vector<Change> m_changes;
    std::vector<std::string> m_paths;
    Clock::time_point m_start = Clock::now();
};

std::list<std::string> listed()
{
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    return paths;
}

bool isListed(const std::string &path)
{
    for (const std::string &p : listed())
        if (p == path)
            return true;
    return false;
}

// Loads a scenario text and returns what the reader wrote to stderr.
QString loadCapturingErrors(const QByteArray &json, int *rc)
{
    std::fflush(stderr);
    const int saved = dup(2);
    char name[] = "/tmp/tst_simPlug.XXXXXX";
    const int fd = mkstemp(name);
    dup2(fd, 2);
    *rc = CVardexSim_LoadScenarioText(json.constData());
    std::fflush(stderr);
    dup2(saved, 2);
    ::close(saved);
    ::close(fd);
    QFile f(QString::fromLocal8Bit(name));
    f.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(f.readAll());
    f.remove();
    return text;
}

} // namespace

class tst_simPlug : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(CVardexSim_LoadScenarioText(R"({"devices":[]})"), 0);
        QCOMPARE(CVardexHid_Init(), 0);
        CVardexSim_SetHotplugCallback(&PlugLog::callback, &m_log);
    }

    void cleanupTestCase() { CVardexSim_SetHotplugCallback(nullptr, nullptr); }

    void changesComeInOrderAndNotEarly_data()
    {
        QTest::addColumn<QByteArray>("schedule");
        QTest::addColumn<bool>("listedAtLoad");
        // 1 arrived, 0 left, each no sooner than the given millisecond.
        QTest::addColumn<QList<int>>("arrivals");
        QTest::addColumn<QList<int>>("notBefore");
        QTest::newRow("arrives") << QByteArray(R"("plugAtMs": 150)") << false << QList<int>{1} << QList<int>{150};
        QTest::newRow("leaves") << QByteArray(R"("unplugAtMs": 150)") << true << QList<int>{0} << QList<int>{150};
        QTest::newRow("arrives, then leaves")
            << QByteArray(R"("plugAtMs": 100, "unplugAtMs": 250)") << false << QList<int>{1, 0} << QList<int>{100, 250};
        QTest::newRow("leaves, then comes back")
            << QByteArray(R"("unplugAtMs": 100, "plugAtMs": 250)") << true << QList<int>{0, 1} << QList<int>{100, 250};
        QTest::newRow("arrives and leaves again and again")
            << QByteArray(R"("plugAtMs": 50, "unplugAtMs": 150, "plugRepeatMs": 300)") << false
            << QList<int>{1, 0, 1, 0} << QList<int>{50, 150, 350, 450};
        // Each period starts plugged again: the return is its first change.
        QTest::newRow("leaves and returns with each period")
            << QByteArray(R"("unplugAtMs": 100, "plugRepeatMs": 250)") << true << QList<int>{0, 1, 0}
            << QList<int>{100, 250, 350};
    }

    void changesComeInOrderAndNotEarly()
    {
        QFETCH(QByteArray, schedule);
        QFETCH(bool, listedAtLoad);
        QFETCH(QList<int>, arrivals);
        QFETCH(QList<int>, notBefore);
        const std::string path = "sim://Brisko/usb/3a5e:c106/0";
        m_log.restart();
        QCOMPARE(CVardexSim_LoadScenarioText(("{\"devices\":[{\"model\":\"Brisko\",\"statusIntervalMs\":0," + schedule +
                                              "}]}")
                                                 .constData()),
                 0);
        QCOMPARE(isListed(path), listedAtLoad);
        const std::vector<Change> changes = m_log.waitFor(std::size_t(arrivals.size()));
        QVERIFY2(changes.size() >= std::size_t(arrivals.size()), qPrintable(QString::number(changes.size())));
        for (int i = 0; i < arrivals.size(); ++i) {
            QCOMPARE(changes[std::size_t(i)].arrived, arrivals.at(i));
            QVERIFY2(changes[std::size_t(i)].atMs >= notBefore.at(i),
                     qPrintable(QStringLiteral("change %1 after %2 ms").arg(i).arg(changes[std::size_t(i)].atMs)));
        }
        for (const std::string &p : m_log.paths())
            QCOMPARE(p, path);
        // The host sees the keyboard as the last change left it.
        if (!repeats(schedule)) {
            QCOMPARE(isListed(path), arrivals.last() == 1);
            CVardexSimState state;
            QCOMPARE(CVardexSim_GetState(path.c_str(), &state), 0);
            QCOMPARE(state.plugged, arrivals.last());
        }
        QCOMPARE(CVardexSim_LoadScenarioText(R"({"devices":[]})"), 0);
    }

    // An arrived keyboard answers like any other.
    void arrivedKeyboardAnswers()
    {
        m_log.restart();
        QCOMPARE(CVardexSim_LoadScenarioText(R"({"devices":[{"model":"Brisko","statusIntervalMs":0,"plugAtMs":50}]})"),
                 0);
        const char *path = "sim://Brisko/usb/3a5e:c106/0";
        QCOMPARE(CVardexHid_OpenPath(path), 0);
        QCOMPARE(m_log.waitFor(1).size(), std::size_t(1));
        const int h = CVardexHid_OpenPath(path);
        QVERIFY(h);
        CVardexSimState state;
        QCOMPARE(CVardexSim_GetState(path, &state), 0);
        QCOMPARE(state.openHandles, 1);
        CVardexHid_Close(h);
        QCOMPARE(CVardexSim_LoadScenarioText(R"({"devices":[]})"), 0);
    }

    void badSchedulesRefused_data()
    {
        QTest::addColumn<QByteArray>("schedule");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative") << QByteArray(R"("plugAtMs": -1)")
                                  << R"(device 0: "plugAtMs" must be a number from 0 to 86400000)";
        QTest::newRow("a text") << QByteArray(R"("unplugAtMs": "soon")")
                                << R"(device 0: "unplugAtMs" must be a number from 0 to 86400000)";
        QTest::newRow("past a day") << QByteArray(R"("plugAtMs": 86400001)")
                                    << R"(device 0: "plugAtMs" must be a number from 0 to 86400000)";
        QTest::newRow("both at once") << QByteArray(R"("plugAtMs": 100, "unplugAtMs": 100)")
                                      << R"(device 0: "plugAtMs" and "unplugAtMs" must differ)";
        QTest::newRow("repeat too short")
            << QByteArray(R"("plugAtMs": 10, "unplugAtMs": 20, "plugRepeatMs": 99)")
            << R"(device 0: "plugRepeatMs" must be 0 (no repeat) or from 100 to 86400000)";
        QTest::newRow("change outside the period")
            << QByteArray(R"("plugAtMs": 10, "unplugAtMs": 500, "plugRepeatMs": 500)")
            << R"(device 0: "plugAtMs" and "unplugAtMs" must lie within "plugRepeatMs")";
        QTest::newRow("repeat of nothing") << QByteArray(R"("plugRepeatMs": 1000)")
                                           << R"(device 0: "plugRepeatMs" needs "plugAtMs" or "unplugAtMs")";
        QTest::newRow("plugged, yet arriving")
            << QByteArray(R"("plugged": true, "plugAtMs": 100)")
            << R"(device 0: "plugged": true contradicts the plug schedule, whose first change plugs the keyboard in)";
        QTest::newRow("unplugged, yet leaving")
            << QByteArray(R"("plugged": false, "unplugAtMs": 100, "plugAtMs": 200)")
            << R"(device 0: "plugged": false contradicts the plug schedule, whose first change pulls it out)";
    }

    void badSchedulesRefused()
    {
        QFETCH(QByteArray, schedule);
        QFETCH(QString, message);
        QCOMPARE(CVardexSim_LoadScenarioText(R"({"devices":[{"model":"Yolma","connection":"receiver"}]})"), 0);
        m_log.restart();
        int rc = 0;
        const QString errors =
            loadCapturingErrors(R"({"devices":[{"model":"Brisko","statusIntervalMs":0,)" + schedule + "}]}", &rc);
        QVERIFY(rc != 0);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        // The keyboards before stay, and nothing is scheduled.
        const std::list<std::string> paths = listed();
        QCOMPARE(paths.size(), std::size_t(1));
        QVERIFY(paths.front().find("Yolma") != std::string::npos);
        QVERIFY(m_log.paths().empty());
    }

    // A schedule the reader takes whole: "plugged" may repeat what the
    // schedule implies.
    void agreeingPluggedAccepted()
    {
        QCOMPARE(CVardexSim_LoadScenarioText(
                     R"({"devices":[{"model":"Brisko","plugged":false,"plugAtMs":86400000},
                                    {"model":"Yolma","plugged":true,"unplugAtMs":86400000}]})"),
                 0);
        QCOMPARE(listed().size(), std::size_t(1));
        QCOMPARE(CVardexSim_LoadScenarioText(R"({"devices":[]})"), 0);
    }

private:
    static bool repeats(const QByteArray &schedule) { return schedule.contains("plugRepeatMs"); }

    PlugLog m_log;
};

QTEST_GUILESS_MAIN(tst_simPlug)
#include "tst_simPlug.moc"
