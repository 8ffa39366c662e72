// What the real window shows and does must name one keyboard, or none: the
// title, the framed tile, the drawing, the connection label, the profile
// stores, the light page, the light engine and the reports written. Shared by
// the table of arrival orders and the random schedule.
#ifndef KEYBOARDAGREEMENT_H
#define KEYBOARDAGREEMENT_H

#include "devicePageFixture.h"

#include "data/DDataManager.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"

#include <QFile>
#include <QLabel>

namespace keyboardAgreement {

using namespace devicePageTest;

// The HID path of the current keyboard, empty when there is none.
inline QString namedPath(DDevicePage *page)
{
    return currentPath(page);
}

inline QString labelText(QWidget *root, const char *name)
{
    auto *label = root->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// Every way in which the window disagrees with itself about the current
// keyboard; empty when all parts agree.
inline QStringList disagreements(DMainWidget *window, DDevicePage *page)
{
    QStringList out;
    auto expect = [&out](bool ok, const QString &what) {
        if (!ok)
            out << what;
    };

    const QString path = namedPath(page);
    DDeviceKeyboardLink *link = page->currentLink();
    QList<DDeviceListItem *> framed;
    for (DDeviceListItem *tile : page->deviceTiles())
        if (tile && tile->isSelected())
            framed << tile;
    const QString title = window ? labelText(window, "label_ProductName") + QLatin1Char('/') +
                                       labelText(window, "label_DeviceName")
                                 : QString();
    char dataPath[DDataManager::PathBufferSize] = {};
    DDataManager::instance()->copyProfileXmlPath(dataPath);
    const QByteArray store = page->profileXmlPath();

    if (link && path.isEmpty())
        out << QStringLiteral("the current link is not one of the page's links");

    if (path.isEmpty()) {
        expect(!window || title == QLatin1String("HID/RGB"), QStringLiteral("title %1 with no keyboard").arg(title));
        expect(framed.isEmpty(), QStringLiteral("a tile is framed with no keyboard"));
        expect(!page->keyboardView() && page->keyboardViewPath().isEmpty(),
               QStringLiteral("a drawing (%1) with no keyboard").arg(page->keyboardViewPath()));
        expect(currentPageName(page) == QLatin1String("page_TipShow"),
               QStringLiteral("page %1 with no keyboard").arg(currentPageName(page)));
        expect(store.isEmpty(), QStringLiteral("profile store %1 with no keyboard").arg(QString::fromLocal8Bit(store)));
        expect(!page->currentTransport(), QStringLiteral("a current transport with no keyboard"));
        expect(!page->lightsConfigPage()->hidInterface(), QStringLiteral("the light page has a transport with no keyboard"));
        expect(!page->lightEngine()->hidInterface(), QStringLiteral("the light engine has a transport with no keyboard"));
        expect(QByteArray(page->lightEngine()->hidInfo().hidPath).isEmpty(),
               QStringLiteral("the light engine names %1 with no keyboard")
                   .arg(QString::fromLatin1(page->lightEngine()->hidInfo().hidPath)));
    } else {
        const hidStructInfoAll record = page->currentDevice();
        const QString product = QString::fromUtf8(record.productName);
        const QString like = QString::fromUtf8(record.likeName);
        expect(QString::fromLatin1(record.hidPath) == path,
               QStringLiteral("the page's record is %1, its link %2").arg(QString::fromLatin1(record.hidPath), path));
        expect(!window || title == product + QLatin1Char('/') + like,
               QStringLiteral("title %1 for %2").arg(title, path));
        expect(framed.size() == 1 && QString::fromLatin1(framed.first()->hidInfo().hidPath) == path,
               QStringLiteral("%1 tiles framed, the first %2, for %3")
                   .arg(framed.size())
                   .arg(framed.isEmpty() ? QString() : QString::fromLatin1(framed.first()->hidInfo().hidPath), path));
        expect(page->currentTile() && framed.contains(page->currentTile()),
               QStringLiteral("the current tile is not the framed one"));
        expect(page->keyboardView() && page->keyboardViewPath() == path,
               QStringLiteral("the drawing is of %1, not %2").arg(page->keyboardViewPath(), path));
        expect(currentPageName(page) == QLatin1String("page_HaveDevice"),
               QStringLiteral("page %1 for %2").arg(currentPageName(page), path));
        const QString mode = labelText(page, "label_Mode");
        const QString kind = record.hidUsbOrDongle != 0 ? QStringLiteral("2.4G") : QStringLiteral("USB");
        expect(mode == kind, QStringLiteral("label %1 for %2 (%3)").arg(mode, path, kind));
        if (!store.isEmpty()) {
            const QString folder = DDataManager::instance()->userConfigDir() + QLatin1Char('/') +
                                   QString::fromLatin1(record.hidName) + QLatin1Char('/') + link->currentSN() +
                                   QLatin1Char('/');
            expect(QString::fromLocal8Bit(store).startsWith(folder),
                   QStringLiteral("profile store %1 for %2").arg(QString::fromLocal8Bit(store), folder));
        }
        expect(page->currentTransport() == link->hidInterface(), QStringLiteral("the transport is not the link's"));
        expect(page->lightsConfigPage()->hidInterface() == link->hidInterface(),
               QStringLiteral("the light page writes to another keyboard"));
        expect(page->lightEngine()->hidInterface() == link->hidInterface(),
               QStringLiteral("the light engine writes to another keyboard"));
        expect(QString::fromLatin1(page->lightEngine()->hidInfo().hidPath) == path,
               QStringLiteral("the light engine names %1, not %2")
                   .arg(QString::fromLatin1(page->lightEngine()->hidInfo().hidPath), path));
    }
    expect(QByteArray(dataPath) == store, QStringLiteral("the data manager's store is another"));
    expect(page->customKeysPage()->profilePath() == store, QStringLiteral("the key page's store is another"));
    expect(page->lightsConfigPage()->profileXmlPath() == store, QStringLiteral("the light page's store is another"));
    expect(page->performancePage()->profileXmlPath() == store, QStringLiteral("the performance page's store is another"));
    return out;
}

// Reports written from the host to each keyboard, read from the simulator's
// log: path -> the command bytes (report byte 1), in order.
inline QMap<QString, QList<int>> writtenCommands(const QString &logPath, qint64 fromByte = 0)
{
    QMap<QString, QList<int>> written;
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly))
        return written;
    log.seek(fromByte);
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() != 4 || f.at(2) != ">" || f.at(3).size() != 128)
            continue;
        written[QString::fromLatin1(f.at(1))].append(int(quint8(QByteArray::fromHex(f.at(3)).at(1))));
    }
    return written;
}

// The keyboards that received any of the onboard download's reports (key
// pages 0x17, macro pieces 0x18).
inline QStringList downloadTargets(const QMap<QString, QList<int>> &written)
{
    QStringList targets;
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        if (it.value().contains(0x17) || it.value().contains(0x18))
            targets << it.key();
    return targets;
}

} // namespace keyboardAgreement

#endif // KEYBOARDAGREEMENT_H
