// Both update roads end to end against the simulated keyboards: damaged
// images never reach a keyboard, and a keyboard left in update mode (the
// tool killed mid-transfer) is offered its update again and gets it.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "firmwareTestSupport.h"
#include "imageFixtures.h"
#include "hid/MainHidInterFace.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "vardexSdk.h"

#include <mutex>

using namespace fwtest;
using fixtures::ImageFault;
Q_DECLARE_METATYPE(fixtures::ImageFault)

class TstFirmwareRoads : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void simulatedRoad_data();
    void simulatedRoad();
    void imageFaults_data();
    void imageFaults();
    void offerFollowsImageIdentity_data();
    void offerFollowsImageIdentity();
    void largestImage_data();
    void largestImage();
    void retriesStartAfreshEachUpdate();
    void killedMidTransfer_data();
    void killedMidTransfer();
    void switchStopsLightReports();
    void damagedImageListedWithItsReason_data();
    void damagedImageListedWithItsReason();

private:
    // A window over the simulated keyboards, with the vendor library.
    std::unique_ptr<DMainWidget> makeWindow();
    // Plugs a simulated keyboard of model and gives it an open link.
    QByteArray plug(DMainWidget *w, const char *model);
    static void clickUpdate(UpdateFirmwareInfoItem *row)
    {
        QTest::mouseClick(row->findChild<QPushButton *>("pushButton_Update"), Qt::LeftButton);
    }
    FakeDevicePage *m_page = nullptr;
    std::unique_ptr<QTemporaryDir> m_images;
};

void TstFirmwareRoads::init()
{
    prepareWindows(&m_page);
    // The embedded images, in a folder a test may spoil.
    m_images = std::make_unique<QTemporaryDir>();
    for (const char *name : {"Torvi.bin", "Quendo.ufw"})
        QVERIFY(QFile::copy(QStringLiteral(":/images/UpdateFirmwareFile/") + name, m_images->path() + "/" + name));
    DMainWidget::firmwareImageFolder() = m_images->path() + "/";
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": []}"), 0);
    simRecord(""); // the library forgets the keyboards of the last case
}

void TstFirmwareRoads::cleanup()
{
    CVardexSim_SetHostDeathAtImageBytes(0);
    CVardexSim_SetHostAlive(1);
    DMainWidget::firmwareImageFolder() = QStringLiteral(":/images/UpdateFirmwareFile/");
    CVardexSim_Enable("1");
}

std::unique_ptr<DMainWidget> TstFirmwareRoads::makeWindow()
{
    const VendorSdkCalls saved = DMainWidget::vendorSdk();
    DMainWidget::vendorSdk() = VendorSdkCalls::library();
    auto w = std::make_unique<DMainWidget>();
    DMainWidget::vendorSdk() = saved;
    w->resize(1280, 715);
    return w;
}

QByteArray TstFirmwareRoads::plug(DMainWidget *w, const char *model)
{
    const QByteArray path = plugSimulated(w, model);
    if (path.isEmpty())
        return {};
    auto *link = new DDeviceKeyboardLink(w);
    link->openHidDevice(0, simRecord(path));
    m_page->devices[path] = simRecord(path);
    m_page->links[path] = link;
    return path;
}

// Each model comes back the way it takes its firmware; a scenario may
// choose the other road.
void TstFirmwareRoads::simulatedRoad_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<bool>("drive");
    QTest::newRow("Torvi: bootloader") << QByteArray("{\"model\": \"Torvi\"}") << false;
    QTest::newRow("Quendo: drive") << QByteArray("{\"model\": \"Quendo\"}") << true;
    QTest::newRow("Yolma: drive") << QByteArray("{\"model\": \"Yolma\"}") << true;
    QTest::newRow("Quendo told bootloader") << QByteArray("{\"model\": \"Quendo\", \"updateRoad\": \"bootloader\"}") << false;
    QTest::newRow("Torvi told drive") << QByteArray("{\"model\": \"Torvi\", \"updateRoad\": \"drive\"}") << true;
}

void TstFirmwareRoads::simulatedRoad()
{
    QFETCH(QByteArray, device);
    QFETCH(bool, drive);
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": [" + device + "]}"), 0);
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    QCOMPARE(int(paths.size()), 1);
    const std::string keyboard = paths.front();
    const int hid = CVardexHid_OpenPath(keyboard.c_str());
    const unsigned char intoFirmware[64] = {0x01, 0x0A};
    QVERIFY(CVardexHid_HidWriteBuff(hid, intoFirmware, keyboard.c_str()) >= 0);
    CVardexHid_Close(hid);
    char where[256] = {};
    QTRY_VERIFY_WITH_TIMEOUT(CVardexSim_GetUpdateDrive(keyboard.c_str(), where, sizeof where) == 0
                                 || CVardexSim_GetBootloaderPath(keyboard.c_str(), where, sizeof where) == 0,
                             kHangMs);
    QCOMPARE(CVardexSim_GetUpdateDrive(keyboard.c_str(), where, sizeof where) == 0, drive);
    if (drive) {
        // A mounted drive naming the keyboard's model, found by the updater.
        QFile id(QString::fromLocal8Bit(where) + "/VARDEXUP.ID");
        QVERIFY(id.open(QIODevice::ReadOnly));
        QCOMPARE(id.readAll(), "model=" + device.mid(11, device.indexOf('"', 11) - 11) + "\n");
        char model[33] = {};
        QCOMPARE(CVardexUpd_DriveModel('A', model, sizeof model), 0);
    }
    CVardexSim_LoadScenarioText("{\"devices\": []}");
    if (drive)
        QVERIFY(!QFileInfo::exists(QString::fromLocal8Bit(where)));
}

void TstFirmwareRoads::imageFaults_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<ImageFault>("fault");
    QTest::addColumn<QString>("notice");
    const struct {
        const char *name;
        ImageFault fault;
        const char *notice;
    } faults[] = {
        {"good", ImageFault::None, "Update successful"},
        {"truncated", ImageFault::Truncated, "Update failed: the firmware image is damaged"},
        {"one byte flipped", ImageFault::FlippedByte, "Update failed: the firmware image is damaged"},
        {"oversize", ImageFault::Oversize, "Update failed: the firmware image is too large"},
        {"empty", ImageFault::Empty, "Update failed: the firmware image is empty"},
        {"another model's", ImageFault::OtherModel, "Update failed: the firmware image is for another model"},
        {"FIFO", ImageFault::Fifo, "Update failed: the firmware image could not be read"},
    };
    for (const char *model : {"Torvi", "Quendo"})
        for (const auto &f : faults)
            QTest::addRow("%s, %s", model, f.name) << QByteArray(model) << f.fault << QString(f.notice);
}

// The image spoiled after it was offered: the press finds out before the
// keyboard is sent into update mode.
void TstFirmwareRoads::imageFaults()
{
    QFETCH(QByteArray, model);
    QFETCH(ImageFault, fault);
    QFETCH(QString, notice);
    const bool ufw = model != "Torvi";
    std::unique_ptr<DMainWidget> w = makeWindow();
    const QByteArray path = plug(w.get(), model.constData());
    QVERIFY(!path.isEmpty());
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QCOMPARE(dia->items().size(), 1);
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    const QString image = m_images->path() + "/" + model + (ufw ? ".ufw" : ".bin");
    QVERIFY(fixtures::writeImage(image, fault, ufw, model));

    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy starts(dia, &DUpdateFirmwareDia::sigStartHidUpgrade);
    clickUpdate(row);
    CVardexSimState state;
    if (fault == ImageFault::None) {
        QTRY_VERIFY_WITH_TIMEOUT((simRecord(path), ok.size() == 1), kHangMs);
        QCOMPARE(dia->lastNotice(), notice);
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray(simRecord(path).firmwareVersion), QByteArray(ufw ? "V1.1" : "V1.0.10"),
                                  60000);
        unsigned size = 0, crc = 0;
        if (!ufw) {
            QCOMPARE(CVardexSim_GetFirmwareImage(path.constData(), &size, &crc), 0);
            QCOMPARE(size, 522240u);
        }
        QCOMPARE(row->currentVersionText(), QString(ufw ? "V1.1" : "V1.0.10"));
        return;
    }
    // Refused at once, with its reason; the keyboard never heard of it.
    QCOMPARE(dia->lastNotice(), notice);
    QCOMPARE(starts.size(), 0);
    QVERIFY(!row->isBusy());
    QVERIFY(row->updateEnabled());
    QTest::qWait(300);
    QCOMPARE(CVardexSim_GetState(path.constData(), &state), 0);
    QCOMPARE(state.intoFirmwareCount, 0);
    QCOMPARE(state.plugged, 1);
    QVERIFY(m_page->links[path]->hidInterface()->isHidOpen());
    QCOMPARE(QByteArray(simRecord(path).firmwareVersion), QByteArray("V1.0.3"));
    QCOMPARE(ok.size(), 0);
}

void TstFirmwareRoads::offerFollowsImageIdentity_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("offered");
    QTest::newRow("bin, its own model") << QByteArray("Torvi") << fixtures::binFile("Torvi") << true;
    QTest::newRow("bin, model field empty") << QByteArray("Torvi") << fixtures::binFile("") << false;
    QTest::newRow("bin, model field a prefix") << QByteArray("Torvi") << fixtures::binFile("Torv") << false;
    QTest::newRow("ufw, its own model") << QByteArray("Quendo") << fixtures::ufwFile("Quendo") << true;
    QTest::newRow("ufw, identity in other case") << QByteArray("Quendo") << fixtures::ufwFile("quendo") << false;
    QTest::newRow("ufw, identity a prefix") << QByteArray("Quendo") << fixtures::ufwFile("Quen") << false;
}

// Only an image naming the keyboard's own model is offered to it.
void TstFirmwareRoads::offerFollowsImageIdentity()
{
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, image);
    QFETCH(bool, offered);
    QFile file(m_images->path() + "/" + model + (model == "Torvi" ? ".bin" : ".ufw"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
    file.close();
    std::unique_ptr<DMainWidget> w = makeWindow();
    QCOMPARE(w->isFirmwareNewer(record("/dev/hidraw3", model, "V1.0.3")), offered);
}

void TstFirmwareRoads::largestImage_data()
{
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<QString>("notice");
    QTest::newRow("largest a keyboard takes") << int(CVARDEX_BOOT_MAX_IMAGE) << "Update successful";
    QTest::newRow("one byte more") << int(CVARDEX_BOOT_MAX_IMAGE) + 1 << "Update failed: the firmware image is too large";
}

// The size limit, sealed, holds the same through the whole road: the press,
// the library and the keyboard.
void TstFirmwareRoads::largestImage()
{
    QFETCH(int, imageSize);
    QFETCH(QString, notice);
    std::unique_ptr<DMainWidget> w = makeWindow();
    const QByteArray path = plug(w.get(), "Torvi");
    QVERIFY(!path.isEmpty());
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    const QByteArray bytes = fixtures::binFile("Torvi", imageSize);
    QFile image(m_images->path() + "/Torvi.bin");
    QVERIFY(image.open(QIODevice::WriteOnly) && image.write(bytes) == bytes.size());
    image.close();

    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failed(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QSignalSpy starts(dia, &DUpdateFirmwareDia::sigStartHidUpgrade);
    clickUpdate(dia->items().at(0));
    if (imageSize <= CVARDEX_BOOT_MAX_IMAGE) {
        // A refusal at the press shows its notice without a failure signal.
        QTRY_VERIFY_WITH_TIMEOUT(
            (simRecord(path), ok.size() + failed.size() > 0 || dia->lastNotice().startsWith("Update failed")), 120000);
        QCOMPARE(dia->lastNotice(), notice);
        unsigned size = 0, crc = 0;
        QCOMPARE(CVardexSim_GetFirmwareImage(path.constData(), &size, &crc), 0);
        QCOMPARE(size, unsigned(imageSize));
        QCOMPARE(crc, CVardexFw_Crc32(0, reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(imageSize)));
        return;
    }
    QCOMPARE(dia->lastNotice(), notice);
    QCOMPARE(starts.size(), 0);
    CVardexSimState state;
    QCOMPARE(CVardexSim_GetState(path.constData(), &state), 0);
    QCOMPARE(state.intoFirmwareCount, 0);
}

// A failed update leaves the keyboard in update mode; pressed again, the
// new update has its own retries, not what the last one left of them.
void TstFirmwareRoads::retriesStartAfreshEachUpdate()
{
    // A small image: eight transfers of it are quick.
    const int imageSize = CVARDEX_FW_BIN_IDENTITY_OFFSET + 0x100;
    const QByteArray bytes = fixtures::binFile("Torvi", imageSize);
    QFile image(m_images->path() + "/Torvi.bin");
    QVERIFY(image.open(QIODevice::WriteOnly) && image.write(bytes) == bytes.size());
    image.close();
    std::unique_ptr<DMainWidget> w = makeWindow();
    const QByteArray path = plug(w.get(), "Torvi");
    QVERIFY(!path.isEmpty());
    QCOMPARE(CVardexSim_SetFirmwareFailures(path.constData(), 4), 0);
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failed(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    clickUpdate(row);
    QTRY_VERIFY_WITH_TIMEOUT((simRecord(path), failed.size() == 1), kHangMs);
    QTRY_VERIFY_WITH_TIMEOUT(!w->firmwareWorkerBusy(), kHangMs);
    // Each transfer is a start, the image in chunks and a finish.
    const int perTransfer = 2 + (imageSize + CVARDEX_BOOT_CHUNK - 1) / CVARDEX_BOOT_CHUNK;
    QCOMPARE(CVardexSim_GetBootloaderReportCount(path.constData()), 4 * perTransfer);
    // The keyboard waits in update mode; the page has dropped its link.
    char boot[128] = {};
    QCOMPARE(CVardexSim_GetBootloaderPath(path.constData(), boot, sizeof boot), 0);
    delete m_page->links.take(path);

    QCOMPARE(CVardexSim_SetFirmwareFailures(path.constData(), 3), 0);
    QTRY_VERIFY_WITH_TIMEOUT(row->updateEnabled(), kHangMs);
    clickUpdate(row);
    QTRY_VERIFY_WITH_TIMEOUT((simRecord(path), ok.size() + failed.size() > 1), kHangMs);
    QCOMPARE(ok.size(), 1);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(CVardexSim_GetBootloaderReportCount(path.constData()), 8 * perTransfer);
    unsigned size = 0, crc = 0;
    QCOMPARE(CVardexSim_GetFirmwareImage(path.constData(), &size, &crc), 0);
    QCOMPARE(size, unsigned(imageSize));
}

void TstFirmwareRoads::killedMidTransfer_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("percent");
    for (const char *model : {"Torvi", "Quendo"})
        for (int percent : {1, 50, 90})
            QTest::addRow("%s at %d%%", model, percent) << QByteArray(model) << percent;
}

void TstFirmwareRoads::killedMidTransfer()
{
    QFETCH(QByteArray, model);
    QFETCH(int, percent);
    const QByteArray version = model == "Torvi" ? "V1.0.10" : "V1.1";
    std::unique_ptr<DMainWidget> w = makeWindow();
    const QByteArray path = plug(w.get(), model.constData());
    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    // The keyboard itself stops the host at the byte count: the dialog's
    // progress comes later than the transfer it reports, too late to kill
    // at 90% on a loaded machine.
    const QString image = m_images->path() + (model == "Torvi" ? "/Torvi.bin" : "/Quendo.ufw");
    const qint64 imageSize = QFileInfo(image).size();
    QVERIFY(imageSize > 0);
    QCOMPARE(CVardexSim_SetHostDeathAtImageBytes(imageSize * percent / 100), 0);
    clickUpdate(dia->items().at(0));
    QTRY_VERIFY_WITH_TIMEOUT((simRecord(path), !CVardexSim_IsHostAlive()), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!w->firmwareWorkerBusy(), 60000);
    w.reset(); // the tool is gone; what it was about to report, nobody hears
    char where[256] = {};
    QVERIFY(CVardexSim_GetBootloaderPath(path.constData(), where, sizeof where) == 0
            || CVardexSim_GetUpdateDrive(path.constData(), where, sizeof where) == 0);
    QVERIFY(!simRecord(path).hidName[0]); // not running as a keyboard

    // Started again: the keyboard waiting in update mode is offered.
    CVardexSim_SetHostAlive(1);
    DMainWidget::updateModeScanDelayMs() = 0;
    std::unique_ptr<DMainWidget> again = makeWindow();
    QTRY_VERIFY_WITH_TIMEOUT(again->updateFirmwareDia(), 60000);
    dia = again->updateFirmwareDia();
    QCOMPARE(dia->items().size(), 1);
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    QCOMPARE(row->hidName(), QString(model));
    QCOMPARE(row->currentVersionText(), QString("in update mode"));
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    clickUpdate(row);
    QTRY_COMPARE_WITH_TIMEOUT(ok.size(), 1, kHangMs);
    QTRY_COMPARE_WITH_TIMEOUT(QByteArray(simRecord(path).firmwareVersion), version, 60000);
}

void TstFirmwareRoads::damagedImageListedWithItsReason_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<ImageFault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("Torvi, truncated") << QByteArray("Torvi") << ImageFault::Truncated
                                      << "the firmware image is damaged";
    QTest::newRow("Quendo, one byte flipped") << QByteArray("Quendo") << ImageFault::FlippedByte
                                              << "the firmware image is damaged";
    QTest::newRow("Torvi, empty") << QByteArray("Torvi") << ImageFault::Empty << "the firmware image is empty";
    QTest::newRow("Quendo, another model's") << QByteArray("Quendo") << ImageFault::OtherModel
                                             << "the firmware image is for another model";
    // Not there at all: the model has no update to speak of.
    QTest::newRow("Torvi, missing") << QByteArray("Torvi") << ImageFault::None << QString();
}

// An image found damaged at the check: its keyboard is listed, says why,
// and offers nothing to press.
void TstFirmwareRoads::damagedImageListedWithItsReason()
{
    QFETCH(QByteArray, model);
    QFETCH(ImageFault, fault);
    QFETCH(QString, reason);
    const bool ufw = model != "Torvi";
    const QString image = m_images->path() + "/" + model + (ufw ? ".ufw" : ".bin");
    if (reason.isEmpty())
        QVERIFY(QFile::remove(image));
    else
        QVERIFY(fixtures::writeImage(image, fault, ufw, model));
    std::unique_ptr<DMainWidget> w = makeWindow();
    const QByteArray path = plug(w.get(), model.constData());
    QVERIFY(!path.isEmpty());
    const bool listed = w->checkUpgradeableDevices(1);
    QCOMPARE(listed, !reason.isEmpty());
    if (!listed) {
        QVERIFY(!w->updateFirmwareDia());
        return;
    }
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    dia->show();
    QCOMPARE(dia->items().size(), 1);
    UpdateFirmwareInfoItem *row = dia->items().at(0);
    QCOMPARE(row->hidPath(), QString(path));
    QVERIFY(row->isImageRefused());
    QCOMPARE(row->findChild<QLabel *>("label_NewVer")->text(), reason);
    QVERIFY(!row->findChild<QPushButton *>("pushButton_Update")->isVisibleTo(dia));
    QVERIFY(!row->findChild<QProgressBar *>("progressBar")->isVisibleTo(dia));
    // Nothing reaches the keyboard, whatever is pressed.
    QSignalSpy starts(dia, &DUpdateFirmwareDia::sigStartHidUpgrade);
    QMetaObject::invokeMethod(row, "on_pushButton_Update_clicked");
    QCOMPARE(starts.size(), 0);
    CVardexSimState state;
    QCOMPARE(CVardexSim_GetState(path.constData(), &state), 0);
    QCOMPARE(state.intoFirmwareCount, 0);
}

namespace {

std::mutex g_sendErrorsLock;
QStringList g_sendErrors;
QtMessageHandler g_previousHandler = nullptr;

// Transport threads log the reports a keyboard did not take.
void collectSendErrors(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Only the light synchronisation's own reports count: a keep-alive due
    // in the moment between the switch and the page hearing of the keyboard's
    // departure may fail, and harms nothing.
    if (text.contains(QLatin1String("Send error")) && text.endsWith(QLatin1String("Cmd: 22"))) {
        std::lock_guard<std::mutex> lock(g_sendErrorsLock);
        g_sendErrors << text;
    }
    g_previousHandler(type, context, text);
}

// The reports the simulator log shows written to path, as hex, in order.
QList<QByteArray> writtenTo(const QString &log, const QByteArray &path)
{
    QFile f(log);
    QList<QByteArray> out;
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 4 && parts[1] == path && parts[2] == ">")
            out << parts[3];
    }
    return out;
}

} // namespace

// The keyboard on the device page runs its light synchronisation; switched
// into update mode, it must get no light report after the switch: it is gone.
void TstFirmwareRoads::switchStopsLightReports()
{
    QTemporaryDir logDir;
    const QString log = logDir.filePath("sim.log");
    QCOMPARE(CVardexSim_SetLogFile(QFile::encodeName(log).constData()), 0);
    QCOMPARE(CVardexSim_LoadScenarioText(
                 "{\"devices\": [{\"model\": \"Torvi\", \"connection\": \"cable\", \"reachable\": true,"
                 " \"serial\": \"3e5a7c9b1d2f4a6c8e0b2d4f6a8c0e1f\"}]}"),
             0);
    DMainWidget::factories().devicePage = [](QWidget *parent) { return new DDevicePage(parent); };
    std::unique_ptr<DMainWidget> w = makeWindow();
    w->show();
    auto *page = w->findChild<DDevicePage *>();
    QVERIFY(page);
    QTRY_VERIFY_WITH_TIMEOUT(page->currentLink() && page->lightEngine()->isLightSynchronous(), kHangMs);
    const QByteArray path = page->keyboardLinks().key(page->currentLink()).toLatin1();
    QTRY_VERIFY_WITH_TIMEOUT(writtenTo(log, path).contains(QByteArray("0116000000010100").leftJustified(128, '0')),
                             kHangMs);

    QVERIFY(w->checkUpgradeableDevices(1));
    DUpdateFirmwareDia *dia = w->updateFirmwareDia();
    QCOMPARE(dia->items().size(), 1);
    QSignalSpy ok(dia, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    {
        std::lock_guard<std::mutex> lock(g_sendErrorsLock);
        g_sendErrors.clear();
    }
    g_previousHandler = qInstallMessageHandler(collectSendErrors);
    clickUpdate(dia->items().at(0));
    QVERIFY(!page->lightEngine()->isLightSynchronous());
    QTRY_COMPARE_WITH_TIMEOUT(ok.size(), 1, kHangMs);
    // Back and current again: its leaving and its return have been handled.
    QTRY_VERIFY_WITH_TIMEOUT(page->currentLink() && page->lightEngine()->isLightSynchronous(), kHangMs);
    qInstallMessageHandler(g_previousHandler);
    CVardexSim_SetLogFile(nullptr);

    {
        std::lock_guard<std::mutex> lock(g_sendErrorsLock);
        QVERIFY2(g_sendErrors.isEmpty(), qPrintable(g_sendErrors.join('\n')));
    }
    // What the keyboard took: the light synchronisation ended before the
    // switch, nothing of it after it.
    const QList<QByteArray> written = writtenTo(log, path);
    const int switched = written.indexOf(QByteArray("010a").leftJustified(128, '0'));
    QVERIFY(switched > 0);
    QByteArray lastSync;
    for (int i = 0; i < switched; ++i)
        if (written.at(i).startsWith("0116"))
            lastSync = written.at(i);
    QCOMPARE(lastSync, QByteArray("0116000000010000").leftJustified(128, '0'));
}

QTEST_MAIN(TstFirmwareRoads)
#include "tst_firmwareroads.moc"
