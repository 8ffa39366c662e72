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

QTEST_MAIN(tst_colorpicker)
#include "tst_colorpicker.moc"
