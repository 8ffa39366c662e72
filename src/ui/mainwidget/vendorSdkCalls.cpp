#include "ui/mainwidget/vendorSdkCalls.h"

#include "vardexSdk.h"

#include <cstring>
#include <vector>

namespace {

QString fixedText(const char *text, size_t capacity)
{
    return QString::fromLatin1(text, int(strnlen(text, capacity)));
}

} // namespace

VendorSdkCalls VendorSdkCalls::library()
{
    VendorSdkCalls calls;
    calls.versionStr = [](char *text) { CVardexSDK_VersionStr(text); };
    calls.xmlInit = [] { return CVardexXML_Init(); };
    calls.hidInit = [] { return CVardexHid_Init(); };
    calls.lightInit = [] { return CVardexLight_Init(); };
    calls.createXmlFile = [](const char *path) { CVardexXML_CreateXMLFile(path); };
    calls.supportList = [] {
        std::vector<hidSupportInfo> list;
        CVardexHid_GetSupportInfoList(list);
        QVector<SupportedDeviceIds> ids;
        ids.reserve(int(list.size()));
        for (const hidSupportInfo &info : list)
            ids.push_back({fixedText(info.vendorId, sizeof info.vendorId), fixedText(info.productId, sizeof info.productId)});
        return ids;
    };
    return calls;
}
