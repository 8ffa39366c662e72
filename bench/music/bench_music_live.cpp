// The music effect end to end against a private PulseAudio server:
//  1. latency from a tone's onset written into the null sink to the first
//     music frame whose band rises, split into capture (onset -> first loud
//     packet in the engine's thread), intake and analysis (-> spectrum with
//     the band up) and pacing (-> first frame that shows it);
//  2. CPU of the whole process over 30 s with the effect running on the
//     simulated cable keyboard with light sync on, music playing, beside the
//     same set-up with the static effect.
// Run by hand: bench_music_live [seconds for each CPU phase, default 30]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <QDir>
#include <QFile>
#include <QMap>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "hid/MainHidInterFace.h"
#include "pulseTestServer.h"
#include "ui/lightsConfig/lightDealMain.h"

namespace {

qint64 nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double processCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

// Runs the event loop for ms without spinning.
void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

colorInfoData record(int type)
{
    colorInfoData r{};
    r.ledType = type;
    r.ledBrightness = 5;
    r.ledSpeed = 3;
    r.ledTopColor[0] = 255;
    r.ledFullColor = 1;
    return r;
}

// Music-like sound: a chord that moves through the bands with a beat.
QByteArray music(int seconds)
{
    const int frames = 44100 * seconds;
    QByteArray out(frames * 4, '\0');
    for (int i = 0; i < frames; ++i) {
        const double t = i / 44100.0;
        const double root = 60.0 * std::pow(2.0, std::fmod(t, 4.0)); // 60 Hz .. 960 Hz every 4 s
        const double beat = std::fmod(t, 0.5) < 0.12 ? 1.0 : 0.35;
        const double v = beat * (0.3 * std::sin(2 * M_PI * root * t) + 0.2 * std::sin(2 * M_PI * 1.5 * root * t)
                                 + 0.15 * std::sin(2 * M_PI * 80.0 * t));
        const qint16 s = qint16(std::lround(v * 32767));
        for (int ch = 0; ch < 2; ++ch) {
            out[i * 4 + ch * 2] = char(s & 0xFF);
            out[i * 4 + ch * 2 + 1] = char((s >> 8) & 0xFF);
        }
    }
    return out;
}

// CPU ticks of each thread of this process, by thread id, with its name.
struct ThreadTicks
{
    QString name;
    qint64 ticks = 0;
};
QMap<QString, ThreadTicks> threadTicks()
{
    QMap<QString, ThreadTicks> out;
    const QStringList tids = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &tid : tids) {
        QFile f(QStringLiteral("/proc/self/task/%1/stat").arg(tid));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stat = f.readAll();
        const int open = stat.indexOf('('), close = stat.lastIndexOf(')');
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        if (open < 0 || close < 0 || fields.size() < 13)
            continue;
        out[tid] = {QString::fromLatin1(stat.mid(open + 1, close - open - 1)), fields[11].toLongLong() + fields[12].toLongLong()};
    }
    return out;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("VARDEX_SIM", "1");
    QCoreApplication app(argc, argv);
    const int cpuSeconds = argc > 1 ? std::max(1, atoi(argv[1])) : 30;

    pulseTestServer server;
    if (!server.start()) {
        std::fprintf(stderr, "No PulseAudio server could be started: %s\n", qPrintable(server.error()));
        return 2;
    }
    qputenv("PULSE_SERVER", server.serverAddress().toLocal8Bit());

    CVardexHid_Init();
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    if (paths.empty()) {
        std::fprintf(stderr, "no simulated keyboard\n");
        return 2;
    }
    MainHidInterFace link(0, QStringLiteral("Brisko"));
    if (link.hidApi_Open(QString::fromStdString(paths.front())) != 0) {
        std::fprintf(stderr, "could not open the simulated keyboard\n");
        return 2;
    }
    link.start();

    lightDealMain engine;
    hidStructInfoAll info;
    qstrncpy(info.hidName, "Brisko", sizeof info.hidName);
    info.hidUsbOrDongle = 0;
    info.keyCount = 104;
    engine.setHidInfo(info);
    lightSupportInfo support;
    support.keyboard.lightTypes = {0, 100};
    support.keyboard.speedMax = 4;
    support.keyboard.brightnessMax = 4;
    support.side.lightTypes = {0};
    support.side.speedMax = 4;
    support.side.brightnessMax = 4;
    engine.setLightSupportInfo(support);
    engine.setHidInterface(&link);
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    engine.setKeyboardColorInfoData(record(100));
    engine.setSideColorInfoData(record(0));
    engine.setLightThreadsRunning(true);
    engine.setLightSynchronous(true);
    if (!engine.audioCapture()->isRunning()) {
        std::fprintf(stderr, "the capture did not start\n");
        return 2;
    }

    // --- 1. Latency -------------------------------------------------------
    std::atomic<qint64> firstLoudPacket{0};
    QObject::connect(
        engine.audioCapture(), &audioCaptureSource::sigSendCaptureAudioData, engine.audioCapture(),
        [&](BYTE *data, int size) {
            if (firstLoudPacket.load())
                return;
            for (int i = 0; i + 1 < size; i += 4) {
                const qint16 s = qint16(data[i] | (data[i + 1] << 8));
                if (std::abs(int(s)) > 8000) {
                    firstLoudPacket = nowUs();
                    break;
                }
            }
        },
        Qt::DirectConnection);
    qint64 firstSpectrum = 0;
    QObject::connect(engine.spectrumAnalyser(), &SpectrumAnalyser::spectrumChanged, &app, [&] {
        if (!firstSpectrum && engine.bandLevel(5) >= 0.1)
            firstSpectrum = nowUs();
    });

    std::unique_ptr<QProcess> player = server.player(QString::fromLatin1(pulseTestServer::SinkName), 10);
    if (!player) {
        std::fprintf(stderr, "no player\n");
        return 2;
    }
    waitMs(1500);
    const int trials = 15;
    std::vector<double> total, capture, intake, pacing;
    qint64 frame = 0;
    for (int trial = 0; trial < trials; ++trial) {
        // Silence until the band's bars have fallen.
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < 4000 && engine.columnBarLevels().value(10) > 0)
            waitMs(10);
        waitMs(137 + (53 * trial) % 100); // onsets spread over the intake cycle
        firstLoudPacket = 0;
        firstSpectrum = 0;
        const qint64 onset = nowUs();
        player->write(pulseTestServer::tone(500.0, 44100 * 4 / 10, 0.5, frame));
        frame += 44100 * 4 / 10;
        qint64 lit = 0;
        QElapsedTimer wait;
        wait.start();
        while (!lit && wait.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (engine.columnBarLevels().value(10) > 0 && firstSpectrum)
                lit = nowUs();
        }
        if (!lit || !firstLoudPacket || !firstSpectrum) {
            std::printf("trial %2d: no light within 2 s\n", trial);
            continue;
        }
        total.push_back((lit - onset) / 1000.0);
        capture.push_back((firstLoudPacket - onset) / 1000.0);
        intake.push_back((firstSpectrum - firstLoudPacket) / 1000.0);
        pacing.push_back((lit - firstSpectrum) / 1000.0);
        std::printf("trial %2d: %6.1f ms  (capture %5.1f, intake+analysis %6.1f, to the frame %5.1f)\n", trial,
                    total.back(), capture.back(), intake.back(), pacing.back());
        waitMs(600);
    }
    std::printf("latency onset -> first lit frame: median %.1f ms, min %.1f, max %.1f (%zu trials); "
                "median capture %.1f, intake+analysis %.1f, pacing %.1f ms\n",
                median(total), total.empty() ? 0 : *std::min_element(total.begin(), total.end()),
                total.empty() ? 0 : *std::max_element(total.begin(), total.end()), total.size(), median(capture),
                median(intake), median(pacing));

    // --- 2. CPU --------------------------------------------------------------
    auto measure = [&](const char *label) {
        player->write(music(cpuSeconds + 2));
        waitMs(1000);
        const QMap<QString, ThreadTicks> threads0 = threadTicks();
        const double cpu0 = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        waitMs(cpuSeconds * 1000);
        const double cpu = processCpuSeconds() - cpu0;
        const double secs = wall.elapsed() / 1000.0;
        std::printf("%-44s %.2f%% of one core over %.0f s\n", label, 100.0 * cpu / secs, secs);
        const QMap<QString, ThreadTicks> threads1 = threadTicks();
        const double hz = double(sysconf(_SC_CLK_TCK));
        for (auto it = threads1.cbegin(); it != threads1.cend(); ++it) {
            const double share = 100.0 * (it->ticks - threads0.value(it.key()).ticks) / hz / secs;
            if (share >= 0.1)
                std::printf("    thread %-16s %.2f%%\n", qPrintable(it->name), share);
        }
        waitMs(1500);
    };
    // The latency probe's direct connection costs a scan per packet; drop it.
    QObject::disconnect(engine.audioCapture(), &audioCaptureSource::sigSendCaptureAudioData, engine.audioCapture(),
                        nullptr);
    measure("music effect, cable keyboard, sync on:");
    engine.setKeyboardColorInfoData(record(0));
    measure("static effect, cable keyboard, sync on:");

    engine.setLightSynchronous(false);
    engine.setLightThreadsRunning(false);
    player->closeWriteChannel();
    player->kill();
    player->waitForFinished(2000);
    link.hidApi_Close(-1);
    return 0;
}
