#pragma once

#include <QMetaType>

#include <cstdint>

// One keyboard as the device page knows it: a fixed-size plain record copied
// by value everywhere (signals, tiles, links). Texts are NUL-terminated 8-bit
// texts (UTF-8 when shown); a text longer than its field is cut to fit.
struct hidStructInfoAll {
    char deviceType[64] = {};       // "keyboard" for keyboards
    char hidPath[256] = {};         // HID device path; the key of the device
    char hidName[128] = {};         // model code
    char productName[128] = {};     // product name from the model entry
    char likeName[128] = {};        // display name from the model entry
    char firmwareVersion[64] = {};  // current firmware version
    char fwInfoPart1[128] = {};     // firmware identity, first part
    char fwInfoPart2[64] = {};      // firmware identity, second part
    char fwInfoPart4[64] = {};      // firmware identity, maker code
    int32_t onlineStatus = 0;       // 1 online, 0 offline
    int32_t hidUsbOrDongle = 0;     // 0 USB cable, 1 2.4 GHz receiver
    int32_t modelParams[4] = {};    // carried unchanged
    int32_t keyCount = 0;           // number of keys of the model
    char newFirmwareVersion[64] = {}; // set only in the firmware update's copies
};

Q_DECLARE_METATYPE(hidStructInfoAll)
