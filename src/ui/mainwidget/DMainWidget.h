#ifndef DMAINWIDGET_H
#define DMAINWIDGET_H

#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>

#include "ui/mainwidget/DDevicePageView.h"
#include "ui/mainwidget/vendorSdkCalls.h"

class QAction;
class QDialog;
class QMenu;
class QPushButton;
class QSettings;
class HotplugMonitor;

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
    HotplugMonitor *hotplugMonitor() const { return m_hotplug; }
    bool deviceListShown() const { return m_deviceListShown; }
    bool keyboardRemoved() const { return m_keyboardRemoved; }
    void setKeyboardRemoved(bool removed) { m_keyboardRemoved = removed; }

    // Updater entry points of the firmware road; null until its module exists.
    void *JL_loadUfwData = nullptr;
    void *JL_getUfwCrc = nullptr;
    void *JL_getUfwPidVid = nullptr;
    void *JL_upgradeDevice = nullptr;
    void *JL_queryDevicePidVid = nullptr;

signals:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);

public slots:
    // The hot-plug road: one device interface arrived or left. Matches the
    // supported list, waits 300 ms for the device's other interfaces, then
    // signals the device page; a boot loader starts the firmware road.
    void onDeviceInterfaceChanged(bool arrival, const QString &path, quint16 vid, quint16 pid);

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
};

#endif // DMAINWIDGET_H
