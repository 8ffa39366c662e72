// Painting the keyboard drawing cheaply: a key whose colour changes is
// painted alone, over a picture of what lies beneath it, and what the screen
// shows is exactly what painting everything beneath every key again shows.
#include "ui/keyboardView/dragShowArea.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keyBackdrop.h"
#include "ui/keyboardView/keySelectFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/keyboardImageFrameItem.h"
#include "ui/keyboardView/sideLightButtonCustom.h"

#include <QFrame>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

namespace {

struct DeviceRecord
{
    char hidPath[256];
    char hidName[128];
};

// Counts paint events per widget.
class PaintLog : public QObject
{
public:
    void watch(QWidget *w)
    {
        w->installEventFilter(this);
        m_names.insert(w, w->objectName());
    }
    QMap<QObject *, int> counts;
    void clear() { counts.clear(); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            ++counts[o];
            if (qEnvironmentVariableIsSet("KP_DEBUG"))
                qDebug() << o << static_cast<QPaintEvent *>(e)->region();
        }
        return false;
    }

private:
    QMap<QObject *, QString> m_names;
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
    void paintKeys(int frame)
    {
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

} // namespace

class tst_keypainting : public QObject
{
    Q_OBJECT

private slots:
    void changedKeysArePaintedAlone_data();
    void changedKeysArePaintedAlone();
    void sameLookAsPaintingEverything_data() { changedKeysArePaintedAlone_data(); }
    void sameLookAsPaintingEverything();
    void overlayAboveKeepsKeysTranslucent();
};

void tst_keypainting::changedKeysArePaintedAlone_data()
{
    QTest::addColumn<bool>("bandAbove");
    QTest::newRow("keys on top") << false;
    // The light page keeps the rubber band's overlay above the keys.
    QTest::newRow("band overlay above, no band") << true;
}

void tst_keypainting::changedKeysArePaintedAlone()
{
    QFETCH(bool, bandAbove);
    Drawing d;
    if (bandAbove)
        d.addBand();
    QVERIFY(exposedWithPicture(d));
    QVERIFY(!d.layer->keyButtons().isEmpty());
    QVERIFY(!d.layer->sideLightButtons().isEmpty());
    PaintLog log;
    QList<QWidget *> beneath{&d.window, d.around, d.view, d.layer, d.view->pictureLayer()};
    beneath += d.view->pictureLayer()->findChildren<QWidget *>();
    for (QWidget *w : beneath)
        log.watch(w);
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
    QTRY_VERIFY(log.counts.value(a) && log.counts.value(b) && log.counts.value(s));
    QCoreApplication::processEvents();
    for (QWidget *w : beneath)
        QVERIFY2(!log.counts.value(w), qPrintable(w->metaObject()->className() + QStringLiteral(" was painted")));
    QCOMPARE(log.counts.size(), 3);

    // A key whose colour stays is not painted again.
    log.clear();
    a->setKeyColor(QColor(10, 200, 30, 180));
    QCoreApplication::processEvents();
    QCOMPARE(log.counts.size(), 0);
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
        const QImage cached = d.screen();

        backdrop->setEnabled(false);
        d.window.repaint();
        const QImage plain = d.screen();
        backdrop->setEnabled(true);
        QVERIFY(!plain.isNull());
        QCOMPARE(cached.size(), plain.size());
        // Qt's gradients round by one here and there depending on where a
        // paint starts, so the plain way itself varies by one from pass to
        // pass; a key painted over the wrong part of the picture, or over
        // itself, differs by far more.
        int differing = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb a = cached.pixel(x, y);
                const QRgb b = plain.pixel(x, y);
                differing += qAbs(qRed(a) - qRed(b)) > 1 || qAbs(qGreen(a) - qGreen(b)) > 1
                             || qAbs(qBlue(a) - qBlue(b)) > 1;
            }
        if (differing) {
            if (qEnvironmentVariableIsSet("KP_DEBUG")) {
                cached.save("/tmp/E-cached.png");
                plain.save("/tmp/E-plain.png");
            }
            QFAIL(qPrintable(QStringLiteral("step %1: %2 pixels differ").arg(step).arg(differing)));
        }
    }
}

// An overlay above the keys would be painted over by an opaque key, so the
// keys stay translucent beneath one; the rubber band's overlay counts only
// while it draws a band.
void tst_keypainting::overlayAboveKeepsKeysTranslucent()
{
    Drawing d;
    QVERIFY(exposedWithPicture(d));
    QWidget *key = d.layer->keyButtons().first();
    auto opaque = [key] { return key->testAttribute(Qt::WA_OpaquePaintEvent); };
    auto *overlay = new QWidget(d.layer->parentWidget());
    overlay->setGeometry(d.layer->geometry());
    overlay->show();
    overlay->raise();
    QVERIFY(QTest::qWaitFor([&] { return !opaque(); }));
    overlay->lower();
    QVERIFY(QTest::qWaitFor(opaque));
    delete overlay;

    dragShowArea *band = d.addBand();
    QVERIFY(QTest::qWaitFor([&] { return !d.layer->backdrop()->isRefreshPending(); }));
    QVERIFY(opaque());
    QTest::mousePress(band, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseMove(band, QPoint(120, 90));
    QVERIFY(QTest::qWaitFor([&] { return !opaque(); }));
    QTest::mouseRelease(band, Qt::LeftButton, Qt::NoModifier, QPoint(120, 90));
    QVERIFY(QTest::qWaitFor(opaque));
}

QTEST_MAIN(tst_keypainting)
#include "tst_keypainting.moc"
