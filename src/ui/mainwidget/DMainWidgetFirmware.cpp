// DMainWidgetFirmware.cpp - the firmware update driver of the main window:
// which attached keyboards have a newer embedded image, the update dialog,
// and the two roads an image travels (bootloader and update drive).
#include "ui/mainwidget/DMainWidget.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <vector>

#include "platform/appPaths.h"
#include "platform/firmwareCopy.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "hid/MainHidInterFace.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/settings/DSettingsDia.h"
#include "vardexSdk.h"

namespace {

using UpdateFailure = DUpdateFirmwareDia::UpdateFailure;

// A ".bin" file: the image and its seal.
const qint64 kBinFileMax = qint64(CVARDEX_BOOT_MAX_IMAGE) + CVARDEX_FW_BIN_SEAL_SIZE;

enum class Road { None, Bootloader, Drive };

Road roadOf(const QString &model)
{
    if (model == QLatin1String("Torvi"))
        return Road::Bootloader;
    if (model == QLatin1String("Quendo") || model == QLatin1String("Yolma"))
        return Road::Drive;
    return Road::None;
}

bool isUfwModel(const QString &model)
{
    return model == QLatin1String("Quendo") || model == QLatin1String("Yolma") || model == QLatin1String("Pravo");
}

QString imageName(const QString &model, int usbOrDongle)
{
    return model + (usbOrDongle == 1 ? QStringLiteral("_Dongle") : QString())
        + (isUfwModel(model) ? QStringLiteral(".ufw") : QStringLiteral(".bin"));
}

UpdateFailure failureOfFile(int rc)
{
    switch (rc) {
    case CVARDEX_FW_DAMAGED:
        return UpdateFailure::ImageDamaged;
    case CVARDEX_FW_EMPTY:
        return UpdateFailure::ImageEmpty;
    case CVARDEX_FW_TOO_LARGE:
        return UpdateFailure::ImageTooLarge;
    case CVARDEX_FW_OTHER_MODEL:
        return UpdateFailure::ImageOtherModel;
    default:
        return UpdateFailure::ImageUnreadable;
    }
}

// The whole image file, read without blocking on what is not a regular file
// and never beyond cap. *missing tells an image that is not there at all.
UpdateFailure readImage(const QString &path, qint64 cap, QByteArray *bytes, bool *missing)
{
    const QFileInfo info(path);
    *missing = !info.exists();
    if (*missing)
        return UpdateFailure::ImageUnreadable;
    if (!path.startsWith(QLatin1Char(':'))) {
        std::vector<unsigned char> data;
        if (const int rc = CVardexFw_ReadImageFile(QFile::encodeName(path).constData(), size_t(cap), data))
            return failureOfFile(rc);
        *bytes = QByteArray(reinterpret_cast<const char *>(data.data()), int(data.size()));
        return UpdateFailure::None;
    }
    if (info.size() == 0)
        return UpdateFailure::ImageEmpty;
    if (info.size() > cap)
        return UpdateFailure::ImageTooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Open hex file error";
        return UpdateFailure::ImageUnreadable;
    }
    *bytes = file.readAll();
    return UpdateFailure::None;
}

bool sameText(const QString &a, const char *b)
{
    return QString::compare(a, QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// What a chip vendor updater's result means to the user.
UpdateFailure driveFailure(int rc)
{
    switch (rc) {
    case -3:
        return UpdateFailure::ImageDamaged;
    case -5:
        return UpdateFailure::NoUpdateDrive;
    case -6:
    case -9:
        return UpdateFailure::DriveNotWritten;
    case -10:
        return UpdateFailure::ImageUnreadable;
    case -18:
        return UpdateFailure::KeyboardLeft;
    default:
        return UpdateFailure::Interrupted;
    }
}

void setField(char *field, size_t size, const QByteArray &text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.constData(), size_t(qMin(text.size(), int(size) - 1)));
}

} // namespace

void DMainWidget::loadUpdaterEntryPoints()
{
    // No update runs yet: what the folder holds was left by one that was killed.
    firmwareCopy::removeLeftovers(appPaths::appDataDir());
    // The settings dialog's logo opens the firmware information.
    if (!DSettingsDia::firmwareInfoOpener()) {
        DSettingsDia::firmwareInfoOpener() = [](QWidget *parent) {
            DFirwareInfoShow dialog(parent);
            dialog.exec();
        };
    }
    JL_loadUfwData = &CVardexUpd_LoadUfwData;
    JL_getUfwCrc = &CVardexUpd_GetUfwCrc;
    JL_getUfwPidVid = &CVardexUpd_GetUfwPidVid;
    JL_upgradeDevice = &CVardexUpd_UpgradeDevice;
    JL_queryDevicePidVid = &CVardexUpd_QueryDevicePidVid;
    // A keyboard left in update mode (an update cut short, the tool killed)
    // is offered its update once the keyboards have been enumerated.
    if (updateModeScanDelayMs() >= 0)
        QTimer::singleShot(updateModeScanDelayMs(), this, &DMainWidget::offerUpdateModeKeyboards);
}

bool DMainWidget::hasUpgradeRoad(const QString &model)
{
    return roadOf(model) != Road::None;
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    if (checkUpgradeableDevices(1))
        return;
    // A check while the dialog is open changes nothing and says nothing.
    if (m_pUpdateFirmwareDia)
        return;
    if (QObject *dialog = sender())
        QMetaObject::invokeMethod(dialog, "showNoUpgradeableDevicesNotice");
}

bool DMainWidget::checkUpgradeableDevices(int mode)
{
    m_upgradeHidList.clear();
    const QMap<QString, hidStructInfoAll> devices =
        m_devicePage ? m_devicePage->connectedDevices() : QMap<QString, hidStructInfoAll>();
    m_refusedImages.clear();
    for (hidStructInfoAll info : devices) {
        if (!isFirmwareNewer(info)) {
            // Its image is there but damaged: the keyboard is listed with
            // the reason, and offered nothing.
            if (m_imageRefusal != UpdateFailure::None) {
                std::memset(info.newFirmwareVersion, 0, sizeof info.newFirmwareVersion);
                m_upgradeHidList.append(info);
                m_refusedImages.insert(QString::fromUtf8(info.hidPath, int(strnlen(info.hidPath, sizeof info.hidPath))),
                                       m_imageRefusal);
            }
            continue;
        }
        const QByteArray version = m_strNewFirmwareVersion.toLatin1();
        std::memset(info.newFirmwareVersion, 0, sizeof info.newFirmwareVersion);
        std::memcpy(info.newFirmwareVersion, version.constData(),
                    size_t(qMin(version.size(), int(sizeof info.newFirmwareVersion) - 1)));
        m_upgradeHidList.append(info);
    }
    // A keyboard left in update mode is never left out: it has no firmware
    // to run until its update completes.
    m_updateModePaths.clear();
    for (const hidStructInfoAll &info : updateModeKeyboards()) {
        m_upgradeHidList.append(info);
        m_updateModePaths << QString::fromUtf8(info.hidPath);
    }
    if (m_upgradeHidList.isEmpty())
        return false;
    m_upgradeWindowOpenMode = mode;
    if (mode == 0)
        QTimer::singleShot(1300, this, &DMainWidget::onUpdateFirmwareWindowOpen);
    else
        onUpdateFirmwareWindowOpen();
    return true;
}

DMainWidget::UpdateFailure DMainWidget::checkEmbeddedImage(const QString &model, int usbOrDongle, QByteArray *image,
                                                          QString *version, bool *absent)
{
    const QString name = imageName(model, usbOrDongle);
    const bool ufw = isUfwModel(model);
    QByteArray bytes;
    bool missing = false;
    UpdateFailure why = readImage(firmwareImageFolder() + name, ufw ? qint64(CVARDEX_UFW_MAX_SIZE) : kBinFileMax,
                                  &bytes, &missing);
    QString found;
    if (why == UpdateFailure::None && ufw) {
        uint16_t crc16 = 0;
        uint32_t crc32 = 0;
        char identity[17] = {};
        char text[5] = {};
        if (!JL_loadUfwData || !JL_getUfwCrc || !JL_getUfwPidVid
            || JL_loadUfwData(reinterpret_cast<const unsigned char *>(bytes.constData()), uint32_t(bytes.size())) != 0
            || JL_getUfwCrc(&crc16, &crc32) != 0 || JL_getUfwPidVid(identity, 17, text, 4) != 0) {
            qDebug() << "---------------- *** File error *** ---------------";
            why = UpdateFailure::ImageDamaged;
        } else {
            identity[16] = 0;
            found = QString::fromLatin1(text, int(strnlen(text, 4)));
            if (QString::fromLatin1(identity) != model)
                why = UpdateFailure::ImageOtherModel;
        }
    } else if (why == UpdateFailure::None) {
        size_t imageSize = 0;
        const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
        if (const int rc = CVardexFw_CheckBin(data, size_t(bytes.size()), model.toUtf8().constData(), &imageSize)) {
            why = failureOfFile(rc);
        } else {
            char identity[CVARDEX_FW_BIN_IDENTITY_SIZE + 1];
            CVardexFw_BinIdentity(data, imageSize, identity);
            found = QString::fromLatin1(identity).section(QLatin1Char(','), 5, 5);
        }
    }
    if (absent)
        *absent = missing;
    if (why != UpdateFailure::None) {
        if (!missing)
            qDebug() << "firmware: image" << name << "refused:" << DUpdateFirmwareDia::failureText(why);
        return why;
    }
    if (image)
        *image = bytes;
    if (version)
        *version = found;
    return UpdateFailure::None;
}

bool DMainWidget::isFirmwareNewer(hidStructInfoAll info)
{
    m_imageRefusal = UpdateFailure::None;
    info.hidName[sizeof info.hidName - 1] = 0;
    const QString model = QString::fromUtf8(info.hidName);
    // A model whose image has no road to the keyboard is not offered.
    if (!hasUpgradeRoad(model))
        return false;
    // A damaged image is never offered: it could only fail, or do harm.
    QByteArray image;
    QString version;
    bool missing = false;
    const UpdateFailure why = checkEmbeddedImage(model, info.hidUsbOrDongle, &image, &version, &missing);
    if (why != UpdateFailure::None) {
        if (!missing)
            m_imageRefusal = why;
        return false;
    }
    info.firmwareVersion[sizeof info.firmwareVersion - 1] = 0;

    if (isUfwModel(model)) {
        m_strNewFirmwareVersion = version;
        return CVardexFw_CompareVersions(version.toLatin1().constData(), info.firmwareVersion) > 0;
    }

    char identity[CVARDEX_FW_BIN_IDENTITY_SIZE + 1];
    CVardexFw_BinIdentity(reinterpret_cast<const unsigned char *>(image.constData()),
                          size_t(qMin(image.size(), int(CVARDEX_FW_BIN_SCAN_SIZE))), identity);
    const QString text = QString::fromLatin1(identity);
    info.fwInfoPart1[sizeof info.fwInfoPart1 - 1] = 0;
    info.fwInfoPart2[sizeof info.fwInfoPart2 - 1] = 0;
    info.fwInfoPart4[sizeof info.fwInfoPart4 - 1] = 0;
    const bool newer = sameText(text.section(QLatin1Char(','), 0, 0), info.fwInfoPart1)
        && sameText(text.section(QLatin1Char(','), 1, 1), info.fwInfoPart2)
        && sameText(text.section(QLatin1Char(','), 3, 3), info.fwInfoPart4)
        && sameText(text.section(QLatin1Char(','), 4, 4), info.hidName)
        && CVardexFw_CompareVersions(version.toLatin1().constData(), info.firmwareVersion) > 0;
    if (newer)
        m_strNewFirmwareVersion = version;
    return newer;
}

QList<hidStructInfoAll> DMainWidget::updateModeKeyboards()
{
    std::map<std::string, hidModelInfo> models;
    CVardexHid_GetHidInfoStuMapList(models);
    QList<hidStructInfoAll> out;
    const auto add = [&](const QString &path, const QString &model) {
        hidStructInfoAll r;
        setField(r.hidPath, sizeof r.hidPath, path.toUtf8());
        setField(r.hidName, sizeof r.hidName, model.toUtf8());
        const auto it = models.find(model.toStdString());
        setField(r.productName, sizeof r.productName, it != models.end() ? QByteArray(it->second.productName) : QByteArray());
        setField(r.likeName, sizeof r.likeName, it != models.end() ? QByteArray(it->second.likeName) : model.toUtf8());
        // Offered even when its image is at fault: the press then says why.
        QString version;
        checkEmbeddedImage(model, 0, nullptr, &version);
        setField(r.newFirmwareVersion, sizeof r.newFirmwareVersion, version.toLatin1());
        out.append(r);
    };

    std::list<std::string> paths;
    CVardexHid_GetBootloaderList(paths);
    for (const std::string &path : paths) {
        const int handle = CVardexHid_OpenBootloader(path.c_str());
        if (!handle)
            continue;
        char model[33] = {};
        const bool known = CVardexHid_BootloaderModel(handle, model, sizeof model) == 0;
        CVardexHid_CloseBootloader(handle);
        if (known && roadOf(QString::fromUtf8(model)) == Road::Bootloader)
            add(QString::fromStdString(path), QString::fromUtf8(model));
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char model[33] = {};
        if (CVardexUpd_DriveModel(letter, model, sizeof model) == 0 && roadOf(QString::fromUtf8(model)) == Road::Drive)
            add(QStringLiteral("update drive %1:").arg(QLatin1Char(letter)), QString::fromUtf8(model));
    }
    return out;
}

void DMainWidget::offerUpdateModeKeyboards()
{
    // The keyboard an update is running for is not offered a second one.
    if (m_workerBusy || m_bootloaderRoadActive || (m_driveWaitTimer && m_driveWaitTimer->isActive())
        || (m_pUpdateFirmwareDia && m_pUpdateFirmwareDia->updateRunning()))
        return;
    const QList<hidStructInfoAll> waiting = updateModeKeyboards();
    if (waiting.isEmpty())
        return;
    if (!m_pUpdateFirmwareDia) {
        checkUpgradeableDevices(1);
        return;
    }
    // An open dialog gains the rows it lacks.
    QStringList shown;
    for (const UpdateFirmwareInfoItem *row : m_pUpdateFirmwareDia->items())
        shown << row->hidPath();
    for (const hidStructInfoAll &r : waiting) {
        if (!shown.contains(QString::fromUtf8(r.hidPath))) {
            checkUpgradeableDevices(1);
            m_pUpdateFirmwareDia->setUpgradeDeviceList(m_upgradeHidList, m_devicePage ? m_devicePage->keyboardLinks()
                                                                                       : QMap<QString, DDeviceKeyboardLink *>(),
                                                       m_updateModePaths, m_refusedImages);
            return;
        }
    }
}

DMainWidget::UpdateFailure DMainWidget::checkBeforeSwitch(const UpdateFirmwareInfoItem &row, bool *inUpdateMode)
{
    const UpdateFailure why = checkEmbeddedImage(row.hidName(), row.hidUsbOrDongle());
    if (why != UpdateFailure::None)
        return why;
    *inUpdateMode = waitsInUpdateMode(row.hidPath());
    if (!*inUpdateMode && !(row.hidInterface() && row.hidInterface()->isHidOpen())) {
        // Its keyboard left the row's link: a keyboard of its model waiting
        // in update mode is that one (a failed or interrupted update).
        for (const hidStructInfoAll &r : updateModeKeyboards()) {
            if (row.hidName() == QString::fromUtf8(r.hidName)) {
                m_updateModePaths << row.hidPath();
                *inUpdateMode = true;
                break;
            }
        }
    }
    return UpdateFailure::None;
}

// ------------------------------------------------------------- the dialog

int &DMainWidget::bootloaderWaitMs()
{
    static int ms = 15000;
    return ms;
}

int &DMainWidget::driveLeaveWaitMs()
{
    static int ms = 5000;
    return ms;
}

QString &DMainWidget::firmwareImageFolder()
{
    static QString folder = QStringLiteral(":/images/UpdateFirmwareFile/");
    return folder;
}

int &DMainWidget::updateModeScanDelayMs()
{
    static int ms = 1500;
    return ms;
}

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    if (m_pUpdateFirmwareDia)
        return;
    auto *overlay = new QWidget(this, Qt::FramelessWindowHint);
    overlay->setObjectName(QStringLiteral("widget"));
    overlay->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    overlay->setAttribute(Qt::WA_StyledBackground);
    overlay->setGeometry(rect());
    if (m_upgradeOverlay)
        m_upgradeOverlay->deleteLater();
    m_upgradeOverlay = overlay;
    if (m_upgradeWindowOpenMode == 0) {
        overlay->show();
        overlay->raise();
    } else {
        overlay->hide();
    }

    auto *dia = new DUpdateFirmwareDia(this);
    m_pUpdateFirmwareDia = dia;
    dia->setUpgradeDeviceList(m_upgradeHidList,
                              m_devicePage ? m_devicePage->keyboardLinks() : QMap<QString, DDeviceKeyboardLink *>(),
                              m_updateModePaths, m_refusedImages);
    dia->setStartCheck([this](const UpdateFirmwareInfoItem &row, bool *inUpdateMode) {
        const UpdateFailure why = checkBeforeSwitch(row, inUpdateMode);
        // The row switches the keyboard next and it leaves: the light
        // synchronisation (its 0x16 repeat, its frames) would go on writing
        // to a keyboard that is gone.
        if (why == UpdateFailure::None && !*inUpdateMode && m_devicePage)
            m_devicePage->stopLightSyncFor(row.hidPath());
        return why;
    });
    connect(dia, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this, &DMainWidget::onUpdateFirmwareWindowClose);
    connect(dia, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    QRect placed(QPoint(origin.x() + (width() - dia->width()) / 2, origin.y() + (height() - dia->height()) / 2),
                 dia->size());
    // Wider than the window in some languages: never past the screen's edge.
    const QRect area = DUpdateFirmwareDia::screenArea()(dia);
    if (area.isValid()) {
        placed.moveRight(qMin(placed.right(), area.right()));
        placed.moveLeft(qMax(placed.left(), area.left()));
    }
    dia->move(placed.topLeft());
    // Opened from the (modal) settings dialog, a modeless dialog would get
    // no input at all: it then stacks as the newest modal window instead.
    dia->setModal(false);
    if (QApplication::activeModalWidget())
        dia->setWindowModality(Qt::ApplicationModal);
    dia->show();
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    if (m_upgradeOverlay)
        m_upgradeOverlay->hide();
    if (m_pUpdateFirmwareDia)
        delete m_pUpdateFirmwareDia.data();
    m_pUpdateFirmwareDia = nullptr;
}

void DMainWidget::reportToUpdateDialog(std::function<void(DUpdateFirmwareDia *)> fn)
{
    // Workers never touch the dialog: the call runs on the interface thread
    // and finds the dialog gone when it was closed meanwhile. The calls pass
    // through a queue of our own under a standard mutex, and the queued call
    // names a method instead of carrying a functor, so the hand-over is one
    // a race checker can see.
    {
        std::lock_guard<std::mutex> lock(m_updateReportsLock);
        m_updateReports.push_back(std::move(fn));
    }
    QMetaObject::invokeMethod(this, "runUpdateDialogReports", Qt::QueuedConnection);
}

void DMainWidget::runUpdateDialogReports()
{
    std::vector<std::function<void(DUpdateFirmwareDia *)>> reports;
    {
        std::lock_guard<std::mutex> lock(m_updateReportsLock);
        reports.swap(m_updateReports);
    }
    for (const auto &fn : reports)
        if (m_pUpdateFirmwareDia)
            fn(m_pUpdateFirmwareDia.data());
}

void DMainWidget::finishUpgrade(bool success, UpdateFailure why)
{
    if (!success)
        qDebug() << "firmware: update failed:" << DUpdateFirmwareDia::failureText(why);
    reportToUpdateDialog([success, why](DUpdateFirmwareDia *dia) {
        if (success)
            dia->upgradeFirmwareSuc();
        else
            dia->upgradeFirmwareFailed(why);
    });
}

// -------------------------------------------------------------- the start

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle)
{
    qDebug() << "----------------------------------------- strHidPath:" << strHidPath << "  strSN:" << strSN
             << "  strHidName:" << strHidName;
    m_hidUpgradeRetryNum = 0;
    m_keyboardRemoved = false;
    m_upgradeKeyboardLeft = false;
    m_strUpgradeHidPath = strHidPath;
    m_lastQueuedPercent = -1;
    m_strUpgradeHidName = strHidName;
    m_upgradeUsbOrDongle = hidUsbOrDongle;
    // A keyboard already in update mode was not switched: nothing to wait for.
    const bool waiting = waitsInUpdateMode(strHidPath);

    switch (roadOf(strHidName)) {
    case Road::Drive: {
        if (waiting) {
            searchJlUpgradeDrive();
            break;
        }
        // Wait for this keyboard to leave (it restarts as a drive), at most
        // the leave wait, without blocking the window.
        if (!m_driveWaitTimer) {
            m_driveWaitTimer = new QTimer(this);
            m_driveWaitTimer->setInterval(50);
            connect(m_driveWaitTimer, &QTimer::timeout, this, [this] {
                if (m_upgradeKeyboardLeft || m_removeWaitTimer.elapsed() >= driveLeaveWaitMs()) {
                    m_driveWaitTimer->stop();
                    searchJlUpgradeDrive();
                }
            });
        }
        QTimer::singleShot(500, this, [this] {
            qDebug() << "firmware: waiting for the keyboard to leave";
            m_removeWaitTimer.start();
            m_driveWaitTimer->start();
        });
        break;
    }
    case Road::Bootloader:
        m_bootloaderRoadActive = true;
        if (!m_bootloaderWaitTimer) {
            m_bootloaderWaitTimer = new QTimer(this);
            m_bootloaderWaitTimer->setSingleShot(true);
            connect(m_bootloaderWaitTimer, &QTimer::timeout, this, [this] {
                if (!m_bootloaderRoadActive || m_workerBusy)
                    return;
                m_bootloaderRoadActive = false;
                finishUpgrade(false, UpdateFailure::NoUpdateMode);
            });
        }
        m_bootloaderWaitTimer->start(bootloaderWaitMs());
        if (waiting)
            searchBootloaderHid();
        break;
    case Road::None:
        // Not offered; a row for it cannot get here, but never wait for ever.
        finishUpgrade(false, UpdateFailure::Interrupted);
        break;
    }
}

// ------------------------------------------------------- bootloader road

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    m_bootloaderArrivalPending = false;
    // Only the bootloader of the keyboard being updated is written, once;
    // any other is offered its update, never written unasked.
    if (!m_bootloaderRoadActive || m_workerBusy) {
        qDebug() << "firmware: bootloader arrived with no update waiting for it";
        offerUpdateModeKeyboards();
        return;
    }
    searchBootloaderHid();
}

int DMainWidget::openBootloader()
{
    std::list<std::string> paths;
    CVardexHid_GetBootloaderList(paths);
    for (const std::string &path : paths) {
        if (!CVardexHid_IsBootloaderPath(path.c_str()) && path.rfind("sim://", 0) != 0)
            continue;
        if (const int handle = CVardexHid_OpenBootloader(path.c_str()))
            return handle;
    }
    return 0;
}

void DMainWidget::searchBootloaderHid()
{
    const int handle = openBootloader();
    if (!handle) {
        // Not there yet: the wait timer ends the update if it never is.
        qDebug() << "firmware: bootloader not found or not opened";
        return;
    }
    m_bootloaderRoadActive = false;
    if (m_bootloaderWaitTimer)
        m_bootloaderWaitTimer->stop();
    m_hBootloaderHandle = handle;
    waitForFirmwareWorker();
    m_workerBusy = true;
    m_firmwareWorker = std::thread([this] {
        hidFirmwareUpgrade();
        m_workerBusy = false;
    });
}

namespace {

void hidUpgradeProgressCallback(int total, int done)
{
    if (DMainWidget *w = DMainWidget::instance())
        w->setHidUpgradeProgress(total, done);
}

void jlUpgradeProgressCallback(int percent)
{
    if (DMainWidget *w = DMainWidget::instance())
        w->setJlUpgradeProgress(percent);
}

} // namespace

void DMainWidget::hidFirmwareUpgrade()
{
    for (;;) {
        const QString name = imageName(m_strUpgradeHidName, m_upgradeUsbOrDongle);
        // Judged again here: the image may have changed since the press.
        QByteArray image;
        UpdateFailure why = checkEmbeddedImage(m_strUpgradeHidName, m_upgradeUsbOrDongle, &image);
        int rc = -1;
        if (why == UpdateFailure::None) {
            QTemporaryDir dir(firmwareCopy::folderTemplate(appPaths::appDataDir()));
            QFile copy(dir.path() + QLatin1Char('/') + name);
            if (dir.isValid() && copy.open(QIODevice::WriteOnly) && copy.write(image) == image.size() && copy.flush()) {
                copy.close();
                // The real image size: the transfer never reads past it.
                rc = CVardexHid_FirmwareUpgrade(m_hBootloaderHandle, QFile::encodeName(copy.fileName()).constData(),
                                                0, 0, m_upgradeUsbOrDongle, &hidUpgradeProgressCallback);
                if (rc != 0 && rc != -1 && rc != -3)
                    why = failureOfFile(rc);
            } else {
                qDebug() << "firmware: the image could not be copied";
                why = UpdateFailure::ImageNotPrepared;
            }
        }
        CVardexHid_CloseBootloader(m_hBootloaderHandle);
        m_hBootloaderHandle = 0;
        if (rc == 0) {
            finishUpgrade(true);
            return;
        }
        // The image itself at fault: another attempt would fail the same way.
        if (why != UpdateFailure::None) {
            finishUpgrade(false, why);
            return;
        }
        qDebug() << "firmware: bootloader transfer failed" << rc;
        if (!retryHidUpgrade(rc == -3 ? UpdateFailure::KeyboardRefused : UpdateFailure::KeyboardLeft))
            return;
    }
}

bool DMainWidget::retryHidUpgrade(UpdateFailure why)
{
    if (m_hidUpgradeRetryNum < 3) {
        ++m_hidUpgradeRetryNum;
        m_hBootloaderHandle = openBootloader();
        if (m_hBootloaderHandle)
            return true;
        qDebug() << "firmware: bootloader gone before the retry";
        why = UpdateFailure::KeyboardLeft;
    }
    finishUpgrade(false, why);
    return false;
}

void DMainWidget::setHidUpgradeProgress(int total, int done)
{
    // Only a new percentage crosses to the interface thread.
    const int percent = DUpdateFirmwareDia::percentOf(total, done);
    if (percent < 0 || m_lastQueuedPercent.exchange(percent) == percent)
        return;
    reportToUpdateDialog([total, done](DUpdateFirmwareDia *dia) { dia->setUpgradeProgress(total, done); });
}

void DMainWidget::setJlUpgradeProgress(int percent)
{
    setHidUpgradeProgress(100, percent);
}

void DMainWidget::waitForFirmwareWorker()
{
    if (m_firmwareWorker.joinable())
        m_firmwareWorker.join();
}

// ------------------------------------------------------------ drive road

namespace {

QString jlErrorText(int rc, bool query)
{
    static const int known[] = {-3, -5, -6, -9, -10, -18, -20, -21, -22, -23, -24, -25, -26};
    if (query && rc == -10)
        return QStringLiteral("Error -1");
    for (int k : known)
        if (rc == k)
            return QStringLiteral("Error %1").arg(rc);
    return QStringLiteral("Error -1");
}

} // namespace

void DMainWidget::searchJlUpgradeDrive()
{
    if (!JL_queryDevicePidVid || !JL_upgradeDevice) {
        finishUpgrade(false, UpdateFailure::Interrupted);
        return;
    }
    // The updater writes the image it loaded last, which another check may
    // have replaced: load this keyboard's own again, checked whole.
    const UpdateFailure why = checkEmbeddedImage(m_strUpgradeHidName, m_upgradeUsbOrDongle);
    if (why != UpdateFailure::None) {
        finishUpgrade(false, why);
        return;
    }
    int rc = -5;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        deviceLetterStr = QString(QLatin1Char(letter)) + QLatin1Char(':');
        qDebug() << "--------------------------------------- ************************* JL try deviceLetterStr:"
                 << deviceLetterStr;
        rc = JL_queryDevicePidVid(letter);
        if (rc == 0)
            break;
        if (rc != -5 || letter == 'Z') {
            qDebug() << jlErrorText(rc, true);
            break;
        }
    }
    if (rc != 0) {
        finishUpgrade(false, rc == -5 ? UpdateFailure::NoUpdateDrive : UpdateFailure::DriveNoAnswer);
        return;
    }
    waitForFirmwareWorker();
    m_workerBusy = true;
    m_firmwareWorker = std::thread([this] {
        jlFirmwareUpgrade();
        m_workerBusy = false;
    });
}

void DMainWidget::jlFirmwareUpgrade()
{
    const char letter = deviceLetterStr.isEmpty() ? 'A' : deviceLetterStr.at(0).toLatin1();
    const int rc = JL_upgradeDevice(letter, 1, 1, &jlUpgradeProgressCallback);
    if (rc != 0)
        qDebug() << jlErrorText(rc, false);
    finishUpgrade(rc == 0, driveFailure(rc));
}
