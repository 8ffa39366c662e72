// Shared by the firmware tests: keyboard records and a stand-in device page.
#ifndef VARDEX_TEST_FIRMWARE_SUPPORT_H
#define VARDEX_TEST_FIRMWARE_SUPPORT_H

#include <QByteArray>
#include <QMap>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstring>
#include <list>
#include <mutex>
#include <string>

#include "data/hidStructInfoAll.h"
#include "hid/DDeviceKeyboardLink.h"
#include "ui/mainwidget/DDevicePageView.h"
#include "ui/mainwidget/DMainWidget.h"
#include "vardexSdk.h"
#include "../testWait.h"

namespace fwtest {

using testWait::kHangMs;

inline void setText(char *field, size_t size, const QByteArray &text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.constData(), size_t(qMin(text.size(), int(size) - 1)));
}
#define SET(field, text) setText(field, sizeof field, text)

inline hidStructInfoAll record(const QByteArray &path, const QByteArray &model, const QByteArray &version,
                               const QByteArray &chip = "NUC", const QByteArray &part2 = "01",
                               const QByteArray &maker = "VD", int dongle = 0)
{
    hidStructInfoAll r;
    SET(r.hidPath, path);
    SET(r.hidName, model);
    SET(r.productName, "Vardex");
    SET(r.likeName, model + " 66");
    SET(r.firmwareVersion, version);
    SET(r.fwInfoPart1, chip);
    SET(r.fwInfoPart2, part2);
    SET(r.fwInfoPart4, maker);
    r.hidUsbOrDongle = dongle;
    return r;
}

// The record the device page would make of a simulated keyboard.
inline hidStructInfoAll simRecord(const QByteArray &path)
{
    hidStructInfo hid;
    hidFirmwareInfo fw;
    std::memset(&hid, 0, sizeof hid);
    std::memset(&fw, 0, sizeof fw);
    std::list<std::string> present; // as the page enumerates: drops what left meanwhile
    CVardexHid_GetHidInfoList(present);
    if (!CVardexHid_GetHidAndFirmwareInfoStu(path.constData(), &hid, &fw))
        return hidStructInfoAll();
    return record(path, hid.hidName, fw.firmwareVersion, fw.identity[0], fw.identity[1], fw.identity[3]);
}

// Adds a simulated keyboard and returns its path once the window has handed
// its arrival on (the hot-plug road settled) and the keyboard has told who it
// is; empty when either never happens.
inline QByteArray plugSimulated(DMainWidget *w, const char *model)
{
    QSignalSpy arrived(w, &DMainWidget::sigHidDeviceConnectChanging_Into);
    char path[256] = {};
    if (CVardexSim_AddDevice(model, 0, path, sizeof path) != 0)
        return {};
    const QString key = QString::fromLatin1(path);
    const bool settled = QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &args : arrived)
                if (args.at(0).toString() == key)
                    return true;
            return false;
        },
        kHangMs);
    if (!settled || !QTest::qWaitFor([&] { return simRecord(path).firmwareVersion[0] != 0; }, kHangMs))
        return {};
    return path;
}

// The messages logged while it lives, from any thread.
class LogCapture
{
public:
    LogCapture() { previous() = qInstallMessageHandler(&LogCapture::handle); }
    ~LogCapture()
    {
        qInstallMessageHandler(previous());
        std::lock_guard<std::mutex> lock(mutex());
        lines().clear();
    }
    int count(const QString &text) const
    {
        std::lock_guard<std::mutex> lock(mutex());
        int n = 0;
        for (const QString &line : lines())
            n += line.contains(text) ? 1 : 0;
        return n;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        {
            std::lock_guard<std::mutex> lock(mutex());
            lines() << text;
        }
        previous()(type, context, text);
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static QStringList &lines()
    {
        static QStringList l;
        return l;
    }
};

// Stands in for the device page: the attached keyboards and their links.
class FakeDevicePage : public DDevicePageView
{
public:
    using DDevicePageView::DDevicePageView;
    QMap<QString, hidStructInfoAll> devices;
    QMap<QString, DDeviceKeyboardLink *> links;
    void updateHidList(int, QString) override {}
    void retranslate() override {}
    void setDeviceListVisible(bool) override {}
    void stopLightSyncIfRunning() override {}
    QMap<QString, hidStructInfoAll> connectedDevices() const override { return devices; }
    QMap<QString, DDeviceKeyboardLink *> keyboardLinks() const override { return links; }
};

// Windows made from here on get a FakeDevicePage (kept in *page), no tray,
// the update's own waits, and no start-up look for keyboards in update mode.
inline void prepareWindows(FakeDevicePage **page)
{
    *page = nullptr;
    DMainWidget::factories().devicePage = [page](QWidget *parent) {
        *page = new FakeDevicePage(parent);
        return *page;
    };
    DMainWidget::trayAvailable() = [] { return false; };
    DMainWidget::bootloaderWaitMs() = 15000;
    DMainWidget::driveLeaveWaitMs() = 5000;
    DMainWidget::updateModeScanDelayMs() = -1;
}

} // namespace fwtest

#endif // VARDEX_TEST_FIRMWARE_SUPPORT_H
