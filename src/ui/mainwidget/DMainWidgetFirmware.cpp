// DMainWidgetFirmware.cpp - the firmware update driver of the main window:
// which attached keyboards have a newer embedded image, the update dialog,
// and the two roads an image travels (bootloader and update drive).
#include "ui/mainwidget/DMainWidget.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QMetaObject>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <vector>

#include "platform/appPaths.h"
#include "platform/firmwareCopy.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/settings/DSettingsDia.h"
#include "vardexSdk.h"

namespace {

const char kImageFolder[] = ":/images/UpdateFirmwareFile/";

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

// The embedded image copied into a temporary folder, as the updater reads a
// file; empty when it is not embedded or cannot be copied.
QByteArray readImageCopy(const QString &name, bool *opened)
{
    *opened = false;
    QTemporaryDir dir(firmwareCopy::folderTemplate(appPaths::appDataDir()));
    if (!dir.isValid())
        return {};
    const QString copy = dir.path() + QLatin1Char('/') + name;
    if (!QFile::copy(QLatin1String(kImageFolder) + name, copy))
        return {};
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Open hex file error";
        return {};
    }
    *opened = true;
    return file.readAll();
}

bool sameText(const QString &a, const char *b)
{
    return QString::compare(a, QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
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
    for (hidStructInfoAll info : devices) {
        if (!isFirmwareNewer(info))
            continue;
        const QByteArray version = m_strNewFirmwareVersion.toLatin1();
        std::memset(info.newFirmwareVersion, 0, sizeof info.newFirmwareVersion);
        std::memcpy(info.newFirmwareVersion, version.constData(),
                    size_t(qMin(version.size(), int(sizeof info.newFirmwareVersion) - 1)));
        m_upgradeHidList.append(info);
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

bool DMainWidget::isFirmwareNewer(hidStructInfoAll info)
{
    info.hidName[sizeof info.hidName - 1] = 0;
    const QString model = QString::fromUtf8(info.hidName);
    // A model whose image has no road to the keyboard is not offered.
    if (!hasUpgradeRoad(model))
        return false;
    const bool ufw = isUfwModel(model);
    const QString name = model + (info.hidUsbOrDongle == 1 ? QStringLiteral("_Dongle") : QString())
        + (ufw ? QStringLiteral(".ufw") : QStringLiteral(".bin"));
    bool opened = false;
    QByteArray image = readImageCopy(name, &opened);
    if (!opened)
        return false;
    info.firmwareVersion[sizeof info.firmwareVersion - 1] = 0;

    if (ufw) {
        if (!JL_loadUfwData || !JL_getUfwCrc || !JL_getUfwPidVid) {
            qDebug() << "---------------- *** File error *** ---------------";
            return false;
        }
        uint16_t crc16 = 0;
        uint32_t crc32 = 0;
        char identity[17] = {};
        char version[5] = {};
        if (JL_loadUfwData(reinterpret_cast<const unsigned char *>(image.constData()), uint32_t(image.size())) != 0
            || JL_getUfwCrc(&crc16, &crc32) != 0 || JL_getUfwPidVid(identity, 17, version, 4) != 0) {
            qDebug() << "---------------- *** File error *** ---------------";
            return false;
        }
        identity[16] = 0;
        m_strNewFirmwareVersion = QString::fromLatin1(version, int(strnlen(version, 4)));
        return model == QString::fromLatin1(identity)
            && CVardexFw_CompareVersions(version, info.firmwareVersion) > 0;
    }

    char identity[CVARDEX_FW_BIN_IDENTITY_SIZE + 1];
    CVardexFw_BinIdentity(reinterpret_cast<const unsigned char *>(image.constData()),
                          size_t(qMin(image.size(), int(CVARDEX_FW_BIN_SCAN_SIZE))), identity);
    const QString text = QString::fromLatin1(identity);
    info.fwInfoPart1[sizeof info.fwInfoPart1 - 1] = 0;
    info.fwInfoPart2[sizeof info.fwInfoPart2 - 1] = 0;
    info.fwInfoPart4[sizeof info.fwInfoPart4 - 1] = 0;
    const QString version = text.section(QLatin1Char(','), 5, 5);
    const bool newer = sameText(text.section(QLatin1Char(','), 0, 0), info.fwInfoPart1)
        && sameText(text.section(QLatin1Char(','), 1, 1), info.fwInfoPart2)
        && sameText(text.section(QLatin1Char(','), 3, 3), info.fwInfoPart4)
        && sameText(text.section(QLatin1Char(','), 4, 4), info.hidName)
        && CVardexFw_CompareVersions(version.toLatin1().constData(), info.firmwareVersion) > 0;
    if (newer)
        m_strNewFirmwareVersion = version;
    return newer;
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
    dia->setUpgradeDeviceList(m_upgradeHidList, m_devicePage ? m_devicePage->keyboardLinks()
                                                             : QMap<QString, DDeviceKeyboardLink *>());
    connect(dia, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this, &DMainWidget::onUpdateFirmwareWindowClose);
    connect(dia, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    dia->move(origin.x() + (width() - dia->width()) / 2, origin.y() + (height() - dia->height()) / 2);
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
    // and finds the dialog gone when it was closed meanwhile.
    QMetaObject::invokeMethod(
        this,
        [this, fn] {
            if (m_pUpdateFirmwareDia)
                fn(m_pUpdateFirmwareDia.data());
        },
        Qt::QueuedConnection);
}

void DMainWidget::finishUpgrade(bool success)
{
    reportToUpdateDialog([success](DUpdateFirmwareDia *dia) {
        if (success)
            dia->upgradeFirmwareSuc();
        else
            dia->upgradeFirmwareFailed();
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

    switch (roadOf(strHidName)) {
    case Road::Drive: {
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
            m_removeWaitTimer.start();
            m_driveWaitTimer->start();
        });
        break;
    }
    case Road::Bootloader:
        m_strUpgradeHidName = strHidName;
        m_upgradeUsbOrDongle = hidUsbOrDongle;
        m_bootloaderRoadActive = true;
        if (!m_bootloaderWaitTimer) {
            m_bootloaderWaitTimer = new QTimer(this);
            m_bootloaderWaitTimer->setSingleShot(true);
            connect(m_bootloaderWaitTimer, &QTimer::timeout, this, [this] {
                if (!m_bootloaderRoadActive || m_workerBusy)
                    return;
                qDebug() << "firmware: no bootloader arrived";
                m_bootloaderRoadActive = false;
                finishUpgrade(false);
            });
        }
        m_bootloaderWaitTimer->start(bootloaderWaitMs());
        break;
    case Road::None:
        // Not offered; a row for it cannot get here, but never wait for ever.
        finishUpgrade(false);
        break;
    }
}

// ------------------------------------------------------- bootloader road

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    m_bootloaderArrivalPending = false;
    // Only the bootloader of the keyboard being updated is written, once.
    if (!m_bootloaderRoadActive || m_workerBusy) {
        qDebug() << "firmware: bootloader arrived with no update waiting for it";
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
        const QString name = m_strUpgradeHidName + (m_upgradeUsbOrDongle ? QStringLiteral("_Dongle.bin")
                                                                         : QStringLiteral(".bin"));
        int rc = -2;
        {
            QTemporaryDir dir(firmwareCopy::folderTemplate(appPaths::appDataDir()));
            const QString copy = dir.path() + QLatin1Char('/') + name;
            if (dir.isValid() && QFile::copy(QLatin1String(kImageFolder) + name, copy)) {
                // The real image size: the transfer never reads past it.
                rc = CVardexHid_FirmwareUpgrade(m_hBootloaderHandle, QFile::encodeName(copy).constData(), 0, 0,
                                                m_upgradeUsbOrDongle, &hidUpgradeProgressCallback);
            } else {
                qDebug() << "firmware: the image could not be copied";
            }
        }
        CVardexHid_CloseBootloader(m_hBootloaderHandle);
        m_hBootloaderHandle = 0;
        if (rc == 0) {
            finishUpgrade(true);
            return;
        }
        qDebug() << "firmware: bootloader transfer failed" << rc;
        if (rc == -2 || !retryHidUpgrade())
            return;
    }
}

bool DMainWidget::retryHidUpgrade()
{
    if (m_hidUpgradeRetryNum < 3) {
        ++m_hidUpgradeRetryNum;
        m_hBootloaderHandle = openBootloader();
        if (m_hBootloaderHandle)
            return true;
        qDebug() << "firmware: bootloader gone before the retry";
    }
    finishUpgrade(false);
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
        finishUpgrade(false);
        return;
    }
    bool found = false;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        deviceLetterStr = QString(QLatin1Char(letter)) + QLatin1Char(':');
        qDebug() << "--------------------------------------- ************************* JL try deviceLetterStr:"
                 << deviceLetterStr;
        const int rc = JL_queryDevicePidVid(letter);
        if (rc == 0) {
            found = true;
            break;
        }
        if (rc != -5 || letter == 'Z') {
            qDebug() << jlErrorText(rc, true);
            break;
        }
    }
    if (!found) {
        finishUpgrade(false);
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
    finishUpgrade(rc == 0);
}
