#include "ui/mainwidget/vendorSdkCalls.h"

#include "vardexSdk.h"

VendorSdkCalls VendorSdkCalls::library()
{
    VendorSdkCalls calls;
    calls.versionStr = [](char *text) { CVardexSDK_VersionStr(text); };
    return calls;
}
