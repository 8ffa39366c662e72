// The light-sync stream as the simulated keyboards receive it: the 0x16
// switch and its repeat, the USB colour frames byte for byte, the receiver's
// compact report, and silence after switching off.
#include <QtTest>

#include "../hid/simKeyboard.h"
#include "hid/MainHidInterFace.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/keyboardView/sideLightButtonCustom.h"
#include "../testWait.h"

namespace {

hidStructInfoAll keyboardInfo(const char *model, int connection)
{
    hidStructInfoAll info;
    qstrncpy(info.hidName, model, sizeof info.hidName);
    info.hidUsbOrDongle = connection;
    info.keyCount = 104;
    return info;
}

lightSupportInfo withSideLight()
{
    lightSupportInfo info;
    info.keyboard.lightTypes = {0, 6};
    info.keyboard.speedMax = 4;
    info.keyboard.brightnessMax = 4;
    info.side.lightTypes = {0};
    info.side.speedMax = 4;
    info.side.brightnessMax = 4;
    return info;
}

colorInfoData record(int part, int type, int r, int g, int b)
{
    colorInfoData c{};
    c.hidType = part;
    c.ledType = type;
    c.ledBrightness = 5;
    c.ledSpeed = 3;
    c.ledTopColor[0] = r;
    c.ledTopColor[1] = g;
    c.ledTopColor[2] = b;
    return c;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v & 0xFF));
    return out;
}
QByteArray keyColour(int k) { return bytes({k, 2 * k, 255 - k}); }
QByteArray sideColour(int i) { return bytes({100 + i, 7, 200 - i}); }

ledFrameRecord g_frame[VARDEX_LIGHT_KEYS];
void keepFrame(ledFrameRecord *frame)
{
    std::copy(frame, frame + VARDEX_LIGHT_KEYS, g_frame);
}

QList<simKeyboard::LogLine> reportsOf(simKeyboard::LogReader &log, const QString &path, int code)
{
    QList<simKeyboard::LogLine> out;
    for (const simKeyboard::LogLine &l : log.written(path))
        if (uchar(l.report[1]) == code)
            out << l;
    return out;
}

} // namespace

class tst_lightSync : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_paths = simKeyboard::paths();
        QVERIFY(m_paths.size() >= 2); // the default scenario: a Brisko by cable, a Yolma by receiver
        for (int i = 0; i < 45; ++i) {
            auto *b = new sideLightButtonCustom(&m_drawing);
            b->setSideLightInfo(i, 1);
            m_side << b;
        }
    }

    void switchOnceOnAndOnceOff()
    {
        MainHidInterFace link(0, QStringLiteral("Brisko"));
        QCOMPARE(link.hidApi_Open(m_paths[0]), 0);
        link.start();
        lightDealMain engine;
        engine.setHidInfo(keyboardInfo("Brisko", 0));
        engine.setHidInterface(&link);
        simKeyboard::LogReader log;
        engine.setLightSynchronous(false); // off while off: nothing
        engine.setLightSynchronous(true);
        engine.setLightSynchronous(true);
        QTRY_VERIFY_WITH_TIMEOUT(reportsOf(log, m_paths[0], 0x16).size() >= 1, testWait::kHangMs);
        engine.setLightSynchronous(false);
        QTRY_VERIFY_WITH_TIMEOUT(reportsOf(log, m_paths[0], 0x16).size() >= 2, testWait::kHangMs);
        // Time for a wrong third switch to show; on a slow machine it only
        // shows less often, it never fails a sound run.
        QTest::qWait(100);
        const QList<simKeyboard::LogLine> switches = reportsOf(log, m_paths[0], 0x16);
        QCOMPARE(switches.size(), 2);
        hidCmdBuff on;
        on[0] = 1;
        on[1] = 0x16;
        on[5] = 1;
        on[6] = 1;
        QCOMPARE(switches[0].report, on.toByteArray());
        on[6] = 0;
        QCOMPARE(switches[1].report, on.toByteArray());
        // Nothing of the stream follows the switch-off.
        for (const simKeyboard::LogLine &l : log.written(m_paths[0]))
            if (uchar(l.report[1]) == 0x0E)
                QVERIFY(l.ms <= switches[1].ms);
        QVERIFY(!link.isLightSynchronous());
    }

    void cableFramesByteForByte()
    {
        MainHidInterFace link(0, QStringLiteral("Brisko"));
        QCOMPARE(link.hidApi_Open(m_paths[0]), 0);
        link.start();
        lightDealMain engine;
        wireCableEngine(engine, link);
        engine.setKeyboardColorInfoData(record(0, 0, 1, 1, 1));
        engine.setSideColorInfoData(record(1, 0, 1, 1, 1));
        // Frames with a colour of their own for every LED.
        ledFrameRecord keys[VARDEX_LIGHT_KEYS] = {};
        QByteArray expectedKeys, expectedSide;
        for (int k = 0; k < VARDEX_LIGHT_KEYS; ++k) {
            const QByteArray c = keyColour(k);
            keys[k] = {uchar(c[0]), uchar(c[1]), uchar(c[2]), 0, 0, 0, 255, 0, 0, 0, 0};
            expectedKeys += c;
        }
        ledFrameRecord side[VARDEX_LIGHT_SIDE_LEDS] = {};
        for (int i = 0; i < 45; ++i) {
            const QByteArray c = sideColour(i);
            side[i] = {uchar(c[0]), uchar(c[1]), uchar(c[2]), 0, 0, 0, 255, 0, 0, 0, 0};
            expectedSide += c;
        }
        engine.onKeyboardFrame(keys);
        engine.onSideFrame(side);
        QCOMPARE(engine.keyPreviewColor(1, 3), QColor(25, 50, 230, 180));

        simKeyboard::LogReader log;
        CVardexSimLightSync before{};
        QCOMPARE(CVardexSim_GetLightSync(m_paths[0].toLatin1().constData(), &before), 0);
        engine.setLightSynchronous(true);
        CVardexSimLightSync now{};
        QTRY_VERIFY_WITH_TIMEOUT((CVardexSim_GetLightSync(m_paths[0].toLatin1().constData(), &now),
                                  now.sideFrames >= before.sideFrames + 2),
                                 60000);
        engine.setLightSynchronous(false);

        // One frame: part 0 chunks 0..7, part 1 chunks 0..2, in order.
        const QList<simKeyboard::LogLine> chunks = reportsOf(log, m_paths[0], 0x0E);
        QVERIFY(chunks.size() >= 11);
        const QVector<QPair<int, int>> order = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7},
                                                {1, 0}, {1, 1}, {1, 2}};
        const QVector<int> lengths = {54, 54, 54, 54, 54, 54, 54, 18, 54, 54, 27};
        for (int i = 0; i < 11; ++i) {
            const QByteArray &r = chunks[i].report;
            QCOMPARE(int(uchar(r[0])), 1);
            QCOMPARE(int(uchar(r[2])), order[i].first);
            QCOMPARE(int(uchar(r[3])), 0);
            QCOMPARE(int(uchar(r[4])), order[i].second);
            QCOMPARE(int(uchar(r[5])), lengths[i]);
            const QByteArray &all = order[i].first == 0 ? expectedKeys : expectedSide;
            QCOMPARE(r.mid(6, lengths[i]), all.mid(order[i].second * 54, lengths[i]));
            QCOMPARE(r.mid(6 + lengths[i]), QByteArray(58 - lengths[i], '\0'));
        }
        // The simulator put the same colours together again.
        QByteArray frame(396, '\0');
        QCOMPARE(CVardexSim_GetLightSyncFrame(m_paths[0].toLatin1().constData(), 0, reinterpret_cast<uchar *>(frame.data()), 396), 396);
        QCOMPARE(frame, expectedKeys);
        QByteArray sideFrame(180, '\0');
        QCOMPARE(CVardexSim_GetLightSyncFrame(m_paths[0].toLatin1().constData(), 1, reinterpret_cast<uchar *>(sideFrame.data()), 180), 135);
        QCOMPARE(sideFrame.left(135), expectedSide);
    }

    // Effects whose keys differ from one another: every key's preview and
    // its three bytes in the colour stream come from that key's own cell of
    // the library's frame, on every row.
    void eachKeyShowsItsOwnCell_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("press");
        QTest::addColumn<bool>("scaled"); // mixed: the cell's colour scaled by its intensity
        QTest::addColumn<int>("frames");
        // Wave bands are whole columns, which tell no rows apart; a young
        // ripple ring and the snake do.
        QTest::newRow("ripple after a press at (3,7)") << 8 << true << true << 3;
        QTest::newRow("snake") << 5 << false << true << 30;
    }
    void eachKeyShowsItsOwnCell()
    {
        QFETCH(int, type);
        QFETCH(bool, press);
        QFETCH(bool, scaled);
        QFETCH(int, frames);
        MainHidInterFace link(0, QStringLiteral("Brisko"));
        QCOMPARE(link.hidApi_Open(m_paths[0]), 0);
        link.start();
        lightDealMain engine;
        wireCableEngine(engine, link);
        colorInfoData keys = record(0, type, 1, 1, 1);
        keys.ledFullColor = 1;
        engine.setKeyboardColorInfoData(keys);
        engine.setSideColorInfoData(record(1, 0, 1, 1, 1));
        CVardexLight_ResetForTest(7);
        if (press)
            CVardexHid_keyClickedSendXY(3, 7);
        for (int i = 0; i < frames; ++i)
            CVardexHid_keyboardLightColorRuning(&keepFrame);
        engine.onKeyboardFrame(g_frame);

        QByteArray expected;
        QSet<QRgb> offRowZero;
        for (int k = 0; k < VARDEX_LIGHT_KEYS; ++k) {
            const ledFrameRecord &r = g_frame[k];
            const int a = scaled ? r.intensity : 255;
            const QColor c(qBound(0, r.red * a / 255, 255), qBound(0, r.green * a / 255, 255),
                           qBound(0, r.blue * a / 255, 255));
            expected += bytes({c.red(), c.green(), c.blue()});
            if (k >= VARDEX_LIGHT_COLUMNS)
                offRowZero.insert(c.rgb());
            const QColor shown = engine.keyPreviewColor(k / VARDEX_LIGHT_COLUMNS, k % VARDEX_LIGHT_COLUMNS);
            QVERIFY2(shown.rgb() == c.rgb(), qPrintable(QStringLiteral("key %1: %2, cell %3")
                                                            .arg(k).arg(shown.name(), c.name())));
        }
        // The frame must tell the cells apart, or any cell would do: colours
        // differ off row 0, and from the row-0 key of the same column.
        QVERIFY2(offRowZero.size() >= 2, qPrintable(QString::number(offRowZero.size())));
        bool differsFromRowZero = false;
        for (int k = VARDEX_LIGHT_COLUMNS; k < VARDEX_LIGHT_KEYS; ++k)
            differsFromRowZero |= expected.mid(3 * k, 3) != expected.mid(3 * (k % VARDEX_LIGHT_COLUMNS), 3);
        QVERIFY(differsFromRowZero);

        CVardexSimLightSync before{};
        QCOMPARE(CVardexSim_GetLightSync(m_paths[0].toLatin1().constData(), &before), 0);
        engine.setLightSynchronous(true);
        CVardexSimLightSync now{};
        QTRY_VERIFY_WITH_TIMEOUT((CVardexSim_GetLightSync(m_paths[0].toLatin1().constData(), &now),
                                  now.keyFrames >= before.keyFrames + 1),
                                 60000);
        engine.setLightSynchronous(false);
        QByteArray frame(396, '\0');
        QCOMPARE(CVardexSim_GetLightSyncFrame(m_paths[0].toLatin1().constData(), 0,
                                              reinterpret_cast<uchar *>(frame.data()), 396), 396);
        QCOMPARE(frame.toHex(), expected.toHex());
    }

    void switchRepeatsEveryThreeSeconds()
    {
        MainHidInterFace link(0, QStringLiteral("Brisko"));
        QCOMPARE(link.hidApi_Open(m_paths[0]), 0);
        link.start();
        lightDealMain engine;
        engine.setHidInfo(keyboardInfo("Brisko", 0));
        engine.setHidInterface(&link);
        QTest::qWait(300); // the link's own opening reports go first
        simKeyboard::LogReader log;
        engine.setLightSynchronous(true);
        QTRY_VERIFY_WITH_TIMEOUT(reportsOf(log, m_paths[0], 0x16).size() >= 3, 60000);
        engine.setLightSynchronous(false);
        const QList<simKeyboard::LogLine> switches = reportsOf(log, m_paths[0], 0x16);
        for (int i = 1; i < 3; ++i) {
            QCOMPARE(int(uchar(switches[i].report[6])), 1);
            const qint64 gap = switches[i].ms - switches[i - 1].ms;
            // A repeat, not a burst of switches, in every build.
            QVERIFY2(gap >= 1500, qPrintable(QString::number(gap)));
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
            // How close the period stays is a question of speed, which a
            // sanitizer build on a loaded machine cannot answer.
            QVERIFY2(qAbs(gap - 3000) <= 100, qPrintable(QString::number(gap)));
#endif
        }
    }

    void receiverSendsAPressOnce()
    {
        MainHidInterFace link(1, QStringLiteral("Yolma"));
        QCOMPARE(link.hidApi_Open(m_paths[1]), 0);
        link.start();
        lightDealMain engine;
        engine.setHidInfo(keyboardInfo("Yolma", 1));
        engine.setLightSupportInfo(withSideLight());
        engine.setHidInterface(&link);
        engine.setKeyboardColorInfoData(record(0, 6, 12, 34, 56));
        engine.setSideColorInfoData(record(1, 2, 1, 1, 1));
        CVardexHid_keyClickedSendXY(2, 5);
        engine.setInteractLightsPointXY(2, 5);
        simKeyboard::LogReader log;
        engine.setLightSynchronous(true);
        QTRY_VERIFY_WITH_TIMEOUT(reportsOf(log, m_paths[1], 0x28).size() >= 3, 60000);
        engine.setLightSynchronous(false);
        const QList<simKeyboard::LogLine> states = reportsOf(log, m_paths[1], 0x28);
        const QByteArray &first = states[0].report;
        QCOMPARE(int(uchar(first[4])), 6);
        QCOMPARE(first.mid(5, 5), bytes({2, 5, 12, 34, 56}));
        QCOMPARE(int(uchar(first[34])), 2); // side Wave: no payload
        QCOMPARE(first.mid(35), QByteArray(29, '\0'));
        for (int i = 1; i < states.size(); ++i)
            QCOMPARE(states[i].report.mid(5, 5), QByteArray(5, '\0'));
        CVardexSimLightSync sync{};
        CVardexSim_GetLightSync(m_paths[1].toLatin1().constData(), &sync);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sync.lastState), 64).mid(4, 30),
                 states.last().report.mid(4, 30));
    }

    void customColoursOnlyBehindTheReceiver()
    {
        MainHidInterFace link(1, QStringLiteral("Yolma"));
        QCOMPARE(link.hidApi_Open(m_paths[1]), 0);
        link.start();
        lightDealMain engine;
        engine.setHidInterface(&link);
        simKeyboard::LogReader log;
        engine.setHidInfo(keyboardInfo("Yolma", 0));
        engine.updateCustomLightColors(0, 0);
        engine.setHidInfo(keyboardInfo("Yolma", 1));
        engine.updateCustomLightColors(1, 0); // in use in a slot: the light page uploads it
        engine.updateCustomLightColors(1, -1);
        QTRY_COMPARE_WITH_TIMEOUT(reportsOf(log, m_paths[1], 0x08).size(), 8, 60000);
        const QList<simKeyboard::LogLine> chunks = reportsOf(log, m_paths[1], 0x08);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(int(uchar(chunks[i].report[2])), 2);
            QCOMPARE(int(uchar(chunks[i].report[4])), i);
            QCOMPARE(int(uchar(chunks[i].report[5])), i == 7 ? 18 : 54);
        }
    }

private:
    // The engine of the cable keyboard with its side light, streaming to link.
    void wireCableEngine(lightDealMain &engine, MainHidInterFace &link)
    {
        engine.setHidInfo(keyboardInfo("Brisko", 0));
        engine.setLightSupportInfo(withSideLight());
        engine.setHidInterface(&link);
        engine.setSideButtons(m_side);
        engine.loadProfileLightConfig();
    }

    QStringList m_paths;
    QWidget m_drawing;
    QList<sideLightButtonCustom *> m_side;
};

QTEST_MAIN(tst_lightSync)
#include "tst_lightSync.moc"
