// The light engine as the device page drives it: records in, frames rendered,
// previews painted onto the buttons, and the threads stopped and restarted.
#include <QtTest>

#include <memory>

#include "ui/lightsConfig/lightDealMain.h"
#include "ui/lightsConfig/lightPacingThreads.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/sideLightButtonCustom.h"
#include "../testWait.h"

namespace {

colorInfoData record(int part, int type, QColor top, int speed = 3, int brightness = 5)
{
    colorInfoData r{};
    r.hidType = part;
    r.ledType = type;
    r.ledBrightness = brightness;
    r.ledSpeed = speed;
    r.ledTopColor[0] = top.red();
    r.ledTopColor[1] = top.green();
    r.ledTopColor[2] = top.blue();
    return r;
}

lightSupportInfo support(int keyboardSpeedMax, int sideSpeedMax, bool side = true)
{
    lightSupportInfo info;
    info.keyboard.lightTypes = {0, 1, 2};
    info.keyboard.speedMax = keyboardSpeedMax;
    info.keyboard.brightnessMax = 4;
    if (side)
        info.side.lightTypes = {0, 1};
    info.side.speedMax = sideSpeedMax;
    info.side.brightnessMax = 4;
    return info;
}

// A drawing's worth of buttons, owned by the fixture.
struct Drawing
{
    Drawing()
    {
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 22; ++c) {
                keys[r][c] = new keyboardButCustom(&parent);
            }
        for (int i = 0; i < 4; ++i) {
            auto *b = new sideLightButtonCustom(&parent);
            b->setSideLightInfo(i, 1);
            side.append(b);
        }
    }
    QWidget parent;
    keyboardButCustom *keys[6][22];
    QList<sideLightButtonCustom *> side;
};

} // namespace

class tst_lightEngine : public QObject
{
    Q_OBJECT
private slots:
    void recordsSetThePeriods_data()
    {
        QTest::addColumn<int>("keyboardSpeedMax");
        QTest::addColumn<int>("sideSpeedMax");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("keyboardPeriod");
        QTest::addColumn<int>("sidePeriod");
        QTest::newRow("max 4, speed 1") << 4 << 4 << 1 << 28 << 28;
        QTest::newRow("max 4, speed 5") << 4 << 4 << 5 << 8 << 8;
        QTest::newRow("max 3, speed 2") << 3 << 3 << 2 << 24 << 26;
        QTest::newRow("max 9, speed 6") << 9 << 9 << 6 << 17 << 17;
    }
    void recordsSetThePeriods()
    {
        QFETCH(int, keyboardSpeedMax);
        QFETCH(int, sideSpeedMax);
        QFETCH(int, speed);
        QFETCH(int, keyboardPeriod);
        QFETCH(int, sidePeriod);
        lightDealMain engine;
        QCOMPARE(engine.keyboardThread()->period(), 12);
        QCOMPARE(engine.sideThread()->period(), 15);
        engine.setLightSupportInfo(support(keyboardSpeedMax, sideSpeedMax));
        engine.setKeyboardColorInfoData(record(0, 0, Qt::red, speed));
        engine.setSideColorInfoData(record(1, 0, Qt::red, speed));
        QCOMPARE(engine.keyboardThread()->period(), keyboardPeriod);
        QCOMPARE(engine.sideThread()->period(), sidePeriod);
    }

    void previewReachesTheButtons()
    {
        Drawing drawing;
        lightDealMain engine;
        engine.setLightSupportInfo(support(4, 4));
        engine.setKeyButtons(drawing.keys);
        engine.setSideButtons(drawing.side);
        engine.loadProfileLightConfig(); // no profile store: keeps the starting records
        engine.setKeyboardColorInfoData(record(0, 0, QColor(0, 200, 0)));
        engine.setSideColorInfoData(record(1, 0, QColor(0, 0, 200)));
        engine.setLightPreviewEnabled(true);
        engine.setLightThreadsRunning(true);
        QVERIFY(engine.isKeyboardLightRunning());
        QVERIFY(engine.isSideLightRunning());
        QTRY_COMPARE_WITH_TIMEOUT(drawing.keys[5][21]->keyColor(), QColor(0, 200, 0, 180), testWait::kHangMs);
        QTRY_COMPARE_WITH_TIMEOUT(drawing.side[3]->color(), QColor(0, 0, 200, 250), testWait::kHangMs);
        engine.setLightThreadsRunning(false);
    }

    // A stop waits for the threads, so a start right after runs them again.
    void startRightAfterStop()
    {
        Drawing drawing;
        lightDealMain engine;
        engine.setLightSupportInfo(support(4, 4));
        engine.setKeyButtons(drawing.keys);
        engine.setKeyboardColorInfoData(record(0, 0, QColor(200, 0, 0)));
        engine.setLightPreviewEnabled(true);
        engine.setLightThreadsRunning(true);
        QTRY_COMPARE_WITH_TIMEOUT(drawing.keys[0][0]->keyColor(), QColor(200, 0, 0, 180), testWait::kHangMs);
        engine.setLightThreadsRunning(false);
        engine.setLightThreadsRunning(true);
        QVERIFY(engine.keyboardThread()->isRunning());
        QVERIFY(engine.previewThread()->isRunning());
        engine.setKeyboardColorInfoData(record(0, 0, QColor(0, 0, 200)));
        QTRY_COMPARE_WITH_TIMEOUT(drawing.keys[0][0]->keyColor(), QColor(0, 0, 200, 180), testWait::kHangMs);
        engine.setLightThreadsRunning(false);
    }

    // Ticks queued before a stop never reach a rebuilt (or deleted) drawing.
    void stopDropsQueuedTicks()
    {
        auto drawing = std::make_unique<Drawing>();
        lightDealMain engine;
        engine.setLightSupportInfo(support(4, 4));
        engine.setKeyButtons(drawing->keys);
        engine.setSideButtons(drawing->side);
        engine.setKeyboardColorInfoData(record(0, 0, QColor(200, 0, 0)));
        engine.setLightPreviewEnabled(true);
        engine.setLightThreadsRunning(true);
        QTRY_COMPARE_WITH_TIMEOUT(drawing->keys[0][0]->keyColor(), QColor(200, 0, 0, 180), testWait::kHangMs);
        // Let ticks pile up while the interface thread is busy.
        QThread::msleep(120);
        engine.setLightThreadsRunning(false);
        engine.keyboardColorInfoDataChanged(record(0, 0, QColor(0, 0, 200)));
        drawing.reset();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        // No late frame was rendered over the cleared preview.
        QCOMPARE(engine.keyPreviewColor(0, 0), QColor(0, 0, 0, 255));
        // Deleted buttons are forgotten, not painted.
        QCOMPARE(engine.keyButton(0, 0), nullptr);
        engine.setLightThreadsRunning(true);
        QTest::qWait(100);
        engine.setLightThreadsRunning(false);
    }

    void editClearsOnlyItsPart()
    {
        Drawing drawing;
        lightDealMain engine;
        engine.setLightSupportInfo(support(4, 4));
        engine.setKeyButtons(drawing.keys);
        engine.setSideButtons(drawing.side);
        engine.loadProfileLightConfig();
        engine.setKeyboardColorInfoData(record(0, 0, QColor(0, 200, 0)));
        engine.setSideColorInfoData(record(1, 0, QColor(0, 0, 200)));
        engine.setLightThreadsRunning(true);
        QTRY_COMPARE_WITH_TIMEOUT(engine.sidePreviewColor(0), QColor(0, 0, 200, 250), testWait::kHangMs);
        engine.setLightThreadsRunning(false);
        engine.keyboardColorInfoDataChanged(record(0, 0, QColor(0, 9, 0)));
        QCOMPARE(engine.keyPreviewColor(2, 2), QColor(0, 0, 0, 255));
        QCOMPARE(engine.sidePreviewColor(0), QColor(0, 0, 200, 250));
    }

    void customTypeRendersItsOwnRecords()
    {
        Drawing drawing;
        lightDealMain engine;
        engine.setLightSupportInfo(support(4, 4));
        engine.setKeyButtons(drawing.keys);
        engine.setKeyboardColorInfoData(record(0, 10, QColor(1, 1, 1), 3, 4));
        ledFrameRecord ignored[VARDEX_LIGHT_KEYS] = {};
        ignored[0].red = 255;
        engine.onKeyboardFrame(ignored);
        QCOMPARE(engine.keyPreviewColor(0, 0), QColor(0, 0, 0, 0));
        QCOMPARE(drawing.keys[0][0]->customLightColor(), QColor(0, 0, 0, 255));
    }
};

QTEST_MAIN(tst_lightEngine)
#include "tst_lightEngine.moc"
