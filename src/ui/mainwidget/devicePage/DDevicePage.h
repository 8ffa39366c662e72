#ifndef DDEVICEPAGE_H
#define DDEVICEPAGE_H

#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

#include "data/hidStructInfoAll.h"
#include "ui/mainwidget/DDevicePageView.h"
#include "vardexSdk.h"

namespace Ui {
class DDevicePage;
}

class ArrowWidget;
class CbNotice;
class DCustomKeysPage;
class DFileChooser;
class DDeviceKeyboardLink;
class DDeviceListItem;
class DOnboardDownload;
class DLightsConfigPage;
class DPerformancePage;
class MainHidInterFace;
class QButtonGroup;
class QTimer;
class dragShowArea;
class hidDeviceJoinFrame;
class keyboardButCustom;
class lightDealMain;
struct hidCmdBuff;

// The right-hand page of the main window: the device list column, and the
// page of the current keyboard (drawing, tool row, key / light / performance
// pages) or the "not connected" picture.
//
// Everything runs in the interface thread. No road of the device list or of
// the current keyboard processes events while it runs: waiting for a keyboard
// is a state (the link's readiness signal or a timer carries the road on), so
// a link cannot go while one of its own signals is being handled, and the
// current keyboard changes in one step (showCurrentDevice / showNoDevice).
class DDevicePage : public DDevicePageView
{
    Q_OBJECT
public:
    explicit DDevicePage(QWidget *parent = nullptr);
    ~DDevicePage() override;

    void retranslate() override;
    void stopLightSyncIfRunning() override;
    void stopLightSyncFor(const QString &hidPath) override;
    void setDeviceListVisible(bool visible) override;
    void updateHidList(int kind, QString hidPath = QStringLiteral("hidPath")) override;
    QPoint noticePosition() const;

    // Copies of the page's maps, read by the firmware update.
    QMap<QString, DDeviceKeyboardLink *> keyboardLinks() const override;
    QMap<QString, hidStructInfoAll> connectedDevices() const override;

    // Current-device steps, also called again by the profile operations.
    void openKeyboardLink(const hidStructInfoAll &record);
    void showCurrentDevice(const hidStructInfoAll &record);
    void initProfileFiles(const hidStructInfoAll &record);
    void loadCurrentProfile();
    void loadProfileListAndKeyMarks();
    void startDeviceLights();
    void stopDeviceLights();
    void addDefaultLightItems(int profileIndex);
    void addDefaultCustomLights(int profileIndex);
    void copyCustomLightDefaults(int profileIndex, int customLightId);
    // Replaces the keys of the custom light chosen on the light page by every
    // key of the drawing that carries a custom-light colour; the list is not
    // read (the caller colours the keys first).
    void saveCustomLightColors(const QList<keyboardButCustom *> &buttons);
    // The export and import dialogs; tests answer in place of the user.
    void setFileChooser(std::shared_ptr<DFileChooser> chooser);
    // Takes every tile out of the tile layout (the final spacer stays) and
    // returns them, detached.
    QList<QWidget *> clearDeviceList();

    // Read-only views of the current state (used by tests and the main window).
    DDeviceKeyboardLink *currentLink() const { return m_currentLink; }
    MainHidInterFace *currentTransport() const { return m_currentHidInterface; }
    DDeviceListItem *currentTile() const;
    QMap<QString, DDeviceListItem *> deviceTiles() const { return m_tiles; }
    QMap<QString, int> receiverStatus() const { return m_dongleStatus; }
    hidStructInfoAll currentDevice() const { return m_currentDevice; }
    QString profileFolder() const { return m_profileDir; }
    QByteArray profileXmlPath() const { return QByteArray(m_profileXmlPath); }
    int currentProfileIndex() const { return m_profileIndex; }
    int currentLayer() const { return m_currentLayer; }
    int currentMainPage() const { return m_currentMainPage; }
    float viewScale() const { return m_viewScale; }
    DCustomKeysPage *customKeysPage() const { return m_customKeysPage; }
    DLightsConfigPage *lightsConfigPage() const { return m_lightsConfigPage; }
    DPerformancePage *performancePage() const { return m_performancePage; }
    lightDealMain *lightEngine() const { return m_lightDealMain; }
    hidDeviceJoinFrame *keyboardView() const;
    // The HID path of the keyboard the drawing was built for; empty without one.
    QString keyboardViewPath() const { return m_viewPath; }
    CbNotice *notice() const { return m_notice; }
    ArrowWidget *bubble() const;
    QString lastNotice() const { return m_lastNotice; }

    // Onboard download of the current profile into the current keyboard
    // (DDevicePageOnboard.cpp; the work is done by DOnboardDownload).
    static unsigned char onboardMultimediaCode(const KeyOperateInfo &record);
    static unsigned char onboardMouseIsScroll(const KeyOperateInfo &record);
    static unsigned char onboardMouseCode(const KeyOperateInfo &record);
    // First modifier usage, second modifier usage, key usage; 0 where absent.
    static std::array<unsigned char, 3> onboardCombinationKeys(const KeyOperateInfo &record);
    // Modifier usage, 0, key usage.
    static std::array<unsigned char, 3> onboardShortcutKeys(int value);
    void writeOnboardKeyPage(int layerByte, int pageNumber, QByteArray entries);
    int nextOnboardMacroSlot(const KeyOperateInfo &record, int layerIndex);
    void writeOnboardMacroPage(const KeyOperateInfo &record, int slot, int layerIndex);
    void writeOnboardPackage(const hidCmdBuff &piece);
    DOnboardDownload *onboardDownload() const { return m_onboardDownload; }

signals:
    void sigUpdateDeviceListShow();

public slots:
    void onDragArea_SelectKeys(int startX, int startY, int endX, int endY);
    void onDragShowAreaMouseMovePoint(int moveX, int moveY);
    void onDragAreaMousePressOrRelease(bool isMousePress);
    void onDragAreaMoveOneKey(bool isSelectedOneKey);
    void onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                            int is24GValid, QString strCurrentSN);
    void onTimerChangingBatteryNum();
    void onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void onSleepTimeSetSuccessful();
    void onUpdateDeviceListShow();
    void onTheKeyboardIntoDownloading();
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningOnboardDownloadStatus(int statusNun);
    void onQN9080Recv0x0bCmd(int recvNum);
    void onAutoIntoCustomKeysPage();
    void onInteractLightsPointXY(int indexX, int indexY);
    void onEveryPageBackTip(QString strTip);
    void onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData colorInfoDataStu);
    void onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData colorInfoDataStu);
    void onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData colorInfoDataStu);
    void onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData colorInfoDataStu);
    void onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void onCloseMenuWidow();
    void onProfileCreate();
    void onProfileDelete();
    void onProfileExport();
    void onProfileImport();
    void onProfileModifyName();
    void onLoadDeviceList();
    void onHidItemMouseClicked(hidStructInfoAll hidStuInfo);
    void onDefaultLayerAndFnLayerSwitch(int pageIndex);
    void onResetoreCurrentProfile();
    void onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime);
    void onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void onCustomEventChangProfile(int changeProfileIndex);
    void onLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void onLickActivited(QString str);
    void onCurIndexChangedMainPage(int selIndex);

private slots:
    void onSerialNumberWait();
    void onLinkReady();
    void onSetupWaitTimeout();
    void on_toolButton_MacroDialog_clicked();
    void on_pushButton_Test_clicked();
    void on_pushButton_ChangModeTest_clicked();
    void on_pushButton_MoreBig_clicked();
    void on_pushButton_MoreSmall_clicked();
    void on_pushButton_ProfileOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();
    void on_comboBox_profileList_currentIndexChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showToolButtonTip(int index);
    void hideBubble();
    void showNotice(const QString &text);
    void showNoDevice();
    QString companyLinkText() const;
    // The toast for a request to a keyboard that is not attached.
    static QString offlineText();
    // The toast for a current keyboard whose serial number is still unknown.
    static QString serialPendingText();
    DDeviceListItem *createTile(const hidStructInfoAll &record);
    void setTileLayoutSpacing();
    void reorderTiles();
    QList<DDeviceListItem *> tilesInDisplayOrder(bool offlineReceiversWithReceivers) const;
    void updateHidListOnce(int kind);
    void handleArrival(const hidStructInfoAll &record, int attachedCount);
    void handleRemoval(const QString &path);
    void handleReplug(const QString &path, const hidStructInfoAll &record);
    bool isLinkDead(DDeviceKeyboardLink *link) const;
    void onLinkDeviceGone(DDeviceKeyboardLink *link);
    void releaseCurrentKeyboard();
    void completeCurrentDevice(DDeviceKeyboardLink *readyLink = nullptr);
    bool chooseNextCurrentKeyboard();
    bool isReceiverReachable(const QString &path) const;
    void closeLinkTransport(DDeviceKeyboardLink *link);
    void discardLink(DDeviceKeyboardLink *link);
    // Takes the path's link out of the page and closes it, releasing the
    // current keyboard first when it is this one; true when it was.
    bool dropLink(const QString &path, DDeviceListItem *tile);
    void discardAllLinks();
    void selectTile(DDeviceListItem *tile);
    void rebuildKeyboardView(const hidStructInfoAll &record);
    void destroyKeyboardView();
    void setViewColorDisplay(bool on);
    void applyMainPageViewMode(int selIndex);
    void zoomBy(int tenths);
    bool dragRoutingActive() const;
    bool setProfileXmlPath(const QString &path);
    bool setUpProfileStores(DDeviceKeyboardLink *link);
    QString customLightDefaultFile() const;
    // Profile management (DDevicePageProfiles.cpp).
    QByteArray currentProfileIndexText() const;
    bool hasProfileStore() const;
    // Light relays (DDevicePageRelays.cpp): the rubber band and hover
    // highlight that only the Custom light type uses.
    void setCustomSelectionMode(bool on);
    void clearKeySelection();
    // Performance-page requests (DDevicePagePerformance.cpp).
    bool performanceKeyboardReady() const;
    void updatePerformanceAvailability();

    Ui::DDevicePage *ui;
    CbNotice *m_notice = nullptr;
    QString m_lastNotice;
    int m_currentMainPage = -1;
    int m_currentKeyboardLightIndex = -1;
    QString m_companyLink;
    QButtonGroup *m_mainPageGroup = nullptr;
    DCustomKeysPage *m_customKeysPage = nullptr;
    DLightsConfigPage *m_lightsConfigPage = nullptr;
    DPerformancePage *m_performancePage = nullptr;
    bool m_hotPlugBusy = false;
    bool m_hotPlugPending = false;
    // Runs the list update once a link's handle died and the hot-plug batch
    // has had time to settle (DDevicePageLinks.cpp).
    QTimer *m_deadLinkTimer = nullptr;
    bool m_selecting = false;
    lightDealMain *m_lightDealMain = nullptr;
    QPointer<ArrowWidget> m_bubble;
    QPointer<QWidget> m_viewHost;
    QPointer<hidDeviceJoinFrame> m_hidDeviceJoinFrame;
    QPointer<dragShowArea> m_dragShowArea;
    float m_viewScale = 1.0f;
    bool m_testLightMode = false;
    bool m_firstSelection = true;
    int m_currentLayer = -1;
    char m_profileXmlPath[256] = {};
    QString m_currentSN;
    int m_profileIndex = 1;
    hidStructInfoAll m_currentDevice {};
    QMap<QString, hidStructInfoAll> m_devices;
    QMap<QString, int> m_dongleStatus;
    QMap<QString, DDeviceListItem *> m_tiles;
    QMap<QString, DDeviceKeyboardLink *> m_links;
    QPointer<DDeviceListItem> m_currentTile;
    DDeviceKeyboardLink *m_currentLink = nullptr;
    int m_linksOpened = 0;
    MainHidInterFace *m_currentHidInterface = nullptr;
    keyboardButCustom *m_keyButtons[6][22] = {};
    QString m_profileDir;
    QTimer *m_batteryTimer = nullptr;
    int m_batteryAnimationLevel = 0;
    int m_customLightFlag = -1;
    // The custom light the drawing shows: store, profile and light index.
    QString m_shownCustomLight;
    std::shared_ptr<DFileChooser> m_fileChooser;
    // The current keyboard while the page waits for its serial number, which
    // names its profile store; cleared when it arrives or the keyboard goes.
    QPointer<DDeviceKeyboardLink> m_serialWaitLink;
    // The current keyboard's link while its profile set-up waits for it to
    // finish its inquiry chain, and the bound of that wait.
    QPointer<DDeviceKeyboardLink> m_setupLink;
    QTimer *m_setupWaitTimer = nullptr;
    QString m_viewPath;
    DOnboardDownload *m_onboardDownload = nullptr;
    // The keyboard a sleep-time request waits for, and whether it answered.
    QPointer<DDeviceKeyboardLink> m_sleepWaitLink;
    bool m_sleepWaiting = false;
    bool m_sleepAcknowledged = false;
};

#endif // DDEVICEPAGE_H
