#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "DDeviceListItem.h"
#include "DOnboardDownload.h"
#include "deviceRecordFields.h"
#include "DPerformancePage.h"
#include "ui/keyboardView/dragShowArea.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keySelectFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/sideLightButtonCustom.h"

#include "data/DDataManager.h"
#include "platform/simulateOption.h"
#include "hid/DDeviceHidCmdSend.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/keyboardView/keyboardViewScroller.h"
#include "ui/mainwidget/devicePage/tileListOrder.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/BatteryItem.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DFileChooser.h"
#include "ui/widgets/DToolTipExplain.h"
#include "ui/widgets/themeStyle.h"

#include <QButtonGroup>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSettings>
#include <QStackedLayout>
#include <QTimer>
#include <QUrl>

#include <cstring>
#include <list>
#include <map>
#include <string>
#include <vector>

using namespace deviceRecordFields;

namespace {

const char kDefaultCompanyLink[] = "https://www.vardex.example";
const char kDefaultConfigResource[] = ":/images/configDir/VardexDefaultConfig.ini";
const char kDefaultProfileFile[] = "appProfile_Default.xml";
const char kFnProfileFile[] = "appProfile_FN.xml";

constexpr int kLinkReadyWaitMs = 1300;
constexpr int kProfileWaitMs = 1500;
constexpr int kGridRows = 6;
constexpr int kGridColumns = 22;

// A model code names a folder on disk and comes from the keyboard itself.
bool isUsableFolderName(const QString &name)
{
    if (name.isEmpty() || name.size() > 64)
        return false;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == '-'))
            return false;
    }
    return true;
}

// Under "Device not connected": why the simulated keyboards asked for are
// not there. Started from a menu, the tool has no terminal for the library's
// own words on stderr.
void showSimulatorProblem(Ui::DDevicePage *ui)
{
    const QString problem = simulateProblem();
    // The library's words are English, with a path: kept left to right
    // inside a right-to-left sentence, or the path's slashes wander.
    const QString isolated = QChar(0x2066) + problem + QChar(0x2069);
    ui->label_TipDetail->setText(problem.isEmpty() ? QString()
                                                   : DDevicePage::tr("The simulator did not start: %1").arg(isolated));
    ui->label_TipDetail->setVisible(!problem.isEmpty());
}

} // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : DDevicePageView(parent)
    , ui(new Ui::DDevicePage)
{
    ui->setupUi(this);
    ui->pushButton_Test->hide();
    ui->pushButton_ChangModeTest->hide();
    ui->label_ChangModeTest->hide();
    ui->label_Multiple->hide();

    ui->label->setText(tr("Device List"));
    ui->label_Tip->setText(tr("Device not connected"));
    showSimulatorProblem(ui);

    QSettings defaults(QString::fromLatin1(kDefaultConfigResource), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    m_companyLink = QString::fromLatin1(kDefaultCompanyLink);
    if (defaults.contains(QStringLiteral("CompanyLink/ComLink")))
        m_companyLink = defaults.value(QStringLiteral("CompanyLink/ComLink")).toString();
    ui->label_Url->setAlignment(Qt::AlignCenter);
    ui->label_Url->setText(companyLinkText());
    const QString showKey = QStringLiteral("MainPageCompanyLinkFrame/showStatus");
    ui->frame_Url->setVisible(defaults.contains(showKey) && defaults.value(showKey).toBool());
    connect(ui->label_Url, &QLabel::linkActivated, this, &DDevicePage::onLickActivited, Qt::DirectConnection);

    ui->label_ElectricityNum->setLevel(60);
    themeStyle::styleScrollArea(ui->scrollArea_2);
    themeStyle::styleComboBox(ui->comboBox_profileList);

    m_notice = new CbNotice(this);
    m_notice->setPixelSize(14);

    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);

    m_lightDealMain = new lightDealMain(nullptr);
    m_onboardDownload = new DOnboardDownload(this);

    m_customKeysPage = new DCustomKeysPage(ui->page_CustomKeys);
    ui->page_CustomKeys->layout()->addWidget(m_customKeysPage);
    m_lightsConfigPage = new DLightsConfigPage(ui->page_LightsConfig);
    ui->page_LightsConfig->layout()->addWidget(m_lightsConfigPage);
    m_performancePage = new DPerformancePage(ui->page_Performance);
    ui->page_Performance->layout()->addWidget(m_performancePage);

    connect(m_customKeysPage, &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch, this, &DDevicePage::onDefaultLayerAndFnLayerSwitch);
    connect(m_customKeysPage, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, this, &DDevicePage::onEveryPageBackTip);
    connect(m_customKeysPage, &DCustomKeysPage::sigTheKeyboardIntoDownloading, this, &DDevicePage::onTheKeyboardIntoDownloading);
    connect(m_customKeysPage, &DCustomKeysPage::sigAutoIntoCustomKeysPage, this, &DDevicePage::onAutoIntoCustomKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigInteractLightsPointXY, this, &DDevicePage::onInteractLightsPointXY);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this, &DDevicePage::onEveryPageBackTip);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB, this, &DDevicePage::onSelectCurrentLightTypeIndex_KB);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side, this, &DDevicePage::onSelectCurrentLightTypeIndex_Side);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged, this, &DDevicePage::onLightConfigHaveChanged);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigCustomLightItemHaveChanged, this, &DDevicePage::onCustomLightItemHaveChanged);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this, &DDevicePage::onLightConfigHaveChanged_Custom);
    connect(m_performancePage, &DPerformancePage::sigResetoreCurrentProfile, this, &DDevicePage::onResetoreCurrentProfile);
    connect(m_performancePage, &DPerformancePage::sigLightAndKeyboardSleepTime, this, &DDevicePage::onLightAndKeyboardSleepTime);
    connect(m_performancePage, &DPerformancePage::sigLockWinKeyAbout, this, &DDevicePage::onLockWinKeyAbout);
    connect(m_performancePage, &DPerformancePage::sigSomeMessageTip_PerformancePage, this, &DDevicePage::onEveryPageBackTip);

    ui->toolButton_CustomKey->installEventFilter(this);
    ui->toolButton_LightConfig->installEventFilter(this);
    ui->toolButton_MacroDialog->installEventFilter(this);
    ui->toolButton_Performance->installEventFilter(this);
    // The in-place rename takes Return (or Enter) as the tick, Escape as the cross.
    connect(ui->lineEdit_profileName, &QLineEdit::returnPressed, this, &DDevicePage::on_pushButton_Save_clicked);
    ui->lineEdit_profileName->installEventFilter(this);

    m_mainPageGroup = new QButtonGroup(this);
    m_mainPageGroup->setExclusive(true);
    m_mainPageGroup->addButton(ui->toolButton_CustomKey, 0);
    m_mainPageGroup->addButton(ui->toolButton_LightConfig, 1);
    m_mainPageGroup->addButton(ui->toolButton_Performance, 2);
    ui->toolButton_CustomKey->setChecked(true);
    connect(m_mainPageGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedMainPage);

    ui->label_Charging->hide();
    m_batteryTimer = new QTimer(this);
    m_batteryTimer->setInterval(50);
    connect(m_batteryTimer, &QTimer::timeout, this, &DDevicePage::onTimerChangingBatteryNum);

    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this, &DDevicePage::onMacroListHaveChangedSendToDevice);

    m_fileChooser = std::make_shared<DDialogFileChooser>();

    m_setupWaitTimer = new QTimer(this);
    m_setupWaitTimer->setSingleShot(true);
    connect(m_setupWaitTimer, &QTimer::timeout, this, &DDevicePage::onSetupWaitTimeout);

    QTimer::singleShot(200, this, &DDevicePage::onLoadDeviceList);
}

DDevicePage::~DDevicePage()
{
    if (m_lightDealMain && (m_lightDealMain->isKeyboardLightRunning() || m_lightDealMain->isSideLightRunning()))
        stopDeviceLights();
    discardAllLinks();
    delete m_lightDealMain;
    m_lightDealMain = nullptr;
    delete m_bubble.data();
    delete ui;
}

// ---------------------------------------------------------------------------
// Shell: texts, notice, tips, page switching
// ---------------------------------------------------------------------------

QString DDevicePage::offlineText()
{
    return tr("The device is offline");
}

QString DDevicePage::serialPendingText()
{
    return tr("The keyboard has not reported its serial number; its profiles are loaded when it does");
}

QString DDevicePage::companyLinkText() const
{
    const QString link = m_companyLink.toHtmlEscaped();
    return QStringLiteral("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span>"
                          "<a href=\"Company|%1|\"><span style=\"font-size:10pt; text-decoration:underline; "
                          "color:rgb(%2);\">%1</span>")
        .arg(link, 0, QLatin1Char(' '))
        .arg(QStringLiteral("255,143,31"), 0, QLatin1Char(' '))
        .arg(QStringLiteral("Microsoft YaHei"), 0, QLatin1Char(' '));
}

void DDevicePage::retranslate()
{
    ui->retranslateUi(this);
    ui->label_Url->setText(companyLinkText());
    ui->label->setText(tr("Device List"));
    ui->label_Tip->setText(tr("Device not connected"));
    showSimulatorProblem(ui);
    if (m_currentTile) {
        m_customKeysPage->retranslate();
        m_lightsConfigPage->retranslateLightTypeText();
        m_performancePage->retranslate();
    }
}

void DDevicePage::stopLightSyncIfRunning()
{
    if (m_lightDealMain->isKeyboardLightRunning() || m_lightDealMain->isSideLightRunning())
        stopDeviceLights();
}

void DDevicePage::stopLightSyncFor(const QString &hidPath)
{
    // Only the current keyboard's lights run.
    if (m_currentLink && m_links.value(hidPath) == m_currentLink)
        stopLightSyncIfRunning();
}

void DDevicePage::setDeviceListVisible(bool visible)
{
    ui->frame_left->setVisible(visible);
}

hidDeviceJoinFrame *DDevicePage::keyboardView() const
{
    return m_hidDeviceJoinFrame.data();
}

ArrowWidget *DDevicePage::bubble() const
{
    return m_bubble.data();
}

DDeviceListItem *DDevicePage::currentTile() const
{
    return m_currentTile.data();
}

QPoint DDevicePage::noticePosition() const
{
    return QPoint(rect().center().x(), 40);
}

void DDevicePage::showNotice(const QString &text)
{
    m_lastNotice = text;
    m_notice->showNotice(text, noticePosition());
}

void DDevicePage::onEveryPageBackTip(QString strTip)
{
    showNotice(strTip);
}

void DDevicePage::onLickActivited(QString str)
{
    Q_UNUSED(str);
    QDesktopServices::openUrl(QUrl(m_companyLink));
}

bool DDevicePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEdit_profileName) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            on_pushButton_Cancel_clicked();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    int tipIndex = -1;
    if (watched == ui->toolButton_CustomKey)
        tipIndex = 0;
    else if (watched == ui->toolButton_LightConfig)
        tipIndex = 1;
    else if (watched == ui->toolButton_MacroDialog)
        tipIndex = 2;
    else if (watched == ui->toolButton_Performance)
        tipIndex = 3;
    if (tipIndex >= 0) {
        if (event->type() == QEvent::Enter)
            showToolButtonTip(tipIndex);
        else if (event->type() == QEvent::Leave)
            hideBubble();
    }
    return QWidget::eventFilter(watched, event);
}

void DDevicePage::showToolButtonTip(int index)
{
    static const char *const texts[] = {QT_TR_NOOP("Key Custom"), QT_TR_NOOP("Light Setting"), QT_TR_NOOP("Macro"),
                                        QT_TR_NOOP("Performance")};
    QWidget *const buttons[] = {ui->toolButton_CustomKey, ui->toolButton_LightConfig, ui->toolButton_MacroDialog,
                                ui->toolButton_Performance};
    if (index < 0 || index > 3)
        return;

    // One bubble at a time: the previous one (tip or profile menu) goes.
    if (m_bubble) {
        m_bubble->hide();
        m_bubble->deleteLater();
    }
    auto *tip = new DToolTipExplain(nullptr);
    tip->setText(tr(texts[index]));
    auto *bubble = new ArrowWidget(1, nullptr);
    bubble->setContentWidget(tip);
    bubble->setBubbleSize(230, 70);
    bubble->setArrowPosition(30);
    m_bubble = bubble;

    QWidget *button = buttons[index];
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    bubble->move(anchor - QPoint(38, button->height() + 74));
    bubble->show();
}

void DDevicePage::hideBubble()
{
    if (m_bubble)
        m_bubble->hide();
}

void DDevicePage::onCloseMenuWidow()
{
    hideBubble();
}

void DDevicePage::applyMainPageViewMode(int selIndex)
{
    if (!m_hidDeviceJoinFrame || !m_dragShowArea)
        return;
    keySelectFrame *keyLayer = DDataManager::instance()->currentKeySelectFrame();
    if (selIndex == 1) {
        m_hidDeviceJoinFrame->lower();
        m_dragShowArea->raise();
        m_dragShowArea->show();
        m_hidDeviceJoinFrame->setColorDisplay(true);
        if (keyLayer)
            keyLayer->showSideLights(true);
    } else {
        m_dragShowArea->lower();
        m_hidDeviceJoinFrame->raise();
        m_hidDeviceJoinFrame->show();
        m_hidDeviceJoinFrame->setColorDisplay(false);
        if (keyLayer) {
            keyLayer->showSideLights(false);
            keyLayer->setHoverHighlight(true);
        }
    }
}

void DDevicePage::onCurIndexChangedMainPage(int selIndex)
{
    m_currentKeyboardLightIndex = -1;
    m_currentMainPage = selIndex;
    applyMainPageViewMode(selIndex);
    switch (selIndex) {
    case 0:
        ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
        m_customKeysPage->resetToDefault(m_currentLayer);
        ui->label_ChangModeTest->setText(QStringLiteral("Keyboard"));
        break;
    case 1:
        ui->stackedWidget->setCurrentWidget(ui->page_LightsConfig);
        m_lightsConfigPage->initKeyboardLightPage();
        ui->label_ChangModeTest->setText(QStringLiteral("Light"));
        break;
    case 2:
        ui->stackedWidget->setCurrentWidget(ui->page_Performance);
        m_performancePage->loadFromProfile();
        updatePerformanceAvailability();
        ui->label_ChangModeTest->setText(QStringLiteral("Keyboard"));
        break;
    default:
        break;
    }
}

void DDevicePage::onAutoIntoCustomKeysPage()
{
    ui->toolButton_CustomKey->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
}

void DDevicePage::on_toolButton_MacroDialog_clicked()
{
    m_customKeysPage->setInteractiveLightHook(false, 2);
    emit sigShowMacroPage();
}

void DDevicePage::on_pushButton_Test_clicked()
{
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->logDrawingAreaPosition();
}

void DDevicePage::on_pushButton_ChangModeTest_clicked()
{
    m_testLightMode = !m_testLightMode;
    if (!m_hidDeviceJoinFrame || !m_dragShowArea)
        return;
    if (m_testLightMode) {
        m_hidDeviceJoinFrame->lower();
        m_dragShowArea->raise();
        m_dragShowArea->show();
        m_hidDeviceJoinFrame->setColorDisplay(true);
        ui->label_ChangModeTest->setText(QStringLiteral("Light"));
    } else {
        m_dragShowArea->lower();
        m_hidDeviceJoinFrame->raise();
        m_hidDeviceJoinFrame->show();
        m_hidDeviceJoinFrame->setColorDisplay(false);
        ui->label_ChangModeTest->setText(QStringLiteral("Keyboard"));
    }
}

// ---------------------------------------------------------------------------
// Keyboard view routing and zoom
// ---------------------------------------------------------------------------

bool DDevicePage::dragRoutingActive() const
{
    return m_hidDeviceJoinFrame && m_currentMainPage == 1 && m_currentKeyboardLightIndex == 10;
}

void DDevicePage::onDragArea_SelectKeys(int startX, int startY, int endX, int endY)
{
    if (!dragRoutingActive())
        return;
    if (startX == endX && startY == endY)
        return;
    int left = 0, top = 0, right = 0, bottom = 0;
    if (startX != endX && startY != endY) {
        left = qMin(startX, endX);
        right = qMax(startX, endX);
        top = qMin(startY, endY);
        bottom = qMax(startY, endY);
    }
    m_hidDeviceJoinFrame->selectKeysInRect(left, top, right, bottom);
}

void DDevicePage::onDragShowAreaMouseMovePoint(int moveX, int moveY)
{
    if (dragRoutingActive())
        m_hidDeviceJoinFrame->hoverAt(moveX, moveY);
}

void DDevicePage::onDragAreaMousePressOrRelease(bool isMousePress)
{
    if (dragRoutingActive())
        m_hidDeviceJoinFrame->setMousePressed(isMousePress);
}

void DDevicePage::onDragAreaMoveOneKey(bool isSelectedOneKey)
{
    if (m_dragShowArea)
        m_dragShowArea->setOneKeyMode(isSelectedOneKey);
}

void DDevicePage::zoomBy(int tenths)
{
    const QString bound = tenths > 0 ? QStringLiteral("2.0") : QStringLiteral("1.0");
    if (ui->label_Multiple->text() == bound)
        return;
    m_viewScale += 0.1f * float(tenths);
    ui->label_Multiple->setText(QString::number(double(m_viewScale), 'f', 1));
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setScale(m_viewScale);
}

void DDevicePage::on_pushButton_MoreBig_clicked()
{
    zoomBy(1);
}

void DDevicePage::on_pushButton_MoreSmall_clicked()
{
    zoomBy(-1);
}

void DDevicePage::setViewColorDisplay(bool on)
{
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setColorDisplay(on);
}

// ---------------------------------------------------------------------------
// Current device and link lifecycle
// ---------------------------------------------------------------------------

void DDevicePage::openKeyboardLink(const hidStructInfoAll &record)
{
    auto *link = new DDeviceKeyboardLink(this);
    connect(link, SIGNAL(sigCustomEventChangProfile(int)), this, SLOT(onCustomEventChangProfile(int)));
    connect(link, SIGNAL(sigRuningOnboard0x19Cmd()), this, SLOT(onRuningOnboard0x19Cmd()));
    connect(link, SIGNAL(sigRuningOnboard0x18Cmd()), this, SLOT(onRuningOnboard0x18Cmd()));
    connect(link, SIGNAL(sigQN9080Recv0x0bCmd(int)), this, SLOT(onQN9080Recv0x0bCmd(int)));
    connect(link, SIGNAL(sigRuningOnboardDownloadStatus(int)), this, SLOT(onRuningOnboardDownloadStatus(int)));
    connect(link, SIGNAL(sigSendChargingStatusAndElectricity(int, int, int, int, QString)), this,
            SLOT(onSendChargingStatusAndElectricity(int, int, int, int, QString)));
    connect(link, SIGNAL(sigWaitForDataReturn_0x0d(QString, QString)), this,
            SLOT(onWaitForDataReturn_0x0d(QString, QString)));
    connect(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, this,
            &DDevicePage::onLightConfigHaveChanged_HidSend);
    connect(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09, this,
            &DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09);
    connect(link, SIGNAL(sigDongleStatus(int, QString, QString)), this, SLOT(onDongleStatus(int, QString, QString)));
    connect(link, SIGNAL(sigSleepTimeSetSuccessful()), this, SLOT(onSleepTimeSetSuccessful()));
    connect(link, &DDeviceKeyboardLink::sigDeviceReady, this, &DDevicePage::onLinkReady);
    connect(link, &DDeviceKeyboardLink::sigHidDeviceGone, this, [this, link] { onLinkDeviceGone(link); });
    connect(link, &DDeviceKeyboardLink::sigSerialNumberKnown, this, &DDevicePage::onSerialNumberWait);

    m_links[fieldText(record.hidPath)] = link;
    ++m_linksOpened;
    link->openHidDevice(m_linksOpened, record);
    // Receiver reports count once the keyboard is through its inquiry chain,
    // or after a bounded time for one that never gets there. Nothing waits
    // for it here: the page goes on and the link's signals carry the rest.
    if (link->isDeviceReady())
        link->setDongleStatusTracking(true);
    else
        QTimer::singleShot(kLinkReadyWaitMs, link, [link] { link->setDongleStatusTracking(true); });
}

void DDevicePage::onLinkReady()
{
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    if (!link)
        return;
    link->setDongleStatusTracking(true);
    if (m_setupLink && link == m_setupLink.data())
        completeCurrentDevice();
}

void DDevicePage::onSetupWaitTimeout()
{
    if (m_setupLink)
        completeCurrentDevice();
}

void DDevicePage::onHidItemMouseClicked(hidStructInfoAll hidStuInfo)
{
    if (hidStuInfo.onlineStatus != 1) {
        showNotice(offlineText());
        return;
    }
    if (m_selecting)
        return;

    const QString path = fieldText(hidStuInfo.hidPath);
    DDeviceListItem *tile = qobject_cast<DDeviceListItem *>(sender());
    if (!tile || !m_tiles.values().contains(tile))
        tile = m_tiles.value(path);
    if (tile && tile == m_currentTile) {
        showNotice(tr("The device has been turned on"));
        return;
    }
    if (!m_links.contains(path))
        return; // the keyboard left while the press was on its way
    showCurrentDevice(hidStuInfo);
}

void DDevicePage::destroyKeyboardView()
{
    // The view's buttons are registered with the data manager; the view
    // clears that registry when its buttons go. The light engine must not
    // paint them meanwhile.
    for (auto &row : m_keyButtons)
        for (auto &button : row)
            button = nullptr;
    if (m_lightDealMain) {
        m_lightDealMain->setKeyButtons(m_keyButtons);
        m_lightDealMain->setSideButtons({});
    }
    delete m_dragShowArea.data();
    delete m_hidDeviceJoinFrame.data();
    delete m_viewHost.data();
    m_viewPath.clear();
}

void DDevicePage::rebuildKeyboardView(const hidStructInfoAll &record)
{
    destroyKeyboardView();

    auto *host = new QWidget;
    m_hidDeviceJoinFrame = new hidDeviceJoinFrame(host);
    connect(m_hidDeviceJoinFrame, &hidDeviceJoinFrame::sigDragAreaMoveOneKey, this, &DDevicePage::onDragAreaMoveOneKey);
    m_dragShowArea = new dragShowArea(host);
    connect(m_dragShowArea, &dragShowArea::sigDragArea, this, &DDevicePage::onDragArea_SelectKeys);
    connect(m_dragShowArea, &dragShowArea::sigDragShowAreaMouseMovePoint, this, &DDevicePage::onDragShowAreaMouseMovePoint);
    connect(m_dragShowArea, &dragShowArea::sigDragAreaMousePressOrRelease, this, &DDevicePage::onDragAreaMousePressOrRelease);
    m_hidDeviceJoinFrame->setWindowFlags(m_hidDeviceJoinFrame->windowFlags() | Qt::WindowStaysOnTopHint);
    m_hidDeviceJoinFrame->initKeyboard(record);
    m_viewPath = fieldText(record.hidPath);

    auto *stack = new QStackedLayout(host);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(m_hidDeviceJoinFrame);
    stack->addWidget(m_dragShowArea);
    m_viewHost = keyboardViewScroller::wrap(host, ui->hidDeviceShowFrame);
    ui->horizontalLayout_17->addWidget(m_viewHost);
}

void DDevicePage::releaseCurrentKeyboard()
{
    setViewColorDisplay(false);
    if (m_lightDealMain->isKeyboardLightRunning() || m_lightDealMain->isSideLightRunning())
        stopDeviceLights();
    m_setupWaitTimer->stop();
    m_setupLink = nullptr;
    m_serialWaitLink = nullptr;
    m_currentTile = nullptr;
    m_currentLink = nullptr;
    m_currentHidInterface = nullptr;
}

void DDevicePage::showCurrentDevice(const hidStructInfoAll &record)
{
    // The one road by which a keyboard becomes current: title, framed tile,
    // drawing, connection label, profile stores, pages and light engine are
    // all handed the same keyboard here, in one go, with no event processed
    // in between.
    const QString path = fieldText(record.hidPath);
    DDeviceKeyboardLink *link = m_links.value(path);
    if (!link) {
        if (!m_currentLink)
            showNoDevice();
        return;
    }
    m_selecting = true;
    releaseCurrentKeyboard();

    m_firstSelection = false;
    m_currentLink = link;
    m_currentHidInterface = link->hidInterface();
    emit sigReturnHidLikeName(fieldText(record.productName), fieldText(record.likeName));
    selectTile(m_tiles.value(path));
    // Until the keyboard's own status report arrives, its connection is the
    // one it is attached by.
    ui->label_Mode->setText(record.hidUsbOrDongle != 0 ? QStringLiteral("2.4G") : QStringLiteral("USB"));
    // Its charge is unknown until then too: the gauge must not go on showing
    // (or sweeping through) the previous keyboard's.
    m_batteryTimer->stop();
    ui->label_Charging->hide();
    ui->label_ElectricityNum->setColorEnabled(true);
    ui->label_ElectricityNum->setLevelUnknown();

    m_viewScale = 1.0f;
    ui->label_Multiple->setText(QString::number(double(m_viewScale), 'f', 1));

    rebuildKeyboardView(record);
    const QList<keyboardButCustom *> buttons = DDataManager::instance()->keyButtonList();
    for (int i = 0; i < buttons.size() && i < kGridRows * kGridColumns; ++i)
        m_keyButtons[i / kGridColumns][i % kGridColumns] = buttons.at(i);

    m_dragShowArea->lower();
    m_hidDeviceJoinFrame->raise();
    m_hidDeviceJoinFrame->show();
    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);

    initProfileFiles(record);
    m_selecting = false;
}

void DDevicePage::startDeviceLights()
{
    m_lightDealMain->setKeyButtons(m_keyButtons);
    keySelectFrame *keyLayer = DDataManager::instance()->currentKeySelectFrame();
    m_lightDealMain->setSideButtons(keyLayer ? keyLayer->sideLightButtons() : QList<sideLightButtonCustom *>());
    m_lightDealMain->initMusicalRhythm(m_currentDevice.keyCount, 11, 30.0, 930.0);
    m_lightDealMain->loadProfileLightConfig();
    m_lightDealMain->setLightPreviewEnabled(true);
    m_lightDealMain->setLightThreadsRunning(true);
    m_lightDealMain->setLightSynchronous(true);
}

void DDevicePage::stopDeviceLights()
{
    m_lightDealMain->setLightSynchronous(false);
    m_lightDealMain->setLightPreviewEnabled(false);
    m_lightDealMain->setLightThreadsRunning(false);
}

bool DDevicePage::setProfileXmlPath(const QString &path)
{
    std::memset(m_profileXmlPath, 0, sizeof m_profileXmlPath);
    const QByteArray local = QFile::encodeName(path);
    if (local.size() >= int(sizeof m_profileXmlPath))
        return false;
    std::memcpy(m_profileXmlPath, local.constData(), size_t(local.size()));
    return true;
}

void DDevicePage::initProfileFiles(const hidStructInfoAll &record)
{
    DDeviceKeyboardLink *link = m_currentLink;
    m_setupWaitTimer->stop();
    m_setupLink = nullptr;
    // Nothing of the previous keyboard's profile may be written meanwhile,
    // and the pages hold no store until this keyboard's is known.
    m_profileDir.clear();
    std::memset(m_profileXmlPath, 0, sizeof m_profileXmlPath);
    m_currentDevice = record;
    m_currentLayer = 0;
    m_lightDealMain->setHidInfo(record);
    loadCurrentProfile();
    if (!link)
        return;
    if (link->isDeviceReady()) {
        completeCurrentDevice(link);
        return;
    }
    // The rest follows the link's readiness (or the end of the bounded
    // wait); events keep flowing meanwhile and may make another keyboard
    // current or take this one away, which cancels it. A keyboard that was
    // away when asked is asked again: without its answer it has no store.
    link->inquireSerialNumber();
    m_setupLink = link;
    m_setupWaitTimer->start(kProfileWaitMs);
}

void DDevicePage::completeCurrentDevice(DDeviceKeyboardLink *readyLink)
{
    DDeviceKeyboardLink *link = readyLink ? readyLink : m_setupLink.data();
    m_setupWaitTimer->stop();
    m_setupLink = nullptr;
    if (!link || link != m_currentLink)
        return; // another keyboard was made current, or this one left
    const hidStructInfoAll record = m_currentDevice;

    m_currentSN = link->currentSN();
    m_currentLayer = 0;
    lightSupportInfo support;
    support.keyboard = link->keyboardLightSupport();
    support.side = link->sideLightSupport();
    m_lightDealMain->setHidInfo(record);
    m_lightDealMain->setLightSupportInfo(support);

    if (fieldText(record.deviceType) == QLatin1String("keyboard")) {
        if (!DDeviceHidCmdSend::isValidSN(m_currentSN)) {
            // The serial number names the keyboard's profile folder; without it
            // the profiles would land in a folder shared by the whole model. Set
            // them up once it arrives.
            loadCurrentProfile();
            showNotice(serialPendingText());
            m_serialWaitLink = link;
        } else {
            setUpProfileStores(link);
        }
    }
    if (m_currentLink == link)
        startDeviceLights();
}

void DDevicePage::onSerialNumberWait()
{
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    if (!link || link != m_serialWaitLink || !DDeviceHidCmdSend::isValidSN(link->currentSN()))
        return;
    m_serialWaitLink = nullptr;
    m_currentSN = link->currentSN();
    lightSupportInfo support;
    support.keyboard = link->keyboardLightSupport();
    support.side = link->sideLightSupport();
    m_lightDealMain->setLightSupportInfo(support);
    setUpProfileStores(link);
    m_lightDealMain->loadProfileLightConfig();
}

bool DDevicePage::setUpProfileStores(DDeviceKeyboardLink *link)
{
    const QString model = fieldText(m_currentDevice.hidName);
    if (!isUsableFolderName(model)) {
        showNotice(tr("The keyboard reported an unusable model name; its profiles cannot be stored"));
        return false;
    }
    const QString folder = DDataManager::instance()->userConfigDir() + QLatin1Char('/') + model +
                           QLatin1Char('/') + m_currentSN;
    if (!QDir().mkpath(folder)) {
        showNotice(tr("The profile folder cannot be created"));
        return false;
    }
    m_profileDir = folder;

    for (const char *file : {kDefaultProfileFile, kFnProfileFile}) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(file);
        if (!setProfileXmlPath(path)) {
            m_profileDir.clear();
            showNotice(tr("The profile folder path is too long"));
            return false;
        }
        if (!QFileInfo::exists(path)) {
            // One file replacement for the whole new store instead of one per call.
            CVardexXML_BeginBatch(m_profileXmlPath);
            CVardexXML_CreateXMLFile(m_profileXmlPath);
            m_profileIndex = 1;
            const QByteArray name = QStringLiteral("Profile%1").arg(1).toLatin1();
            CVardexXML_CreateProFileXmlParentNode(m_profileXmlPath, "1", name.constData(), 0);
            CVardexXML_ModifyXMLFileProfileIndex(m_profileXmlPath, 1);
            addDefaultLightItems(1);
            addDefaultCustomLights(1);
            CVardexXML_EndBatch(m_profileXmlPath);
        }
    }

    setProfileXmlPath(folder + QLatin1Char('/') + QLatin1String(kDefaultProfileFile));
    loadCurrentProfile();
    if (!link->isProfileInitialised()) {
        link->saveLightConfigToProfile(0);
        if (!link->sideLightSupport().lightTypes.isEmpty())
            link->saveLightConfigToProfile(1);
        link->setProfileInitialised(true);
    }
    link->inquireSleepTime();
    return true;
}

void DDevicePage::loadCurrentProfile()
{
    DDataManager *data = DDataManager::instance();
    data->clearCurrentKey();
    ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(0);
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->clearColorDisplay();

    if (m_profileXmlPath[0] != '\0') {
        const int index = CVardexXML_GetCreateXMLFileProfileIndex(m_profileXmlPath);
        m_profileIndex = index > 0 ? index : 1;
    }

    lightSupportInfo support;
    if (m_currentLink) {
        m_currentLink->setProfileIndex(m_profileIndex);
        m_currentLink->setProfileXmlPath(m_profileXmlPath);
        support.keyboard = m_currentLink->keyboardLightSupport();
        support.side = m_currentLink->sideLightSupport();
    }
    data->setCurrentProfileIndex(m_profileIndex);
    data->setProfileXmlPath(m_profileXmlPath);
    m_customKeysPage->setProfileIndex(m_profileIndex);
    m_customKeysPage->setProfilePath(m_profileXmlPath);
    m_lightsConfigPage->setProfileIndex(m_profileIndex);
    m_lightsConfigPage->setProfileXmlPath(m_profileXmlPath);
    m_lightsConfigPage->setHidInterface(m_currentHidInterface);
    m_lightsConfigPage->setLightSupportInfo(support);
    m_performancePage->setProfileIndex(m_profileIndex);
    m_performancePage->setProfileXmlPath(m_profileXmlPath);
    updatePerformanceAvailability();
    // A keyboard without its profile store offers no edits and no Download.
    const bool editable = !m_currentLink || hasProfileStore();
    ui->widget_RightBottom->setEnabled(editable);
    ui->pushButton_ProfileOperate->setEnabled(editable);
    m_lightDealMain->setHidInterface(m_currentHidInterface);

    loadProfileListAndKeyMarks();
}

void DDevicePage::loadProfileListAndKeyMarks()
{
    std::vector<ProfileNodeEntry> profiles;
    if (m_profileXmlPath[0] != '\0')
        CVardexXML_SelectProFileAllNodes(m_profileXmlPath, profiles);
    {
        const QSignalBlocker blocker(ui->comboBox_profileList);
        ui->comboBox_profileList->clear();
        int current = -1;
        for (const ProfileNodeEntry &entry : profiles) {
            const int index = QByteArray(entry.index, int(qstrnlen(entry.index, sizeof entry.index))).toInt();
            ui->comboBox_profileList->addItem(fieldText(entry.name), index);
            if (index == m_profileIndex)
                current = ui->comboBox_profileList->count() - 1;
        }
        ui->comboBox_profileList->setCurrentIndex(current);
    }

    std::list<std::string> boundKeys;
    if (m_profileXmlPath[0] != '\0')
        CVardexXML_ProFileKeyInfoSelectAll(m_profileXmlPath, QByteArray::number(m_profileIndex).constData(),
                                           boundKeys);
    const QMap<int, keyboardButCustom *> buttons = DDataManager::instance()->keyButtonMap();
    for (keyboardButCustom *button : buttons)
        if (button)
            button->setCustomMark(false);
    for (const std::string &code : boundKeys) {
        bool ok = false;
        const int keyCode = QString::fromStdString(code).toInt(&ok);
        if (keyboardButCustom *button = ok ? buttons.value(keyCode) : nullptr)
            button->setCustomMark(true);
    }
}

void DDevicePage::onDefaultLayerAndFnLayerSwitch(int pageIndex)
{
    const int layer = pageIndex == 0 ? 0 : 1;
    if (layer == m_currentLayer)
        return;
    m_currentLayer = layer;
    if (!m_profileDir.isEmpty()) {
        const QString file = QLatin1String(layer == 0 ? kDefaultProfileFile : kFnProfileFile);
        setProfileXmlPath(m_profileDir + QLatin1Char('/') + file);
        loadCurrentProfile();
    }
    if (!m_currentLink)
        return;
    // The keys the keyboard reports in its key bitmap cannot be bound in
    // the FN layer.
    const QList<QPair<int, int>> positions = m_currentLink->keyBitTableKeys();
    for (const QPair<int, int> &position : positions) {
        if (position.first < 0 || position.first >= kGridRows || position.second < 0 || position.second >= kGridColumns)
            continue;
        if (keyboardButCustom *button = m_keyButtons[position.first][position.second])
            button->setKeyEnabled(layer == 0);
    }
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    // Only the current keyboard may switch the current keyboard's profile,
    // and only to a profile its store holds.
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    if (!m_currentLink || link != m_currentLink || m_profileXmlPath[0] == '\0')
        return;
    const QByteArray index = QByteArray::number(changeProfileIndex);
    if (changeProfileIndex < 1 || !CVardexXML_IsExistenceSelectProfileNode(m_profileXmlPath, index.constData())) {
        qDebug() << "profile switch to a profile the store does not hold:" << changeProfileIndex;
        return;
    }
    m_profileIndex = changeProfileIndex;
    CVardexXML_ModifyXMLFileProfileIndex(m_profileXmlPath, changeProfileIndex);
    loadCurrentProfile();
}

// ---------------------------------------------------------------------------
// Battery, light and macro relays are in DDevicePageRelays.cpp, profile
// management in DDevicePageProfiles.cpp, performance requests in
// DDevicePagePerformance.cpp, the onboard download in DDevicePageOnboard.cpp.
// ---------------------------------------------------------------------------
