#include "vardexSdk.h"

#include <cstring>

void CVardexSDK_VersionStr(char *text)
{
    // Callers pass a cleared 1024-byte buffer.
    static const char kVersion[] = "vardexSdk 1.0.0 (Linux)";
    if (text)
        std::memcpy(text, kVersion, sizeof kVersion);
}
