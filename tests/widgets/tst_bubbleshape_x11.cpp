// Bubbles and toasts on an X server without a compositing manager (as under a
// plain window manager): what lies below must show around their rounded
// shape, never a black rectangle. Run under tests/run-under-xvfb.sh.
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DToolTipExplain.h"
#include "ui/widgets/shapedWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QX11Info>
#include <QtTest>

class tst_bubbleshape_x11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cornersShowWhatLiesBelow_data();
    void cornersShowWhatLiesBelow();
    void compositingLeavesTheWindowWhole();

private:
    QWidget m_backdrop;
};

namespace {

const QColor kBackdrop(240, 240, 240);

bool near(const QColor &a, const QColor &b, int tolerance = 12)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

QImage screenShot()
{
    QCoreApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

} // namespace

void tst_bubbleshape_x11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under tests/run-under-xvfb.sh)");
    if (QX11Info::isCompositingManagerRunning())
        QSKIP("a compositing manager runs on this display");
    QVERIFY(!shapedWindow::compositingActive());
    m_backdrop.setWindowFlags(Qt::FramelessWindowHint);
    m_backdrop.setStyleSheet(QStringLiteral("background-color: rgb(240, 240, 240);"));
    m_backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    m_backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_backdrop));
}

void tst_bubbleshape_x11::cornersShowWhatLiesBelow_data()
{
    QTest::addColumn<int>("kind"); // 0..2 bubble with that arrow direction, 3 toast
    QTest::newRow("bubble, arrow on top") << 0;
    QTest::newRow("bubble, arrow at the bottom") << 1;
    QTest::newRow("bubble without arrow") << 2;
    QTest::newRow("toast") << 3;
    QTest::newRow("tool-button tip with its text") << 4;
}

void tst_bubbleshape_x11::cornersShowWhatLiesBelow()
{
    QFETCH(int, kind);
    std::unique_ptr<QWidget> window;
    QColor fill;
    if (kind < 3 || kind == 4) {
        auto *bubble = new ArrowWidget(kind == 4 ? 1 : kind);
        if (kind == 4) {
            // The device page's tool-button tip: a label fills the body.
            auto *tip = new DToolTipExplain(nullptr);
            tip->setText(QStringLiteral("Key Custom"));
            bubble->setContentWidget(tip);
            bubble->setBubbleSize(230, 70);
            bubble->setArrowPosition(30);
        } else {
            bubble->setBubbleSize(230, 120);
            bubble->setArrowPosition(100);
        }
        bubble->move(200, 200);
        fill = bubble->fillColor();
        window.reset(bubble);
        bubble->show();
    } else {
        auto *toast = new CbNotice(nullptr);
        window.reset(toast);
        toast->showNotice(QStringLiteral("Saved"));
        fill = QColor(0, 0, 0); // the toast's own colour is its business; corners are ours
    }
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(150);
    const QImage shot = screenShot();
    const QRect g = window->geometry();

    // The four corners of the window lie outside the rounded shape.
    for (const QPoint &corner : {g.topLeft() + QPoint(1, 1), g.topRight() + QPoint(-1, 1),
                                 g.bottomLeft() + QPoint(1, -1), g.bottomRight() + QPoint(-1, -1)}) {
        const QColor seen = shot.pixelColor(corner);
        QVERIFY2(near(seen, kBackdrop), qPrintable(QStringLiteral("corner %1,%2 shows %3 for kind %4")
                                                      .arg(corner.x()).arg(corner.y()).arg(seen.name()).arg(kind)));
    }
    if (kind != 3) {
        // The body itself is drawn (its edge, clear of any text).
        const QColor body = shot.pixelColor(g.left() + 20, g.center().y());
        QVERIFY2(near(body, fill, 30), qPrintable(body.name()));
        QVERIFY(!window->mask().isEmpty());
        // The body is painted where the shape lets it show: just inside its
        // top and bottom edges, clear of the arrow.
        const auto *bubble = static_cast<ArrowWidget *>(window.get());
        const QRect inner = bubble->bubblePath().boundingRect().toRect().translated(g.topLeft());
        const int bodyTop = g.top() + (kind == 0 ? 25 : 15);
        const int bodyBottom = g.top() + g.height() - 15;
        for (const QPoint &p : {QPoint(g.right() - 25, bodyTop + 3), QPoint(g.right() - 25, bodyBottom - 4)}) {
            const QColor seen = shot.pixelColor(p);
            QVERIFY2(near(seen, fill, 30), qPrintable(QStringLiteral("%1,%2 (inside %3,%4 %5x%6) shows %7")
                                                          .arg(p.x()).arg(p.y()).arg(inner.x()).arg(inner.y())
                                                          .arg(inner.width()).arg(inner.height()).arg(seen.name())));
        }
    }
}

void tst_bubbleshape_x11::compositingLeavesTheWindowWhole()
{
    shapedWindow::setCompositingForTesting(1);
    ArrowWidget bubble(1);
    bubble.setBubbleSize(230, 120);
    bubble.show();
    QVERIFY(bubble.mask().isEmpty());
    shapedWindow::setCompositingForTesting(0);
    bubble.setBubbleSize(240, 120);
    QVERIFY(!bubble.mask().isEmpty());
    QVERIFY(!bubble.mask().contains(QPoint(2, 2)));
    QVERIFY(bubble.mask().contains(QPoint(120, 60)));
    shapedWindow::setCompositingForTesting(-1);
}

QTEST_MAIN(tst_bubbleshape_x11)
#include "tst_bubbleshape_x11.moc"
