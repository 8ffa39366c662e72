#ifndef VARDEX_VENDORSDKCALLS_H
#define VARDEX_VENDORSDKCALLS_H

#include <QString>
#include <QVector>

#include <functional>

// One supported device as the device library lists it: the vendor and
// product id as hexadecimal text.
struct SupportedDeviceIds
{
    QString vendorId;
    QString productId;
};

// The device library calls the main window makes at start-up. Held as
// functions so that a test can stand in for the library (e.g. a failing
// light layer) without touching the real one.
struct VendorSdkCalls
{
    std::function<void(char *text)> versionStr;   // 1024-byte cleared buffer
    std::function<int()> xmlInit;                  // 0 on success
    std::function<int()> hidInit;                  // 0 on success
    std::function<int()> lightInit;                // 0 on success
    std::function<void(const char *path)> createXmlFile;
    std::function<QVector<SupportedDeviceIds>()> supportList;

    // The calls of our device library.
    static VendorSdkCalls library();
};

#endif // VARDEX_VENDORSDKCALLS_H
