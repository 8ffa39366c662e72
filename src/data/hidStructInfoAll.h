// hidStructInfoAll.h - the record that describes one keyboard to the app.
//
// Assembled by the device page from the device library's records and copied
// by value everywhere (tiles, keyboard links, light engine, firmware update),
// also through signals. Fixed layout; texts are NUL-terminated 8-bit (UTF-8
// when shown) and cut to fit their field.
#ifndef HIDSTRUCTINFOALL_H
#define HIDSTRUCTINFOALL_H

#include <QMetaType>
#include <cstddef>
#include <cstdint>
#include <cstring>

struct hidStructInfoAll
{
    char deviceType[64];          // "keyboard" for keyboards
    char hidPath[256];            // the key of the device everywhere
    char hidName[128];            // model code
    char productName[128];
    char likeName[128];           // display name
    char firmwareVersion[64];
    char fwInfoPart1[128];        // firmware identity text 0
    char fwInfoPart2[64];         // firmware identity text 1
    char fwInfoPart4[64];         // firmware identity text 3, the maker code
    int32_t onlineStatus;         // 1 online, 0 offline
    int32_t hidUsbOrDongle;       // 0 USB cable, 1 2.4 GHz receiver
    int32_t modelParams[4];       // carried unchanged from the model entry
    int32_t keyCount;
    char newFirmwareVersion[64];  // set only in the firmware update's copies
};

static_assert(sizeof(hidStructInfoAll) == 1116, "hidStructInfoAll layout");
static_assert(offsetof(hidStructInfoAll, hidPath) == 64, "hidStructInfoAll layout");
static_assert(offsetof(hidStructInfoAll, onlineStatus) == 1024, "hidStructInfoAll layout");
static_assert(offsetof(hidStructInfoAll, keyCount) == 1048, "hidStructInfoAll layout");

// Copies a NUL-terminated text into a fixed field, cut to fit; null gives "".
template <std::size_t N>
inline void hidInfoSetText(char (&field)[N], const char *text)
{
    std::memset(field, 0, N);
    if (text)
        std::strncpy(field, text, N - 1);
}

Q_DECLARE_METATYPE(hidStructInfoAll)

#endif // HIDSTRUCTINFOALL_H
