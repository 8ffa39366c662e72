// Profile import: any file the user picks. An import either fails and leaves
// the store as it was, or adds one profile whose saved form stays in
// proportion to the file.
#include "fuzzSupport.h"
#include "vardexSdk.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    clearScratch();
    CVardexXML_Init();
    const PathBuf store(scratchPath("appProfile_Default.xml"));
    const PathBuf file(scratchPath("import.xml"));
    if (!CVardexXML_CreateXMLFile(store) || !CVardexXML_CreateProFileXmlParentNode(store, "1", "Profile1", 0))
        std::abort();
    const long before = fileSize(store.text);
    writeFile(file.text, data, size);

    // The tool imports the last profile the file lists.
    std::vector<ProfileNodeEntry> listed;
    CVardexXML_SelectProFileAllNodes(file, listed);
    const std::string source = listed.empty() ? "1" : listed.back().index;
    const bool imported = CVardexXML_ProFileImport(store, file, source.c_str());

    CVardexXML_Init();
    std::vector<ProfileNodeEntry> profiles;
    if (!CVardexXML_SelectProFileAllNodes(store, profiles))
        std::abort(); // the store must stay readable
    if (profiles.size() != (imported ? 2u : 1u))
        std::abort();
    if (!imported && fileSize(store.text) != before)
        std::abort(); // a refused import writes nothing
    if (fileSize(store.text) > before + 2 * long(size) + 4096)
        std::abort(); // the saved form grew beyond the content
    if (imported) {
        std::list<std::string> keys;
        CVardexXML_ProFileKeyInfoSelectAll(store, "2", keys);
        for (const std::string &code : keys) {
            KeyOperateInfo info;
            std::memset(&info, 0, sizeof info);
            CVardexXML_SelectProFileKeyOperateInfo(store, "2", code.c_str(), &info);
        }
    }
    return 0;
}
