// lightEffects.h - the effect generators behind the light calls of vardexSdk.h.
//
// Each effect is one small generator. Time is counted in frames produced, not
// in wall-clock time: the caller's pacing sets the speed, so the same record,
// seed and presses always give the same frames.
#ifndef VARDEX_LIGHT_EFFECTS_H
#define VARDEX_LIGHT_EFFECTS_H

#include "vardexSdk.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace vardexlight {

constexpr int kRows = VARDEX_LIGHT_ROWS;
constexpr int kColumns = VARDEX_LIGHT_COLUMNS;
constexpr int kKeys = VARDEX_LIGHT_KEYS;
constexpr int kSideLeds = VARDEX_LIGHT_SIDE_LEDS;

// Small, fast and fully determined by its seed.
class Rng
{
public:
    explicit Rng(uint32_t seed = 1) { reseed(seed); }
    void reseed(uint32_t seed) { m_state = seed ? seed : 0x9E3779B9u; }
    uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int below(int n) { return n > 0 ? int(next() % uint32_t(n)) : 0; }

private:
    uint32_t m_state;
};

// A key press; its colour is chosen when the press is reported, so the
// caller can ask for it at once.
struct KeyPress
{
    int row;
    int column;
    ledRgb color;
};

struct KeyContext
{
    colorInfoData record;
    uint64_t frame;                 // frames produced before this one
    Rng *rng;
    std::vector<KeyPress> presses;  // presses since the previous frame
};

struct SideContext
{
    colorInfoData record;
    uint64_t frame;
    Rng *rng;
    int count;                      // segments drawn, at most kSideLeds
    const int *valid;               // count validStatus values
};

// out arrives zeroed.
class KeyEffect
{
public:
    virtual ~KeyEffect() = default;
    virtual void frame(KeyContext &ctx, ledFrameRecord *out) = 0;
    virtual std::array<int32_t, 5> autoRippleConfig() const { return {{-1, -1, -1, -1, -1}}; }
};

class SideEffect
{
public:
    virtual ~SideEffect() = default;
    virtual void frame(SideContext &ctx, ledFrameRecord *out) = 0;
    virtual std::array<uint8_t, 5> collisionConfig() const { return {{0, 0, 0, 0, 0}}; }
};

// A generator for every keyboard type (those the library does not animate,
// such as Custom and DPI, give dark frames) and every side type.
std::unique_ptr<KeyEffect> makeKeyEffect(int type);
std::unique_ptr<SideEffect> makeSideEffect(int type);

// Shared pieces of the generators.
ledRgb hueColor(int hue); // hue 0..255 around the colour wheel, full saturation
int triangle(uint64_t phase, int period); // 0..255..0 over period frames
void setColor(ledFrameRecord &r, ledRgb c, int intensity);
ledRgb topColor(const colorInfoData &rec);
ledRgb bottomColor(const colorInfoData &rec);

} // namespace vardexlight

#endif // VARDEX_LIGHT_EFFECTS_H
