#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "../testWait.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <cstring>

namespace {

// A language with one known text, so the test needs no .qm file.
class OneTextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QByteArray(context) == "DDeviceListItem" && QByteArray(source) == "(OffLine)"
                   ? QStringLiteral("(X-OFF)")
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

hidStructInfoAll record(const char *likeName, const char *product, int online, int dongle, const char *model = "TST01")
{
    hidStructInfoAll r;
    std::strncpy(r.deviceType, "keyboard", sizeof(r.deviceType) - 1);
    std::strncpy(r.hidName, model, sizeof(r.hidName) - 1);
    std::strncpy(r.likeName, likeName, sizeof(r.likeName) - 1);
    std::strncpy(r.productName, product, sizeof(r.productName) - 1);
    r.onlineStatus = online;
    r.hidUsbOrDongle = dongle;
    return r;
}

QWidget *shadeOf(DDeviceListItem &tile)
{
    return tile.findChild<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
}

} // namespace

class tst_devicetile : public QObject
{
    Q_OBJECT

private slots:
    void suffixAndShade_data();
    void suffixAndShade();
    void emptyProductNameHidesItsLine();
    void pressEmitsCopyEvenWhenOffline();
    void goingOfflineDropsSelectedFrame();
    void pictureLoadedWhenPresent();
    void pictureDecodedOncePerModel();
    void onlyThePictureFrameHasABorder();
    void offlineSuffixFollowsTheLanguage();
};

void tst_devicetile::suffixAndShade_data()
{
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("dongle");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shaded");
    QTest::newRow("usb") << 1 << 0 << QStringLiteral("VARDEX K1(USB)") << false;
    QTest::newRow("receiver") << 1 << 1 << QStringLiteral("VARDEX K1(2.4G)") << false;
    QTest::newRow("offline usb") << 0 << 0 << QStringLiteral("VARDEX K1(OffLine)") << true;
    QTest::newRow("offline receiver") << 0 << 1 << QStringLiteral("VARDEX K1(OffLine)") << true;
}

void tst_devicetile::suffixAndShade()
{
    QFETCH(int, online);
    QFETCH(int, dongle);
    QFETCH(QString, name);
    QFETCH(bool, shaded);
    DDeviceListItem tile;
    tile.show();
    tile.setHidInfo(record("VARDEX K1", "FL-750", online, dongle));
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("label_DeviceName"))->text(), name);
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("label_ProductName"))->text(), QStringLiteral("FL-750"));
    QCOMPARE(tile.onlineStatus(), online);
    QCOMPARE(tile.hidInfo().onlineStatus, online);
    QCOMPARE(tile.size(), QSize(190, 140));
    QWidget *shade = shadeOf(tile);
    QCOMPARE(shade != nullptr && shade->isVisible(), shaded);
    // The shade darkens the picture area: read a pixel of the grabbed tile.
    const QColor px = tile.grab().toImage().pixelColor(95, 40);
    const QColor bg(34, 34, 58);
    if (shaded)
        QVERIFY2(px.red() < bg.red() - 8, qPrintable(px.name()));
    else
        QCOMPARE(px.rgb(), bg.rgb());
}

void tst_devicetile::emptyProductNameHidesItsLine()
{
    DDeviceListItem tile;
    tile.show();
    tile.setHidInfo(record("Solo", "", 1, 0));
    QVERIFY(!tile.findChild<QLabel *>(QStringLiteral("label_ProductName"))->isVisible());
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("label_DeviceName"))->text(), QStringLiteral("Solo(USB)"));
}

void tst_devicetile::pressEmitsCopyEvenWhenOffline()
{
    qRegisterMetaType<hidStructInfoAll>();
    DDeviceListItem tile;
    tile.setHidInfo(record("Away", "P", 0, 1, "M42"));
    QSignalSpy spy(&tile, &DDeviceListItem::sigHidItemMouseClicked);
    QTest::mousePress(&tile, Qt::RightButton, Qt::NoModifier, QPoint(100, 60));
    QCOMPARE(spy.count(), 1);
    const auto sent = spy.at(0).at(0).value<hidStructInfoAll>();
    QCOMPARE(QByteArray(sent.hidName), QByteArray("M42"));
    QCOMPARE(sent.onlineStatus, 0);
}

void tst_devicetile::goingOfflineDropsSelectedFrame()
{
    DDeviceListItem tile;
    tile.setHidInfo(record("K", "P", 1, 0));
    auto *frame = tile.findChild<QFrame *>(QStringLiteral("frame_DeviceImageBg"));
    tile.setSelected(true);
    QVERIFY(frame->styleSheet().contains(QStringLiteral("rgba(255, 143, 31, 255)")));
    tile.setOnlineStatus(0);
    QVERIFY(frame->styleSheet().contains(QStringLiteral("rgba(255, 143, 31, 0)")));
    // Coming back does not restore it: the page selects tiles itself.
    tile.setOnlineStatus(1);
    QVERIFY(frame->styleSheet().contains(QStringLiteral("rgba(255, 143, 31, 0)")));
    QVERIFY(!shadeOf(tile)->isVisible());
}

void tst_devicetile::pictureLoadedWhenPresent()
{
    const QString dir = DDeviceListItem::pictureDir() + QStringLiteral("/images/hidImages");
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + QStringLiteral("/Keyboard_TSTPIC.png");
    QImage pic(372, 136, QImage::Format_RGB32);
    pic.fill(QColor(10, 200, 10));
    QVERIFY(pic.save(path));

    DDeviceListItem tile;
    tile.setHidInfo(record("K", "P", 1, 0, "TSTPIC"));
    const QPixmap shown = tile.findChild<QLabel *>(QStringLiteral("label_DeviceImage"))->pixmap(Qt::ReturnByValue);
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.size(), QSize(186, 68)); // aspect kept within 186 x 136

    DDeviceListItem missing;
    missing.setHidInfo(record("K", "P", 1, 0, "NO_SUCH_MODEL"));
    QVERIFY(missing.findChild<QLabel *>(QStringLiteral("label_DeviceImage"))->pixmap(Qt::ReturnByValue).isNull());
    QFile::remove(path);
}

void tst_devicetile::pictureDecodedOncePerModel()
{
    const QString dir = DDeviceListItem::pictureDir() + QStringLiteral("/images/hidImages");
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + QStringLiteral("/Keyboard_TSTONCE.png");
    QImage pic(372, 136, QImage::Format_RGB32);
    pic.fill(QColor(200, 10, 10));
    QVERIFY(pic.save(path));
    auto shownBy = [](DDeviceListItem &tile) {
        return tile.findChild<QLabel *>(QStringLiteral("label_DeviceImage"))->pixmap(Qt::ReturnByValue).cacheKey();
    };

    DDeviceListItem first;
    first.setHidInfo(record("K", "P", 0, 1, "TSTONCE"));
    const qint64 decoded = shownBy(first);
    QVERIFY(decoded != 0);
    // A status change of the same keyboard, and a second tile of the model,
    // show the picture already decoded, even once the file is gone.
    QVERIFY(QFile::remove(path));
    first.setHidInfo(record("K", "P", 1, 1, "TSTONCE"));
    QCOMPARE(shownBy(first), decoded);
    DDeviceListItem second;
    second.setHidInfo(record("K2", "P", 1, 0, "TSTONCE"));
    QCOMPARE(shownBy(second), decoded);
}

void tst_devicetile::onlyThePictureFrameHasABorder()
{
    // A tile on the list's background: the name block below the picture
    // must be the tile's own colour right up to its edges, with no box.
    QWidget list;
    list.setStyleSheet(QStringLiteral("background-color: rgb(26, 27, 49);"));
    DDeviceListItem *tile = new DDeviceListItem(&list);
    tile->setHidInfo(record("VARDEX K1", "P", 1, 0, "NO_SUCH_MODEL"));
    list.resize(tile->size());
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    auto *nameFrame = tile->findChild<QFrame *>(QStringLiteral("frame_3"));
    QVERIFY(nameFrame);
    const QImage image = tile->grab().toImage();
    const QRect r(nameFrame->mapTo(tile, QPoint(0, 0)), nameFrame->size());
    const QColor background = image.pixelColor(r.center().x(), r.bottom() - 1);
    // Sampled along the frame's edges, away from the text.
    const QList<QPoint> edge{r.topLeft(), r.bottomLeft(), QPoint(r.left(), r.center().y()),
                             QPoint(r.right(), r.center().y()), r.bottomRight(), QPoint(r.left() + 3, r.bottom())};
    for (const QPoint &p : edge)
        QCOMPARE(image.pixelColor(p).name(), background.name());
    // The picture frame keeps its (hover and selection) border.
    QCOMPARE(tile->findChild<QFrame *>(QStringLiteral("frame_DeviceImageBg"))->frameShape(), QFrame::StyledPanel);
}

void tst_devicetile::offlineSuffixFollowsTheLanguage()
{
    DDeviceListItem tile;
    tile.setHidInfo(record("VARDEX K1", "FL-750", 0, 0));
    auto *name = tile.findChild<QLabel *>(QStringLiteral("label_DeviceName"));
    OneTextTranslator language;
    QCoreApplication::installTranslator(&language);
    // An installed language reaches a tile already on screen.
    QTRY_COMPARE_WITH_TIMEOUT(name->text(), QStringLiteral("VARDEX K1(X-OFF)"), testWait::kHangMs);
    tile.setOnlineStatus(1);
    QCOMPARE(name->text(), QStringLiteral("VARDEX K1(USB)"));
    tile.setOnlineStatus(0);
    QCOMPARE(name->text(), QStringLiteral("VARDEX K1(X-OFF)"));
    QCoreApplication::removeTranslator(&language);
    QTRY_COMPARE_WITH_TIMEOUT(name->text(), QStringLiteral("VARDEX K1(OffLine)"), testWait::kHangMs);
}

QTEST_MAIN(tst_devicetile)
#include "tst_devicetile.moc"
