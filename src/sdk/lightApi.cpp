// The light calls of vardexSdk.h: hold the current records and generators
// and hand out frames. Callers may come from any thread; the frame callback
// runs outside the lock so that it may ask for mixed colours.
#include "lightEffects.h"

#include <algorithm>
#include <mutex>

using namespace vardexlight;

namespace {

struct LightState
{
    std::mutex mutex;
    Rng rng{0x5EEDu};

    colorInfoData keyRecord{};
    std::unique_ptr<KeyEffect> keyEffect = makeKeyEffect(0);
    uint64_t keyFrames = 0;
    std::vector<KeyPress> presses;
    ledRgb lastPressColor{-1, -1, -1};
    ledFrameRecord keyFrame[kKeys] = {};

    colorInfoData sideRecord{};
    std::unique_ptr<SideEffect> sideEffect = makeSideEffect(0);
    uint64_t sideFrames = 0;
    std::vector<int> sideValid;
};

LightState &state()
{
    static LightState s;
    return s;
}

} // namespace

void CVardexHid_SetKeyboardColorInfoDataStu(colorInfoData record, int, const char *, unsigned char)
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.keyRecord = record;
    s.keyEffect = makeKeyEffect(record.ledType);
    s.keyFrames = 0;
    s.presses.clear();
}

void CVardexHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData record)
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (record.ledType != s.keyRecord.ledType) {
        s.keyEffect = makeKeyEffect(record.ledType);
        s.keyFrames = 0;
    }
    s.keyRecord = record;
}

void CVardexHid_SetSideColorInfoDataStu(colorInfoData record, int segmentCount, std::vector<int> validStatus)
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.sideRecord = record;
    s.sideEffect = makeSideEffect(record.ledType);
    s.sideFrames = 0;
    const int n = std::max(0, std::min({segmentCount, int(validStatus.size()), kSideLeds}));
    s.sideValid.assign(validStatus.begin(), validStatus.begin() + n);
}

void CVardexHid_SetSideColorInfoDataStuHaveChanged(colorInfoData record)
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (record.ledType != s.sideRecord.ledType) {
        s.sideEffect = makeSideEffect(record.ledType);
        s.sideFrames = 0;
    }
    s.sideRecord = record;
}

void CVardexHid_keyboardLightColorRuning(ledFrameCallback callback)
{
    ledFrameRecord frame[kKeys];
    {
        LightState &s = state();
        std::lock_guard<std::mutex> lock(s.mutex);
        KeyContext ctx{s.keyRecord, s.keyFrames, &s.rng, {}};
        ctx.presses.swap(s.presses);
        std::fill(std::begin(s.keyFrame), std::end(s.keyFrame), ledFrameRecord{});
        s.keyEffect->frame(ctx, s.keyFrame);
        ++s.keyFrames;
        std::copy(std::begin(s.keyFrame), std::end(s.keyFrame), frame);
    }
    if (callback)
        callback(frame);
}

void CVardexHid_sideLightColorRuning(ledFrameCallback callback)
{
    ledFrameRecord frame[kSideLeds] = {};
    {
        LightState &s = state();
        std::lock_guard<std::mutex> lock(s.mutex);
        SideContext ctx{s.sideRecord, s.sideFrames, &s.rng, int(s.sideValid.size()), s.sideValid.data()};
        s.sideEffect->frame(ctx, frame);
        ++s.sideFrames;
    }
    if (callback)
        callback(frame);
}

ledRgb CVardexHid_lightColorMix(int row, int column)
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return {0, 0, 0};
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    const ledFrameRecord &r = s.keyFrame[row * kColumns + column];
    return {r.red * r.intensity / 255, r.green * r.intensity / 255, r.blue * r.intensity / 255};
}

ledRgb CVardexHid_GetCurrentRippleLightColor()
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.lastPressColor;
}

std::array<int32_t, 5> CVardexHid_GetCurrentAutoRippleLightConfig()
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.keyEffect->autoRippleConfig();
}

std::array<uint8_t, 5> CVardexHid_GetSideCollisionLightRuningConfig()
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.sideEffect->collisionConfig();
}

void CVardexHid_keyClickedSendXY(int row, int column)
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return;
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    // Full colour gives every press a colour of its own.
    s.lastPressColor = s.keyRecord.ledFullColor == 1 ? hueColor(s.rng.below(256)) : topColor(s.keyRecord);
    if (s.presses.size() < 64) // a stalled frame pace must not grow this without bound
        s.presses.push_back({row, column, s.lastPressColor});
}

int CVardexLight_TakeKeyHits(std::vector<std::pair<int, int>> &hits)
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    hits.clear();
    for (const KeyPress &p : s.presses)
        hits.emplace_back(p.row, p.column);
    s.presses.clear();
    return static_cast<int>(hits.size());
}

void CVardexLight_ResetForTest(uint32_t seed)
{
    LightState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.rng.reseed(seed);
    s.keyEffect = makeKeyEffect(s.keyRecord.ledType);
    s.sideEffect = makeSideEffect(s.sideRecord.ledType);
    s.keyFrames = s.sideFrames = 0;
    s.presses.clear();
    s.lastPressColor = {-1, -1, -1};
    std::fill(std::begin(s.keyFrame), std::end(s.keyFrame), ledFrameRecord{});
}
