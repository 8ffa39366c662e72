// The firmware update: which keyboards are offered, the update dialog, and
// both roads against the simulated keyboard and fake update drives.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <thread>

#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/DMainWidget.h"
#include "platform/appPaths.h"
#include "platform/firmwareCopy.h"
#include "firmwareTestSupport.h"
#include "vardexSdk.h"

using Reports = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Reports)

using namespace fwtest;

class TstFirmwareUpdate : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void versionTest_data();
    void versionTest();
    void checkOffersInPathOrder();
    void checkWithNothingSaysSo();
    void progress_data();
    void progress();
    void progressFromWorkerThread();
    void doubleUpdateStartsOnce();
    void failureKeepsOthersDisabled();
    void successEnablesAll();
    void refusedSwitchFailsRow();
    void rowOutlivesItsTransport();
    void closeRefusedWhileUpdating();
    void escapeClosesThroughOpener();
    void usableOverModalSettings();
    void bootloaderRoad_data();
    void bootloaderRoad();
    void bootloaderWithoutUpdateIgnored();
    void bootloaderNeverArrives();
    void bootloaderSeenTwiceStartsOnce();
    void unplugDuringTransfer();
    void imageCopyOfAKilledUpdateIsRemovedAtStart();
    void driveSearch_data();
    void driveSearch();
    void driveWaitsForThisKeyboard();
    void infoRowText_data();
    void infoRowText();
    void infoRowsSortedAndMerged();
    void infoOpenedFromSettingsLogo();
    void rowLabelsKeepTheDialogMargin_data();
    void rowLabelsKeepTheDialogMargin();

private:
    DMainWidget *makeWindow();
    DUpdateFirmwareDia *dialogWith(QList<hidStructInfoAll> list, QMap<QString, DDeviceKeyboardLink *> links = {});
    // A simulated Torvi with its link open, offered in an open dialog.
    QByteArray plugTorvi(DMainWidget *w, DDeviceKeyboardLink **link);
    FakeDevicePage *m_page = nullptr;
    VendorSdkCalls m_savedSdk;
};

void TstFirmwareUpdate::init()
{
    prepareWindows(&m_page);
}

void TstFirmwareUpdate::cleanup()
{
    CVardexUpd_SetCandidateDrives(nullptr, -1);
}

DMainWidget *TstFirmwareUpdate::makeWindow()
{
    auto *w = new DMainWidget;
    w->resize(1280, 715);
    return w;
}

DUpdateFirmwareDia *TstFirmwareUpdate::dialogWith(QList<hidStructInfoAll> list, QMap<QString, DDeviceKeyboardLink *> links)
{
    auto *dia = new DUpdateFirmwareDia;
    dia->setAttribute(Qt::WA_DeleteOnClose, false);
    dia->setUpgradeDeviceList(list, links);
    return dia;
}

void TstFirmwareUpdate::versionTest_data()
{
    QTest::addColumn<hidStructInfoAll>("info");
    QTest::addColumn<bool>("newer");
    QTest::addColumn<QString>("version");
    // The embedded Torvi image is "NUC,01,KB,VD,Torvi,V1.0.10", Quendo's "V1.1".
    QTest::newRow("older") << record("p", "Torvi", "V1.0.3") << true << "V1.0.10";
    QTest::newRow("older only numerically") << record("p", "Torvi", "V1.0.9") << true << "V1.0.10";
    QTest::newRow("same") << record("p", "Torvi", "V1.0.10") << false << "";
    QTest::newRow("same, fewer parts") << record("p", "Torvi", "V1.0.10.0") << false << "";
    QTest::newRow("newer on the keyboard") << record("p", "Torvi", "V1.1") << false << "";
    QTest::newRow("identity in other case") << record("p", "Torvi", "V1.0.3", "nuc", "01", "vd") << true << "V1.0.10";
    QTest::newRow("other chip") << record("p", "Torvi", "V1.0.3", "XYZ") << false << "";
    QTest::newRow("other second part") << record("p", "Torvi", "V1.0.3", "NUC", "02") << false << "";
    QTest::newRow("other maker") << record("p", "Torvi", "V1.0.3", "NUC", "01", "QV") << false << "";
    QTest::newRow("receiver: no image") << record("p", "Torvi", "V1.0.3", "NUC", "01", "VD", 1) << false << "";
    QTest::newRow("drive road, older") << record("p", "Quendo", "V1.0.3") << true << "V1.1";
    QTest::newRow("drive road, same") << record("p", "Quendo", "V1.1") << false << "";
    QTest::newRow("no road") << record("p", "Pravo", "V0.1") << false << "";
    QTest::newRow("model case differs") << record("p", "torvi", "V0.1") << false << "";
    QTest::newRow("other model") << record("p", "Kalvo", "V0.1") << false << "";
}

void TstFirmwareUpdate::versionTest()
{
    QFETCH(hidStructInfoAll, info);
    QFETCH(bool, newer);
    QFETCH(QString, version);
    std::unique_ptr<DMainWidget> w(makeWindow());
    QCOMPARE(w->isFirmwareNewer(info), newer);
    if (newer)
        QCOMPARE(w->newFirmwareVersion(), version);
}

void TstFirmwareUpdate::checkOffersInPathOrder()
{
    std::unique_ptr<DMainWidget> w(makeWindow());
    m_page->devices["/dev/hidraw7"] = record("/dev/hidraw7", "Torvi", "V1.0.3");
    m_page->devices["/dev/hidraw2"] = record("/dev/hidraw2", "Quendo", "V1.0");
    m_page->devices["/dev/hidraw5"] = record("/dev/hidraw5", "Kalvo", "V0.1");
    QVERIFY(w->checkUpgradeableDevices(1));
    const QList<hidStructInfoAll> list = w->upgradeHidList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(QByteArray(list[0].hidPath), QByteArray("/dev/hidraw2"));
    QCOMPARE(QByteArray(list[0].newFirmwareVersion), QByteArray("V1.1"));
    QCOMPARE(QByteArray(list[1].newFirmwareVersion), QByteArray("V1.0.10"));
    // The page's own records are untouched.
    QCOMPARE(m_page->devices["/dev/hidraw7"].newFirmwareVersion[0], '\0');
    QVERIFY(w->updateFirmwareDia());
    QCOMPARE(w->updateFirmwareDia()->items().size(), 2);
    QCOMPARE(w->updateFirmwareDia()->size(), QSize(740, 520));

    // A second check while it is open leaves the open dialog's rows.
    DUpdateFirmwareDia *first = w->updateFirmwareDia();
    m_page->devices.remove("/dev/hidraw2");
    QVERIFY(w->checkUpgradeableDevices(1));
    QCOMPARE(w->updateFirmwareDia(), first);
    QCOMPARE(first->items().size(), 2);
}

// Says "none" through the settings dialog that asked.
class NoticeProbe : public QObject
{
    Q_OBJECT
public:
    int notices = 0;
signals:
    void sigFirmwareUpgradeCheck();
public slots:
    void showNoUpgradeableDevicesNotice() { ++notices; }
};

void TstFirmwareUpdate::checkWithNothingSaysSo()
{
    std::unique_ptr<DMainWidget> w(makeWindow());
    m_page->devices["/dev/hidraw5"] = record("/dev/hidraw5", "Torvi", "V1.0.10");
    NoticeProbe probe;
    connect(&probe, SIGNAL(sigFirmwareUpgradeCheck()), w.get(), SLOT(onFirmwareUpgradeCheck()));
    emit probe.sigFirmwareUpgradeCheck();
    QCOMPARE(probe.notices, 1);
    QVERIFY(!w->updateFirmwareDia());
}

void TstFirmwareUpdate::progress_data()
{
    QTest::addColumn<Reports>("reports");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("repeats and steps back show nothing")
        << Reports{{1000, 0}, {1000, 10}, {1000, 10}, {1000, 5}} << QList<int>{0, 1};
    QTest::newRow("single precision") << Reports{{100, 53}, {100, 54}} << QList<int>{52, 54};
    QTest::newRow("zero total") << Reports{{0, 5}, {100, 100}} << QList<int>{100};
    QTest::newRow("whole image") << Reports{{522240, 261120}, {522240, 522240}} << QList<int>{50, 100};
}

void TstFirmwareUpdate::progress()
{
    QFETCH(Reports, reports);
    QFETCH(QList<int>, shown);
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({}));
    QSignalSpy spy(dia.get(), &DUpdateFirmwareDia::sigUpgradeProgress);
    for (const auto &r : reports)
        dia->setUpgradeProgress(r.first, r.second);
    QList<int> got;
    for (const auto &args : spy)
        got << args.at(0).toInt();
    QCOMPARE(got, shown);
}

void TstFirmwareUpdate::progressFromWorkerThread()
{
    MainHidInterFace transport(0, "Torvi");
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({record("/p", "Torvi", "V1")}));
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    // Make the row the active one without a keyboard: its start is queued.
    QMetaObject::invokeMethod(dia.get(), "onStartUpgradeing");
    std::thread worker([&] {
        for (int done = 0; done <= 1000; done += 10)
            dia->setUpgradeProgress(1000, done);
    });
    worker.join();
    // No active row yet (the start came from no row): nothing is shown.
    QTest::qWait(20);
    QCOMPARE(row->progressNum(), 0);
}

void TstFirmwareUpdate::doubleUpdateStartsOnce()
{
    QCOMPARE(CVardexSim_Enable("1"), 0);
    char path[256] = {};
    QCOMPARE(CVardexSim_AddDevice("Kalvo", 0, path, sizeof path), 0);
    MainHidInterFace transport(0, "Kalvo");
    QCOMPARE(transport.hidApi_Open(QString::fromLatin1(path)), 0);
    transport.start();

    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({record(path, "Kalvo", "V1"), record("/other", "Kalvo", "V1")}));
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    row->setHidInfo(record(path, "Kalvo", "V1"), &transport, "SN1");
    QSignalSpy starts(dia.get(), &DUpdateFirmwareDia::sigStartHidUpgrade);
    QPushButton *button = row->findChild<QPushButton *>("pushButton_Update");
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(starts.size(), 1);
    QCOMPARE(starts.at(0).at(0).toString(), QString::fromLatin1(path));
    QCOMPARE(starts.at(0).at(1).toString(), QString("SN1"));
    QCOMPARE(starts.at(0).at(2).toString(), QString("Kalvo"));
    CVardexSimState state;
    QTRY_VERIFY_WITH_TIMEOUT(CVardexSim_GetState(path, &state) == 0 && state.intoFirmwareCount == 1, kHangMs);
    QTest::qWait(50);
    QCOMPARE(CVardexSim_GetState(path, &state), 0);
    QCOMPARE(state.intoFirmwareCount, 1);
    QVERIFY(row->updateEnabled());
    QVERIFY(!dia->items().at(1)->updateEnabled());
    transport.hidApi_Close(0);
    CVardexSim_Enable("1");
}

void TstFirmwareUpdate::failureKeepsOthersDisabled()
{
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({record("/a", "Torvi", "V1"), record("/b", "Torvi", "V1")}));
    UpdateFirmwareInfoItem *a = dia->items().at(0);
    UpdateFirmwareInfoItem *b = dia->items().at(1);
    QSignalSpy starts(dia.get(), &DUpdateFirmwareDia::sigStartHidUpgrade);
    // Stand in for an accepted switch on row b.
    QMetaObject::invokeMethod(b, "sigStartUpgradeing");
    QCOMPARE(starts.size(), 1);
    dia->setUpgradeProgress(100, 40);
    QCoreApplication::processEvents();
    std::thread([&] { dia->upgradeFirmwareFailed(DUpdateFirmwareDia::UpdateFailure::KeyboardLeft); }).join();
    QTRY_COMPARE_WITH_TIMEOUT(dia->lastNotice(), QString("Update failed: the keyboard left during the update"),
                              kHangMs);
    QVERIFY(!a->updateEnabled());
    QVERIFY(b->updateEnabled());
    QVERIFY(!b->completePageShown());
    QCOMPARE(b->progressNum(), 40);
    // A new start shows its first progress even below the last one.
    QMetaObject::invokeMethod(b, "sigStartUpgradeing");
    dia->setUpgradeProgress(100, 1);
    QCoreApplication::processEvents();
    QCOMPARE(b->progressNum(), 1);
}

void TstFirmwareUpdate::successEnablesAll()
{
    hidStructInfoAll a = record("/a", "Torvi", "V1");
    hidStructInfoAll b = record("/b", "Torvi", "V1");
    SET(a.newFirmwareVersion, "V2");
    SET(b.newFirmwareVersion, "V3");
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({a, b}));
    QMetaObject::invokeMethod(dia->items().at(1), "sigStartUpgradeing");
    dia->upgradeFirmwareSuc();
    QCoreApplication::processEvents();
    QCOMPARE(dia->lastNotice(), QString("Update successful"));
    QVERIFY(dia->items().at(1)->completePageShown());
    QVERIFY(!dia->items().at(0)->completePageShown());
    QVERIFY(dia->items().at(0)->updateEnabled());
    // The updated keyboard now runs the new version; the other one not.
    QCOMPARE(dia->items().at(1)->currentVersionText(), QString("V3"));
    QCOMPARE(dia->items().at(0)->currentVersionText(), QString("V1"));
}

void TstFirmwareUpdate::refusedSwitchFailsRow()
{
    // A row whose keyboard is not open cannot switch it.
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({record("/a", "Torvi", "V1"), record("/b", "Torvi", "V1")}));
    QSignalSpy starts(dia.get(), &DUpdateFirmwareDia::sigStartHidUpgrade);
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    QTest::mouseClick(row->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    QCOMPARE(starts.size(), 0);
    QCOMPARE(dia->lastNotice(), QString("Update failed: the keyboard could not be reached"));
    QVERIFY(!row->isBusy());
    QVERIFY(dia->items().at(1)->updateEnabled());
}

// The keyboard left (into update mode, unplugged) and its link took its
// transport along; the row stays in the dialog and may be pressed again.
void TstFirmwareUpdate::rowOutlivesItsTransport()
{
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({record("/a", "Torvi", "V1")}));
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    auto *transport = new MainHidInterFace(0, "Torvi");
    row->setHidInfo(record("/a", "Torvi", "V1"), transport, "SN1");
    delete transport;
    QSignalSpy starts(dia.get(), &DUpdateFirmwareDia::sigStartHidUpgrade);
    QTest::mouseClick(row->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    QCOMPARE(starts.size(), 0);
    QCOMPARE(dia->lastNotice(), QString("Update failed: the keyboard could not be reached"));
    QVERIFY(!row->isBusy());
}

void TstFirmwareUpdate::closeRefusedWhileUpdating()
{
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({record("/a", "Torvi", "V1")}));
    QSignalSpy closes(dia.get(), &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose);
    QMetaObject::invokeMethod(dia->items().at(0), "on_pushButton_Update_clicked");
    // Refused switch: not running, so Close works.
    QTest::mouseClick(dia->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    QCOMPARE(closes.size(), 1);

    // While a row is busy, Close is refused with a word why.
    MainHidInterFace transport(0, "Torvi");
    QCOMPARE(CVardexSim_Enable("1"), 0);
    char path[256] = {};
    QCOMPARE(CVardexSim_AddDevice("Kalvo", 0, path, sizeof path), 0);
    QCOMPARE(transport.hidApi_Open(QString::fromLatin1(path)), 0);
    dia->items().at(0)->setHidInfo(record(path, "Kalvo", "V1"), &transport, QString());
    QTest::mouseClick(dia->items().at(0)->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    QVERIFY(dia->updateRunning());
    QTest::mouseClick(dia->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    QTest::keyClick(dia.get(), Qt::Key_Escape);
    QCOMPARE(closes.size(), 1);
    QCOMPARE(dia->lastNotice(), QString("Please wait until the update has finished"));
    dia->upgradeFirmwareFailed();
    QCoreApplication::processEvents();
    QTest::keyClick(dia.get(), Qt::Key_Escape);
    QCOMPARE(closes.size(), 2);
    transport.hidApi_Close(0);
    CVardexSim_Enable("1");
}

void TstFirmwareUpdate::escapeClosesThroughOpener()
{
    std::unique_ptr<DMainWidget> w(makeWindow());
    m_page->devices["/dev/hidraw7"] = record("/dev/hidraw7", "Torvi", "V1.0.3");
    QVERIFY(w->checkUpgradeableDevices(1));
    QPointer<DUpdateFirmwareDia> dia = w->updateFirmwareDia();
    QTest::keyClick(dia.data(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!dia, kHangMs);
    QVERIFY(!w->updateFirmwareDia());
    // And it opens again.
    QVERIFY(w->checkUpgradeableDevices(1));
    QVERIFY(w->updateFirmwareDia());
}

void TstFirmwareUpdate::usableOverModalSettings()
{
    std::unique_ptr<DMainWidget> w(makeWindow());
    m_page->devices["/dev/hidraw7"] = record("/dev/hidraw7", "Torvi", "V1.0.3");
    QDialog settings(w.get());
    settings.setModal(true);
    settings.show();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeModalWidget(), &settings, kHangMs);
    QVERIFY(w->checkUpgradeableDevices(1));
    // The newest modal window takes the input.
    QCOMPARE(QApplication::activeModalWidget(), w->updateFirmwareDia());
    w->onUpdateFirmwareWindowClose();
    QCOMPARE(QApplication::activeModalWidget(), &settings);
}

QByteArray TstFirmwareUpdate::plugTorvi(DMainWidget *w, DDeviceKeyboardLink **link)
{
    const QByteArray path = plugSimulated(w, "Torvi");
    if (path.isEmpty())
        return {};
    *link = new DDeviceKeyboardLink(w);
    (*link)->openHidDevice(0, simRecord(path));
    m_page->devices.clear();
    m_page->links.clear();
    m_page->devices[path] = simRecord(path);
    m_page->links[path] = *link;
    return path;
}

void TstFirmwareUpdate::bootloaderRoad_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("success");
    QTest::newRow("first transfer") << 0 << true;
    QTest::newRow("two failures, then success") << 2 << true;
    QTest::newRow("four failures") << 4 << false;
}

void TstFirmwareUpdate::bootloaderRoad()
{
    QFETCH(int, failures);
    QFETCH(bool, success);
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": []}"), 0);
    simRecord(""); // the library forgets the keyboards of the last case
    m_savedSdk = DMainWidget::vendorSdk();
    DMainWidget::vendorSdk() = VendorSdkCalls::library();
    std::unique_ptr<DMainWidget> w(makeWindow());
    DMainWidget::vendorSdk() = m_savedSdk;
    DDeviceKeyboardLink *link = nullptr;
    const QByteArray path = plugTorvi(w.get(), &link);
    QVERIFY(!path.isEmpty());
    QCOMPARE(CVardexSim_SetFirmwareFailures(path.constData(), failures), 0);
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failed(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QSignalSpy percents(dia, &DUpdateFirmwareDia::sigUpgradeProgress);
    QTest::mouseClick(dia->items().at(0)->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    // Enumerate meanwhile, as the device page does on the keyboard's leaving.
    QTRY_VERIFY_WITH_TIMEOUT((simRecord(path), ok.size() + failed.size() > 0), 120000);
    QTest::qWait(300);
    QCOMPARE(ok.size(), success ? 1 : 0);
    QCOMPARE(failed.size(), success ? 0 : 1);
    QVERIFY(percents.size() > 2);
    // The first transfer and at most three more: each one is a start, the
    // image in chunks and a finish.
    const int perTransfer = 2 + (522240 + CVARDEX_BOOT_CHUNK - 1) / CVARDEX_BOOT_CHUNK;
    QCOMPARE(CVardexSim_GetBootloaderReportCount(path.constData()), (success ? failures + 1 : 4) * perTransfer);

    unsigned size = 0, crc = 0;
    if (success) {
        QFile image(":/images/UpdateFirmwareFile/Torvi.bin");
        QVERIFY(image.open(QIODevice::ReadOnly));
        // The keyboard gets the image, never the seal after it.
        const QByteArray bytes = image.readAll().chopped(CVARDEX_FW_BIN_SEAL_SIZE);
        QCOMPARE(CVardexSim_GetFirmwareImage(path.constData(), &size, &crc), 0);
        QCOMPARE(size, unsigned(bytes.size()));
        QCOMPARE(crc, CVardexFw_Crc32(0, reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size())));
        QCOMPARE(percents.last().at(0).toInt(), 100);
        // The keyboard comes back running the new version.
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray(simRecord(path).firmwareVersion), QByteArray("V1.0.10"), kHangMs);
        hidStructInfo hid;
        hidFirmwareInfo fw;
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(path.constData(), &hid, &fw));
        QCOMPARE(QByteArray(fw.buildDateTime), QByteArray("Mar 14 2025 09:41:27"));
        QVERIFY(dia->items().at(0)->completePageShown());
    } else {
        QCOMPARE(CVardexSim_GetFirmwareImage(path.constData(), &size, &crc), -1);
        QVERIFY(!dia->items().at(0)->completePageShown());
        QVERIFY(!dia->items().at(0)->isBusy());
        QCOMPARE(dia->lastNotice(), QString("Update failed: the keyboard refused the image"));
    }
    w.reset();
    CVardexSim_Enable("1");
}

// One bootloader shows up as a USB device and as a hidraw node: the 600 ms
// firmware road starts once for the pair, and again for a later arrival.
void TstFirmwareUpdate::bootloaderSeenTwiceStartsOnce()
{
    std::unique_ptr<DMainWidget> w(makeWindow());
    LogCapture log;
    const QString started = QStringLiteral("bootloader arrived with no update waiting");
    w->onDeviceInterfaceChanged(true, QStringLiteral("/sys/devices/usb1/1-1"), 0x0416, 0x3F00);
    w->onDeviceInterfaceChanged(true, QStringLiteral("/dev/hidraw7"), 0x0416, 0x3F00);
    QTRY_VERIFY_WITH_TIMEOUT(log.count(started) > 0, kHangMs);
    // A second road for the pair would be due together with the first.
    QTest::qWait(200);
    QCOMPARE(log.count(started), 1);
    w->onDeviceInterfaceChanged(true, QStringLiteral("/dev/hidraw7"), 0x0416, 0x3F00);
    QTRY_VERIFY_WITH_TIMEOUT(log.count(started) > 1, kHangMs);
    QTest::qWait(200);
    QCOMPARE(log.count(started), 2);
}

void TstFirmwareUpdate::bootloaderWithoutUpdateIgnored()
{
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": []}"), 0);
    simRecord(""); // the library forgets the keyboards of the last case
    m_savedSdk = DMainWidget::vendorSdk();
    DMainWidget::vendorSdk() = VendorSdkCalls::library();
    std::unique_ptr<DMainWidget> w(makeWindow());
    DMainWidget::vendorSdk() = m_savedSdk;
    DDeviceKeyboardLink *link = nullptr;
    const QByteArray path = plugTorvi(w.get(), &link);
    // An earlier update of a Torvi ended (its bootloader never came) ...
    DMainWidget::bootloaderWaitMs() = 200;
    LogCapture log;
    w->onStartHidUpgrade("/dev/hidraw9", "", "Torvi", 0);
    QTRY_VERIFY_WITH_TIMEOUT(log.count(QStringLiteral("firmware: update failed:")) == 1, kHangMs);
    // ... and now the keyboard enters its bootloader without an update.
    unsigned char report[64] = {0x01, 0x0A};
    QVERIFY(link->hidInterface()->hidApi_Write(report) >= 0);
    char boot[128] = {};
    QTRY_COMPARE_WITH_TIMEOUT(CVardexSim_GetBootloaderPath(path.constData(), boot, sizeof boot), 0, kHangMs);
    // Past the 600 ms road: it is offered its update, nothing is written.
    QTRY_VERIFY_WITH_TIMEOUT(w->updateFirmwareDia(), kHangMs);
    QStringList offered;
    for (const UpdateFirmwareInfoItem *row : w->updateFirmwareDia()->items())
        offered << row->hidPath() + " " + row->currentVersionText();
    QVERIFY2(offered.contains(QString::fromLatin1(boot) + " in update mode"), qPrintable(offered.join(", ")));
    QTest::qWait(300);
    unsigned size = 0, crc = 0;
    QCOMPARE(CVardexSim_GetFirmwareImage(path.constData(), &size, &crc), -1);
    QCOMPARE(CVardexSim_GetBootloaderReportCount(path.constData()), 0);
    QCOMPARE(CVardexSim_GetBootloaderPath(path.constData(), boot, sizeof boot), 0);
    CVardexSim_UnplugBootloader(path.constData());
    w.reset();
    CVardexSim_Enable("1");
}

void TstFirmwareUpdate::bootloaderNeverArrives()
{
    std::unique_ptr<DMainWidget> w(makeWindow());
    DMainWidget::bootloaderWaitMs() = 300;
    m_page->devices["/dev/hidraw7"] = record("/dev/hidraw7", "Torvi", "V1.0.3");
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QSignalSpy failed(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    w->onStartHidUpgrade("/dev/hidraw7", "", "Torvi", 0);
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, kHangMs);
    QCOMPARE(dia->lastNotice(), QString("Update failed: the keyboard did not enter update mode"));
}

void TstFirmwareUpdate::unplugDuringTransfer()
{
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": []}"), 0);
    simRecord(""); // the library forgets the keyboards of the last case
    m_savedSdk = DMainWidget::vendorSdk();
    DMainWidget::vendorSdk() = VendorSdkCalls::library();
    std::unique_ptr<DMainWidget> w(makeWindow());
    DMainWidget::vendorSdk() = m_savedSdk;
    DDeviceKeyboardLink *link = nullptr;
    const QByteArray path = plugTorvi(w.get(), &link);
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failed(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    bool pulled = false;
    connect(dia, &DUpdateFirmwareDia::sigUpgradeProgress, this, [&](int percent) {
        if (percent >= 10 && !pulled)
            pulled = CVardexSim_UnplugBootloader(path.constData()) == 0;
    });
    QTest::mouseClick(dia->items().at(0)->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(ok.size() + failed.size() > 0, kHangMs);
    QVERIFY(pulled);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(dia->lastNotice(), QString("Update failed: the keyboard left during the update"));
    QCOMPARE(ok.size(), 0);
    QVERIFY(!w->firmwareWorkerBusy());

    // The keyboard is back on its old firmware and can be updated again.
    QTRY_COMPARE_WITH_TIMEOUT(QByteArray(simRecord(path).firmwareVersion), QByteArray("V1.0.3"), kHangMs);
    auto *again = new DDeviceKeyboardLink(w.get());
    again->openHidDevice(0, simRecord(path));
    QTRY_VERIFY_WITH_TIMEOUT(again->hidInterface() && again->hidInterface()->isHidOpen(), kHangMs);
    m_page->links[path] = again;
    w->onUpdateFirmwareWindowClose();
    QVERIFY(w->checkUpgradeableDevices(1));
    dia = w->updateFirmwareDia();
    QSignalSpy ok2(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QTest::mouseClick(dia->items().at(0)->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(ok2.size(), 1, kHangMs);
    w.reset();
    CVardexSim_Enable("1");
}

void TstFirmwareUpdate::driveSearch_data()
{
    QTest::addColumn<int>("drives");      // candidate folders A..
    QTest::addColumn<QByteArray>("last"); // identity of the last one
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("notice");
    QTest::newRow("-5 on A..Y, found on Z") << 26 << QByteArray("model=Quendo\n") << true << "Update successful";
    QTest::newRow("-3 at A stops") << 1 << QByteArray("model=Quendo\nquery=-3\n") << false
                                   << "Update failed: the update drive did not answer";
    QTest::newRow("no drive at all") << 0 << QByteArray() << false
                                     << "Update failed: no update drive was found, mount it and try again";
    QTest::newRow("transfer fails") << 1 << QByteArray("model=Quendo\nvanish=30\n") << false
                                    << "Update failed: the keyboard left during the update";
    QTest::newRow("drive not writable") << 1 << QByteArray("model=Quendo\nupgrade=-6\n") << false
                                        << "Update failed: the update drive could not be written";
}

void TstFirmwareUpdate::driveSearch()
{
    QFETCH(int, drives);
    QFETCH(QByteArray, last);
    QFETCH(bool, success);
    QFETCH(QString, notice);
    QTemporaryDir root;
    QList<QByteArray> paths;
    for (int i = 0; i < drives; ++i) {
        const QString dir = root.path() + "/" + QString::number(i);
        QDir().mkpath(dir);
        if (i == drives - 1) {
            QFile id(dir + "/VARDEXUP.ID");
            QVERIFY(id.open(QIODevice::WriteOnly));
            id.write(last);
        }
        paths << QFile::encodeName(dir);
    }
    std::vector<const char *> list;
    for (const QByteArray &p : paths)
        list.push_back(p.constData());
    CVardexUpd_SetCandidateDrives(list.data(), int(list.size()));

    std::unique_ptr<DMainWidget> w(makeWindow());
    DMainWidget::driveLeaveWaitMs() = 100;
    m_page->devices["/dev/hidraw2"] = record("/dev/hidraw2", "Quendo", "V1.0");
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failed(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QMetaObject::invokeMethod(dia->items().at(0), "sigStartUpgradeing");
    QTRY_VERIFY_WITH_TIMEOUT(ok.size() + failed.size() > 0, kHangMs);
    QTest::qWait(50);
    QCOMPARE(ok.size(), success ? 1 : 0);
    QCOMPARE(failed.size(), success ? 0 : 1);
    QCOMPARE(dia->lastNotice(), notice);
    if (success) {
        QVERIFY(dia->items().at(0)->completePageShown());
        QCOMPARE(dia->items().at(0)->progressNum(), 100);
    }
}

void TstFirmwareUpdate::driveWaitsForThisKeyboard()
{
    QTemporaryDir root;
    QFile id(root.path() + "/VARDEXUP.ID");
    QVERIFY(id.open(QIODevice::WriteOnly));
    id.write("model=Quendo\n");
    id.close();
    const QByteArray dir = QFile::encodeName(root.path());
    const char *list[] = {dir.constData()};
    CVardexUpd_SetCandidateDrives(list, 1);

    std::unique_ptr<DMainWidget> w(makeWindow());
    m_page->devices["/dev/hidraw2"] = record("/dev/hidraw2", "Quendo", "V1.0");
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    LogCapture log;
    QElapsedTimer clock;
    clock.start();
    QMetaObject::invokeMethod(dia->items().at(0), "sigStartUpgradeing");
    // Another keyboard leaving while it waits does not end the wait ...
    QTRY_VERIFY_WITH_TIMEOUT(log.count(QStringLiteral("firmware: waiting for the keyboard to leave")) == 1, kHangMs);
    w->onHidDeviceConnectChanging_Remove("/dev/hidraw9");
    QTest::qWait(300);
    QVERIFY(!QFile::exists(root.path() + "/FIRMWARE.UFW"));
    // ... this one does.
    w->onHidDeviceConnectChanging_Remove("/dev/hidraw2");
    QTRY_COMPARE_WITH_TIMEOUT(ok.size(), 1, kHangMs);
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
    // Well before the whole wait; how soon is a question of speed, which a
    // sanitizer build on a loaded machine cannot answer.
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
#endif

    // Without a removal the search starts after 500 ms and the whole wait.
    w->onUpdateFirmwareWindowClose();
    QVERIFY(w->checkUpgradeableDevices(1));
    dia = w->updateFirmwareDia();
    QSignalSpy ok2(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QFile::remove(root.path() + "/FIRMWARE.UFW");
    clock.restart();
    QMetaObject::invokeMethod(dia->items().at(0), "sigStartUpgradeing");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(root.path() + "/FIRMWARE.UFW"), kHangMs);
    const qint64 at = clock.elapsed();
    QVERIFY2(at >= 5400, qPrintable(QString::number(at)));
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
    QVERIFY2(at < 6500, qPrintable(QString::number(at)));
#endif
    QTRY_COMPARE_WITH_TIMEOUT(ok2.size(), 1, kHangMs);
}

void TstFirmwareUpdate::infoRowText_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no hyphen") << "NUC01KBVD,Torvi" << "NUC01KBVD,Torvi";
    QTest::newRow("one hyphen") << "NUC-01KBVD,Torvi" << "01KBVD,Torvi";
    QTest::newRow("two hyphens") << "NUC-01-KB,Torvi" << "01-KB,Torvi";
    QTest::newRow("leading hyphen") << "-x" << "x";
}

void TstFirmwareUpdate::infoRowText()
{
    QFETCH(QString, key);
    QFETCH(QString, shown);
    DFirwareInfoItem item;
    item.setInfo(key, "V1---date");
    QCOMPARE(item.hidInfoText(), shown);
    QCOMPARE(item.dateTimeText(), QString("V1---date"));
}

void TstFirmwareUpdate::infoRowsSortedAndMerged()
{
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": ["
                                         "{\"model\": \"Torvi\", \"firmwareVersion\": \"V1.0.1\"},"
                                         "{\"model\": \"Kalvo\", \"firmwareVersion\": \"V2.0\"},"
                                         "{\"model\": \"Torvi\", \"firmwareVersion\": \"V1.0.9\"},"
                                         "{\"model\": \"Brisko\", \"firmwareVersion\": \"V3.1\"}]}"),
             0);
    simRecord("");
    DFirwareInfoShow dialog;
    QCOMPARE(dialog.size(), QSize(350, 370));
    QCOMPARE(dialog.windowTitle(), QString("Firmware Info"));
    QCOMPARE(dialog.rows().size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.rows().size(), 3, kHangMs);
    QStringList shown;
    for (DFirwareInfoItem *row : dialog.rows())
        shown << row->hidInfoText() + " " + row->dateTimeText().section("---", 0, 0);
    // Key order, and the Torvi listed last gives the merged row its value.
    QCOMPARE(shown, (QStringList{"NUC01KBVD,Brisko V3.1", "NUC01KBVD,Kalvo V2.0", "NUC01KBVD,Torvi V1.0.9"}));
    QVERIFY(dialog.rows().at(0)->dateTimeText().endsWith("---May 02 2024 10:15:00"));

    // Refilling replaces the rows.
    dialog.fillRows({{"b", "2"}, {"a", "1"}});
    QCoreApplication::processEvents();
    QCOMPARE(dialog.rows().size(), 2);
    QCOMPARE(dialog.rows().at(0)->hidInfoText(), QString("a"));
    CVardexSim_Enable("1");
}

void TstFirmwareUpdate::infoOpenedFromSettingsLogo()
{
    DSettingsDia::firmwareInfoOpener() = nullptr;
    std::unique_ptr<DMainWidget> w(makeWindow());
    QVERIFY(DSettingsDia::firmwareInfoOpener());
    DSettingsDia settings;
    bool shown = false;
    QTimer::singleShot(300, [&] {
        auto *info = settings.findChild<DFirwareInfoShow *>();
        shown = info && info->isVisible();
        if (info)
            info->accept();
    });
    QTest::mouseDClick(settings.findChild<QWidget *>("frame_LogoSet"), Qt::LeftButton);
    QVERIFY(shown);
}

// An update killed mid-transfer leaves its image copy behind; it must sit
// where the next start looks, and that start removes it (links not followed).
void TstFirmwareUpdate::imageCopyOfAKilledUpdateIsRemovedAtStart()
{
    const QString root = firmwareCopy::rootIn(appPaths::appDataDir());
    QDir(root).removeRecursively();
    QTemporaryDir outside;
    QFile kept(outside.filePath(QStringLiteral("keep.txt")));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("keep");
    kept.close();
    QVERIFY(QDir().mkpath(root + "/image-AAAAAA"));
    QVERIFY(QDir().mkpath(root + "/image-BBBBBB"));
    QFile stale(root + "/image-AAAAAA/Torvi.bin");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(510 * 1024, '\x5a'));
    stale.close();
    QVERIFY(QFile::link(outside.path(), root + "/image-link"));

    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": []}"), 0);
    simRecord("");
    m_savedSdk = DMainWidget::vendorSdk();
    DMainWidget::vendorSdk() = VendorSdkCalls::library();
    std::unique_ptr<DMainWidget> w(makeWindow());
    DMainWidget::vendorSdk() = m_savedSdk;
    QCOMPARE(QDir(root).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(QFile::exists(outside.filePath(QStringLiteral("keep.txt"))));

    // While a transfer runs, its copy is in that folder.
    DDeviceKeyboardLink *link = nullptr;
    const QByteArray path = plugTorvi(w.get(), &link);
    QVERIFY(!path.isEmpty());
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failed(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QStringList seen;
    connect(dia, &DUpdateFirmwareDia::sigUpgradeProgress, this, [&](int percent) {
        if (percent > 0 && percent < 100 && seen.isEmpty())
            for (const QString &folder : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                seen += QDir(root + '/' + folder).entryList(QDir::Files);
    });
    QTest::mouseClick(dia->items().at(0)->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT((simRecord(path), ok.size() + failed.size() > 0), kHangMs);
    QCOMPARE(ok.size(), 1);
    QCOMPARE(seen, QStringList{QStringLiteral("Torvi.bin")});
    QTRY_COMPARE_WITH_TIMEOUT(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList(), kHangMs);
}

void TstFirmwareUpdate::rowLabelsKeepTheDialogMargin_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("left to right") << false;
    QTest::newRow("right to left") << true;
}

// The labels of a row keep the margin the theme's dialogs give their
// contents from the dialog's frame, on whichever side they stand.
void TstFirmwareUpdate::rowLabelsKeepTheDialogMargin()
{
    QFETCH(bool, rightToLeft);
    std::unique_ptr<DUpdateFirmwareDia> dia(dialogWith({record("/a", "Torvi", "V1.0.3")}));
    dia->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    dia->show();
    QVERIFY(QTest::qWaitForWindowExposed(dia.get()));
    auto *frame = dia->findChild<QWidget *>("frame_Bg");
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    QTRY_VERIFY_WITH_TIMEOUT(row->isVisible() && row->width() > 600, kHangMs);
    int gap = frame->width();
    for (const char *name : {"label", "label_2"}) {
        auto *label = row->findChild<QLabel *>(name);
        QVERIFY(label && label->isVisible());
        const QRect r(label->mapTo(frame, QPoint(0, 0)), label->size());
        gap = qMin(gap, rightToLeft ? frame->width() - 1 - r.right() : r.left());
    }
    // The frame's 1-pixel border, then the margin.
    QVERIFY2(gap >= 1 + 12, qPrintable(QStringLiteral("labels %1 px from the frame").arg(gap)));
}

QTEST_MAIN(TstFirmwareUpdate)
#include "tst_firmwareupdate.moc"
