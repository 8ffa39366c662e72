// hidCmdBuff.h - the 64-byte vendor report exchanged with a keyboard, and the
// command codes of both directions.
#ifndef HIDCMDBUFF_H
#define HIDCMDBUFF_H

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstring>

// One report as it travels in either direction. Byte 0 is the report id,
// byte 1 the command, byte 2 the sub-command/slot/part, byte 3 is always 0,
// byte 4 the page/piece/chunk index, byte 5 the declared length and the
// payload starts at byte 6. Everything not set explicitly stays 0.
struct hidCmdBuff
{
    enum { Size = 64, PayloadOffset = 6 };
    unsigned char bytes[Size];

    hidCmdBuff() { std::memset(bytes, 0, sizeof bytes); }
    explicit hidCmdBuff(const unsigned char *report) { std::memcpy(bytes, report, sizeof bytes); }

    unsigned char &operator[](int i) { return bytes[i]; }
    unsigned char operator[](int i) const { return bytes[i]; }
    const unsigned char *data() const { return bytes; }
    QByteArray toByteArray() const { return QByteArray(reinterpret_cast<const char *>(bytes), Size); }

    // Writes a 16-bit value big-endian at pos and pos + 1.
    void setU16(int pos, unsigned value)
    {
        bytes[pos] = static_cast<unsigned char>((value >> 8) & 0xFF);
        bytes[pos + 1] = static_cast<unsigned char>(value & 0xFF);
    }
    static unsigned u16(const unsigned char *report, int pos) { return (unsigned(report[pos]) << 8) | report[pos + 1]; }

    // The clock field of light reports: low 16 bits of the wall clock in ms.
    static quint16 clock16();
};
static_assert(sizeof(hidCmdBuff) == 64, "a report is exactly 64 bytes");

// Outbound command codes (host -> keyboard).
enum class HidSendCmd : unsigned char {
    ShakeHands = 0x00,
    InquireSideLightMode = 0x01,
    WriteSixKey = 0x03,
    WriteFullKey = 0x04,
    KeyboardLightConfig = 0x06,
    SideLightConfig = 0x07,
    CustomLight = 0x08,
    InquireLightMode = 0x09,
    IntoFirmware = 0x0A,
    CheckLayout = 0x0D,
    LightSyncColor = 0x0E,
    KeyboardConfig = 0x13,
    InquireDeviceSN = 0x14,
    WriteSN = 0x15,
    LightSynchronous = 0x16,
    OnboardKeyData = 0x17,
    OnboardMacroData = 0x18,
    LightSyncState = 0x28,
};

// Inbound command codes (keyboard -> host). 0x06 and 0x0E mean different
// things in the two directions.
enum class HidReturnCmd : unsigned char {
    DeviceStatus = 0x01,
    SideLightModeList = 0x02,
    KeyReport = 0x04,
    FullKeyReport = 0x05,
    KeyboardLightConfig = 0x07,
    SideLightConfig = 0x08,
    CustomLightIndex = 0x09,
    LightModeList = 0x0A,
    QN9080Data = 0x0B,
    LayoutInfo = 0x0D,
    KeyBitTable = 0x0E,
    SleepTimeReturn = 0x14,
    DeviceSN = 0x15,
    OnboardMacroReturn = 0x18,
    OnboardMacroAck = 0x19,
    CustomKeyEvent = 0x20,
};

// One half (keys or side light) of a keyboard's light capabilities.
struct lightSupportPart
{
    QList<int> lightTypes; // supported ledType values, in report order
    int speedMax = 0;
    int brightnessMax = 0;
    bool operator==(const lightSupportPart &o) const
    {
        return lightTypes == o.lightTypes && speedMax == o.speedMax && brightnessMax == o.brightnessMax;
    }
};

// A keyboard's light capabilities as reported when its link opens.
struct lightSupportInfo
{
    lightSupportPart keyboard;
    lightSupportPart side;
};

#endif // HIDCMDBUFF_H
