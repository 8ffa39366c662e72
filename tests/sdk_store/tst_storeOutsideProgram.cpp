// Built against vardexSdk.h and the library only: the new-profile road of
// the tool, a binding lookup with the "-1" preset and the macro copy road.
#include "vardexSdk.h"

#include <cstdio>
#include <cstring>
#include <string>

#define CHECK(cond)                                                                 \
    do {                                                                            \
        if (!(cond)) {                                                              \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            return 1;                                                               \
        }                                                                           \
    } while (0)

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    CHECK(CVardexXML_Init() == 0);
    char store[256] = {};
    char macros[256] = {};
    std::snprintf(store, sizeof store, "%s/appProfile_Default.xml", argv[1]);
    std::snprintf(macros, sizeof macros, "%s/appMacro.xml", argv[1]);

    CHECK(CVardexXML_CreateXMLFile(store));
    CHECK(CVardexXML_CreateProFileXmlParentNode(store, "1", "Profile1", 0));
    CHECK(CVardexXML_ModifyXMLFileProfileIndex(store, 1));
    for (int part = 0; part < 3; ++part) {
        colorInfoData d = {part, 2, 3, 3, {255, 0, 0}, {0, 0, 0}, 0, 1, 0, 0};
        CHECK(CVardexXML_AddProFileLightInfoItem(store, "1", d));
    }
    CHECK(CVardexXML_GetCreateXMLFileProfileIndex(store) == 1);

    CHECK(CVardexXML_CreateXMLFile(macros));
    CHECK(CVardexXML_CreateMacroXmlParentNode(macros, "1", "Macro1"));
    MacroEventRecord down;
    std::memset(&down, 0, sizeof down);
    std::strcpy(down.mark, "1");
    std::strcpy(down.delay, "0");
    std::strcpy(down.type, "key");
    std::strcpy(down.keyCode, "4");
    std::strcpy(down.codeName, "A");
    std::strcpy(down.operate, "down");
    MacroEventRecord up = down;
    std::strcpy(up.operate, "up");
    CHECK(CVardexXML_AddKeyOrMouseEventItem(macros, {down, up}, "1"));

    // Bind key 4 to macro 1: copy the macro into the profile, then the binding.
    CHECK(CVardexXML_GetProFileValueNum(store, "1", "1", "1") == 0);
    std::list<MacroEventRecord> events;
    CHECK(CVardexXML_SelectAllKeyOrMouseEvent(macros, "1", events));
    CHECK(CVardexXML_AddProFileBindMacroItem(store, "1", events, "1", "Macro1"));
    CHECK(CVardexXML_DeleteProFileMacroWithKeyInfoItem(store, "1", "4", "A"));
    CHECK(CVardexXML_AddProFileMacroWithKeyInfoItem(store, "1", "4", "A", "1", "1", "1", "1"));
    CHECK(CVardexXML_GetProFileValueNum(store, "1", "1", "1") == 1);

    KeyOperateInfo info;
    std::strcpy(info.type, "-1");
    CHECK(CVardexXML_SelectProFileKeyOperateInfo(store, "1", "4", &info));
    CHECK(std::strcmp(info.type, "1") == 0 && std::strcmp(info.value, "1") == 0);
    std::strcpy(info.type, "-1");
    CVardexXML_SelectProFileKeyOperateInfo(store, "1", "5", &info);
    CHECK(std::strcmp(info.type, "-1") == 0);

    std::list<MacroEventRecord> onboard;
    CHECK(CVardexXML_ProFileMacroWithKeyInfoSelectAll(store, "1", info.value, "", onboard));
    CHECK(onboard.size() == 2 && std::strcmp(onboard.back().operate, "up") == 0);
    std::puts("outside program: ok");
    return 0;
}
