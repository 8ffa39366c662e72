#include "ui/widgets/BatteryItem.h"
#include "ui/widgets/TextMoveWidget.h"
#include "ui/widgets/sliderCustomWidget.h"
#include "../testWait.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    QHash<QObject *, int> paints;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

} // namespace

class tst_paintedcontrols : public QObject
{
    Q_OBJECT

private slots:
    void sliderTicks_data();
    void sliderTicks();
    void sliderZeroStepsIgnored_data();
    void sliderZeroStepsIgnored();
    void sliderSingleTick();
    void sliderPress_data();
    void sliderPress();
    void sliderDragSnapsOnlyNearTicks();
    void sliderPaintsHandleOnTick();
    void sliderMirroredRightToLeft();
    void battery_data();
    void battery();
    void batteryRepaintsOnlyOnChange_data();
    void batteryRepaintsOnlyOnChange();
    void batteryUnknownLevel();
    void marqueeBounce();
    void marqueeWideTextSwingsBetweenMargins();
    void marqueeRestartPositions_data();
    void marqueeRestartPositions();
    void marqueeStopsOnHover();
    void marqueeTextTakesForeground_data();
    void marqueeTextTakesForeground();
};

// The light page's set-up: 140 x 40, margin 6, 5 steps.
static void setUpLikeLightPage(sliderCustomWidget &s)
{
    s.setSliderSize(140, 40);
    s.setMargin(6);
    s.setSteps(5);
}

void tst_paintedcontrols::sliderTicks_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<int>>("ticks");
    QTest::newRow("light page") << 140 << 6 << 5 << QList<int>{6, 31, 56, 81, 106, 131};
    QTest::newRow("default size") << 130 << 10 << 5 << QList<int>{10, 32, 54, 76, 98, 120};
    QTest::newRow("uneven spacing truncates") << 100 << 0 << 3 << QList<int>{0, 33, 66, 99};
    QTest::newRow("one step") << 60 << 5 << 1 << QList<int>{5, 55};
}

void tst_paintedcontrols::sliderTicks()
{
    QFETCH(int, width);
    QFETCH(int, margin);
    QFETCH(int, steps);
    QFETCH(QList<int>, ticks);
    sliderCustomWidget s;
    s.setSliderSize(width, 30);
    s.setMargin(margin);
    s.setSteps(steps);
    QCOMPARE(s.ticks(), ticks);
    QCOMPARE(s.trackEnd(), ticks.last());
    for (int i = 0; i < ticks.size(); ++i) {
        s.setPosition(i);
        QCOMPARE(s.handleX(), ticks[i]);
    }
}

void tst_paintedcontrols::sliderZeroStepsIgnored_data()
{
    QTest::addColumn<int>("steps");
    QTest::newRow("zero") << 0;
    QTest::newRow("minus one") << -1;
    QTest::newRow("minus five") << -5;
}

// A count that yields no ticks keeps the slider as it was and usable.
void tst_paintedcontrols::sliderZeroStepsIgnored()
{
    QFETCH(int, steps);
    sliderCustomWidget s;
    setUpLikeLightPage(s);
    s.setSteps(steps);
    QCOMPARE(s.steps(), 5);
    QCOMPARE(s.ticks(), (QList<int>{6, 31, 56, 81, 106, 131}));
    QCOMPARE(s.trackEnd(), 131);
    s.setPosition(2);
    QCOMPARE(s.handleX(), 56);
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&s, Qt::LeftButton, Qt::NoModifier, QPoint(108, 20));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 4);
}

// A range of one value: one tick at the left end, whatever the old ticks and
// whatever position is asked for; a press anywhere reports that tick or nothing.
void tst_paintedcontrols::sliderSingleTick()
{
    sliderCustomWidget s;
    setUpLikeLightPage(s);
    s.setSingleTick();
    QCOMPARE(s.steps(), 0);
    QCOMPARE(s.ticks(), QList<int>{6});
    s.setPosition(3);
    QCOMPARE(s.handleX(), 6);
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    for (int x : {6, 60, 131})
        QTest::mousePress(&s, Qt::LeftButton, Qt::NoModifier, QPoint(x, 20));
    for (const QList<QVariant> &args : qAsConst(spy))
        QCOMPARE(args.at(0).toInt(), 0);
    QCOMPARE(s.handleX(), 6);
    s.setSteps(5); // a later keyboard with a range gets its ticks back
    QCOMPARE(s.ticks().size(), 6);
}

void tst_paintedcontrols::sliderPress_data()
{
    QTest::addColumn<int>("start");   // tick index the handle stands on
    QTest::addColumn<int>("pressX");
    QTest::addColumn<int>("emitted"); // -1: nothing
    QTest::addColumn<int>("handleX");
    // Ticks: 6, 31, 56, 81, 106, 131.
    QTest::newRow("on a tick") << 0 << 81 << 3 << 81;
    QTest::newRow("4 px right of a tick snaps") << 0 << 85 << 3 << 81;
    QTest::newRow("4 px left of a tick snaps") << 5 << 77 << 3 << 81;
    QTest::newRow("5 px right steps one toward") << 0 << 86 << 1 << 31;
    QTest::newRow("5 px left steps one toward") << 5 << 76 << 4 << 106;
    QTest::newRow("same tick emits again") << 2 << 56 << 2 << 56;
    QTest::newRow("past the last tick from the last") << 5 << 139 << -1 << 131;
    QTest::newRow("before the first tick from the first") << 0 << 0 << -1 << 6;
}

void tst_paintedcontrols::sliderPress()
{
    QFETCH(int, start);
    QFETCH(int, pressX);
    QFETCH(int, emitted);
    QFETCH(int, handleX);
    sliderCustomWidget s;
    setUpLikeLightPage(s);
    s.setPosition(start);
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&s, Qt::LeftButton, Qt::NoModifier, QPoint(pressX, 20));
    if (emitted < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), emitted);
    }
    QCOMPARE(s.handleX(), handleX);
}

void tst_paintedcontrols::sliderDragSnapsOnlyNearTicks()
{
    sliderCustomWidget s;
    setUpLikeLightPage(s);
    s.setPosition(0);
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    // Without a button held nothing moves.
    QMouseEvent hover(QEvent::MouseMove, QPointF(57, 20), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&s, &hover);
    QCOMPARE(spy.count(), 0);
    QMouseEvent near(QEvent::MouseMove, QPointF(59, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s, &near);
    QMouseEvent again(QEvent::MouseMove, QPointF(55, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s, &again);
    QMouseEvent between(QEvent::MouseMove, QPointF(68, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s, &between);
    QCOMPARE(spy.count(), 2); // every move near a tick emits, also unchanged
    QCOMPARE(spy.at(1).at(0).toInt(), 2);
    QCOMPARE(s.handleX(), 56);
}

void tst_paintedcontrols::sliderPaintsHandleOnTick()
{
    sliderCustomWidget s;
    setUpLikeLightPage(s);
    s.setPosition(3);
    const QImage img = s.grab().toImage();
    const QColor centre = img.pixelColor(81, s.handleY());
    QVERIFY2(centre.red() > 200 && centre.green() > 100 && centre.blue() < 120, qPrintable(centre.name()));
    // The other ticks carry no handle.
    const QColor other = img.pixelColor(31, s.handleY() - 4);
    QVERIFY(!(other.red() > 200 && other.blue() < 120));
}

// Right to left the slider starts at the right edge: the first tick is the
// rightmost, and a press near the left end picks the last one.
void tst_paintedcontrols::sliderMirroredRightToLeft()
{
    sliderCustomWidget s;
    s.setLayoutDirection(Qt::RightToLeft);
    setUpLikeLightPage(s);
    s.setPosition(3);
    const QImage img = s.grab().toImage();
    const auto isHandle = [&](int x) {
        const QColor c = img.pixelColor(x, s.handleY());
        return c.red() > 200 && c.green() > 100 && c.blue() < 120;
    };
    QVERIFY(isHandle(140 - 81));
    QVERIFY(!isHandle(81));
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&s, Qt::LeftButton, Qt::NoModifier, QPoint(140 - 131, 20));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5);
    // Dragged to the right end: back to the first tick.
    QMouseEvent drag(QEvent::MouseMove, QPointF(140 - 6, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&s, &drag);
    QCOMPARE(spy.last().at(0).toInt(), 0);
}

void tst_paintedcontrols::battery_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("colourOn");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("fill");
    const QColor red(255, 60, 0), amber(200, 140, 0), green(100, 150, 100);
    QTest::newRow("0") << 0 << true << red << 0;
    QTest::newRow("25") << 25 << true << red << 6;
    QTest::newRow("26") << 26 << true << amber << 6;
    QTest::newRow("50") << 50 << true << amber << 12;
    QTest::newRow("51") << 51 << true << green << 12;
    QTest::newRow("100") << 100 << true << green << 25;
    QTest::newRow("negative") << -4 << true << green << -1;
    QTest::newRow("colour off at 10") << 10 << false << green << 2;
}

void tst_paintedcontrols::battery()
{
    QFETCH(int, level);
    QFETCH(bool, colourOn);
    QFETCH(QColor, colour);
    QFETCH(int, fill);
    BatteryItem b;
    b.resize(40, 20);
    b.setColorEnabled(colourOn);
    b.setLevel(level);
    QCOMPARE(b.fillColor(), colour);
    QCOMPARE(b.fillWidth(), fill);
    if (fill < 2)
        return;
    QImage img(b.size(), QImage::Format_ARGB32);
    img.fill(Qt::black);
    b.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    // Bar runs from x 2 over fill pixels; the bar's bottom edge (y 13) lies below the text.
    QCOMPARE(img.pixelColor(3, 13), colour);
    QCOMPARE(img.pixelColor(2 + fill - 1, 13), colour);
    QVERIFY(img.pixelColor(2 + fill + 2, 13) != colour);
}

// Each row: the gauge's state before, then one more call; whether that call
// repaints. "L<n>" sets level n, "U" the unknown level, "C0"/"C1" the colour
// flag.
void tst_paintedcontrols::batteryRepaintsOnlyOnChange_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("then");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("same level") << QStringList{"L60"} << QStringList{"L60"} << false;
    QTest::newRow("same level, charging") << QStringList{"C0", "L60"} << QStringList{"L60"} << false;
    QTest::newRow("other level") << QStringList{"L60"} << QStringList{"L61"} << true;
    QTest::newRow("same level, text comes back") << QStringList{"C0", "L60"} << QStringList{"C1", "L60"} << true;
    QTest::newRow("unknown") << QStringList{"L60"} << QStringList{"U"} << true;
    QTest::newRow("unknown again") << QStringList{"U"} << QStringList{"U"} << false;
    QTest::newRow("the level it had before unknown") << QStringList{"L60", "U"} << QStringList{"L60"} << true;
}

void tst_paintedcontrols::batteryRepaintsOnlyOnChange()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, then);
    QFETCH(bool, repaints);
    QWidget host;
    auto *layout = new QHBoxLayout(&host);
    auto *gauge = new BatteryItem;
    auto *other = new QWidget;
    other->setFixedSize(20, 20);
    layout->addWidget(gauge);
    layout->addWidget(other);
    const auto apply = [gauge](const QStringList &calls) {
        for (const QString &c : calls) {
            if (c == QLatin1String("U"))
                gauge->setLevelUnknown();
            else if (c.startsWith(QLatin1Char('C')))
                gauge->setColorEnabled(c == QLatin1String("C1"));
            else
                gauge->setLevel(c.mid(1).toInt());
        }
    };
    apply(before);
    PaintCounter counter;
    gauge->installEventFilter(&counter);
    other->installEventFilter(&counter);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTRY_VERIFY_WITH_TIMEOUT(counter.paints.value(gauge) > 0 && counter.paints.value(other) > 0, testWait::kHangMs);

    counter.paints.clear();
    apply(then);
    // The neighbour's repaint goes out in the same pass as any the gauge
    // asked for, so once it has been painted the gauge's answer is known.
    other->update();
    QTRY_VERIFY_WITH_TIMEOUT(counter.paints.value(other) > 0, testWait::kHangMs);
    QCOMPARE(counter.paints.value(gauge) > 0, repaints);
}

void tst_paintedcontrols::batteryUnknownLevel()
{
    BatteryItem b;
    b.resize(40, 20);
    b.setLevel(100);
    b.setLevelUnknown();
    QVERIFY(!b.isLevelKnown());
    const auto draw = [&b] {
        QImage img(b.size(), QImage::Format_ARGB32);
        img.fill(QColor(26, 27, 49));
        b.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
        return img.copy(b.gaugeRect());
    };
    const QColor outline(136, 205, 12);
    QImage img = draw();
    // No bar and not the charge outline: nothing that reads as a level.
    int light = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            QVERIFY2(c != QColor(100, 150, 100) && c != outline,
                     qPrintable(QStringLiteral("level colour at %1,%2").arg(x).arg(y)));
            if (x >= 2 && x < 27 && y >= 2 && y < 13 && qGray(c.rgb()) > 120)
                ++light;
        }
    }
    // Its outline still shows where the gauge is, and the mark reads.
    QVERIFY(img.pixelColor(0, 8) != QColor(26, 27, 49));
    QVERIFY2(light >= 6, qPrintable(QStringLiteral("%1 light pixels in the mark").arg(light)));

    // The next report shows its level.
    b.setLevel(12);
    QVERIFY(b.isLevelKnown());
    img = draw();
    QCOMPARE(img.pixelColor(3, 13), QColor(255, 60, 0));
    QCOMPARE(img.pixelColor(0, 8), outline);
}

void tst_paintedcontrols::marqueeBounce()
{
    TextMoveWidget m;
    m.resize(200, 30);
    m.setInterval(100000); // driven by hand below
    m.setText(QStringLiteral("short"));
    const int tw = m.fontMetrics().horizontalAdvance(QStringLiteral("short"));
    QVERIFY(tw < 200);
    int maxX = 0, turns = 0;
    bool lastRight = true;
    for (int i = 0; i < 400; ++i) {
        QMetaObject::invokeMethod(&m, "updatePos");
        maxX = qMax(maxX, m.textX());
        QVERIFY(m.textX() >= -2);
        if (m.isMovingRight() != lastRight) {
            ++turns;
            lastRight = m.isMovingRight();
        }
    }
    QVERIFY(maxX + tw <= 200 + 2);
    QVERIFY(maxX + tw >= 200 - 2);
    QVERIFY(turns >= 2);
    QCOMPARE(m.label()->pos(), QPoint(m.textX(), m.textY()));
}

void tst_paintedcontrols::marqueeWideTextSwingsBetweenMargins()
{
    TextMoveWidget m;
    m.resize(60, 30);
    m.setInterval(100000);
    const QString text = QStringLiteral("Do not unplug the keyboard while updating");
    m.setText(text);
    const int tw = m.fontMetrics().horizontalAdvance(text);
    QVERIFY(tw > 60);
    int minX = 0, maxX = 0;
    for (int i = 0; i < 600; ++i) {
        QMetaObject::invokeMethod(&m, "updatePos");
        minX = qMin(minX, m.textX());
        maxX = qMax(maxX, m.textX());
    }
    QCOMPARE(maxX, 10);
    QVERIFY(minX <= 60 - tw - 10 && minX >= 60 - tw - 12);
    // The label is as wide as the text, so nothing is cut.
    QVERIFY(m.label()->width() >= m.label()->fontMetrics().horizontalAdvance(text));
}

void tst_paintedcontrols::marqueeRestartPositions_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("startSign"); // -1 left of 0, 0 at 0, 1 at the widget width
    QTest::newRow("bounce") << int(TextMoveWidget::MoveStyle_LeftAndRight) << 0;
    QTest::newRow("left to right") << int(TextMoveWidget::MoveStyle_LeftToRight) << -1;
    QTest::newRow("right to left") << int(TextMoveWidget::MoveStyle_RightToLeft) << 1;
}

void tst_paintedcontrols::marqueeRestartPositions()
{
    QFETCH(int, style);
    QFETCH(int, startSign);
    TextMoveWidget m;
    m.resize(150, 30);
    m.setInterval(100000);
    m.setMoveStyle(TextMoveWidget::MoveStyle(style));
    m.setText(QStringLiteral("abc"));
    for (int i = 0; i < 5; ++i)
        QMetaObject::invokeMethod(&m, "updatePos");
    m.setText(QStringLiteral("restart"));
    if (startSign == 0)
        QCOMPARE(m.textX(), 0);
    else if (startSign > 0)
        QCOMPARE(m.textX(), 150);
    else
        QCOMPARE(m.textX(), -m.label()->width());
}

void tst_paintedcontrols::marqueeStopsOnHover()
{
    TextMoveWidget m;
    m.resize(200, 30);
    m.setInterval(100000);
    m.setMouseHoverStop(true);
    m.setText(QStringLiteral("hover"));
    QMetaObject::invokeMethod(&m, "updatePos");
    const int x = m.textX();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&m, &enter);
    QVERIFY(m.label()->font().underline());
    QCOMPARE(m.cursor().shape(), Qt::PointingHandCursor);
    for (int i = 0; i < 5; ++i)
        QMetaObject::invokeMethod(&m, "updatePos");
    QCOMPARE(m.textX(), x);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&m, &leave);
    QVERIFY(!m.label()->font().underline());
    QMetaObject::invokeMethod(&m, "updatePos");
    QCOMPARE(m.textX(), x + 2);
}

void tst_paintedcontrols::marqueeTextTakesForeground_data()
{
    QTest::addColumn<bool>("fontFirst");
    QTest::newRow("font, then colour") << true;
    QTest::newRow("colour, then font") << false;
}

void tst_paintedcontrols::marqueeTextTakesForeground()
{
    QFETCH(bool, fontFirst);
    TextMoveWidget m;
    m.resize(300, 40);
    m.setText(QStringLiteral("WWWWWWWW"));
    if (fontFirst)
        m.setTextFont(QStringLiteral("DejaVu Sans"), 14);
    m.setForeground(QColor(0, 255, 0));
    m.setBackground(QColor(0, 0, 0));
    if (!fontFirst)
        m.setTextFont(QStringLiteral("DejaVu Sans"), 14);
    const QImage img = m.grab().toImage();
    int green = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            green += c.green() > 200 && c.red() < 60;
        }
    QVERIFY2(green > 20, "the text is not drawn in the foreground colour");
}

QTEST_MAIN(tst_paintedcontrols)
#include "tst_paintedcontrols.moc"
