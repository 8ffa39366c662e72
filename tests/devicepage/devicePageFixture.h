// Shared set-up of the device page tests: the simulated keyboards behind the
// device library, a fresh page per test, and small helpers to read its state.
#ifndef DEVICEPAGEFIXTURE_H
#define DEVICEPAGEFIXTURE_H

#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "vardexSdk.h"
#include "../testWait.h"

#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QTest>

#include <memory>

namespace devicePageTest {

using testWait::kHangMs;

inline bool startLibrary()
{
    static bool started = false;
    if (!started) {
        if (CVardexSim_Enable(nullptr) != 0)
            return false;
        CVardexXML_Init();
        if (CVardexHid_Init() != 0)
            return false;
        started = true;
    }
    return true;
}

// One simulated keyboard of a scenario.
struct SimDevice
{
    const char *model;
    bool receiver;
    bool reachable;
    QByteArray serial; // "" makes the keyboard ask for one; null keeps the simulator's own
};

inline QByteArray scenarioJson(const QList<SimDevice> &devices, int statusIntervalMs = 200)
{
    QByteArray json = "{\"devices\":[";
    for (int i = 0; i < devices.size(); ++i) {
        const SimDevice &d = devices.at(i);
        if (i)
            json += ',';
        json += "{\"model\":\"" + QByteArray(d.model) + "\",\"connection\":\"" +
                QByteArray(d.receiver ? "receiver" : "cable") + "\",\"reachable\":" +
                QByteArray(d.reachable ? "true" : "false") +
                ",\"statusIntervalMs\":" + QByteArray::number(statusIntervalMs);
        if (!d.serial.isNull())
            json += ",\"serial\":\"" + d.serial + "\"";
        json += '}';
    }
    json += "]}";
    return json;
}

// The simulator's path of the n-th attached device, in the library's order.
inline QStringList attachedPaths()
{
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    QStringList out;
    for (const std::string &p : paths)
        out << QString::fromStdString(p);
    return out;
}

inline QString pathOfModel(const char *model, bool receiver)
{
    const QString kind = receiver ? QStringLiteral("/dongle/") : QStringLiteral("/usb/");
    for (const QString &p : attachedPaths())
        if (p.contains(QLatin1String("/") + QLatin1String(model) + kind))
            return p;
    return QString();
}

inline QString currentPageName(DDevicePage *page)
{
    auto *stack = page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"));
    return stack && stack->currentWidget() ? stack->currentWidget()->objectName() : QString();
}

inline QString tileText(DDeviceListItem *tile)
{
    auto *label = tile ? tile->findChild<QLabel *>(QStringLiteral("label_DeviceName")) : nullptr;
    return label ? label->text() : QString();
}

// The tile at the top of the device list.
inline DDeviceListItem *firstTileInList(DDevicePage *page)
{
    QWidget *contents = page->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    if (!contents || !contents->layout() || contents->layout()->count() < 2)
        return nullptr;
    return qobject_cast<DDeviceListItem *>(contents->layout()->itemAt(0)->widget());
}

inline QString currentPath(DDevicePage *page)
{
    DDeviceKeyboardLink *link = page->currentLink();
    if (!link)
        return QString();
    return page->keyboardLinks().key(link);
}

// Destroys the page (and with it its links and their transports), so the
// next test starts from nothing.
inline void destroyPage(std::unique_ptr<DDevicePage> &page)
{
    if (!page)
        return;
    page.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace devicePageTest

#endif // DEVICEPAGEFIXTURE_H
