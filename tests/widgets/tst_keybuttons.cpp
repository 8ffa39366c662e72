#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/sideLightButtonCustom.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Renders the button alone onto transparency, so every pixel is what the
// button painted itself.
QImage paint(QWidget &w)
{
    QImage img(w.size(), QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    w.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

bool near(const QColor &a, const QColor &b, int tol = 6)
{
    return qAbs(a.red() - b.red()) <= tol && qAbs(a.green() - b.green()) <= tol && qAbs(a.blue() - b.blue()) <= tol
        && qAbs(a.alpha() - b.alpha()) <= tol;
}

QString describe(const QColor &c)
{
    return QStringLiteral("(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

enum State { Hovered = 1, Selected = 2, Range = 4, Mark = 8, Unavailable = 16, NoHoverHighlight = 32, ColorDisplay = 64 };

const QColor kT(0, 0, 0, 0);
const QColor kAccent(255, 143, 31);
const QColor kSel(250, 40, 45);

QColor a50(QColor c)
{
    c.setAlpha(50);
    return c;
}

} // namespace

class tst_keybuttons : public QObject
{
    Q_OBJECT

private slots:
    void keyFaces_data();
    void keyFaces();
    void hoverSignalsAndRepaint();
    void fillSettersForceAlpha();
    void sideSegment_data();
    void sideSegment();
};

void tst_keybuttons::keyFaces_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QColor>("keyColour");
    QTest::addColumn<QColor>("centre"); // fill, read in the middle
    QTest::addColumn<QColor>("edge");   // border, read on the left edge

    QTest::newRow("idle is transparent") << 0 << 4 << kT << kT << kT;
    QTest::newRow("hovered") << int(Hovered) << 4 << kT << a50(kAccent) << kAccent;
    QTest::newRow("hovered, highlight off") << int(Hovered | NoHoverHighlight) << 4 << kT << kT << kT;
    QTest::newRow("selected") << int(Selected) << 4 << kT << a50(kSel) << kSel;
    QTest::newRow("selected and hovered") << int(Selected | Hovered) << 4 << kT << a50(kAccent) << kAccent;
    QTest::newRow("selected and unavailable: no red") << int(Selected | Unavailable) << 4 << kT << a50(kSel) << kSel;
    QTest::newRow("unavailable") << int(Unavailable) << 4 << kT << QColor(200, 0, 0, 50) << QColor(200, 0, 0);
    QTest::newRow("custom mark") << int(Mark) << 4 << kT << a50(kAccent) << kAccent;
    QTest::newRow("range selected alone draws nothing") << int(Range) << 4 << kT << kT << kT;
    QTest::newRow("colour, highlight off") << int(ColorDisplay | NoHoverHighlight) << 4 << QColor(0, 200, 80)
                                           << QColor(0, 200, 80) << QColor(0, 200, 80);
    QTest::newRow("colour, highlight off, key 950") << int(ColorDisplay | NoHoverHighlight) << 950
                                                    << QColor(0, 200, 80) << kT << kT;
    QTest::newRow("colour, idle") << int(ColorDisplay) << 4 << QColor(40, 90, 255) << QColor(40, 90, 255)
                                  << QColor(40, 90, 255);
    QTest::newRow("colour, hovered") << int(ColorDisplay | Hovered) << 4 << QColor(40, 90, 255)
                                     << QColor(40, 90, 255) << kAccent;
    QTest::newRow("colour, band selected") << int(ColorDisplay | Range) << 4 << QColor(40, 90, 255)
                                           << QColor(40, 90, 255) << kAccent;
    QTest::newRow("black colour, hovered: border only") << int(ColorDisplay | Hovered) << 4 << QColor(0, 0, 0)
                                                        << kT << kAccent;
    QTest::newRow("black colour, idle: nothing") << int(ColorDisplay) << 4 << QColor(0, 0, 0) << kT << kT;
    QTest::newRow("colour display ignores the mark") << int(ColorDisplay | Mark) << 4 << QColor(0, 0, 0) << kT << kT;
}

void tst_keybuttons::keyFaces()
{
    QFETCH(int, state);
    QFETCH(int, keyCode);
    QFETCH(QColor, keyColour);
    QFETCH(QColor, centre);
    QFETCH(QColor, edge);

    keyboardButCustom key;
    key.setButtonSize(40, 40);
    key.setKeyInfo(keyCode, QStringLiteral("A"));
    // As the layout load sets them.
    key.setStateColors(kSel, kAccent);
    key.setHovered(state & Hovered);
    key.setSelected(state & Selected, true, 7);
    key.setRangeSelected(state & Range);
    key.setCustomMark(state & Mark);
    key.setKeyEnabled(!(state & Unavailable));
    key.setHoverHighlight(!(state & NoHoverHighlight));
    key.setColorDisplay(state & ColorDisplay);
    key.setShowLightColor(true);
    key.setKeyColor(keyColour);

    const QImage img = paint(key);
    const QColor mid = img.pixelColor(20, 20);
    const QColor border = img.pixelColor(0, 20);
    QVERIFY2(near(mid, centre), qPrintable(describe(mid) + " vs " + describe(centre)));
    QVERIFY2(near(border, edge, 12), qPrintable(describe(border) + " vs " + describe(edge)));
}

void tst_keybuttons::hoverSignalsAndRepaint()
{
    keyboardButCustom key;
    key.setButtonSize(30, 30);
    key.setStateColors(kSel, kAccent);
    QSignalSpy enter(&key, &keyboardButCustom::sigCustomButMouseEnter);
    QSignalSpy leave(&key, &keyboardButCustom::sigCustomButMouseLeave);
    QEvent e(QEvent::Enter);
    QApplication::sendEvent(&key, &e);
    QVERIFY(key.isHovered());
    QCOMPARE(enter.count(), 1);
    QVERIFY(near(paint(key).pixelColor(15, 15), a50(kAccent)));
    QEvent l(QEvent::Leave);
    QApplication::sendEvent(&key, &l);
    QVERIFY(!key.isHovered());
    QCOMPARE(leave.count(), 1);
    QCOMPARE(paint(key).pixelColor(15, 15).alpha(), 0);
}

void tst_keybuttons::fillSettersForceAlpha()
{
    keyboardButCustom key;
    // A new button starts with the red hover and orange selection colours.
    QCOMPARE(key.hoverFillColor(), QColor(255, 49, 53, 50));
    QCOMPARE(key.selectedBorderColor(), QColor(255, 128, 0));
    key.setHoverFillColor(QColor(10, 20, 30, 255));
    key.setSelectedFillColor(QColor(10, 20, 30, 7));
    key.setMarkFillColor(QColor(10, 20, 30));
    key.setHoverBorderColor(QColor(1, 2, 3, 99));
    QCOMPARE(key.hoverFillColor(), QColor(10, 20, 30, 50));
    QCOMPARE(key.selectedFillColor(), QColor(10, 20, 30, 50));
    QCOMPARE(key.markFillColor(), QColor(10, 20, 30, 50));
    QCOMPARE(key.hoverBorderColor(), QColor(1, 2, 3, 99));
}

void tst_keybuttons::sideSegment_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("middle");
    QTest::addColumn<QPoint>("end");
    QTest::newRow("wide fades along x") << QSize(80, 10) << QPoint(40, 5) << QPoint(0, 5);
    QTest::newRow("tall fades along y") << QSize(10, 80) << QPoint(5, 40) << QPoint(5, 0);
    QTest::newRow("square draws nothing") << QSize(20, 20) << QPoint(10, 10) << QPoint(0, 10);
}

void tst_keybuttons::sideSegment()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, middle);
    QFETCH(QPoint, end);
    sideLightButtonCustom seg;
    QCOMPARE(seg.color(), QColor(0, 0, 0, 128));
    seg.setButtonSize(size.width(), size.height());
    seg.setSideLightInfo(3, 1);
    QCOMPARE(seg.validStatus(), 1);
    seg.setColor(QColor(0, 255, 0));
    const QImage img = paint(seg);
    const QColor mid = img.pixelColor(middle);
    const QColor edge = img.pixelColor(end);
    if (size.width() == size.height()) {
        QCOMPARE(mid.alpha(), 0);
        return;
    }
    QVERIFY2(mid.alpha() > 240 && mid.green() > 240, qPrintable(describe(mid)));
    QVERIFY2(edge.alpha() < 20, qPrintable(describe(edge)));
    // The crossing axis is uniform.
    const QPoint across = size.width() > size.height() ? QPoint(middle.x(), 1) : QPoint(1, middle.y());
    QVERIFY(near(img.pixelColor(across), mid));
}

QTEST_MAIN(tst_keybuttons)
#include "tst_keybuttons.moc"
