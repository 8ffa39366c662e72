// Painting the keyboard drawing cheaply: keys whose colours change cost one
// paint of the key layer, limited to those keys, over a picture of what
// lies beneath them, and what the screen shows is what painting everything
// beneath every key again, key by key, shows.
#include "ui/keyboardView/dragShowArea.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keyBackdrop.h"
#include "ui/keyboardView/keyFace.h"
#include "ui/keyboardView/keySelectFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/keyboardImageFrameItem.h"
#include "ui/keyboardView/sideLightButtonCustom.h"
#include "../testWait.h"

#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <optional>
#include <QtTest>

namespace {

struct DeviceRecord
{
    char hidPath[256];
    char hidName[128];
};

// Counts paint events per widget and gathers the regions they paint.
class PaintLog : public QObject
{
public:
    void watch(QWidget *w) { w->installEventFilter(this); }
    QMap<QObject *, int> counts;
    QMap<QObject *, QRegion> regions;
    void clear()
    {
        counts.clear();
        regions.clear();
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            ++counts[o];
            regions[o] += static_cast<QPaintEvent *>(e)->region();
            if (qEnvironmentVariableIsSet("KP_DEBUG"))
                qDebug() << o << static_cast<QPaintEvent *>(e)->region();
        }
        return false;
    }
};

// A window with a gradient background (so that every pixel beneath a key
// differs), a frame around the drawing and the drawing of a keyboard with
// side lights, its keys showing light colours as on the light page.
struct Drawing
{
    Drawing()
    {
        window.setObjectName(QStringLiteral("window"));
        window.setStyleSheet(QStringLiteral(
            "QWidget#window{background:qlineargradient(x1:0,y1:0,x2:1,y2:1,stop:0 #203040,stop:1 #a07010);}"
            "QFrame#around{border:4px solid #40c0c0;border-radius:12px;background:rgba(255,255,255,40);}"));
        auto *outer = new QVBoxLayout(&window);
        around = new QFrame(&window);
        around->setObjectName(QStringLiteral("around"));
        outer->addWidget(around);
        auto *inner = new QVBoxLayout(around);
        view = new hidDeviceJoinFrame(around);
        inner->addWidget(view);
        DeviceRecord record{"/dev/hidraw-test", {}};
        qstrncpy(record.hidName, "Brisko", sizeof record.hidName);
        view->initKeyboard(record);
        layer = view->keyLayer();
        layer->showSideLights(true);
        layer->setDisplayMode(true, true);
        for (keyboardButCustom *k : layer->keyButtons())
            k->setShowLightColor(true);
        window.resize(900, 400);
        window.show();
    }
    // The rubber band's overlay, raised above the drawing as the device
    // page does; it follows the drawing's size.
    dragShowArea *addBand()
    {
        auto *band = new dragShowArea(layer->parentWidget());
        band->setGeometry(layer->geometry());
        band->setActive(true);
        band->show();
        band->raise();
        return band;
    }
    // What the window shows, read back from its backing store.
    QImage screen()
    {
        QCoreApplication::processEvents();
        return window.screen()->grabWindow(window.winId()).toImage();
    }
    // Odd frames as the light engine paints them, in one batch.
    void paintKeys(int frame)
    {
        std::optional<keyBackdrop::UpdateBatch> batch;
        if (frame % 2)
            batch.emplace();
        const QList<keyboardButCustom *> keys = layer->keyButtons();
        for (int i = 0; i < keys.size(); ++i)
            if ((i + frame) % 3 == 0)
                keys.at(i)->setKeyColor(QColor((i * 37 + frame * 11) % 256, (i * 71) % 256, frame * 40 % 256, 180));
        const QList<sideLightButtonCustom *> side = layer->sideLightButtons();
        for (int i = 0; i < side.size(); ++i)
            side.at(i)->setColor(QColor::fromHsv((i * 20 + frame * 30) % 360, 255, 255));
    }

    QWidget window;
    QFrame *around = nullptr;
    hidDeviceJoinFrame *view = nullptr;
    keySelectFrame *layer = nullptr;
};

bool exposedWithPicture(Drawing &d)
{
    const keyBackdrop *backdrop = d.layer->backdrop();
    return QTest::qWaitForWindowExposed(&d.window)
           && QTest::qWaitFor([&] { return backdrop->isValid() && !backdrop->isRefreshPending(); });
}

// Pixels where the screen differs from what painting everything again, each
// key by itself, shows.
int differingFromPlain(Drawing &d)
{
    keyBackdrop *backdrop = d.layer->backdrop();
    const QImage cached = d.screen();
    backdrop->setEnabled(false);
    d.window.repaint();
    const QImage plain = d.screen();
    backdrop->setEnabled(true);
    if (plain.isNull() || cached.size() != plain.size())
        return -1;
    // Qt's gradients round by one here and there depending on where a
    // paint starts, so the plain way itself varies by one from pass to
    // pass; a key painted over the wrong part of the picture, or over
    // itself, differs by far more.
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb a = cached.pixel(x, y);
            const QRgb b = plain.pixel(x, y);
            differing += qAbs(qRed(a) - qRed(b)) > 1 || qAbs(qGreen(a) - qGreen(b)) > 1 || qAbs(qBlue(a) - qBlue(b)) > 1;
        }
    if (differing && qEnvironmentVariableIsSet("KP_DEBUG")) {
        cached.save("/tmp/E-cached.png");
        plain.save("/tmp/E-plain.png");
    }
    return differing;
}

} // namespace

class tst_keypainting : public QObject
{
    Q_OBJECT

private slots:
    void changedKeysCostOnePaint_data();
    void changedKeysCostOnePaint();
    void sameLookAsPaintingEverything_data() { changedKeysCostOnePaint_data(); }
    void sameLookAsPaintingEverything();
    void partsAndMovesOfKeys();
    void overlayAboveLetsKeysPaintThemselves();
    void faceLooksAsDrawnDirectly_data();
    void faceLooksAsDrawnDirectly();
};

void tst_keypainting::changedKeysCostOnePaint_data()
{
    QTest::addColumn<bool>("bandAbove");
    QTest::newRow("keys on top") << false;
    // The light page keeps the rubber band's overlay above the keys.
    QTest::newRow("band overlay above, no band") << true;
}

void tst_keypainting::changedKeysCostOnePaint()
{
    QFETCH(bool, bandAbove);
    Drawing d;
    if (bandAbove)
        d.addBand();
    QVERIFY(exposedWithPicture(d));
    QVERIFY(!d.layer->keyButtons().isEmpty());
    QVERIFY(!d.layer->sideLightButtons().isEmpty());
    PaintLog log;
    QList<QWidget *> beneath{&d.window, d.around, d.view, d.view->pictureLayer()};
    beneath += d.view->pictureLayer()->findChildren<QWidget *>();
    for (QWidget *w : beneath)
        log.watch(w);
    log.watch(d.layer);
    for (QWidget *k : d.layer->keyButtons())
        log.watch(k);
    for (QWidget *s : d.layer->sideLightButtons())
        log.watch(s);

    keyboardButCustom *a = d.layer->keyButtons().at(5);
    keyboardButCustom *b = d.layer->keyButtons().at(40);
    sideLightButtonCustom *s = d.layer->sideLightButtons().at(2);
    a->setKeyColor(QColor(10, 200, 30, 180));
    b->setKeyColor(QColor(200, 10, 30, 180));
    s->setColor(QColor(0, 0, 255));
    QTRY_VERIFY_WITH_TIMEOUT(log.counts.value(d.layer), testWait::kHangMs);
    QCoreApplication::processEvents();
    // One paint of the layer, of exactly the three buttons; nothing
    // beneath and no button as a widget of its own.
    QCOMPARE(log.counts.size(), 1);
    QCOMPARE(log.counts.value(d.layer), 1);
    QCOMPARE(log.regions.value(d.layer), QRegion(a->geometry()) + b->geometry() + s->geometry());

    // A key whose colour stays is not painted again.
    log.clear();
    a->setKeyColor(QColor(10, 200, 30, 180));
    QCoreApplication::processEvents();
    QCOMPARE(log.counts.size(), 0);

    // A frame of every key is still one paint, of the keys' bounds.
    log.clear();
    {
        const keyBackdrop::UpdateBatch frame;
        for (keyboardButCustom *k : d.layer->keyButtons())
            k->setKeyColor(QColor(k->keyDec() * 5 % 256, 90, 200, 180));
    }
    QTRY_VERIFY_WITH_TIMEOUT(log.counts.value(d.layer), testWait::kHangMs);
    QCoreApplication::processEvents();
    QCOMPARE(log.counts.size(), 1);
    QCOMPARE(log.counts.value(d.layer), 1);
    QCOMPARE(log.regions.value(d.layer).rectCount(), 1);

    // A frame of the side strip alone leaves the keys between its ends.
    log.clear();
    QRegion strip;
    {
        const keyBackdrop::UpdateBatch frame;
        for (sideLightButtonCustom *segment : d.layer->sideLightButtons()) {
            segment->setColor(QColor(segment->index() * 9 % 256, 200, 40));
            strip += segment->geometry();
        }
    }
    QVERIFY(d.layer->sideLightButtons().size() > 12);
    QTRY_VERIFY_WITH_TIMEOUT(log.counts.value(d.layer), testWait::kHangMs);
    QCoreApplication::processEvents();
    QCOMPARE(log.counts.size(), 1);
    QCOMPARE(log.regions.value(d.layer), strip);
}

void tst_keypainting::sameLookAsPaintingEverything()
{
    QFETCH(bool, bandAbove);
    Drawing d;
    if (bandAbove)
        d.addBand();
    QVERIFY(exposedWithPicture(d));
    keyBackdrop *backdrop = d.layer->backdrop();
    for (int step = 0; step < 3; ++step) {
        // A zoom and a resize in between: the picture follows.
        if (step == 1)
            d.view->setScale(1.5f);
        if (step == 2)
            d.window.resize(1000, 500);
        QVERIFY(QTest::qWaitFor([&] { return backdrop->isValid() && !backdrop->isRefreshPending(); }));
        for (int frame = 0; frame < 4; ++frame) {
            d.paintKeys(frame + step * 10);
            QCoreApplication::processEvents();
        }
        const int differing = differingFromPlain(d);
        QVERIFY2(differing == 0, qPrintable(QStringLiteral("step %1: %2 pixels differ").arg(step).arg(differing)));
    }
}

// A repaint of part of a key, and keys that move or go while the layer
// paints them, leave the screen as painting everything again would.
void tst_keypainting::partsAndMovesOfKeys()
{
    Drawing d;
    QVERIFY(exposedWithPicture(d));
    d.paintKeys(0);
    d.paintKeys(1);
    d.paintKeys(2);
    QCoreApplication::processEvents();
    QVERIFY(exposedWithPicture(d));
    const QList<keyboardButCustom *> keys = d.layer->keyButtons();
    keyboardButCustom *moved = keys.at(3);
    keyboardButCustom *gone = keys.at(30);

    // The left third of one key and a key far from it.
    const QRect part = keys.at(12)->geometry();
    d.layer->update(QRect(part.topLeft(), QSize(part.width() / 3, part.height())));
    d.layer->update(keys.at(50)->geometry());
    QCoreApplication::processEvents();
    QCOMPARE(differingFromPlain(d), 0);

    QVERIFY(exposedWithPicture(d));
    QVERIFY(moved->isPaintedByLayer());
    moved->move(moved->pos() + QPoint(7, 5));
    gone->hide();
    QCoreApplication::processEvents();
    QVERIFY(moved->isPaintedByLayer());
    QCOMPARE(differingFromPlain(d), 0);
}

// An overlay above the keys would be painted over by an opaque layer, so
// the keys paint themselves beneath one; the rubber band's overlay counts
// only while it draws a band.
void tst_keypainting::overlayAboveLetsKeysPaintThemselves()
{
    Drawing d;
    QVERIFY(exposedWithPicture(d));
    keyboardButCustom *key = d.layer->keyButtons().first();
    auto byLayer = [&] {
        return key->isPaintedByLayer() && !key->updatesEnabled() && d.layer->testAttribute(Qt::WA_OpaquePaintEvent);
    };
    auto byThemselves = [&] {
        return !key->isPaintedByLayer() && key->updatesEnabled() && !d.layer->testAttribute(Qt::WA_OpaquePaintEvent);
    };
    QVERIFY(byLayer());
    auto *overlay = new QWidget(d.layer->parentWidget());
    overlay->setGeometry(d.layer->geometry());
    overlay->show();
    overlay->raise();
    QVERIFY(QTest::qWaitFor(byThemselves));
    overlay->lower();
    QVERIFY(QTest::qWaitFor(byLayer));
    delete overlay;

    dragShowArea *band = d.addBand();
    QVERIFY(QTest::qWaitFor([&] { return !d.layer->backdrop()->isRefreshPending(); }));
    QVERIFY(byLayer());
    QTest::mousePress(band, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseMove(band, QPoint(120, 90));
    QVERIFY(QTest::qWaitFor(byThemselves));
    QTest::mouseRelease(band, Qt::LeftButton, Qt::NoModifier, QPoint(120, 90));
    QVERIFY(QTest::qWaitFor(byLayer));
}

void tst_keypainting::faceLooksAsDrawnDirectly_data()
{
    QTest::addColumn<bool>("segment");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<bool>("scaled");
    const QColor none(0, 0, 0, 0);
    QTest::newRow("key colour, 1u") << false << QSize(30, 30) << QColor(40, 200, 90, 180) << QColor(40, 200, 90, 180)
                                    << 1.0 << false;
    QTest::newRow("hover over light, space bar") << false << QSize(190, 31) << QColor(250, 20, 120, 180)
                                                 << QColor(255, 49, 53) << 1.0 << false;
    QTest::newRow("selected, tall enter") << false << QSize(28, 61) << QColor(255, 128, 0, 50) << QColor(255, 128, 0)
                                          << 1.0 << false;
    QTest::newRow("outline only") << false << QSize(41, 30) << none << QColor(255, 49, 53) << 1.0 << false;
    QTest::newRow("fill only, half alpha") << false << QSize(30, 30) << QColor(7, 77, 177, 128) << none << 1.0
                                           << false;
    QTest::newRow("screen at twice the pixels") << false << QSize(30, 30) << QColor(200, 10, 30, 180)
                                                << QColor(255, 255, 255) << 2.0 << false;
    QTest::newRow("screen at 1.25") << false << QSize(46, 30) << QColor(90, 90, 250, 180)
                                    << QColor(90, 90, 250, 180) << 1.25 << false;
    QTest::newRow("scaled painter") << false << QSize(30, 30) << QColor(40, 200, 90, 180) << QColor(255, 49, 53)
                                    << 1.0 << true;
    QTest::newRow("tiny key") << false << QSize(3, 3) << QColor(40, 200, 90, 180) << QColor(255, 49, 53) << 1.0
                              << false;
    QTest::newRow("segment, tall") << true << QSize(6, 40) << QColor(0, 255, 120) << none << 1.0 << false;
    QTest::newRow("segment, wide, translucent") << true << QSize(52, 5) << QColor(250, 60, 10, 128) << none << 1.0
                                                << false;
    QTest::newRow("segment at twice the pixels") << true << QSize(5, 33) << QColor(20, 60, 250) << none << 2.0
                                                 << false;
    QTest::newRow("segment, scaled painter") << true << QSize(6, 40) << QColor(0, 255, 120) << none << 1.0 << true;
    QTest::newRow("square segment") << true << QSize(8, 8) << QColor(0, 255, 120) << none << 1.0 << false;
}

// The face laid over its cached coverage looks as the fill and the rounded
// outline drawn one after the other onto the same ground.
void tst_keypainting::faceLooksAsDrawnDirectly()
{
    QFETCH(bool, segment);
    QFETCH(QSize, size);
    QFETCH(QColor, fill);
    QFETCH(QColor, border);
    QFETCH(qreal, dpr);
    QFETCH(bool, scaled);
    auto ground = [&] {
        QImage image((QSizeF(size + QSize(8, 8)) * dpr * (scaled ? 1.5 : 1.0)).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        QPainter p(&image);
        QLinearGradient g(0, 0, size.width(), size.height());
        g.setColorAt(0, QColor(20, 30, 60));
        g.setColorAt(1, QColor(220, 180, 40));
        p.fillRect(QRect(QPoint(), image.size()), g);
        return image;
    };
    QImage direct = ground();
    {
        QPainter p(&direct);
        p.translate(4, 4);
        if (scaled)
            p.scale(1.5, 1.5);
        p.setClipRect(QRect(QPoint(), size)); // as Qt clips a button to itself
        p.setRenderHint(QPainter::Antialiasing);
        if (segment) {
            const int w = size.width();
            const int h = size.height();
            if (w != h) {
                p.setPen(Qt::NoPen);
                QLinearGradient gradient(0, 0, w > h ? w : 0, w > h ? 0 : h);
                gradient.setColorAt(0, Qt::transparent);
                gradient.setColorAt(0.5, fill);
                gradient.setColorAt(1, Qt::transparent);
                gradient.setSpread(QGradient::RepeatSpread);
                p.setBrush(gradient);
                p.drawRect(0, 0, w, h);
            }
        } else {
            p.fillRect(QRect(1, 1, size.width() - 2, size.height() - 2), fill);
            p.setPen(QPen(border, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
            p.drawRoundedRect(QRect(QPoint(), size), 6, 6, Qt::AbsoluteSize);
        }
    }
    QImage cached = ground();
    for (int pass = 0; pass < 2; ++pass) { // the second from the cache
        QImage target = cached;
        {
            QPainter p(&target);
            p.translate(4, 4);
            if (scaled)
                p.scale(1.5, 1.5);
            if (segment)
                keyFace::paintSegment(p, size, fill);
            else
                keyFace::paint(p, size, fill, border);
            QVERIFY(!p.testRenderHint(QPainter::Antialiasing)); // the painter's state is kept
            QCOMPARE(p.worldTransform().dx(), 4.0);
        }
        int worst = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x) {
                const QRgb a = direct.pixel(x, y);
                const QRgb b = target.pixel(x, y);
                worst = qMax(worst, qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b)))));
            }
        // Blending the outline onto the fill before the ground rounds
        // differently by at most one.
        QVERIFY2(worst <= 1, qPrintable(QStringLiteral("pass %1: a pixel differs by %2").arg(pass).arg(worst)));
    }
    QVERIFY(keyFace::cachedCoverages() > 0);
}

QTEST_MAIN(tst_keypainting)
#include "tst_keypainting.moc"
