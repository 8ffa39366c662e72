// The colour picker: ring geometry, the knob's report and the offscreen pick.
#include "ui/lightsConfig/SVColorArea.h"

#include <QSignalSpy>
#include <QtTest>

class tst_colorpicker : public QObject
{
    Q_OBJECT

private slots:
    void ringValueFromPress_data();
    void ringValueFromPress();
    void dragFromWheelLeavesRing();
    void resetReportsRest();
    void offscreenPickIsTheRenderedPixel();
    void dragInWheelKeepsPicking_data();
    void dragInWheelKeepsPicking();
    void markerShowsThePickUntilReset();
    void wheelPressRestsTheRing();
};

void tst_colorpicker::ringValueFromPress_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("reportedAngle");
    QTest::newRow("right, distance 40") << QPoint(100, 60) << 74.6 << -268;
    QTest::newRow("below") << QPoint(59, 100) << 50.0 << -180;
    QTest::newRow("above") << QPoint(59, 10) << 100.0 << -360;
    QTest::newRow("left") << QPoint(18, 59) << 25.0 << -90;
}

void tst_colorpicker::ringValueFromPress()
{
    QFETCH(QPoint, press);
    QFETCH(double, value);
    QFETCH(int, reportedAngle);
    SVColorArea area;
    QSignalSpy pressed(&area, &SVColorArea::sigMouseIsPress);
    QSignalSpy picked(&area, &SVColorArea::sigGetRGB);
    QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, press);
    QVERIFY(!area.pressedInWheel());
    QVERIFY(qAbs(area.ringValue() - value) < 0.05);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(picked.count(), 0);
    QSignalSpy moving(&area, &SVColorArea::sigMoveingStatus);
    area.grab();
    QCOMPARE(moving.count(), 1);
    QCOMPARE(moving.at(0).at(0).toInt(), int(value));
    QCOMPARE(moving.at(0).at(1).toInt(), reportedAngle);
}

void tst_colorpicker::dragFromWheelLeavesRing()
{
    SVColorArea area;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    QVERIFY(area.pressedInWheel());
    QMouseEvent move(QEvent::MouseMove, QPointF(110, 60), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&area, &move);
    QCOMPARE(area.ringValue(), 0.0);
}

void tst_colorpicker::resetReportsRest()
{
    SVColorArea area;
    QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, QPoint(59, 100));
    area.resetRingValue();
    QSignalSpy moving(&area, &SVColorArea::sigMoveingStatus);
    area.grab();
    QCOMPARE(moving.at(0).at(0).toInt(), 0);
    QCOMPARE(moving.at(0).at(1).toInt(), 0);
}

// Offscreen the screen cannot be read: the pick is the picker's own pixel.
void tst_colorpicker::offscreenPickIsTheRenderedPixel()
{
    SVColorArea area;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const QImage rendered = area.grab().toImage();
    for (const QPoint &p : {QPoint(30, 60), QPoint(60, 30), QPoint(75, 80)}) {
        QSignalSpy picked(&area, &SVColorArea::sigGetRGB);
        QSignalSpy hex(&area, &SVColorArea::sigGetHexRGB);
        QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(&area, Qt::LeftButton, Qt::NoModifier, p);
        QCOMPARE(picked.count(), 1);
        const QColor expected = rendered.pixelColor(p);
        QCOMPARE(picked.at(0).at(0).toInt(), expected.red());
        QCOMPARE(picked.at(0).at(1).toInt(), expected.green());
        QCOMPARE(picked.at(0).at(2).toInt(), expected.blue());
        QCOMPARE(hex.at(0).at(0).toString(), expected.name().toUpper());
    }
}

void tst_colorpicker::dragInWheelKeepsPicking_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("picked");
    QTest::newRow("inside the wheel") << QPoint(45, 75) << QPoint(45, 75);
    QTest::newRow("to the white centre") << QPoint(60, 60) << QPoint(60, 60);
    // Beyond the wheel the pick stays on its rim, towards the pointer.
    QTest::newRow("out to the right") << QPoint(115, 60) << QPoint(97, 60);
    QTest::newRow("out past the top") << QPoint(60, 0) << QPoint(60, 23);
}

void tst_colorpicker::dragInWheelKeepsPicking()
{
    QFETCH(QPoint, to);
    QFETCH(QPoint, picked);
    SVColorArea area;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const QImage rendered = area.grab().toImage();
    QSignalSpy picks(&area, &SVColorArea::sigGetRGB);
    QSignalSpy pressed(&area, &SVColorArea::sigMouseIsPress);
    QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, QPoint(75, 45));
    QCOMPARE(picks.count(), 1);
    QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&area, &move);
    QCOMPARE(picks.count(), 2);
    const QColor expected = rendered.pixelColor(picked);
    QCOMPARE(QColor(picks.last().at(0).toInt(), picks.last().at(1).toInt(), picks.last().at(2).toInt()), expected);
    QCOMPARE(area.pickPoint(), picked);
    // The same point again reports nothing new; the drag is one press.
    QCoreApplication::sendEvent(&area, &move);
    QCOMPARE(picks.count(), 2);
    QCOMPARE(area.ringValue(), 0.0);
    QTest::mouseRelease(&area, Qt::LeftButton, Qt::NoModifier, to);
    QCOMPARE(pressed.count(), 2);
}

void tst_colorpicker::markerShowsThePickUntilReset()
{
    SVColorArea area;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const QImage plain = area.grab().toImage();
    const QPoint at(45, 70);
    QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(area.hasPickMarker());
    // The marker's light ring, five pixels round the pick, stands out from
    // the wheel; the pick's own pixel stays visible.
    const QImage marked = area.grab().toImage();
    QCOMPARE(marked.pixelColor(at), plain.pixelColor(at));
    for (const QPoint &ring : {at + QPoint(5, 0), at - QPoint(5, 0), at + QPoint(0, 5), at - QPoint(0, 5)}) {
        QVERIFY2(marked.pixelColor(ring).lightness() > 200, qPrintable(marked.pixelColor(ring).name()));
        QVERIFY(marked.pixelColor(ring) != plain.pixelColor(ring));
    }
    // A colour taken from elsewhere: the marker goes.
    area.resetRingValue();
    QVERIFY(!area.hasPickMarker());
    QCOMPARE(area.grab().toImage(), plain);
}

// A colour picked in the wheel is shown undarkened: the ring goes to rest.
void tst_colorpicker::wheelPressRestsTheRing()
{
    SVColorArea area;
    QTest::mouseClick(&area, Qt::LeftButton, Qt::NoModifier, QPoint(59, 100));
    QCOMPARE(area.ringValue(), 50.0);
    QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, QPoint(45, 70));
    QCOMPARE(area.ringValue(), 0.0);
    QSignalSpy moving(&area, &SVColorArea::sigMoveingStatus);
    area.grab();
    QCOMPARE(moving.count(), 1);
    QCOMPARE(moving.at(0).at(0).toInt(), 0);
    QCOMPARE(moving.at(0).at(1).toInt(), 0);
}

QTEST_MAIN(tst_colorpicker)
#include "tst_colorpicker.moc"
