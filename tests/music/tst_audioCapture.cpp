// The loopback capture against a private PulseAudio server with a null sink:
// a tone played into the sink comes back from its monitor; stop ends the
// packets; no server fails at once; a new default output restarts the
// capture of the music effect once.
#include <QtTest>

#include <atomic>
#include <mutex>

#include "platform/soundCardAudioCapture.h"
#include "pulseTestServer.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/lightsConfig/spectrumAnalyser.h"
#include "../testWait.h"

namespace {

// Collects packets on the capture's own thread.
struct PacketLog
{
    void attach(DSoundCardAudioCapture *capture)
    {
        QObject::connect(
            capture, &audioCaptureSource::sigSendCaptureAudioData, capture,
            [this](BYTE *data, int size) {
                std::lock_guard<std::mutex> guard(lock);
                ++packets;
                const qint64 now = clock.isValid() ? clock.elapsed() : (clock.start(), 0);
                if (packets > 1)
                    largestGapMs = qMax(largestGapMs, now - last);
                last = now;
                if (size % 4 != 0)
                    ++partialFrames;
                bytes.append(reinterpret_cast<const char *>(data), size);
                delete[] data;
            },
            Qt::DirectConnection);
    }
    int count()
    {
        std::lock_guard<std::mutex> guard(lock);
        return packets;
    }
    std::mutex lock;
    int packets = 0;
    int partialFrames = 0;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 largestGapMs = 0;
    QByteArray bytes;
};

colorInfoData musicRecord()
{
    colorInfoData r{};
    r.ledType = 100;
    r.ledBrightness = 5;
    r.ledSpeed = 3;
    r.ledFullColor = 1;
    return r;
}

} // namespace

#define REQUIRE_SERVER()                                                                                      \
    do {                                                                                                      \
        if (!startServer())                                                                                   \
            QSKIP(qPrintable(m_skipReason));                                                                  \
    } while (0)

class tst_audioCapture : public QObject
{
    Q_OBJECT
private slots:
    void noServerFailsAtOnce()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/vardex/native");
        DSoundCardAudioCapture capture;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(capture.start(), -1);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!capture.isRunning());
        QVERIFY(!capture.lastError().isEmpty());
        clock.restart();
        QCOMPARE(capture.stop(), 0);
        QVERIFY(clock.elapsed() < 100);
        // The music effect without a server: on, no packets, bars at 0.
        lightDealMain engine;
        engine.initMusicalRhythm(104, 11, 30.0, 930.0);
        engine.setKeyboardColorInfoData(musicRecord());
        QVERIFY(engine.isMusicalRhythmRunning());
        QVERIFY(!engine.audioCapture()->isRunning());
        engine.renderMusicFrame();
        QCOMPARE(engine.columnBarLevels(), QList<int>(QVector<int>(22, 0).toList()));
    }

    void initTestCase()
    {
        registerAudioCaptureMetaTypes();
    }

    void toneComesBackFromTheMonitor()
    {
        REQUIRE_SERVER();
        DSoundCardAudioCapture capture;
        PacketLog log;
        log.attach(&capture);
        QCOMPARE(capture.start(), 0);
        QVERIFY(capture.isRunning());
        QCOMPARE(capture.boundOutputName(), QString::fromLatin1(pulseTestServer::SinkName));
        QCOMPARE(capture.sourceName(), QString::fromLatin1(pulseTestServer::SinkName) + ".monitor");
        const QAudioFormat f = capture.captureFormat();
        QCOMPARE(f.sampleRate(), 44100);
        QCOMPARE(f.channelCount(), 2);
        QCOMPARE(f.sampleSize(), 16);

        std::unique_ptr<QProcess> player = m_server.player();
        QVERIFY(player);
        player->write(pulseTestServer::tone(440.0, 44100)); // one second
        player->closeWriteChannel();
        QVERIFY(player->waitForFinished(testWait::kHangMs));
        // The whole second of the tone, in the effect's 4096-frame windows.
        constexpr int kWindowBytes = 4096 * 4;
        constexpr int kWindows = 44100 / 4096;
        QTRY_VERIFY_WITH_TIMEOUT(loudFrames(log) >= kWindows * 4096, testWait::kHangMs);
        QCOMPARE(capture.stop(), 0);

        std::lock_guard<std::mutex> guard(log.lock);
        QCOMPARE(log.partialFrames, 0);
        QVERIFY(log.packets > 10);
        qInfo("%d packets, %.1f bytes on average", log.packets, double(log.bytes.size()) / log.packets);
        // Each window of the loud part, analysed as the effect does. A
        // loaded machine may starve the player, and the silence it leaves
        // spoils the window it falls in: most windows, not all, must show
        // the tone. A capture that misreads the stream spoils every one.
        const QByteArray loud = loudPart(log.bytes);
        QVERIFY(loud.size() >= kWindows * kWindowBytes);
        QStringList peaks;
        int toneWindows = 0;
        for (int w = 0; w < kWindows; ++w) {
            SpectrumAnalyser analyser;
            QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
            analyser.calculate(loud.mid(w * kWindowBytes, kWindowBytes), f);
            QCOMPARE(spy.count(), 1);
            const FrequencySpectrum s = spy.at(0).at(0).value<FrequencySpectrum>();
            int peak = 2;
            for (int i = 2; i <= 2048; ++i)
                if (s[i].amplitude > s[peak].amplitude)
                    peak = i;
            peaks << QString::number(s[peak].frequency, 'f', 1);
            if (std::abs(s[peak].frequency - 440.0) <= 11.0)
                ++toneWindows;
        }
        QVERIFY2(toneWindows > kWindows / 2, qPrintable(peaks.join(QLatin1Char(' '))));
    }

    // A player at its own default latency (about 2 s of buffer) makes its
    // sink render, and so the monitor deliver, in bursts seconds apart unless
    // the capture asks for its small fragments: the sink must then run at
    // the capture's latency, whatever the player asked for, and the sound
    // comes back in a steady stream.
    void defaultLatencyPlayerStillStreams()
    {
        REQUIRE_SERVER();
        DSoundCardAudioCapture capture;
        PacketLog log;
        log.attach(&capture);
        QCOMPARE(capture.start(), 0);
        std::unique_ptr<QProcess> player = m_server.player(QString::fromLatin1(pulseTestServer::SinkName), 0);
        QVERIFY(player);
        player->write(pulseTestServer::tone(440.0, 44100 * 3));
        player->closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(loudFrames(log) >= 44100 / 2, testWait::kHangMs);
        QString sinks;
        QVERIFY(m_server.pactl({QStringLiteral("list"), QStringLiteral("sinks")}, &sinks));
        const QRegularExpression configured(QStringLiteral("configured (\\d+) usec"));
        const QRegularExpressionMatch m = configured.match(sinks);
        QVERIFY2(m.hasMatch(), qPrintable(sinks));
        QVERIFY2(m.captured(1).toLongLong() <= 50000, qPrintable(m.captured(0)));
        QCOMPARE(capture.stop(), 0);
        player->kill();
        player->waitForFinished(2000);
        std::lock_guard<std::mutex> guard(log.lock);
        qInfo("%d packets, largest gap %lld ms", log.packets, log.largestGapMs);
    }

    void nothingAfterStop()
    {
        REQUIRE_SERVER();
        DSoundCardAudioCapture capture;
        PacketLog log;
        log.attach(&capture);
        std::unique_ptr<QProcess> player = m_server.player();
        QVERIFY(player);
        player->write(pulseTestServer::tone(440.0, 44100 * 3));
        QCOMPARE(capture.start(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(log.count() >= 5, testWait::kHangMs);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(capture.stop(), 0);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(!capture.isRunning());
        const int atStop = log.count();
        QTest::qWait(200);
        QCOMPARE(log.count(), atStop);
        player->kill();
        player->waitForFinished(2000);
        // A stopped capture starts again.
        QCOMPARE(capture.start(), 0);
        QCOMPARE(capture.stop(), 0);
    }

    void endOfServerClearsRunning()
    {
        REQUIRE_SERVER();
        DSoundCardAudioCapture capture;
        QCOMPARE(capture.start(), 0);
        QString sinkModule;
        QVERIFY(m_server.pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")},
                               &sinkModule));
        // The sink goes away under the capture: the stream ends and the
        // capture says so, so the engine's watch will start it again.
        QVERIFY(m_server.pactl({QStringLiteral("unload-module"), QStringLiteral("module-null-sink")}));
        QTRY_VERIFY_WITH_TIMEOUT(!capture.isRunning(), testWait::kHangMs);
        QCOMPARE(capture.stop(), 0);
        m_server.shutDown();
        m_started = false;
    }

    void newDefaultOutputRestartsOnce()
    {
        REQUIRE_SERVER();
        lightDealMain engine;
        engine.initMusicalRhythm(104, 11, 30.0, 930.0);
        engine.setKeyboardColorInfoData(musicRecord());
        QVERIFY(engine.audioCapture()->isRunning());
        QCOMPARE(engine.audioCapture()->boundOutputName(), QString::fromLatin1(pulseTestServer::SinkName));
        QTest::qWait(1200); // a watch tick with nothing changed: no restart
        QCOMPARE(engine.audioCaptureRestarts(), 0);
        QVERIFY(m_server.pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                QStringLiteral("sink_name=vardex_other")}));
        QVERIFY(m_server.pactl({QStringLiteral("set-default-sink"), QStringLiteral("vardex_other")}));
        QTRY_COMPARE_WITH_TIMEOUT(engine.audioCaptureRestarts(), 1, testWait::kHangMs);
        QTRY_COMPARE_WITH_TIMEOUT(engine.audioCapture()->boundOutputName(), QStringLiteral("vardex_other"), testWait::kHangMs);
        QVERIFY(engine.audioCapture()->isRunning());
        QTest::qWait(1200);
        QCOMPARE(engine.audioCaptureRestarts(), 1);
        // Switched off: the capture stops with the effect.
        colorInfoData off = musicRecord();
        off.ledType = 0;
        engine.setKeyboardColorInfoData(off);
        QVERIFY(!engine.audioCapture()->isRunning());
    }

    void cleanupTestCase() { m_server.shutDown(); }

private:
    // QSKIP leaves only the function it is written in: the cases call this
    // through REQUIRE_SERVER.
    bool startServer()
    {
        if (!m_started) {
            if (!m_server.start()) {
                m_skipReason = QStringLiteral("No PulseAudio server could be started here: ") + m_server.error();
                return false;
            }
            m_started = true;
        }
        qputenv("PULSE_SERVER", m_server.serverAddress().toLocal8Bit());
        return true;
    }

    static QByteArray loudPart(const QByteArray &bytes)
    {
        const int frames = bytes.size() / 4;
        for (int i = 0; i < frames; ++i) {
            const qint16 s = qint16(quint8(bytes[i * 4]) | (quint8(bytes[i * 4 + 1]) << 8));
            if (std::abs(int(s)) > 8000)
                return bytes.mid(i * 4);
        }
        return QByteArray();
    }
    static int loudFrames(PacketLog &log)
    {
        std::lock_guard<std::mutex> guard(log.lock);
        return loudPart(log.bytes).size() / 4;
    }

    pulseTestServer m_server;
    bool m_started = false;
    QString m_skipReason;
};

QTEST_MAIN(tst_audioCapture)
#include "tst_audioCapture.moc"
