// DDeviceKeyboardLink.h - the protocol layer of one attached keyboard: opens
// it through its own transport, runs the open-time inquiry chain, acts on
// every inbound report and raises device events for the device page.
#ifndef DDEVICEKEYBOARDLINK_H
#define DDEVICEKEYBOARDLINK_H

#include "hid/hidCmdBuff.h"
#include "data/hidStructInfoAll.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <array>

class DDeviceHidCmdSend;
class MainHidInterFace;

class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT
public:
    explicit DDeviceKeyboardLink(QObject *parent = nullptr);
    ~DDeviceKeyboardLink() override;

    void openHidDevice(int threadIndex, hidStructInfoAll record);

    MainHidInterFace *hidInterface() const { return m_hidInterface; }
    QString currentSN() const { return m_strSN; }
    bool isDeviceReady() const { return m_isReady; }
    lightSupportPart keyboardLightSupport() const { return m_keyboardLightSupport; }
    lightSupportPart sideLightSupport() const { return m_sideLightSupport; }
    QList<QPair<int, int>> keyBitTableKeys() const { return m_keyBitTableKeys; } // (row, column)
    bool isProfileInitialised() const { return m_profileInitialised; }
    void setProfileInitialised(bool on) { m_profileInitialised = on; }

    void setProfileIndex(int index);
    void setProfileXmlPath(const char *path);
    // Receiver reports (sigDongleStatus) are passed on only while tracking
    // is on; the last state reported before it was turned on is passed on
    // when it is.
    void setDongleStatusTracking(bool on);

    // Stores the last reported record of a part (0 keys, 1 side light) in
    // the current profile and binds the link to it: from then on every light
    // record the keyboard reports, even one still on its way, is stored and
    // signalled. Does nothing while no profile path is known.
    void saveLightConfigToProfile(int part);
    void inquireLightConfigAndLayout();
    // Asks the keyboard for its serial number while it is not known: a
    // keyboard that was out of its receiver's reach when the link opened
    // never heard the question. The answer runs the open-time inquiry chain.
    void inquireSerialNumber();
    void resetKeyboard();
    void inquireSleepTime();
    void setSleepTime(int lightSeconds, int keyboardSeconds);
    int setLockWinKey(int winKey, int shiftTab, int altTab, int altF4);

signals:
    void sigCustomEventChangProfile(int changeProfileIndex);
    void sigSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode, int is24GValid,
                                             QString strCurrentSN);
    void sigDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void sigWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void sigSleepTimeSetSuccessful();
    void sigRuningOnboard0x19Cmd();
    void sigRuningOnboard0x18Cmd();
    void sigRuningOnboardDownloadStatus(int statusNun);
    void sigQN9080Recv0x0bCmd(int recvNum);
    void sigLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void sigCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    // The open-time inquiry chain is through: serial number, light
    // configurations and both light-type lists are known. Emitted once.
    void sigDeviceReady();
    // The transport's handle died: the keyboard was pulled out, and may be
    // back already under the same path. Delivered on the link's thread.
    void sigHidDeviceGone();
    // The keyboard's serial number is known (currentSN). Emitted once.
    void sigSerialNumberKnown();

public slots:
    // report: one inbound report; shorter than 64 bytes is ignored.
    void onHidDataArrived(QByteArray report, int length, int threadIndex);
    void onHidSNDataArrived(QByteArray report, QString strHidName);
    void onOpenHidSuccessful();
    void onHidWriteErrorInfo(QString errorInfo);

private:
    void handleReport(const unsigned char *data);
    void handleDeviceStatus(const unsigned char *data);
    void handleLightConfig(const unsigned char *data, int part);
    void handleKeyBitTable(const unsigned char *data);
    void handleSleepTime(const unsigned char *data);
    void handleCustomKeyEvent(const unsigned char *data);
    bool hasProfilePath() const { return m_profilePath[0] != '\0'; }
    QByteArray profileIndexText() const { return QByteArray::number(m_profileIndex); }

    hidStructInfoAll m_hidInfo;
    MainHidInterFace *m_hidInterface = nullptr;
    DDeviceHidCmdSend *m_cmdSend = nullptr;
    char m_profilePath[256];
    int m_profileIndex = 1;
    bool m_isReady = false;
    QString m_strSN;
    unsigned char m_outKeyReport[8];
    lightSupportPart m_keyboardLightSupport;
    lightSupportPart m_sideLightSupport;
    bool m_keyboardRecordReceived = false;
    bool m_sideRecordReceived = false;
    QList<QPair<int, int>> m_keyBitTableKeys;
    std::array<int32_t, 14> m_keyboardLight{};
    std::array<int32_t, 14> m_sideLight{};
    bool m_isBound = false;
    int m_lastDongleState = -1;
    int m_untrackedDongleState = -1;
    bool m_dongleTracking = false;
    bool m_profileInitialised = false;
};

#endif // DDEVICEKEYBOARDLINK_H
