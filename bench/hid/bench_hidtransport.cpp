// The transport threads of simulated keyboards: CPU per second and wake-ups
// (times the thread went to sleep) of two idle keyboards, the hand-over
// latency of a report the keyboard sends unprompted while the transport is
// idle, then one keyboard idle and with light frames offered every 30 ms.
// Run by hand:
//   build/bin/bench_hidtransport [seconds per scenario]
// Measured on the shared 8-core build machine under load, 10 s per scenario.
// Naps between read polls (before): two idle keyboards 1.53 % of a core,
// 41 wake-ups a second each; hand-over median 11.9 ms, max 31.8 ms.
// Sleeping in poll() on the input event (now): 0.05 % of a core, 3 wake-ups
// a second each (keep-alive, its pacing, the status report); hand-over median
// 0.1 ms, 90th percentile 0.3-0.5 ms. Light frames every 30 ms: 4-6 % of a
// core at 640-740 wake-ups either way.
// One wake-up per report (now: a pass writes then reads, and sleeps to the
// absolute deadline of the next report; a frame wakes the loop once
// complete): light frames of 10 reports every 30 ms 2.6-2.7 % of a core at
// 317-320 wake-ups a second; idle 1.9-2.1 wake-ups a second per keyboard.
#include "hid/DDeviceHidCmdSend.h"
#include "hid/MainHidInterFace.h"
#include "vardexSdk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <list>
#include <string>

namespace {
QStringList attachedPaths()
{
    std::list<std::string> list;
    CVardexHid_GetHidInfoList(list);
    QStringList out;
    for (const std::string &p : list)
        out << QString::fromLatin1(p.c_str());
    return out;
}

QString threadDir(const QByteArray &name)
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name)
            return tasks.filePath(tid);
    }
    return QString();
}

// Times the named thread went to sleep (voluntary context switches).
qint64 threadWakeups(const QByteArray &name)
{
    QFile status(threadDir(name) + QStringLiteral("/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(24).trimmed().toLongLong();
    return -1;
}

// Nanoseconds the named thread of this process has run on a CPU.
qint64 threadCpuNs(const QByteArray &name)
{
    QFile stat(threadDir(name) + QStringLiteral("/schedstat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    return stat.readAll().split(' ').value(0).toLongLong();
}

void measure(const char *label, MainHidInterFace &t, int seconds, bool lightFrames)
{
    QTimer frames;
    int chunk = 0;
    QObject::connect(&frames, &QTimer::timeout, [&] {
        for (int i = 0; i < 10; ++i) {
            hidCmdBuff r;
            r[0] = 0x01;
            r[1] = static_cast<unsigned char>(HidSendCmd::LightSyncColor);
            r[4] = static_cast<unsigned char>(i);
            r[5] = 54;
            r[6] = static_cast<unsigned char>(chunk++);
            t.hidApi_WriteLight(r.data());
        }
    });
    t.setLightSynchronous(lightFrames);
    if (lightFrames)
        frames.start(30);
    const qint64 cpu0 = threadCpuNs("vdx-hid-bench");
    const qint64 wake0 = threadWakeups("vdx-hid-bench");
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    qApp->exec();
    const qint64 cpu = threadCpuNs("vdx-hid-bench") - cpu0;
    const double secs = wall.elapsed() / 1000.0;
    const double perSecondMs = cpu / 1e6 / secs;
    const double wakeups = (threadWakeups("vdx-hid-bench") - wake0) / secs;
    std::printf("%-28s %8.2f ms CPU per second  (%.2f%% of one core), %.1f wake-ups per second\n", label, perSecondMs,
                perSecondMs / 10.0, wakeups);
    frames.stop();
    t.setLightSynchronous(false);
}

// Two idle keyboards side by side: the CPU of both transport threads and
// their wake-ups, as a user with two keyboards plugged in pays it.
void measureTwoIdle(MainHidInterFace &a, MainHidInterFace &b, int seconds)
{
    const QByteArray names[2] = {"vdx-hid-bench", "vdx-hid-bench2"};
    qint64 cpu0[2], wake0[2];
    for (int i = 0; i < 2; ++i) {
        cpu0[i] = threadCpuNs(names[i]);
        wake0[i] = threadWakeups(names[i]);
    }
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    qApp->exec();
    const double secs = wall.elapsed() / 1000.0;
    double cpuMs = 0, wakeups = 0;
    for (int i = 0; i < 2; ++i) {
        cpuMs += (threadCpuNs(names[i]) - cpu0[i]) / 1e6;
        wakeups += threadWakeups(names[i]) - wake0[i];
    }
    std::printf("%-28s %8.2f ms CPU per second  (%.3f%% of one core), %.1f wake-ups per second per keyboard\n",
                "two idle keyboards", cpuMs / secs, cpuMs / secs / 10.0, wakeups / secs / 2);
}

// From a report the keyboard sends unprompted (as a key press or a status
// change) to the transport handing it over, while the transport is idle.
void measureHandOver(MainHidInterFace &t, const QString &path, int samples)
{
    std::atomic<qint64> receivedNs{0};
    QElapsedTimer clock;
    clock.start();
    const QMetaObject::Connection c = QObject::connect(
        &t, &MainHidInterFace::sigHidDataArrived, &t,
        [&](const QByteArray &report, int, int) {
            if (uchar(report[1]) == 0x20)
                receivedNs = clock.nsecsElapsed();
        },
        Qt::DirectConnection);
    const QByteArray latin = path.toLatin1();
    QVector<double> ms;
    unsigned char r[64] = {0x01, 0x20};
    for (int i = 0; i < samples; ++i) {
        // Let the transport fall idle first: a random phase against the
        // keep-alive and status reports.
        QTest::qWait(150 + (i * 37) % 200);
        receivedNs = 0;
        r[9] = static_cast<unsigned char>(i);
        const qint64 sent = clock.nsecsElapsed();
        CVardexSim_Inject(latin.constData(), r);
        QElapsedTimer wait;
        wait.start();
        while (receivedNs.load() == 0 && wait.elapsed() < 1000)
            QThread::usleep(50);
        if (receivedNs.load() != 0)
            ms << (receivedNs.load() - sent) / 1e6;
    }
    QObject::disconnect(c);
    std::sort(ms.begin(), ms.end());
    if (ms.isEmpty()) {
        std::printf("hand-over: no report arrived\n");
        return;
    }
    std::printf("%-28s median %.3f ms, 90th %.3f ms, max %.3f ms (%d reports)\n", "unprompted report hand-over",
                ms.at(ms.size() / 2), ms.at(ms.size() * 9 / 10), ms.last(), int(ms.size()));
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("VARDEX_SIM"))
        qputenv("VARDEX_SIM", "1");
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    CVardexHid_Init();
    const QStringList paths = attachedPaths();
    if (paths.size() < 2) {
        std::fprintf(stderr, "the simulator needs two keyboards\n");
        return 1;
    }
    MainHidInterFace t(1, QStringLiteral("Zeno"));
    t.setObjectName(QStringLiteral("vdx-hid-bench"));
    MainHidInterFace t2(2, QStringLiteral("Yolma"));
    t2.setObjectName(QStringLiteral("vdx-hid-bench2"));
    if (t.hidApi_Open(paths.at(0)) != 0 || t2.hidApi_Open(paths.at(1)) != 0) {
        std::fprintf(stderr, "cannot open the simulated keyboards\n");
        return 1;
    }
    t.start();
    t2.start();
    QTest::qWait(500); // past the open-time inquiry
    measureTwoIdle(t, t2, seconds);
    measureHandOver(t, paths.at(0), 40);
    t2.hidApi_Close(0);
    measure("idle (keep-alive only)", t, seconds, false);
    measure("light frames every 30 ms", t, seconds, true);
    t.hidApi_Close(0);
    return 0;
}
