// The onboard download of a full profile: 132 bound keys in each layer, ten
// of them bound to macros of 62 events.
//   build/bench/bin/bench_onboard
// BM_BuildDownload reads both layer stores and builds every page and macro
// image (what each attempt does before it sends); BM_EncodeOnly is the
// encoding alone, from records in memory. BM_DownloadWallTime runs whole
// downloads against the simulated keyboard (1 ms reply delay): its floor is
// the 400 ms pause plus one round trip per acknowledged piece (50 pieces).
#include "hid/DDeviceKeyboardLink.h"
#include "hid/onboardPlan.h"
#include "ui/mainwidget/devicePage/DOnboardDownload.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr int kKeys = 132;
constexpr int kMacros = 10;

std::vector<int> keyCodes()
{
    std::vector<int> codes{-10};
    for (int code = 4; int(codes.size()) < kKeys; ++code)
        codes.push_back(code);
    return codes;
}

std::list<MacroEventRecord> events()
{
    std::list<MacroEventRecord> list;
    for (int i = 0; i < onboard::kMacroMaxEvents; ++i) {
        MacroEventRecord e;
        std::memset(static_cast<void *>(&e), 0, sizeof e);
        std::snprintf(e.mark, sizeof e.mark, "%d", i / 2);
        std::strcpy(e.type, i % 4 < 2 ? "key" : "mouse");
        std::strcpy(e.keyCode, i % 4 < 2 ? "4" : "513");
        std::strcpy(e.operate, i % 2 ? "up" : "down");
        std::snprintf(e.delay, sizeof e.delay, "%d", 50 + i);
        list.push_back(e);
    }
    return list;
}

// A profile folder whose both layers bind every key; five macro keys a layer.
struct Profile
{
    std::string dir;
    Profile()
    {
        char tmpl[] = "/tmp/vardex-bench-onboard-XXXXXX";
        dir = mkdtemp(tmpl);
        const char *types[][2] = {{"0", "5"}, {"2", "5,4"}, {"3", "9"}, {"4", "4"}, {"9", "4"}, {"19", "291"}};
        const std::vector<int> codes = keyCodes();
        for (int layer = 0; layer < 2; ++layer) {
            const std::string path = dir + "/" + onboard::layerStoreFile(layer);
            CVardexXML_BeginBatch(path.c_str());
            CVardexXML_CreateXMLFile(path.c_str());
            CVardexXML_CreateProFileXmlParentNode(path.c_str(), "1", "Profile1", 0);
            CVardexXML_ModifyXMLFileProfileIndex(path.c_str(), 1);
            CVardexXML_AddProFileBindMacroItem(path.c_str(), "1", events(), "1", "Macro1");
            for (std::size_t i = 0; i < codes.size(); ++i) {
                const std::string key = std::to_string(codes[i]);
                const bool macro = i % 26 == 3;
                const char *const *t = types[i % 6];
                CVardexXML_AddProFileMacroWithKeyInfoItem(path.c_str(), "1", key.c_str(), "", macro ? "1" : t[0], "1",
                                                          "1", macro ? "1" : t[1]);
            }
            CVardexXML_EndBatch(path.c_str());
        }
    }
    ~Profile() { std::system(("rm -rf '" + dir + "'").c_str()); }
};

void BM_BuildDownload(benchmark::State &state)
{
    static Profile profile;
    const std::vector<int> codes = keyCodes();
    for (auto _ : state) {
        OnboardPlan plan = onboard::buildPlan(profile.dir, codes);
        if (!plan.ok() || plan.macroSlotsUsed != kMacros)
            state.SkipWithError("the profile did not build");
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_BuildDownload)->Unit(benchmark::kMicrosecond);

void BM_EncodeOnly(benchmark::State &state)
{
    KeyOperateInfo record;
    std::memset(static_cast<void *>(&record), 0, sizeof record);
    std::strcpy(record.type, "2");
    std::strcpy(record.value, "5,4");
    const std::list<MacroEventRecord> macro = events();
    const std::vector<int> codes = keyCodes();
    for (auto _ : state) {
        uint8_t page[56];
        for (int layer = 0; layer < 2; ++layer)
            for (std::size_t i = 0; i < codes.size(); ++i) {
                const OnboardKeyEntry e = onboard::encodeKey(codes[i], record, 0);
                std::memcpy(page + 4 * (i % 14), e.bytes.data(), 4);
                if (i % 14 == 13 || i + 1 == codes.size())
                    benchmark::DoNotOptimize(onboard::keyPage(layer * 2, int(i / 14), page, int(i % 14) + 1));
            }
        for (int slot = 0; slot < kMacros; ++slot) {
            OnboardMacroImage image;
            onboard::buildMacroImage(1, 1, macro, &image);
            for (int piece = 0; piece < onboard::kMacroPieces; ++piece)
                benchmark::DoNotOptimize(onboard::macroPiece(slot, piece, image));
        }
    }
}
BENCHMARK(BM_EncodeOnly)->Unit(benchmark::kMicrosecond);

void BM_DownloadWallTime(benchmark::State &state)
{
    static Profile profile;
    if (CVardexSim_LoadScenarioText(R"({"devices":[{"model":"Brisko","connection":"cable",)"
                                    R"("serial":"5a1e0c3d9b7f4e21a6c8d0f2b4e6a8c0","statusIntervalMs":0}]})") != 0 ||
        CVardexHid_Init() != 0) {
        state.SkipWithError("no simulated keyboard");
        return;
    }
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    hidStructInfoAll record;
    std::strncpy(record.hidPath, paths.front().c_str(), sizeof record.hidPath - 1);
    std::strcpy(record.hidName, "Brisko");
    DDeviceKeyboardLink link;
    link.openHidDevice(1, record);
    QElapsedTimer ready;
    ready.start();
    while (!link.isDeviceReady() && ready.elapsed() < 2000)
        QCoreApplication::processEvents();
    DOnboardDownload download;
    QObject::connect(&link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, &download,
                     [&] { download.onAcknowledgement(&link); });
    QObject::connect(&link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus, &download,
                     [&](int status) { download.onDownloadStatus(&link, status); });
    DOnboardDownload::KeyList keys;
    for (int code : keyCodes())
        keys.append({code, QString()});
    for (auto _ : state) {
        const DOnboardDownload::Result result =
            download.run(&link, QString::fromStdString(profile.dir), keys, [] { return true; });
        if (result.outcome != DOnboardDownload::Outcome::Successful)
            state.SkipWithError("the download failed");
    }
}
BENCHMARK(BM_DownloadWallTime)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    CVardexSim_Enable(nullptr);
    CVardexXML_Init();
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
