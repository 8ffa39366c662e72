// The music-rhythm effect: band layout by key count, bar levels, the falling
// top key, colours, the intake of packets from a synthetic sound source and
// the receiver's 0x28 band bytes.
#include <QtTest>

#include <atomic>
#include <cmath>
#include <thread>

#include "../hid/simKeyboard.h"
#include "hid/MainHidInterFace.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/lightsConfig/musicRhythm.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "../testWait.h"

namespace {

// A sound source that plays a tone from its own thread, as the loopback
// capture does: 5 ms packets of 44100 Hz stereo, channel 0 carrying the tone.
class toneSource : public audioCaptureSource
{
public:
    explicit toneSource(bool startable = true) : m_startable(startable) {}
    ~toneSource() override { stop(); }
    int start() override
    {
        ++starts;
        if (!m_startable)
            return -1;
        m_running = true;
        return 0;
    }
    int stop() override
    {
        m_running = false;
        return 0;
    }
    bool isRunning() const override { return m_running; }
    QAudioFormat captureFormat() const override
    {
        QAudioFormat f;
        f.setSampleRate(44100);
        f.setChannelCount(2);
        f.setSampleSize(16);
        f.setCodec(QStringLiteral("audio/pcm"));
        f.setByteOrder(QAudioFormat::LittleEndian);
        f.setSampleType(QAudioFormat::SignedInt);
        return f;
    }
    QString boundOutputName() const override { return QStringLiteral("speakers"); }
    QString defaultOutputName() const override { return QStringLiteral("speakers"); }

    // Emits count packets of a tone from a thread of its own, and waits for it.
    void play(double hz, int count)
    {
        std::thread t([=] {
            for (int p = 0; p < count; ++p) {
                const int frames = 220;
                BYTE *buf = new BYTE[frames * 4];
                for (int i = 0; i < frames; ++i) {
                    const qint16 s = qint16(16000 * std::sin(2 * M_PI * hz * double(m_frame++) / 44100));
                    buf[i * 4] = BYTE(s & 0xFF);
                    buf[i * 4 + 1] = BYTE((s >> 8) & 0xFF);
                    buf[i * 4 + 2] = buf[i * 4 + 3] = 0;
                }
                emit sigSendCaptureAudioData(buf, frames * 4);
            }
        });
        t.join();
    }

    int starts = 0;

private:
    bool m_startable;
    std::atomic<bool> m_running{false};
    qint64 m_frame = 0;
};

colorInfoData musicRecord(int fullColor, QColor top, QColor bottom, int brightness = 5)
{
    colorInfoData r{};
    r.hidType = 0;
    r.ledType = 100;
    r.ledBrightness = brightness;
    r.ledSpeed = 3;
    r.ledTopColor[0] = top.red();
    r.ledTopColor[1] = top.green();
    r.ledTopColor[2] = top.blue();
    r.ledBottomColor[0] = bottom.red();
    r.ledBottomColor[1] = bottom.green();
    r.ledBottomColor[2] = bottom.blue();
    r.ledFullColor = fullColor;
    return r;
}

lightSupportInfo support()
{
    lightSupportInfo info;
    info.keyboard.lightTypes = {0, 100};
    info.keyboard.speedMax = 4;
    info.keyboard.brightnessMax = 4;
    return info;
}

hidStructInfoAll keyboardInfo(const char *model, int connection, int keyCount)
{
    hidStructInfoAll info;
    qstrncpy(info.hidName, model, sizeof info.hidName);
    info.hidUsbOrDongle = connection;
    info.keyCount = keyCount;
    return info;
}

// An engine with a tone source in place of the sound card, set to Musical
// Rhythm for a keyboard of keyCount keys.
struct MusicEngine
{
    explicit MusicEngine(int keyCount, colorInfoData record = musicRecord(1, Qt::white, Qt::black),
                         bool startable = true)
        : source(new toneSource(startable))
    {
        engine.setAudioCaptureSource(source);
        engine.setHidInfo(keyboardInfo("Brisko", 0, keyCount));
        engine.setLightSupportInfo(support());
        engine.initMusicalRhythm(keyCount, 11, 30.0, 930.0);
        engine.setKeyboardColorInfoData(record);
    }
    lightDealMain engine;
    toneSource *source; // owned by the engine
};

FrequencySpectrum spectrumWithBands(const QMap<int, double> &bandAmplitudes)
{
    FrequencySpectrum s(4096);
    for (int i = 2; i <= 2048; ++i) {
        s[i].frequency = i * 44100.0 / 4096;
        const double f = s[i].frequency;
        if (f >= 30.0 && f < 930.0)
            s[i].amplitude = bandAmplitudes.value(int((f - 30.0) / (900.0 / 11)), 0.0);
    }
    return s;
}

} // namespace

class tst_musicRhythm : public QObject
{
    Q_OBJECT
private slots:
    void columnsByKeyCount_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("104") << 104 << QList<int>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        QTest::newRow("108") << 108 << QList<int>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        QTest::newRow("98") << 98 << QList<int>{1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("87") << 87 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("82") << 82 << QList<int>{1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("84") << 84 << QList<int>{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("61") << 61 << QList<int>{1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
        QTest::newRow("34") << 34 << QList<int>{0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    }
    void columnsByKeyCount()
    {
        QFETCH(int, keyCount);
        QFETCH(QList<int>, counts);
        const QList<int> all = musicRhythm::bandColumnCounts(keyCount, 11);
        QCOMPARE(all.size(), 22);
        QCOMPARE(all.mid(0, 11), counts);
        QCOMPARE(all.mid(11), QList<int>(QVector<int>(11, 0).toList()));
        int columns = 0;
        for (int n : counts)
            columns += n;
        QCOMPARE(columns, musicRhythm::keyColumnsFor(keyCount));
    }

    void columnsToBands_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("band");
        QTest::newRow("104, column 0") << 104 << 0 << 0;
        QTest::newRow("104, column 1") << 104 << 1 << 0;
        QTest::newRow("104, column 2") << 104 << 2 << 1;
        QTest::newRow("104, column 20") << 104 << 20 << 10;
        QTest::newRow("104, column 21") << 104 << 21 << 10;
        QTest::newRow("34, column 0") << 34 << 0 << 2;
        QTest::newRow("34, column 6") << 34 << 6 << 8;
        QTest::newRow("34, column 7") << 34 << 7 << 0;
        QTest::newRow("34, column 21") << 34 << 21 << 0;
        QTest::newRow("98, column 18") << 98 << 18 << 10;
        QTest::newRow("98, column 19") << 98 << 19 << 0;
    }
    void columnsToBands()
    {
        QFETCH(int, keyCount);
        QFETCH(int, column);
        QFETCH(int, band);
        MusicEngine m(keyCount);
        QCOMPARE(m.engine.columnBands().size(), 22);
        QCOMPARE(m.engine.columnBands().value(column, -1), band);
    }

    void barLevels_data()
    {
        QTest::addColumn<double>("level");
        QTest::addColumn<int>("bar");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below 0.1") << 0.0999 << 0;
        QTest::newRow("0.1") << 0.1 << 1;
        QTest::newRow("0.25") << 0.25 << 2;
        QTest::newRow("0.4") << 0.4 << 3;
        QTest::newRow("0.55") << 0.55 << 4;
        QTest::newRow("just below 0.7") << 0.6999 << 4;
        QTest::newRow("0.7") << 0.7 << 5;
        QTest::newRow("1") << 1.0 << 5;
    }
    void barLevels()
    {
        QFETCH(double, level);
        QFETCH(int, bar);
        QCOMPARE(musicRhythm::barLevel(level), bar);
    }

    void bandsOfFrequencies()
    {
        MusicEngine m(104);
        QCOMPARE(m.engine.bandOfFrequency(30.0), 0);
        QCOMPARE(m.engine.bandOfFrequency(3 * 44100.0 / 4096), 0);
        QCOMPARE(m.engine.bandOfFrequency(11 * 44100.0 / 4096), 1);
        QCOMPARE(m.engine.bandOfFrequency(500.0), 5);
        QCOMPARE(m.engine.bandOfFrequency(86 * 44100.0 / 4096), 10);
    }

    void spectrumBecomesBars()
    {
        MusicEngine m(104);
        // Band 3 at 0.45 (level 3), band 10 clipped at 1, band 0 just below 0.1.
        FrequencySpectrum s = spectrumWithBands({{3, 0.45}, {10, 1.0}, {0, 0.0999}});
        s[1000].amplitude = 1.0; // outside the range: ignored
        s[1000].frequency = 1000 * 44100.0 / 4096;
        m.engine.onSpectrumChanged(s);
        QCOMPARE(m.engine.bandLevel(3), 0.45);
        QCOMPARE(m.engine.bandLevel(4), 0.0);
        // Band 3 owns columns 6 and 7: rows 5 (bottom) to 2 are its bar.
        for (int column : {6, 7})
            for (int row = 0; row < 6; ++row) {
                const ledFrameRecord r = m.engine.keyFrameRecord(row, column);
                const int h = 5 - row;
                QCOMPARE(r.level, h <= 3 ? 3 : 0);
                QCOMPARE(r.intensity, h <= 3 ? 255 : 0);
                QCOMPARE(r.fadeState, h == 3 ? 2 : 0);
            }
        QCOMPARE(m.engine.keyFrameRecord(0, 21).level, 5);
        QCOMPARE(m.engine.keyFrameRecord(5, 0).level, 0);
        QCOMPARE(m.engine.keyFrameRecord(5, 0).intensity, 255); // a level-0 bar: shows nothing
        m.engine.renderMusicFrame();
        const QList<int> levels = m.engine.columnBarLevels();
        QCOMPARE(levels.size(), 22);
        QCOMPARE(m.engine.columnBarIntensities().size(), 22);
        QCOMPARE(levels[6], 3);
        QCOMPARE(levels[21], 5);
        QCOMPARE(levels[0], 0);
        QCOMPARE(m.engine.columnBarIntensities()[6], 230); // its top has started to fall
        QCOMPARE(m.engine.columnBarIntensities()[0], 0);
    }

    void topKeyFallsInElevenFrames()
    {
        MusicEngine m(104);
        m.engine.setMusicBar(2, 4, 2);
        int frames = 0;
        while (m.engine.keyFrameRecord(3, 4).intensity > 0 && frames < 50) {
            m.engine.renderMusicFrame();
            ++frames;
        }
        QCOMPARE(frames, 11);
        // The key below took over the fall in that same frame.
        QCOMPARE(m.engine.keyFrameRecord(3, 4).fadeState, 0);
        QCOMPARE(m.engine.keyFrameRecord(4, 4).fadeState, 2);
        QCOMPARE(m.engine.keyFrameRecord(4, 4).intensity, 230);
        QCOMPARE(m.engine.keyFrameRecord(5, 4).intensity, 255);
    }

    void colours_data()
    {
        QTest::addColumn<int>("fullColor");
        QTest::addColumn<QColor>("bottom");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("expected"); // the bottom key of a level-3 bar
        QTest::addColumn<QColor>("unlit");    // a key above the bar
        QTest::newRow("band 0, bottom (10,20,30)") << 1 << QColor(10, 20, 30) << 5 << 0
                                                   << QColor(254, 0, 0, 180) << QColor(9, 19, 29, 180);
        QTest::newRow("band 3, black bottom") << 1 << QColor(0, 0, 0) << 5 << 6 << QColor(127, 254, 0, 200)
                                              << QColor(0, 0, 0, 0);
        QTest::newRow("top colour, black bottom") << 0 << QColor(0, 0, 0) << 5 << 6 << QColor(0, 0, 254, 200)
                                                  << QColor(0, 0, 0, 0);
        QTest::newRow("darkened by brightness 1") << 1 << QColor(10, 20, 30) << 1 << 0
                                                  << QColor(254, 0, 0, 180).darker(260)
                                                  << QColor(9, 19, 29, 180).darker(260);
    }
    void colours()
    {
        QFETCH(int, fullColor);
        QFETCH(QColor, bottom);
        QFETCH(int, brightness);
        QFETCH(int, column);
        QFETCH(QColor, expected);
        QFETCH(QColor, unlit);
        MusicEngine m(104, musicRecord(fullColor, QColor(0, 0, 255), bottom, brightness));
        // Base colours: band palette with full colour, else the top colour.
        const ledFrameRecord base = m.engine.keyFrameRecord(0, column);
        const QColor baseColour(base.red, base.green, base.blue);
        QCOMPARE(baseColour, fullColor ? (column == 6 ? QColor(128, 255, 0) : QColor(255, 0, 0)) : QColor(0, 0, 255));
        m.engine.setMusicBar(3, column, 1);
        m.engine.renderMusicFrame();
        QCOMPARE(m.engine.keyPreviewColor(5, column), expected);
        QCOMPARE(m.engine.keyPreviewColor(0, column), unlit);
    }

    void silenceOnABlackBottomShowsNothing()
    {
        MusicEngine m(87);
        m.engine.onSpectrumChanged(spectrumWithBands({}));
        m.engine.renderMusicFrame();
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 22; ++column)
                QCOMPARE(m.engine.keyPreviewColor(row, column).alpha(), 0);
        QCOMPARE(m.engine.columnBarLevels(), QList<int>(QVector<int>(22, 0).toList()));
    }

    void resetPaintsTheDrawing()
    {
        QWidget parent;
        keyboardButCustom *buttons[6][22] = {};
        buttons[2][6] = new keyboardButCustom(&parent);
        lightDealMain engine;
        engine.setAudioCaptureSource(new toneSource);
        engine.setKeyButtons(buttons);
        engine.setLightSupportInfo(support());
        engine.initMusicalRhythm(104, 11, 30.0, 930.0);
        engine.setKeyboardColorInfoData(musicRecord(1, Qt::white, Qt::black));
        QCOMPARE(buttons[2][6]->keyColor(), QColor(128, 255, 0, 180));
        // Switching on clears the preview until the first frame.
        QCOMPARE(engine.keyPreviewColor(2, 6), QColor(0, 0, 0, 128));
        // An edit while it runs resets the base colours, preview included.
        colorInfoData edited = musicRecord(0, QColor(1, 2, 3), Qt::black);
        engine.keyboardColorInfoDataChanged(edited);
        QCOMPARE(buttons[2][6]->keyColor(), QColor(1, 2, 3, 180));
        QCOMPARE(engine.keyPreviewColor(2, 6), QColor(1, 2, 3, 255));
    }

    void toneLightsItsBand()
    {
        MusicEngine m(104);
        QVERIFY(m.engine.isMusicalRhythmRunning());
        QCOMPARE(m.source->starts, 1);
        QVERIFY(m.source->isRunning());
        // Enough packets for at least two analyses whatever the pacing
        // counter stands at.
        m.source->play(500.0, 70);
        QTRY_VERIFY_WITH_TIMEOUT(m.engine.bandLevel(5) > 0.7, testWait::kHangMs);
        for (int b = 0; b < 11; ++b)
            if (b != 5)
                QVERIFY2(m.engine.bandLevel(b) < m.engine.bandLevel(5), qPrintable(QString::number(b)));
        m.engine.renderMusicFrame();
        const QList<int> levels = m.engine.columnBarLevels();
        QCOMPARE(levels[10], 5);
        QCOMPARE(levels[11], 5);
        for (int c = 0; c < 22; ++c)
            QVERIFY(levels[c] <= 5 && (c == 10 || c == 11 || levels[c] < 5));
    }

    // Of the capture packets that leave more than a block of frames in the
    // buffer, one in ten is analysed, counted from the one after an analysis.
    void oneQualifyingPacketInTenIsAnalysed()
    {
        MusicEngine m(104);
        QVERIFY(m.engine.isMusicalRhythmRunning());
        const int block = 4096 * 4; // frames of 16-bit stereo
        // An analysed packet empties the buffer; the next one waits until
        // the analyser took the block and is free again.
        auto feed = [&](int bytes) {
            m.engine.onSendCaptureAudioData(new BYTE[bytes](), bytes);
            const bool analysed = m.engine.audioBufferSize() == 0;
            if (analysed && !QTest::qWaitFor([&] { return m.engine.spectrumAnalyser()->isIdle(); }, testWait::kHangMs))
                qWarning("the analyser stays busy");
            return analysed;
        };
        int skipped = 0;
        while (!feed(block + 4))
            QVERIFY(++skipped < 10);
        QSignalSpy spectra(m.engine.spectrumAnalyser(), &SpectrumAnalyser::spectrumChanged);
        QVERIFY(!feed(block)); // exactly one block is no packet that counts
        QList<int> analysedAt;
        for (int packet = 1; packet <= 20; ++packet)
            if (feed(block + 4))
                analysedAt << packet;
        QCOMPARE(analysedAt, (QList<int>{10, 20}));
        QCOMPARE(spectra.count(), 2);
    }

    void packetsWhileOffAreFreed()
    {
        MusicEngine m(104, musicRecord(1, Qt::white, Qt::black));
        colorInfoData staticRecord = musicRecord(1, Qt::white, Qt::black);
        staticRecord.ledType = 0;
        m.engine.setKeyboardColorInfoData(staticRecord);
        QVERIFY(!m.engine.isMusicalRhythmRunning());
        QVERIFY(!m.source->isRunning());
        const int before = m.engine.audioBufferSize();
        m.source->play(500.0, 10); // queued: freed by the slot (the sanitizer run checks)
        QCoreApplication::processEvents();
        m.engine.onSendCaptureAudioData(new BYTE[64], 64);
        QCOMPARE(m.engine.audioBufferSize(), before);
        // Still queued packets at the engine's end are freed too.
        m.source->play(500.0, 5);
    }

    void formatOfTheSourceIsAnalysed()
    {
        // A source at 48000 Hz mono: its packets are analysed as such, so a
        // 500 Hz tone still lands in band 5.
        class monoSource : public toneSource
        {
        public:
            QAudioFormat captureFormat() const override
            {
                QAudioFormat f = toneSource::captureFormat();
                f.setSampleRate(48000);
                f.setChannelCount(1);
                return f;
            }
        };
        auto *source = new monoSource;
        lightDealMain engine;
        engine.setAudioCaptureSource(source);
        engine.setLightSupportInfo(support());
        engine.initMusicalRhythm(104, 11, 30.0, 930.0);
        engine.setKeyboardColorInfoData(musicRecord(1, Qt::white, Qt::black));
        QCOMPARE(engine.analysisFormat().sampleRate(), 48000);
        QCOMPARE(engine.analysisFormat().channelCount(), 1);
        // Mono 48 kHz: one 16-bit value per frame.
        std::thread t([source] {
            qint64 frame = 0;
            for (int p = 0; p < 120; ++p) {
                BYTE *buf = new BYTE[480];
                for (int i = 0; i < 240; ++i) {
                    const qint16 s = qint16(16000 * std::sin(2 * M_PI * 500.0 * double(frame++) / 48000));
                    buf[i * 2] = BYTE(s & 0xFF);
                    buf[i * 2 + 1] = BYTE((s >> 8) & 0xFF);
                }
                emit source->sigSendCaptureAudioData(buf, 480);
            }
        });
        t.join();
        QTRY_VERIFY_WITH_TIMEOUT(engine.bandLevel(5) > 0.7, testWait::kHangMs);
        for (int b = 0; b < 11; ++b)
            if (b != 5)
                QVERIFY(engine.bandLevel(b) < engine.bandLevel(5));
    }

    void failedStartIsRetriedWhileOn()
    {
        MusicEngine m(104, musicRecord(1, Qt::white, Qt::black), false);
        QCOMPARE(m.source->starts, 1);
        QVERIFY(!m.source->isRunning());
        // The watch tries again once a second while the effect is on ...
        QTRY_COMPARE_WITH_TIMEOUT(m.source->starts, 2, 60000);
        // ... and not at all once it is off.
        colorInfoData staticRecord = musicRecord(1, Qt::white, Qt::black);
        staticRecord.ledType = 0;
        m.engine.setKeyboardColorInfoData(staticRecord);
        const int starts = m.source->starts;
        QTest::qWait(1300);
        QCOMPARE(m.source->starts, starts);
    }

    void receiverBars_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QList<int>>("columnLevels");
        QTest::addColumn<QByteArray>("levels");
        QList<int> perColumn;
        for (int c = 0; c < 22; ++c)
            perColumn << c % 6;
        QTest::newRow("104: each band's right column") << 104 << perColumn
                                                       << QByteArray::fromHex("0103050103050103050103");
        QTest::newRow("34: bands 0, 1, 9, 10 empty") << 34 << perColumn
                                                     << QByteArray::fromHex("0000000102030405000000");
        QTest::newRow("no frame yet") << 104 << QList<int>() << QByteArray(11, '\0');
    }
    void receiverBars()
    {
        QFETCH(int, keyCount);
        QFETCH(QList<int>, columnLevels);
        QFETCH(QByteArray, levels);
        QList<int> intensities;
        for (int v : columnLevels)
            intensities << v * 40;
        unsigned char outLevels[11], outIntensities[11];
        musicRhythm::bandBars(musicRhythm::bandColumnCounts(keyCount, 11), 11, columnLevels, intensities, outLevels,
                              outIntensities);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(outLevels), 11), levels);
        for (int b = 0; b < 11; ++b)
            QCOMPARE(int(outIntensities[b]), int(uchar(levels[b])) * 40);
    }

    void receiverReportCarriesBands()
    {
        const QStringList paths = simKeyboard::paths();
        QVERIFY(paths.size() >= 2); // the receiver keyboard is the second
        MainHidInterFace link(1, QStringLiteral("Yolma"));
        QCOMPARE(link.hidApi_Open(paths[1]), 0);
        link.start();
        lightDealMain engine;
        auto *source = new toneSource;
        engine.setAudioCaptureSource(source);
        engine.setHidInfo(keyboardInfo("Yolma", 1, 34));
        engine.setLightSupportInfo(support());
        engine.setHidInterface(&link);
        engine.initMusicalRhythm(34, 11, 30.0, 930.0);
        engine.setKeyboardColorInfoData(musicRecord(1, Qt::white, Qt::black));
        engine.setLightThreadsRunning(true);
        simKeyboard::LogReader log;
        engine.setLightSynchronous(true);
        // 500 Hz is band 5, the fourth column of a 34-key keyboard.
        source->play(500.0, 70);
        QTRY_VERIFY_WITH_TIMEOUT(engine.bandLevel(5) > 0.7, testWait::kHangMs);
        QByteArray withBars;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (const simKeyboard::LogLine &l : log.written(paths[1]))
                    if (uchar(l.report[1]) == 0x28 && l.report[5 + 5] != 0)
                        withBars = l.report;
                return !withBars.isEmpty();
            }(),
            3000);
        engine.setLightSynchronous(false);
        engine.setLightThreadsRunning(false);
        QCOMPARE(int(uchar(withBars[4])), 100);
        QVERIFY(uchar(withBars[5 + 5]) >= 1 && uchar(withBars[5 + 5]) <= 5);
        QVERIFY(uchar(withBars[16 + 5]) > 0);
        for (int b : {0, 1, 9, 10}) // no columns: never a bar
            QCOMPARE(int(uchar(withBars[5 + b])), 0);
    }
};

QTEST_MAIN(tst_musicRhythm)
#include "tst_musicRhythm.moc"
