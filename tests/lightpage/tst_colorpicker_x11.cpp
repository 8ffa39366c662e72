// Under an X server the picker reads the real screen pixel under the pointer.
#include "ui/lightsConfig/SVColorArea.h"
#include "../testWait.h"

#include <QCursor>
#include <QSignalSpy>
#include <QtTest>

class tst_colorpicker_x11 : public QObject
{
    Q_OBJECT

private slots:
    void pickReadsTheScreen();
};

void tst_colorpicker_x11::pickReadsTheScreen()
{
    QWidget solid;
    solid.setWindowFlag(Qt::FramelessWindowHint);
    QPalette pal = solid.palette();
    pal.setColor(QPalette::Window, QColor(255, 128, 0));
    solid.setPalette(pal);
    solid.setAutoFillBackground(true);
    solid.setGeometry(100, 100, 300, 300);
    solid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&solid));
    SVColorArea area; // never shown: the pick is the screen's, not its own rendering
    QCursor::setPos(solid.mapToGlobal(QPoint(150, 150)));
    QSignalSpy picked(&area, &SVColorArea::sigGetRGB);
    QSignalSpy hex(&area, &SVColorArea::sigGetHexRGB);
    QTRY_VERIFY_WITH_TIMEOUT((area.print2(), !picked.isEmpty() && picked.last().at(0).toInt() == 255), testWait::kHangMs);
    QCOMPARE(picked.last().at(1).toInt(), 128);
    QCOMPARE(picked.last().at(2).toInt(), 0);
    QCOMPARE(hex.last().at(0).toString(), QStringLiteral("#FF8000"));
}

QTEST_MAIN(tst_colorpicker_x11)
#include "tst_colorpicker_x11.moc"
