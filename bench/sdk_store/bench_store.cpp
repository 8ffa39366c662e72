// Key-binding lookup and full profile write in a store of 10 profiles with
// 132 bound keys each.
#include "vardexSdk.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr int kProfiles = 10;
constexpr int kKeys = 132;

struct StoreFixture
{
    std::string dir;
    char path[256] = {};

    StoreFixture()
    {
        char tmpl[] = "/tmp/vardex-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        std::snprintf(path, sizeof path, "%s/appProfile_Default.xml", dir.c_str());
        CVardexXML_CreateXMLFile(path);
        for (int p = 1; p <= kProfiles; ++p)
            fillProfile(p);
        CVardexXML_ModifyXMLFileProfileIndex(path, 1);
    }
    ~StoreFixture()
    {
        std::string cmd = "rm -rf '" + dir + "'";
        if (std::system(cmd.c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", dir.c_str());
    }

    // Writes one whole profile: the profile node, 132 bindings, lights and
    // custom lights, as a new profile of the tool gets them.
    void fillProfile(int p)
    {
        const std::string index = std::to_string(p);
        CVardexXML_CreateProFileXmlParentNode(path, index.c_str(), ("Profile" + index).c_str(), 0);
        for (int k = 1; k <= kKeys; ++k)
            CVardexXML_AddProFileMacroWithKeyInfoItem(path, index.c_str(), std::to_string(k).c_str(), "Key", "6",
                                                      "1", "1", "some text to type on this key");
        for (int part = 0; part < 3; ++part) {
            colorInfoData d = {part, 2, 3, 3, {255, 0, 0}, {0, 0, 0}, 0, 1, 0, 0};
            CVardexXML_AddProFileLightInfoItem(path, index.c_str(), d);
        }
        CVardexXML_SetProFileIntoSleepTimeInfo(path, index.c_str(), 600, 30);
    }
};

StoreFixture &fixture()
{
    static StoreFixture f;
    return f;
}

void BM_KeyLookup(benchmark::State &state)
{
    auto &f = fixture();
    KeyOperateInfo info;
    int k = 0;
    for (auto _ : state) {
        std::strcpy(info.keyCode, "-1");
        const std::string key = std::to_string(k++ % kKeys + 1);
        benchmark::DoNotOptimize(CVardexXML_SelectProFileKeyOperateInfo(f.path, "10", key.c_str(), &info));
    }
}
BENCHMARK(BM_KeyLookup);

// The same lookup after every cached document was dropped: the cost of a
// re-parse that the cache avoids.
void BM_KeyLookupColdParse(benchmark::State &state)
{
    auto &f = fixture();
    KeyOperateInfo info;
    for (auto _ : state) {
        CVardexXML_Init();
        benchmark::DoNotOptimize(CVardexXML_SelectProFileKeyOperateInfo(f.path, "10", "66", &info));
    }
}
BENCHMARK(BM_KeyLookupColdParse)->Unit(benchmark::kMillisecond);

// One write call (a binding saved) into the full store: serialise + fsync + rename.
void BM_SingleBindingWrite(benchmark::State &state)
{
    auto &f = fixture();
    int i = 0;
    for (auto _ : state) {
        const std::string value = std::to_string(i++);
        CVardexXML_AddProFileMacroWithKeyInfoItem(f.path, "5", "40", "Enter", "0", "1", "1", value.c_str());
    }
}
BENCHMARK(BM_SingleBindingWrite)->Unit(benchmark::kMillisecond);

// A full profile written call by call, as a new profile or an import road does.
void BM_FullProfileWrite(benchmark::State &state)
{
    auto &f = fixture();
    for (auto _ : state)
        f.fillProfile(7);
}
BENCHMARK(BM_FullProfileWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same calls inside one batch: one file replacement.
void BM_FullProfileWriteBatched(benchmark::State &state)
{
    auto &f = fixture();
    for (auto _ : state) {
        CVardexXML_BeginBatch(f.path);
        f.fillProfile(7);
        CVardexXML_EndBatch(f.path);
    }
}
BENCHMARK(BM_FullProfileWriteBatched)->Unit(benchmark::kMillisecond)->Iterations(10);

// The two stores a keyboard gets when it is first seen (the device page's
// calls): a new store, "Profile1" made current, three default light records,
// the light synchronisation switch and five custom lights. Arg 1: each store
// written in one batch.
void BM_NewKeyboardStores(benchmark::State &state)
{
    const bool batched = state.range(0) != 0;
    auto &f = fixture();
    int round = 0;
    for (auto _ : state) {
        for (const char *file : {"appProfile_Default.xml", "appProfile_FN.xml"}) {
            char path[256] = {};
            std::snprintf(path, sizeof path, "%s/kb%d-%s", f.dir.c_str(), round, file);
            if (batched)
                CVardexXML_BeginBatch(path);
            CVardexXML_CreateXMLFile(path);
            CVardexXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0);
            CVardexXML_ModifyXMLFileProfileIndex(path, 1);
            for (int part = 0; part < 3; ++part) {
                colorInfoData d = {part, 2, 3, 3, {255, 0, 0}, {0, 0, 0}, 0, 1, 0, 0};
                CVardexXML_AddProFileLightInfoItem(path, "1", d);
            }
            CVardexXML_ModifyProFileLightSynchronizeStatus(path, "1", 1);
            const char *names[] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
            for (int id = 0; id < 5; ++id)
                CVardexXML_AddProFileCustomLightNode(path, "1", std::to_string(id).c_str(), names[id],
                                                     id < 2 ? "Using" : "UnUsing", id < 2 ? id : -1);
            if (batched)
                CVardexXML_EndBatch(path);
        }
        ++round;
    }
}
BENCHMARK(BM_NewKeyboardStores)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
