#ifndef DMAINWIDGET_H
#define DMAINWIDGET_H

#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QVector>
#include <QWidget>

#include <atomic>
#include <functional>
#include <thread>
#include <memory>
#include <mutex>
#include <vector>

#include "data/hidStructInfoAll.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/mainwidget/DDevicePageView.h"
#include "ui/mainwidget/vendorSdkCalls.h"

class QAction;
class QDialog;
class QMenu;
class QPushButton;
class QSettings;
class QTimer;
class HotplugMonitor;
class DUpdateFirmwareDia;
class UpdateFirmwareInfoItem;

namespace Ui {
class DMainWidget;
}

// The tool's one top-level window: its own title bar and frame, the device
// page, the tray icon, the device library start-up and the hot-plug road.
class DMainWidget : public QWidget
{
    Q_OBJECT
public:
    enum EdgeRegion { UP = 0, DOWN, LEFT, RIGHT, LEFTTOP, LEFTBOTTOM, RIGHTBOTTOM, RIGHTTOP, NONE };
    Q_ENUM(EdgeRegion)

    // Pages and dialogs are created through these, so tests can put their own
    // in place. devicePage: returns the page with `parent` as parent; without
    // it the window shows a "not connected" stand-in.
    // macroDialog: returns the macro editor for (parent, macro store path);
    //   signals sigMacroPageClose(), sigMacroListHaveChanged(QString,QString).
    // settingsDialog: returns the settings dialog for parent; signals
    //   sigSettingsWindowClose(), sigUpdataAllUI(), sigUpdateApp(),
    //   sigChangAppTheme(int), sigFirmwareUpgradeCheck().
    struct Factories
    {
        std::function<DDevicePageView *(QWidget *parent)> devicePage;
        std::function<QDialog *(QWidget *parent, const char *macroXmlPath)> macroDialog;
        std::function<QDialog *(QWidget *parent)> settingsDialog;
    };
    static Factories &factories();

    // The device library calls used by initVendorSdk (replaceable in tests).
    static VendorSdkCalls &vendorSdk();
    // Whether the desktop offers a tray (replaceable in tests).
    static std::function<bool()> &trayAvailable();

    explicit DMainWidget(QWidget *parent = nullptr);
    ~DMainWidget() override;

    // The window the firmware transfer's worker threads report to.
    static DMainWidget *instance();

    // Minimum window size for a screen's available area.
    static QSize minimumSizeFor(const QSize &available);
    // The border band under a screen point for a window spanning tl..br.
    static EdgeRegion regionAt(const QPoint &tl, const QPoint &br, const QPoint &g);
    static Qt::CursorShape cursorFor(EdgeRegion region);

    // Called by the application for every mouse move anywhere in the tool.
    void updateEdgeCursor(int globalX, int globalY);
    EdgeRegion edgeRegion(const QPoint &globalPos);
    void placeListToggleButton();

    // Settings file "VardexConfig.ini" in the user configuration folder.
    QString settingsPath() const;
    // Macro store path handed to the data manager and the macro editor;
    // empty when the device library did not start.
    const char *macroXmlPath() const { return m_macroXmlPath; }
    bool vendorSdkReady() const { return m_supportedDevices != nullptr; }
    QVector<SupportedDeviceIds> supportedDevices() const;
    DDevicePageView *devicePage() const { return m_devicePage; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    // The tray icon is shown and a tray runs to hold it: only then may the
    // window hide, with the icon as the way back.
    bool trayIconInTray() const;
    HotplugMonitor *hotplugMonitor() const { return m_hotplug; }
    bool deviceListShown() const { return m_deviceListShown; }
    bool keyboardRemoved() const { return m_keyboardRemoved; }
    void setKeyboardRemoved(bool removed) { m_keyboardRemoved = removed; }

    // Updater entry points of the drive road, filled at start-up; a null one
    // makes its road report failure instead of calling it.
    int (*JL_loadUfwData)(const unsigned char *data, uint32_t size) = nullptr;
    int (*JL_getUfwCrc)(uint16_t *crc16, uint32_t *crc32) = nullptr;
    int (*JL_getUfwPidVid)(char *identity, int identityCap, char *version, int versionCap) = nullptr;
    int (*JL_upgradeDevice)(char letter, int verify, int reboot, void (*progress)(int percent)) = nullptr;
    int (*JL_queryDevicePidVid)(char letter) = nullptr;

    // The firmware update: which attached keyboards have a newer embedded
    // image (mode 0: open the dialog 1300 ms later over the overlay, 1: now).
    bool checkUpgradeableDevices(int mode);
    bool isFirmwareNewer(hidStructInfoAll info);
    QList<hidStructInfoAll> upgradeHidList() const { return m_upgradeHidList; }
    QString newFirmwareVersion() const { return m_strNewFirmwareVersion; }
    DUpdateFirmwareDia *updateFirmwareDia() const { return m_pUpdateFirmwareDia; }
    // Whether a model code has a road its image can travel.
    static bool hasUpgradeRoad(const QString &model);
    // How long a switched keyboard may take to come back as a bootloader,
    // and the drive road's wait for it to leave (replaceable in tests).
    static int &bootloaderWaitMs();
    static int &driveLeaveWaitMs();
    // Where the embedded images are read from (replaceable in tests), and
    // how long after start-up keyboards left in update mode are looked for.
    static QString &firmwareImageFolder();
    static int &updateModeScanDelayMs();
    // Why the image of a model cannot be sent (None when it can); the whole
    // file is checked. On success image and version (when given) are filled.
    using UpdateFailure = DUpdateFirmwareDia::UpdateFailure;
    UpdateFailure checkEmbeddedImage(const QString &model, int usbOrDongle, QByteArray *image = nullptr,
                                     QString *version = nullptr, bool *missing = nullptr);
    // Keyboards waiting in update mode with no update running for them, as
    // rows of the update dialog (path: the bootloader's, or the drive's).
    QList<hidStructInfoAll> updateModeKeyboards();
    // Offers their update when there are some and no update runs.
    void offerUpdateModeKeyboards();

    // The transfer roads (DMainWidgetFirmware.cpp).
    void searchBootloaderHid();
    void hidFirmwareUpgrade();
    // Another attempt, or the failure why when there is none left.
    bool retryHidUpgrade(UpdateFailure why);
    void searchJlUpgradeDrive();
    void jlFirmwareUpgrade();
    void setHidUpgradeProgress(int total, int done);
    void setJlUpgradeProgress(int percent);
    bool firmwareWorkerBusy() const { return m_workerBusy.load(); }
    void waitForFirmwareWorker();

signals:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);

public slots:
    // The hot-plug road: one device interface arrived or left. Matches the
    // supported list, lets 300 ms pass for the device's other interfaces
    // (without blocking the window), then signals the device page; a boot
    // loader starts the firmware road.
    void onDeviceInterfaceChanged(bool arrival, const QString &path, quint16 vid, quint16 pid);
    void onHotplugSettled();

    void onMinApp();
    void onQuitApp();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void onShowMacroPage();
    void onMacroPageClose();
    void onReturnHidLikeName(QString productName, QString likeName);
    void on_pushButton_Setting_clicked();
    void onSettingsWindowClose();
    void omUpdataAllUI();
    void onChangAppTheme(int);
    void onUpdateApp();
    void onFirmwareUpgradeCheck();
    void onClickCtrlHidListStatusBut();
    void on_pushButton_Min_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Close_clicked();
    void onHidDeviceConnectChanging_Into(QString hidPath);
    void onHidDeviceConnectChanging_Remove(QString hidPath);
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle);
    void ontheHidIntoFirmwareUpgrade();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void writeFirstRunDefaults();
    void createTrayMenu();
    void createTrayIcon();
    void registerDeviceNotify();
    void initVendorSdk();
    void createDevicePage();
    void retranslateTray();
    QWidget *showDimmingOverlay();
    void runDialogOverOverlay(QDialog *dialog);
    void endProcess();
    static void simulatedHotplug(const char *path, int arrived, void *ctx);

    std::unique_ptr<Ui::DMainWidget> ui;
    QPushButton *m_listToggle = nullptr;
    bool m_deviceListShown = true;
    std::unique_ptr<QVector<SupportedDeviceIds>> m_supportedDevices;

    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_leftButtonHeld = false;
    EdgeRegion m_region = NONE;

    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_actMinimize = nullptr;
    QAction *m_actMaximize = nullptr;
    QAction *m_actRevert = nullptr;
    QAction *m_actQuit = nullptr;

    QPointer<DDevicePageView> m_devicePage;
    QPointer<QDialog> m_macroDialog;
    QPointer<QWidget> m_overlay;
    HotplugMonitor *m_hotplug = nullptr;
    QSettings *m_settings = nullptr;

    QString m_companyName = QStringLiteral("CompanyName");
    char m_macroXmlPath[256] = {};
    QString m_productName = QStringLiteral("HID");
    QString m_deviceName = QStringLiteral("RGB");
    bool m_keyboardRemoved = false;

    // Firmware update state (DMainWidgetFirmware.cpp).
    void loadUpdaterEntryPoints();
    // Runs fn on the interface thread with the open update dialog, if any.
    void reportToUpdateDialog(std::function<void(DUpdateFirmwareDia *)> fn);
    Q_INVOKABLE void runUpdateDialogReports();
    void finishUpgrade(bool success, UpdateFailure why = UpdateFailure::None);
    UpdateFailure checkBeforeSwitch(const UpdateFirmwareInfoItem &row, bool *inUpdateMode);
    bool waitsInUpdateMode(const QString &path) const { return m_updateModePaths.contains(path); }
    // Finds and opens a bootloader; 0 when there is none.
    static int openBootloader();
    QList<hidStructInfoAll> m_upgradeHidList;
    QStringList m_updateModePaths; // rows of m_upgradeHidList already in update mode
    // Rows of m_upgradeHidList whose image is there but refused, and why.
    QMap<QString, UpdateFailure> m_refusedImages;
    // Why the last isFirmwareNewer found the image unusable (None: usable or absent).
    UpdateFailure m_imageRefusal = UpdateFailure::None;
    QString m_strNewFirmwareVersion;
    int m_upgradeWindowOpenMode = 0;
    QPointer<DUpdateFirmwareDia> m_pUpdateFirmwareDia;
    QPointer<QWidget> m_upgradeOverlay;
    QString m_strUpgradeHidName;
    int m_upgradeUsbOrDongle = 0;
    int m_hidUpgradeRetryNum = 0;
    QString deviceLetterStr;
    QElapsedTimer m_removeWaitTimer;
    // Bootloader road: the opened bootloader (0 none) and the keyboard
    // being updated, whose departure and bootloader alone count.
    int m_hBootloaderHandle = 0;
    QString m_strUpgradeHidPath;
    bool m_bootloaderRoadActive = false;   // waiting for its bootloader
    bool m_upgradeKeyboardLeft = false;    // the keyboard being updated left
    bool m_bootloaderArrivalPending = false; // the 600 ms road is started
    // Supported keyboards that came or went and are handed to the device
    // page once the settling time has passed (arrival true), in order.
    QList<QPair<bool, QString>> m_settlingChanges;
    QTimer *m_hotplugSettleTimer = nullptr;
    QTimer *m_bootloaderWaitTimer = nullptr;
    QTimer *m_driveWaitTimer = nullptr;
    std::thread m_firmwareWorker;
    std::atomic<int> m_lastQueuedPercent{-1};
    std::atomic<bool> m_workerBusy{false};
    std::mutex m_updateReportsLock;
    std::vector<std::function<void(DUpdateFirmwareDia *)>> m_updateReports;
};

#endif // DMAINWIDGET_H
