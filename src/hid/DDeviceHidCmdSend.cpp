#include "hid/DDeviceHidCmdSend.h"

#include "hid/MainHidInterFace.h"

#include <QDateTime>
#include <QDebug>
#include <QUuid>

quint16 hidCmdBuff::clock16()
{
    return static_cast<quint16>(QDateTime::currentMSecsSinceEpoch() & 0xFFFF);
}

namespace {
hidCmdBuff frame(HidSendCmd cmd, unsigned char reportId = 0x01)
{
    hidCmdBuff b;
    b[0] = reportId;
    b[1] = static_cast<unsigned char>(cmd);
    return b;
}

unsigned char flag(int v)
{
    return v ? 1 : 0;
}
} // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject *parent)
    : QObject(parent)
{
}

void DDeviceHidCmdSend::setHidInterface(MainHidInterFace *transport)
{
    m_hidInterface = transport;
}

int DDeviceHidCmdSend::queue(const hidCmdBuff &report, const char *failureText)
{
    const int result = m_hidInterface ? m_hidInterface->hidApi_Write(report.data()) : -1;
    if (result == -1)
        qDebug() << failureText;
    return result;
}

hidCmdBuff DDeviceHidCmdSend::buildShakeHands()
{
    hidCmdBuff b = frame(HidSendCmd::ShakeHands, 0x00);
    b[5] = 1;
    b[6] = 0;
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildInquireDeviceSN()
{
    return frame(HidSendCmd::InquireDeviceSN, 0x00);
}

hidCmdBuff DDeviceHidCmdSend::buildWriteSN(const QByteArray &serialLocal8Bit)
{
    hidCmdBuff b = frame(HidSendCmd::WriteSN);
    b[5] = 32;
    const int n = qMin(32, serialLocal8Bit.size());
    std::memcpy(b.bytes + 6, serialLocal8Bit.constData(), size_t(n));
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildWriteSixKey(const unsigned char *keyReport8)
{
    hidCmdBuff b = frame(HidSendCmd::WriteSixKey);
    b[5] = 9;
    std::memcpy(b.bytes + 6, keyReport8, 8);
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildWriteFullKey(const unsigned char *inboundReport64)
{
    hidCmdBuff b = frame(HidSendCmd::WriteFullKey);
    b[5] = 21;
    std::memcpy(b.bytes + 6, inboundReport64 + 6, 13); // bytes 6..18
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildInquireLightMode()
{
    return frame(HidSendCmd::InquireLightMode);
}

hidCmdBuff DDeviceHidCmdSend::buildInquireSideLightMode()
{
    return frame(HidSendCmd::InquireSideLightMode);
}

hidCmdBuff DDeviceHidCmdSend::buildInquireKeyboardLightConfig()
{
    hidCmdBuff b = frame(HidSendCmd::KeyboardLightConfig);
    b[2] = 1;
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildInquireSideLightConfig()
{
    hidCmdBuff b = frame(HidSendCmd::SideLightConfig);
    b[2] = 1;
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildReset()
{
    hidCmdBuff b = frame(HidSendCmd::KeyboardConfig);
    b[2] = 0;
    b[5] = 1;
    b[6] = 1;
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildSetSleepTime(int lightSeconds, int keyboardSeconds)
{
    hidCmdBuff b = frame(HidSendCmd::KeyboardConfig);
    b[2] = 1;
    b[5] = 1;
    // Out-of-range values are pinned to the field rather than wrapped, which
    // would turn a long sleep time into a short one.
    b.setU16(9, unsigned(qBound(0, lightSeconds, 0xFFFF)));
    b.setU16(11, unsigned(qBound(0, keyboardSeconds, 0xFFFF)));
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildLockWin(int winKey, int shiftTab, int altTab, int altF4)
{
    hidCmdBuff b = frame(HidSendCmd::KeyboardConfig);
    b[2] = 0;
    b[5] = 1;
    b[6] = 0;
    b[13] = flag(winKey);
    b[14] = flag(shiftTab);
    b[15] = flag(altTab);
    b[16] = flag(altF4);
    return b;
}

hidCmdBuff DDeviceHidCmdSend::buildCheckLayout()
{
    return frame(HidSendCmd::CheckLayout);
}

hidCmdBuff DDeviceHidCmdSend::buildCheckSleepTime()
{
    hidCmdBuff b = frame(HidSendCmd::KeyboardConfig);
    b[2] = 2;
    b[5] = 1;
    return b;
}

QString DDeviceHidCmdSend::generateSN()
{
    // "{xxxxxxxx-xxxx-...}" without the braces and dashes.
    QString text = QUuid::createUuid().toString();
    text = text.mid(1, text.size() - 2);
    text.remove(QLatin1Char('-'));
    return text.toLower();
}

bool DDeviceHidCmdSend::isValidSN(const QString &sn)
{
    if (sn.size() != 32)
        return false;
    for (const QChar c : sn) {
        const ushort u = c.unicode();
        const bool ok = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
        if (!ok)
            return false;
    }
    return true;
}

lightSupportPart DDeviceHidCmdSend::parseLightTypeList(const unsigned char *report64)
{
    lightSupportPart part;
    auto isMarker = [](unsigned char b) { return b == 0xA5 || b == 0x5A; };
    int i = hidCmdBuff::PayloadOffset;
    while (i < hidCmdBuff::Size && !isMarker(report64[i]))
        part.lightTypes.append(report64[i++]);
    if (i >= hidCmdBuff::Size)
        return part; // no marker: every payload byte is an effect, maxima 0
    while (i < hidCmdBuff::Size && isMarker(report64[i]))
        ++i;
    if (i < hidCmdBuff::Size)
        part.speedMax = report64[i];
    if (i + 1 < hidCmdBuff::Size)
        part.brightnessMax = report64[i + 1];
    return part;
}

QString DDeviceHidCmdSend::writeSN(const QString &text)
{
    const QString sn = text.isEmpty() ? generateSN() : text;
    queue(buildWriteSN(sn.toLocal8Bit()), "USB serial port [Write SN] Failed ...");
    return sn;
}

void DDeviceHidCmdSend::writeSixKey(const unsigned char *keyReport8)
{
    queue(buildWriteSixKey(keyReport8), "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::writeFullKey(const unsigned char *inboundReport64)
{
    queue(buildWriteFullKey(inboundReport64), "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::inquireLightMode()
{
    queue(buildInquireLightMode(), "---------- *** Inquire [Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireSideLightMode()
{
    queue(buildInquireSideLightMode(), "---------- *** Inquire [Side Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireKeyboardLightConfig()
{
    queue(buildInquireKeyboardLightConfig(), "---------- *** Inquire [Keyboard Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireSideLightConfig()
{
    queue(buildInquireSideLightConfig(), "---------- *** Inquire [Side Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::reset()
{
    queue(buildReset(), "---------- *** [Reset] Failed *** ----------");
}

void DDeviceHidCmdSend::setSleepTime(int lightSeconds, int keyboardSeconds)
{
    queue(buildSetSleepTime(lightSeconds, keyboardSeconds), "---------- *** [Set Sleep time] Failed *** ----------");
}

int DDeviceHidCmdSend::lockWin(int winKey, int shiftTab, int altTab, int altF4)
{
    return queue(buildLockWin(winKey, shiftTab, altTab, altF4), "---------- *** [Lock Win] Failed *** ----------");
}

void DDeviceHidCmdSend::checkLayoutSupportCustom()
{
    if (queue(buildCheckLayout(), "USB serial port [Check keyboard layout is support custom] Failed ...") != -1)
        qDebug() << "USB serial port [Check keyboard layout is support custom] Successful ...";
}

void DDeviceHidCmdSend::checkSleepTime()
{
    queue(buildCheckSleepTime(), "---------- *** [Check Sleep time] Failed *** ----------");
}
