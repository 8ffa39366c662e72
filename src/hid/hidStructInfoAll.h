// hidStructInfoAll.h - the fixed-size record that describes one keyboard,
// copied by value between the device list, tiles, links and views.
#ifndef HIDSTRUCTINFOALL_H
#define HIDSTRUCTINFOALL_H

#include <QMetaType>
#include <QString>

#include <cstdint>
#include <cstring>

struct hidStructInfoAll
{
    char deviceType[64];
    char hidPath[256];
    char hidName[128];
    char productName[128];
    char likeName[128];
    char firmwareVersion[64];
    char fwInfoPart1[128];
    char fwInfoPart2[64];
    char fwInfoPart4[64];
    int32_t onlineStatus;
    int32_t hidUsbOrDongle;
    int32_t modelParams[4];
    int32_t keyCount;
    char newFirmwareVersion[64];

    hidStructInfoAll() { std::memset(this, 0, sizeof *this); }

    // Copies text into a fixed field, cut to fit and always terminated.
    template <size_t N> static void setText(char (&field)[N], const QByteArray &text)
    {
        const size_t n = qMin(size_t(text.size()), N - 1);
        std::memcpy(field, text.constData(), n);
        std::memset(field + n, 0, N - n);
    }
    template <size_t N> static QString text(const char (&field)[N])
    {
        return QString::fromUtf8(field, int(qstrnlen(field, N)));
    }
};

Q_DECLARE_METATYPE(hidStructInfoAll)

#endif // HIDSTRUCTINFOALL_H
