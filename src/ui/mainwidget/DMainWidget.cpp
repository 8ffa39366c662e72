#include "ui/mainwidget/DMainWidget.h"
#include "ui_DMainWidget.h"

#include "data/DDataManager.h"
#include "platform/autostart.h"
#include "platform/hotplugMonitor.h"
#include "platform/simulateOption.h"
#include "ui/widgets/themeStyle.h"
#include "vardexSdk.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopWidget>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>

namespace {

DMainWidget *g_mainWidget = nullptr;

// Band width of the resize border, in pixels from each edge (inclusive).
constexpr int kEdge = 4;
constexpr int kTitleHeight = 45;
constexpr int kListColumnWidth = 231;

const QColor kListColumnShown(34, 34, 58);
const QColor kBody(26, 27, 49);

QString userConfigDir()
{
    return DDataManager::instance()->userConfigDir();
}

QString buttonStyle(const QString &def, const QString &sel)
{
    return QStringLiteral("QPushButton{border-image: url(:/images/mainpage/%1);}"
                          "QPushButton:hover{border-image: url(:/images/mainpage/%2);}"
                          "QPushButton:pressed{border-image: url(:/images/mainpage/%2);}")
        .arg(def, sel);
}

// Connects a signal of a dialog that comes from elsewhere in the tool, when the
// dialog offers it.
void connectIfPresent(QObject *sender, const char *signalSig, QObject *receiver, const char *memberSig,
                      bool memberIsSignal = false)
{
    if (!sender || !receiver)
        return;
    const QMetaObject *smo = sender->metaObject();
    const QMetaObject *rmo = receiver->metaObject();
    const int si = smo->indexOfSignal(QMetaObject::normalizedSignature(signalSig));
    const int ri = memberIsSignal ? rmo->indexOfSignal(QMetaObject::normalizedSignature(memberSig))
                                  : rmo->indexOfMethod(QMetaObject::normalizedSignature(memberSig));
    if (si < 0 || ri < 0)
        return;
    QObject::connect(sender, smo->method(si), receiver, rmo->method(ri));
}

// Stands in the device area until a keyboard page is plugged in.
class PlaceholderDevicePage : public DDevicePageView
{
public:
    explicit PlaceholderDevicePage(QWidget *parent)
        : DDevicePageView(parent)
    {
        auto *layout = new QVBoxLayout(this);
        auto *label = new QLabel(QObject::tr("Device not connected"), this);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: rgb(150, 150, 180); font-size: 16pt;"));
        layout->addWidget(label);
    }
    void updateHidList(int, QString) override {}
    void retranslate() override {}
    void stopLightSyncIfRunning() override {}
    void setDeviceListVisible(bool) override {}
};

} // namespace

DMainWidget::Factories &DMainWidget::factories()
{
    static Factories f;
    return f;
}

VendorSdkCalls &DMainWidget::vendorSdk()
{
    static VendorSdkCalls calls = VendorSdkCalls::library();
    return calls;
}

std::function<bool()> &DMainWidget::trayAvailable()
{
    static std::function<bool()> available = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return available;
}

DMainWidget *DMainWidget::instance()
{
    return g_mainWidget;
}

QSize DMainWidget::minimumSizeFor(const QSize &available)
{
    const QSize wanted = available.width() > 1920 || available.height() > 1080 ? QSize(1450, 810) : QSize(1280, 715);
    // A screen smaller than that (1024 x 768, say) gets a window that fits,
    // so its controls never end up off the screen.
    return available.isValid() && !available.isEmpty() ? wanted.boundedTo(available) : wanted;
}

DMainWidget::EdgeRegion DMainWidget::regionAt(const QPoint &tl, const QPoint &br, const QPoint &g)
{
    const bool left = tl.x() <= g.x() && g.x() <= tl.x() + kEdge;
    const bool right = br.x() - kEdge <= g.x() && g.x() <= br.x();
    const bool top = tl.y() <= g.y() && g.y() <= tl.y() + kEdge;
    const bool bottom = br.y() - kEdge <= g.y() && g.y() <= br.y();
    if (left && top)
        return LEFTTOP;
    if (right && bottom)
        return RIGHTBOTTOM;
    if (left && bottom)
        return LEFTBOTTOM;
    if (right && top)
        return RIGHTTOP;
    if (left)
        return LEFT;
    if (right)
        return RIGHT;
    if (top)
        return UP;
    if (bottom)
        return DOWN;
    return NONE;
}

Qt::CursorShape DMainWidget::cursorFor(EdgeRegion region)
{
    switch (region) {
    case LEFTTOP:
    case RIGHTBOTTOM:
        return Qt::SizeFDiagCursor;
    case LEFTBOTTOM:
    case RIGHTTOP:
        return Qt::SizeBDiagCursor;
    case LEFT:
    case RIGHT:
        return Qt::SizeHorCursor;
    case UP:
    case DOWN:
        return Qt::SizeVerCursor;
    case NONE:
        break;
    }
    return Qt::ArrowCursor;
}

DMainWidget::DMainWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DMainWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    g_mainWidget = this;

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1920, 1080);
    setMinimumSize(minimumSizeFor(available));
    resize(size().expandedTo(minimumSize()).boundedTo(available));
    // Without a system frame the window manager has no title to place by:
    // start centred on the screen.
    if (screen) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);

    for (QWidget *w : {static_cast<QWidget *>(ui->frame_Bg), static_cast<QWidget *>(ui->frame_Title),
                       static_cast<QWidget *>(ui->frame_Main), static_cast<QWidget *>(ui->stackedWidget_Main),
                       static_cast<QWidget *>(this)})
        w->setMouseTracking(true);
    m_leftButtonHeld = false;
    m_region = NONE;
    setCursor(Qt::ArrowCursor);
    installEventFilter(this);
    ui->frame_Bg->installEventFilter(this);
    ui->frame_Title->installEventFilter(this);
    ui->frame_Main->installEventFilter(this);

    m_listToggle = new QPushButton(this);
    m_listToggle->setObjectName(QStringLiteral("pushButton_ListCtrl"));
    m_listToggle->setFocusPolicy(Qt::NoFocus);
    m_listToggle->setCursor(Qt::PointingHandCursor);
    m_listToggle->setStyleSheet(buttonStyle(QStringLiteral("listCtrlHideDef.png"), QStringLiteral("listCtrlHideSel.png")));
    connect(m_listToggle, &QPushButton::clicked, this, &DMainWidget::onClickCtrlHidListStatusBut);

    {
        QSettings defaults(QStringLiteral(":/images/configDir/VardexDefaultConfig.ini"), QSettings::IniFormat);
        defaults.setIniCodec("UTF-8");
        DDataManager::instance()->setUseLocalFont(
            defaults.value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());
        m_companyName = QStringLiteral("CompanyName");
        if (defaults.contains(QStringLiteral("CompanyName/ComName")))
            m_companyName = defaults.value(QStringLiteral("CompanyName/ComName")).toString();
    }
    setWindowTitle(m_companyName);
    QFont appNameFont = DDataManager::instance()->font(0);
    appNameFont.setPointSize(16);
    ui->label_AppName->setFont(appNameFont);
    ui->label_AppName->setText(m_companyName);
    ui->appLogo->setStyleSheet(QStringLiteral("QPushButton{border-image: url(%1);}").arg(QStringLiteral(":/images/vardexLogo.png")));
    setWindowIcon(QIcon(QStringLiteral(":/images/vardexLogo.png")));

    m_settings = new QSettings(settingsPath(), QSettings::IniFormat, this);
    writeFirstRunDefaults();

    createTrayIcon();
    registerDeviceNotify();
    initVendorSdk();
    createDevicePage();
    // Empty when the device library did not start: still a valid text.
    DDataManager::instance()->setMacroXmlPath(m_macroXmlPath);

    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Into, this, &DMainWidget::onHidDeviceConnectChanging_Into);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Remove, this, &DMainWidget::onHidDeviceConnectChanging_Remove);

    placeListToggleButton();
}

DMainWidget::~DMainWidget()
{
    waitForFirmwareWorker();
    CVardexSim_SetHotplugCallback(nullptr, nullptr);
    if (g_mainWidget == this)
        g_mainWidget = nullptr;
    // The tray menu is parented to the desktop widget, not to the window.
    delete m_trayMenu;
}

QString DMainWidget::settingsPath() const
{
    return DDataManager::instance()->settingsFilePath();
}

QVector<SupportedDeviceIds> DMainWidget::supportedDevices() const
{
    return m_supportedDevices ? *m_supportedDevices : QVector<SupportedDeviceIds>();
}

void DMainWidget::writeFirstRunDefaults()
{
    const bool autoStartAbsent = !m_settings->contains(QStringLiteral("AutoStart/isAutoStart"));
    for (const char *key : {"AutoStart/isAutoStart", "MinimizeToTray/isMinimizeToTray", "CloseToTray/isCloseToTray"}) {
        if (!m_settings->contains(QLatin1String(key)))
            m_settings->setValue(QLatin1String(key), true);
    }
    m_settings->sync();
    if (autoStartAbsent && !autostart::writeEntry(QCoreApplication::applicationFilePath()))
        qWarning() << "auto-start: cannot write" << autostart::entryPath();
}

void DMainWidget::createTrayMenu()
{
    m_actMinimize = new QAction(this);
    m_actMaximize = new QAction(this);
    m_actRevert = new QAction(this);
    m_actQuit = new QAction(QIcon(QStringLiteral(":/images/mainpage/closeWindowSel.png")), QString(), this);
    retranslateTray();
    connect(m_actMinimize, &QAction::triggered, this, &DMainWidget::onMinApp);
    connect(m_actMaximize, &QAction::triggered, this, &DMainWidget::showMaximized);
    connect(m_actRevert, &QAction::triggered, this, &DMainWidget::showNormal);
    connect(m_actQuit, &QAction::triggered, this, &DMainWidget::onQuitApp);

    m_trayMenu = new QMenu(QApplication::desktop());
    themeStyle::styleMenu(m_trayMenu);
    m_trayMenu->addAction(m_actMinimize);
    m_trayMenu->addAction(m_actMaximize);
    m_trayMenu->addAction(m_actRevert);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_actQuit);
}

void DMainWidget::retranslateTray()
{
    m_actMinimize->setText(QApplication::translate("", "Minimize(&N)"));
    m_actMaximize->setText(QApplication::translate("", "Maximize(&X)"));
    m_actRevert->setText(QApplication::translate("", "Revert(&R)"));
    m_actQuit->setText(QApplication::translate("", "Quit(&Q)"));
}

void DMainWidget::createTrayIcon()
{
    createTrayMenu();
    if (!trayAvailable()())
        return;
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setIcon(QIcon(QStringLiteral(":/images/trayLogo.ico")));
    m_trayIcon->setToolTip(m_companyName);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->show();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &DMainWidget::iconActivated);
}

void DMainWidget::registerDeviceNotify()
{
    m_hotplug = new HotplugMonitor(this);
    connect(m_hotplug, &HotplugMonitor::deviceChanged, this, &DMainWidget::onDeviceInterfaceChanged);
    m_hotplug->start();
    // The simulated keyboards' plug and unplug take the same road as udev's.
    // The callback runs on whichever thread plugged; feedFromAnyThread
    // brings it onto the interface thread.
    CVardexSim_SetHotplugCallback(&DMainWidget::simulatedHotplug, m_hotplug);
}

void DMainWidget::simulatedHotplug(const char *path, int arrived, void *ctx)
{
    auto *monitor = static_cast<HotplugMonitor *>(ctx);
    HotplugEvent event;
    event.arrival = arrived != 0;
    event.path = QString::fromLatin1(path);
    event.physicalKey = event.path;
    if (!hotplug::idsFromSimulatedPath(event.path, &event.vid, &event.pid))
        return;
    monitor->feedFromAnyThread(event);
}

void DMainWidget::initVendorSdk()
{
    VendorSdkCalls &sdk = vendorSdk();

    char version[1024];
    std::memset(version, 0, sizeof version);
    if (sdk.versionStr)
        sdk.versionStr(version);
    version[sizeof version - 1] = '\0';
    ui->label_SdkVer->setText(QString::fromUtf8(version));
    ui->label_SdkVer->hide();

    // The simulated keyboard is chosen before the HID layer starts.
    applySimulateOption(QCoreApplication::arguments());

    const int xml = sdk.xmlInit ? sdk.xmlInit() : -1;
    const int hid = sdk.hidInit ? sdk.hidInit() : -1;
    const int light = sdk.lightInit ? sdk.lightInit() : -1;
    if (xml != 0 || hid != 0 || light != 0)
        return;

    const QByteArray path = QFile::encodeName(userConfigDir() + QStringLiteral("/appMacro.xml"));
    if (path.size() < int(sizeof m_macroXmlPath)) {
        std::memcpy(m_macroXmlPath, path.constData(), size_t(path.size()) + 1);
        if (!QFile::exists(QFile::decodeName(path)) && sdk.createXmlFile)
            sdk.createXmlFile(m_macroXmlPath);
    } else {
        // A path that does not fit is not cut short into another file's name.
        qWarning() << "macro store path too long:" << path;
    }

    m_supportedDevices = std::make_unique<QVector<SupportedDeviceIds>>();
    if (sdk.supportList)
        *m_supportedDevices = sdk.supportList();

    loadUpdaterEntryPoints();
}

void DMainWidget::createDevicePage()
{
    DDevicePageView *page = factories().devicePage ? factories().devicePage(ui->page_Device)
                                                   : new PlaceholderDevicePage(ui->page_Device);
    if (!page)
        return;
    m_devicePage = page;
    ui->page_Device->layout()->addWidget(page);
    connect(page, &DDevicePageView::sigShowMacroPage, this, &DMainWidget::onShowMacroPage);
    connect(page, &DDevicePageView::sigReturnHidLikeName, this, &DMainWidget::onReturnHidLikeName);
}

// ---------------------------------------------------------------- hot-plug

void DMainWidget::onDeviceInterfaceChanged(bool arrival, const QString &path, quint16 vid, quint16 pid)
{
    bool supported = false;
    if (m_supportedDevices) {
        for (const SupportedDeviceIds &ids : *m_supportedDevices) {
            if (hotplug::idsMatch(ids.vendorId, ids.productId, vid, pid)) {
                supported = true;
                break;
            }
        }
    }
    if (supported) {
        // Give the device's remaining interfaces time to appear (or go)
        // before the device page enumerates again. The window keeps running
        // meanwhile: changes that come together are handed on together.
        m_settlingChanges.append(qMakePair(arrival, path));
        if (!m_hotplugSettleTimer) {
            m_hotplugSettleTimer = new QTimer(this);
            m_hotplugSettleTimer->setSingleShot(true);
            m_hotplugSettleTimer->setTimerType(Qt::PreciseTimer);
            m_hotplugSettleTimer->setInterval(300);
            connect(m_hotplugSettleTimer, &QTimer::timeout, this, &DMainWidget::onHotplugSettled);
        }
        if (!m_hotplugSettleTimer->isActive())
            m_hotplugSettleTimer->start();
    }
    // A bootloader seen through two nodes (USB device and hidraw) is one
    // arrival: the firmware road starts once.
    if (arrival && hotplug::isBootloaderId(vid, pid) && !m_bootloaderArrivalPending) {
        m_bootloaderArrivalPending = true;
        QTimer::singleShot(600, this, &DMainWidget::ontheHidIntoFirmwareUpgrade);
    }
}

void DMainWidget::onHotplugSettled()
{
    const QList<QPair<bool, QString>> changes = m_settlingChanges;
    m_settlingChanges.clear();
    for (const auto &change : changes) {
        if (change.first)
            emit sigHidDeviceConnectChanging_Into(change.second);
        else
            emit sigHidDeviceConnectChanging_Remove(change.second);
    }
}

void DMainWidget::onHidDeviceConnectChanging_Into(QString)
{
    if (m_devicePage)
        m_devicePage->updateHidList(11);
}

void DMainWidget::onHidDeviceConnectChanging_Remove(QString hidPath)
{
    m_keyboardRemoved = true;
    if (!m_strUpgradeHidPath.isEmpty() && hidPath == m_strUpgradeHidPath)
        m_upgradeKeyboardLeft = true;
    if (m_devicePage)
        m_devicePage->updateHidList(12);
}

// ---------------------------------------------------------- firmware road

// The driver lives in DMainWidgetFirmware.cpp.

// ------------------------------------------------------------ tray, close

void DMainWidget::onMinApp()
{
    hide();
}

void DMainWidget::endProcess()
{
    if (m_settings)
        m_settings->sync();
    QCoreApplication::exit(0);
}

void DMainWidget::onQuitApp()
{
    close();
    endProcess();
}

void DMainWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}

void DMainWidget::on_pushButton_Close_clicked()
{
    const bool closeToTray = m_settings->value(QStringLiteral("CloseToTray/isCloseToTray"), false).toBool();
    // Hiding without a tray icon would leave no way back to the window.
    if (closeToTray && m_trayIcon && m_trayIcon->isVisible()) {
        hide();
        return;
    }
    close();
    endProcess();
}

void DMainWidget::closeEvent(QCloseEvent *event)
{
    if (m_devicePage)
        m_devicePage->stopLightSyncIfRunning();
    if (m_trayIcon)
        m_trayIcon->hide();
    event->accept();
}

void DMainWidget::on_pushButton_Min_clicked()
{
    showMinimized();
}

void DMainWidget::on_pushButton_Max_clicked()
{
    if (isMaximized() || isFullScreen()) {
        ui->pushButton_Max->setStyleSheet(buttonStyle(QStringLiteral("maxWindowDef.png"), QStringLiteral("maxWindowSel.png")));
        showNormal();
        setCursor(Qt::ArrowCursor);
    } else {
        ui->pushButton_Max->setStyleSheet(buttonStyle(QStringLiteral("intoMaxWindowDef.png"), QStringLiteral("intoMaxWindowSel.png")));
        showMaximized();
    }
}

// ---------------------------------------------------------------- dialogs

QWidget *DMainWidget::showDimmingOverlay()
{
    auto *overlay = new QWidget(this, Qt::FramelessWindowHint);
    overlay->setObjectName(QStringLiteral("widget"));
    overlay->setAttribute(Qt::WA_StyledBackground);
    overlay->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100); border-radius:12px;}"));
    overlay->resize(size());
    overlay->show();
    overlay->raise();
    m_overlay = overlay;
    return overlay;
}

void DMainWidget::runDialogOverOverlay(QDialog *dialog)
{
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    dialog->move(origin.x() + (width() - dialog->width()) / 2, origin.y() + (height() - dialog->height()) / 2);
    dialog->exec();
}

void DMainWidget::onShowMacroPage()
{
    if (!factories().macroDialog)
        return;
    showDimmingOverlay();
    QDialog *dialog = factories().macroDialog(this, m_macroXmlPath);
    if (!dialog) {
        onMacroPageClose();
        return;
    }
    m_macroDialog = dialog;
    connectIfPresent(dialog, "sigMacroPageClose()", this, "onMacroPageClose()");
    connectIfPresent(dialog, "sigMacroListHaveChanged(QString,QString)", m_devicePage,
                     "sigMacroListHaveChangedSendToDevice(QString,QString)", true);
    runDialogOverOverlay(dialog);
}

void DMainWidget::onMacroPageClose()
{
    if (m_overlay) {
        m_overlay->hide();
        m_overlay->deleteLater();
    }
}

void DMainWidget::on_pushButton_Setting_clicked()
{
    if (!factories().settingsDialog)
        return;
    showDimmingOverlay();
    QDialog *dialog = factories().settingsDialog(this);
    if (!dialog) {
        onSettingsWindowClose();
        return;
    }
    connectIfPresent(dialog, "sigSettingsWindowClose()", this, "onSettingsWindowClose()");
    connectIfPresent(dialog, "sigUpdataAllUI()", this, "omUpdataAllUI()");
    connectIfPresent(dialog, "sigUpdateApp()", this, "onUpdateApp()");
    connectIfPresent(dialog, "sigChangAppTheme(int)", this, "onChangAppTheme(int)");
    connectIfPresent(dialog, "sigFirmwareUpgradeCheck()", this, "onFirmwareUpgradeCheck()");
    runDialogOverOverlay(dialog);
}

void DMainWidget::onSettingsWindowClose()
{
    onMacroPageClose();
}

void DMainWidget::onChangAppTheme(int) {}
void DMainWidget::onUpdateApp() {}

void DMainWidget::onReturnHidLikeName(QString productName, QString likeName)
{
    m_productName = productName;
    m_deviceName = likeName;
    ui->label_ProductName->setText(productName);
    ui->label_DeviceName->setText(likeName);
}

void DMainWidget::omUpdataAllUI()
{
    ui->retranslateUi(this);
    setWindowTitle(m_companyName);
    ui->label_AppName->setText(m_companyName);
    ui->label_ProductName->setText(m_productName);
    ui->label_DeviceName->setText(m_deviceName);
    retranslateTray();
    if (m_devicePage)
        m_devicePage->retranslate();
    // A new language may turn the layout direction, which takes effect with
    // the language-change event still queued.
    QTimer::singleShot(0, this, &DMainWidget::placeListToggleButton);
}

void DMainWidget::onClickCtrlHidListStatusBut()
{
    m_deviceListShown = !m_deviceListShown;
    if (m_deviceListShown) {
        qDebug() << "----------------------- [ Show ] --------------------------";
        m_listToggle->setStyleSheet(buttonStyle(QStringLiteral("listCtrlHideDef.png"), QStringLiteral("listCtrlHideSel.png")));
    } else {
        qDebug() << "----------------------- [ Hide ] --------------------------";
        m_listToggle->setStyleSheet(buttonStyle(QStringLiteral("listCtrlShowDef.png"), QStringLiteral("listCtrlShowSel.png")));
    }
    if (m_devicePage)
        m_devicePage->setDeviceListVisible(m_deviceListShown);
    placeListToggleButton();
}

// ------------------------------------------------------------------ frame

void DMainWidget::updateEdgeCursor(int globalX, int globalY)
{
    if (m_leftButtonHeld)
        return;
    const QPoint tl = mapToGlobal(rect().topLeft());
    const QPoint br = mapToGlobal(rect().bottomRight());
    setCursor(cursorFor(regionAt(tl, br, QPoint(globalX, globalY))));
}

DMainWidget::EdgeRegion DMainWidget::edgeRegion(const QPoint &globalPos)
{
    const QPoint tl = mapToGlobal(rect().topLeft());
    const QPoint br = mapToGlobal(rect().bottomRight());
    m_region = regionAt(tl, br, globalPos);
    setCursor(cursorFor(m_region));
    return m_region;
}

void DMainWidget::placeListToggleButton()
{
    const int h = contentsRect().height();
    // Placed by hand, so mirrored by hand for right-to-left languages.
    const int x = m_deviceListShown ? 233 : 5;
    m_listToggle->setGeometry(isRightToLeft() ? width() - x - 10 : x, (h - 300) / 2 + 50 - 100 / 2, 10, 100);
    m_listToggle->raise();
    update();
}

bool DMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Main && event->type() == QEvent::Enter)
        setCursor(Qt::ArrowCursor);
    return QWidget::eventFilter(watched, event);
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (event->button() == Qt::LeftButton) {
        m_leftButtonHeld = true;
        if (ui->frame_4->geometry().contains(event->pos())) {
            m_dragOffset = event->globalPos() - frameGeometry().topLeft();
            event->accept();
            m_dragging = true;
        }
    } else if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
    }
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftButtonHeld = false;
        m_dragging = false;
        if (m_region != NONE) {
            setCursor(Qt::ArrowCursor);
            m_region = NONE;
        }
    }
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint g = event->globalPos();
    if (!m_leftButtonHeld) {
        edgeRegion(g);
    } else if (m_dragging || isMaximized() || isFullScreen()) {
        if (m_dragging && !isMaximized() && !isFullScreen()) {
            move(g - m_dragOffset);
            event->accept();
        }
    } else {
        const QPoint tl = mapToGlobal(rect().topLeft());
        const QPoint br = mapToGlobal(rect().bottomRight());
        QRect r(tl, br);
        auto leftRule = [&] { r.setLeft(br.x() - g.x() > minimumWidth() ? g.x() : tl.x()); };
        auto upRule = [&] { r.setTop(br.y() - g.y() > minimumHeight() ? g.y() : tl.y()); };
        auto rightRule = [&] { r.setWidth(g.x() - tl.x()); };
        auto downRule = [&] { r.setHeight(g.y() - tl.y()); };
        switch (m_region) {
        case LEFT: leftRule(); break;
        case RIGHT: rightRule(); break;
        case UP: upRule(); break;
        case DOWN: downRule(); break;
        case LEFTTOP: leftRule(); upRule(); break;
        case LEFTBOTTOM: downRule(); leftRule(); break;
        case RIGHTBOTTOM: rightRule(); downRule(); break;
        case RIGHTTOP: rightRule(); upRule(); break;
        case NONE: break;
        }
        if (m_region != NONE)
            setGeometry(r);
    }
    QWidget::mouseMoveEvent(event);
}

void DMainWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = contentsRect().width();
    const int h = contentsRect().height();
    painter.fillRect(QRect(0, kTitleHeight, kListColumnWidth, h), m_deviceListShown ? kListColumnShown : kBody);
    painter.fillRect(QRect(kListColumnWidth, kTitleHeight, w, h), kBody);
    painter.end();
    QWidget::paintEvent(event);
}

void DMainWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_overlay)
        m_overlay->resize(size());
    placeListToggleButton();
}
