// The keyboard link's inbound reports: the input is a run of 64-byte reports
// as a keyboard would send them, handed to the link one by one. The link
// stores light records in a profile of a scratch store, as it does for a
// bound keyboard.
#include "fuzzSupport.h"
#include "hid/DDeviceKeyboardLink.h"
#include "vardexSdk.h"

#include <QCoreApplication>

#include <cstring>

namespace {
constexpr size_t kReportSize = 64;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    clearScratch();
    CVardexXML_Init();
    const PathBuf store(scratchPath("appProfile_Default.xml"));
    CVardexXML_CreateXMLFile(store);
    CVardexXML_CreateProFileXmlParentNode(store, "1", "Profile1", 0);

    DDeviceKeyboardLink link;
    link.setProfileIndex(1);
    link.setProfileXmlPath(store);
    link.setProfileInitialised(data[0] & 1);
    for (size_t at = 1; at < size; at += kReportSize) {
        // A short tail is padded with zeros, as the transport's buffer is.
        QByteArray report(int(kReportSize), '\0');
        std::memcpy(report.data(), data + at, std::min(kReportSize, size - at));
        link.onHidDataArrived(report, int(kReportSize), 0);
    }
    QCoreApplication::processEvents();
    return 0;
}
