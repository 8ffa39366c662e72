// CPU time the transport thread of one simulated keyboard costs per second,
// idle and with light frames offered every 30 ms. Run by hand:
//   build/bin/bench_hidtransport [seconds per scenario]
// Measured on the shared 8-core build machine under load (a bare
// condition-variable wake-up cost about 100 us of CPU there): idle 0.5-0.9 %
// of a core at 41 wake-ups a second; light frames every 30 ms 2.6-6.7 % at
// about 740. Before the back-off pacing, idle cost 1.1-1.6 % at 75 wake-ups.
#include "hid/DDeviceHidCmdSend.h"
#include "hid/MainHidInterFace.h"
#include "vardexSdk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <list>
#include <string>

namespace {
QString firstPath()
{
    std::list<std::string> list;
    CVardexHid_GetHidInfoList(list);
    return list.empty() ? QString() : QString::fromLatin1(list.front().c_str());
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
    std::printf("%-28s %8.2f ms CPU per second  (%.2f%% of one core), %.0f sleeps per second\n", label, perSecondMs,
                perSecondMs / 10.0, wakeups);
    frames.stop();
    t.setLightSynchronous(false);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("VARDEX_SIM"))
        qputenv("VARDEX_SIM", "1");
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    CVardexHid_Init();
    const QString path = firstPath();
    if (path.isEmpty()) {
        std::fprintf(stderr, "no simulated keyboard\n");
        return 1;
    }
    MainHidInterFace t(1, QStringLiteral("Zeno"));
    t.setObjectName(QStringLiteral("vdx-hid-bench"));
    if (t.hidApi_Open(path) != 0) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }
    t.start();
    measure("idle (keep-alive only)", t, seconds, false);
    measure("light frames every 30 ms", t, seconds, true);
    t.hidApi_Close(0);
    return 0;
}
