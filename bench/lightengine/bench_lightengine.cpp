// One effect frame as the engine makes it: the device library generates it,
// the renderer turns it into preview colours (darkening included).
#include <benchmark/benchmark.h>

#include <QColor>

#include "ui/lightsConfig/lightRender.h"

namespace {

ledFrameRecord g_frame[VARDEX_LIGHT_SIDE_LEDS > VARDEX_LIGHT_KEYS ? VARDEX_LIGHT_SIDE_LEDS : VARDEX_LIGHT_KEYS];
void keep(ledFrameRecord *frame) { std::copy(frame, frame + VARDEX_LIGHT_KEYS, g_frame); }
void keepSide(ledFrameRecord *frame) { std::copy(frame, frame + VARDEX_LIGHT_SIDE_LEDS, g_frame); }

colorInfoData record(int part, int type, int fullColor)
{
    colorInfoData r{};
    r.hidType = part;
    r.ledType = type;
    r.ledBrightness = 3; // a darkened level: the costly path
    r.ledSpeed = 3;
    r.ledTopColor[0] = 255;
    r.ledBottomColor[2] = 200;
    r.ledFullColor = fullColor;
    return r;
}

void keyboardFrame(benchmark::State &state)
{
    const colorInfoData rec = record(0, int(state.range(0)), int(state.range(1)));
    CVardexHid_SetKeyboardColorInfoDataStu(rec, 104, "Brisko", 1);
    const lightRender::RunningValues running = lightRender::runningFrom(rec);
    const lightRender::Darkening darkening = lightRender::darkeningFor(4);
    QColor preview[VARDEX_LIGHT_KEYS];
    QMap<int, int> pairs;
    int n = 0;
    for (auto _ : state) {
        if (++n % 5 == 0)
            CVardexHid_keyClickedSendXY(n % 6, n % 22);
        CVardexHid_keyboardLightColorRuning(keep);
        lightRender::renderKeyFrame(rec.ledType, g_frame, running, darkening, preview, &pairs);
        benchmark::DoNotOptimize(preview);
    }
}
// Static; Wave full colour; Ripple full colour (mixing, 132 library calls); Radar; Twinkle.
BENCHMARK(keyboardFrame)->Args({0, 0})->Args({2, 1})->Args({8, 1})->Args({4, 0})->Args({9, 0})->Args({16, 1});

void sideFrame(benchmark::State &state)
{
    const colorInfoData rec = record(1, int(state.range(0)), 0);
    CVardexHid_SetSideColorInfoDataStu(rec, 51, std::vector<int>(51, 1));
    const lightRender::RunningValues running = lightRender::runningFrom(rec);
    const lightRender::Darkening darkening = lightRender::darkeningFor(4);
    QColor preview[VARDEX_LIGHT_SIDE_LEDS];
    for (auto _ : state) {
        CVardexHid_sideLightColorRuning(keepSide);
        lightRender::renderSideFrame(rec.ledType, g_frame, 51, running, darkening, preview);
        benchmark::DoNotOptimize(preview);
    }
}
BENCHMARK(sideFrame)->Arg(0)->Arg(2)->Arg(3);

} // namespace

BENCHMARK_MAIN();
