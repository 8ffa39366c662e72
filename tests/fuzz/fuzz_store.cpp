// An existing store, damaged or edited by hand: every read copes, and the
// first write keeps a damaged file aside or saves a store no larger than
// proportionate to what it read.
#include "fuzzSupport.h"
#include "vardexSdk.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    clearScratch();
    CVardexXML_Init();
    const std::string path = scratchPath("appProfile_Default.xml");
    const PathBuf store(path);
    writeFile(path, data, size);

    std::vector<ProfileNodeEntry> profiles;
    CVardexXML_SelectProFileAllNodes(store, profiles);
    CVardexXML_GetCreateXMLFileProfileIndex(store);
    for (const ProfileNodeEntry &p : profiles) {
        std::list<std::string> keys;
        CVardexXML_ProFileKeyInfoSelectAll(store, p.index, keys);
        for (const std::string &code : keys) {
            KeyOperateInfo info;
            std::memset(&info, 0, sizeof info);
            CVardexXML_SelectProFileKeyOperateInfo(store, p.index, code.c_str(), &info);
        }
        colorInfoData light;
        CVardexXML_SelectProfileColorDataInfo(store, p.index, 0, 2, &light);
        CVardexXML_SelectProFileMouseLightTypeUsingIndex(store, p.index, 0);
        std::list<CustomLightNodeEntry> lights;
        CVardexXML_SelectProFileCustomLightAllNodes(store, p.index, lights);
        for (const CustomLightNodeEntry &l : lights) {
            std::list<customLightKeyRecord> items;
            CVardexXML_ProFileCustomLightInfoSelectAll(store, p.index, l.index, items);
        }
        ProfileFunctionInfo lock;
        CVardexXML_GetProFileFunctionInfo(store, p.index, &lock);
        ProfileSleepTimeInfo sleep;
        CVardexXML_GetProFileIntoSleepTimeInfo(store, p.index, &sleep);
    }
    std::vector<MacroNodeEntry> macros;
    CVardexXML_SelectMacroAllNodes(store, macros);
    for (const MacroNodeEntry &m : macros) {
        std::list<MacroEventRecord> events;
        CVardexXML_SelectAllKeyOrMouseEvent(store, m.index, events);
    }

    // One write, as a rename from the profile list would make it.
    const char *index = profiles.empty() ? "1" : profiles.front().index;
    if (CVardexXML_ModifyProfileNodeInfo(store, index, "Renamed")) {
        if (fileSize(path) > 2 * long(size) + 4096)
            std::abort(); // the saved form grew beyond the content
        CVardexXML_Init();
        std::vector<ProfileNodeEntry> again;
        if (!CVardexXML_SelectProFileAllNodes(store, again) || again.size() != profiles.size())
            std::abort(); // a save must read back whole
    }
    return 0;
}
