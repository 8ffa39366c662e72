// The light engine's pacing threads: a tick each period with the first at
// once, a clock wrap, and a start right after a stop.
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <mutex>

#include "ui/lightsConfig/lightPacingThreads.h"
#include "../testWait.h"

namespace {

int64_t steadyUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Collects the clock reading behind every tick: the clock is read once per
// pass, right before a due tick is emitted.
class TickLog
{
public:
    void attach(lightPacingThread &thread, int64_t offsetUs = 0)
    {
        const int64_t base = steadyUs();
        thread.setClockForTest([this, base, offsetUs] {
            const int64_t t = (steadyUs() - base + offsetUs) % (1000000LL * 1000);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_lastRead = t;
            return t;
        });
        QObject::connect(&thread, &lightPacingThread::tick, &thread, [this] {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_ticks.push_back(m_lastRead);
        }, Qt::DirectConnection);
    }
    std::vector<int64_t> ticks() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_ticks;
    }
    size_t count() const { return ticks().size(); }

private:
    mutable std::mutex m_mutex;
    int64_t m_lastRead = 0;
    std::vector<int64_t> m_ticks;
};

} // namespace

class tst_lightPacing : public QObject
{
    Q_OBJECT
private slots:
    void periodIsClamped_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("stored");
        QTest::newRow("5") << 5 << 8;
        QTest::newRow("45") << 45 << 28;
        QTest::newRow("20") << 20 << 20;
    }
    void periodIsClamped()
    {
        QFETCH(int, asked);
        QFETCH(int, stored);
        updateLightMainThread thread;
        thread.setPeriod(asked);
        QCOMPARE(thread.period(), stored);
    }

    void ticksKeepTheirPeriod()
    {
        updateLightMainThread thread;
        TickLog log;
        log.attach(thread);
        thread.startPacing();
        QTRY_VERIFY_WITH_TIMEOUT(log.count() >= 201, testWait::kHangMs);
        thread.stopPacing();
        const std::vector<int64_t> t = log.ticks();
        std::vector<int64_t> gaps;
        for (size_t i = 1; i < 201; ++i)
            gaps.push_back(t[i] - t[i - 1]);
        QVERIFY2(*std::min_element(gaps.begin(), gaps.end()) >= 12000, "a tick came early");
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
        // How close the pace stays is a question of speed, which a sanitizer
        // build on a loaded machine cannot answer; that no tick comes early
        // holds in every build.
        std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
        QVERIFY2(gaps[gaps.size() / 2] < 14000, qPrintable(QString::number(gaps[gaps.size() / 2])));
#endif
    }

    // With the clock standing still only the first, immediate tick comes.
    void firstTickAtOnceOthersWaitAPeriod()
    {
        updateLightMainThread effect;
        updateLightMainThreadUI preview;
        int effectTicks = 0;
        int previewTicks = 0;
        std::mutex mutex;
        for (lightPacingThread *t : {static_cast<lightPacingThread *>(&effect), static_cast<lightPacingThread *>(&preview)}) {
            t->setClockForTest([] { return int64_t(500000); });
            int *counter = t == &effect ? &effectTicks : &previewTicks;
            QObject::connect(t, &lightPacingThread::tick, t, [&mutex, counter] {
                std::lock_guard<std::mutex> lock(mutex);
                ++*counter;
            }, Qt::DirectConnection);
            t->startPacing();
        }
        QTest::qWait(100);
        effect.stopPacing();
        preview.stopPacing();
        QCOMPARE(effectTicks, 1);
        QCOMPARE(previewTicks, 0);
    }

    void clockWrapKeepsTicking()
    {
        updateLightMainThread thread;
        TickLog log;
        log.attach(thread, 999950LL * 1000); // wraps 50 ms after the start
        thread.startPacing();
        QTRY_VERIFY_WITH_TIMEOUT(log.count() >= 25, testWait::kHangMs);
        thread.stopPacing();
        const std::vector<int64_t> t = log.ticks();
        const auto wrap = std::adjacent_find(t.begin(), t.end(), [](int64_t a, int64_t b) { return b < a; });
        QVERIFY(wrap != t.end());
        QVERIFY(t.end() - wrap > 10);
        QVERIFY(*(wrap + 1) < 3 * 12000); // the first tick after the wrap: within a period of it
    }

    void startRightAfterStopStillTicks()
    {
        updateLightMainThread thread;
        TickLog log;
        log.attach(thread);
        thread.startPacing();
        QTRY_VERIFY_WITH_TIMEOUT(log.count() >= 2, testWait::kHangMs);
        thread.stopPacing();
        QVERIFY(!thread.isRunning());
        const size_t before = log.count();
        thread.startPacing();
        QTRY_VERIFY_WITH_TIMEOUT(log.count() >= before + 3, testWait::kHangMs);
        thread.stopPacing();
    }
};

QTEST_GUILESS_MAIN(tst_lightPacing)
#include "tst_lightPacing.moc"
