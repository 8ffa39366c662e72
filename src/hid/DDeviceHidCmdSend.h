// DDeviceHidCmdSend.h - builds the keyboard link's outbound reports and queues
// them on the keyboard's transport.
#ifndef DDEVICEHIDCMDSEND_H
#define DDEVICEHIDCMDSEND_H

#include "hid/hidCmdBuff.h"

#include <QObject>
#include <QString>

class MainHidInterFace;

class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT
public:
    explicit DDeviceHidCmdSend(QObject *parent = nullptr);

    void setHidInterface(MainHidInterFace *transport);

    // Queues 0x15 with the given serial number, or with a freshly generated
    // one when text is empty; returns the number used either way.
    QString writeSN(const QString &text);
    void writeSixKey(const unsigned char *keyReport8);
    void writeFullKey(const unsigned char *inboundReport64);
    void inquireLightMode();
    void inquireSideLightMode();
    void inquireKeyboardLightConfig();
    void inquireSideLightConfig();
    void reset();
    void setSleepTime(int lightSeconds, int keyboardSeconds);
    int lockWin(int winKey, int shiftTab, int altTab, int altF4);
    void checkLayoutSupportCustom();
    void checkSleepTime();

    // The reports themselves, kept separate from queueing so every byte can
    // be checked without a keyboard.
    static hidCmdBuff buildShakeHands();
    static hidCmdBuff buildInquireDeviceSN();
    static hidCmdBuff buildWriteSN(const QByteArray &serialLocal8Bit);
    static hidCmdBuff buildWriteSixKey(const unsigned char *keyReport8);
    static hidCmdBuff buildWriteFullKey(const unsigned char *inboundReport64);
    static hidCmdBuff buildInquireLightMode();
    static hidCmdBuff buildInquireSideLightMode();
    static hidCmdBuff buildInquireKeyboardLightConfig();
    static hidCmdBuff buildInquireSideLightConfig();
    static hidCmdBuff buildReset();
    static hidCmdBuff buildSetSleepTime(int lightSeconds, int keyboardSeconds);
    static hidCmdBuff buildLockWin(int winKey, int shiftTab, int altTab, int altF4);
    static hidCmdBuff buildCheckLayout();
    static hidCmdBuff buildCheckSleepTime();

    // 32 lower-case hexadecimal digits from a random UUID.
    static QString generateSN();
    // A serial number names a folder on disk: exactly 32 of [0-9A-Za-z].
    static bool isValidSN(const QString &sn);
    // Reads a light-type list (0x02 / 0x0A) without looking past byte 63.
    static lightSupportPart parseLightTypeList(const unsigned char *report64);

private:
    int queue(const hidCmdBuff &report, const char *failureText);

    MainHidInterFace *m_hidInterface = nullptr;
};

#endif // DDEVICEHIDCMDSEND_H
