// The keyboard effect generators: one small class per effect.
#include "lightEffects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vardexlight {

ledRgb hueColor(int hue)
{
    hue = ((hue % 256) + 256) % 256;
    const int sector = hue / 43;          // six sectors of 43 steps
    const int f = (hue - sector * 43) * 6; // 0..252 inside the sector
    switch (sector) {
    case 0: return {255, f, 0};
    case 1: return {255 - f, 255, 0};
    case 2: return {0, 255, f};
    case 3: return {0, 255 - f, 255};
    case 4: return {f, 0, 255};
    default: return {255, 0, 255 - f};
    }
}

int triangle(uint64_t phase, int period)
{
    const int half = period / 2;
    const int p = int(phase % uint64_t(period));
    const int up = p < half ? p : period - p;
    return up * 255 / half;
}

void setColor(ledFrameRecord &r, ledRgb c, int intensity)
{
    r.red = c.red;
    r.green = c.green;
    r.blue = c.blue;
    r.intensity = std::max(0, std::min(255, intensity));
}

ledRgb topColor(const colorInfoData &rec)
{
    return {rec.ledTopColor[0], rec.ledTopColor[1], rec.ledTopColor[2]};
}

ledRgb bottomColor(const colorInfoData &rec)
{
    return {rec.ledBottomColor[0], rec.ledBottomColor[1], rec.ledBottomColor[2]};
}

namespace {

bool fullColor(const colorInfoData &rec) { return rec.ledFullColor == 1; }

// Direction 0 runs toward higher columns, every other value the other way.
int directionSign(const colorInfoData &rec) { return rec.ledDirection == 0 ? 1 : -1; }

int chebyshev(int r1, int c1, int r2, int c2) { return std::max(std::abs(r1 - r2), std::abs(c1 - c2)); }

class StaticEffect : public KeyEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (int i = 0; i < kKeys; ++i)
            setColor(out[i], topColor(ctx.record), 255);
    }
};

// Every key swells and fades together over 128 frames; full colour walks the
// colour wheel once a breath.
class BreathEffect : public KeyEffect
{
public:
    static constexpr int kPeriod = 128;
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        const int a = triangle(ctx.frame, kPeriod);
        const ledRgb c = fullColor(ctx.record) ? hueColor(int(ctx.frame / kPeriod) * 43) : topColor(ctx.record);
        for (int i = 0; i < kKeys; ++i) {
            setColor(out[i], c, a);
            out[i].fadeState = (ctx.frame % kPeriod) < kPeriod / 2 ? 1 : 2;
        }
    }
};

// Bands move one column a frame in the record's direction.
class WaveEffect : public KeyEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        const int sign = directionSign(ctx.record);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                const int64_t phase = (int64_t(c) - sign * int64_t(ctx.frame % 256)) * 8;
                const int p = int(((phase % 256) + 256) % 256);
                setColor(out[r * kColumns + c], hueColor(p), triangle(uint64_t(p), 256));
            }
    }
};

// The whole keyboard shifts through the colour wheel.
class NeonEffect : public KeyEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        const ledRgb c = hueColor(int(ctx.frame % 256));
        for (int i = 0; i < kKeys; ++i)
            setColor(out[i], c, 255);
    }
};

// A beam sweeps round the keyboard's centre, 6 degrees a frame.
class RadarEffect : public KeyEffect
{
public:
    RadarEffect()
    {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                const double deg = std::atan2(r - 2.5, (c - 10.5) / 2.0) * 180.0 / M_PI;
                m_angle[r * kColumns + c] = (int(std::lround(deg)) + 360) % 360;
            }
    }
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        const int sign = directionSign(ctx.record);
        const int beam = int(((int64_t(ctx.frame % 60) * 6 * sign) % 360 + 360) % 360);
        for (int i = 0; i < kKeys; ++i) {
            int behind = ((beam - m_angle[i]) * sign + 720) % 360; // degrees the beam has passed
            const int a = behind < 90 ? 255 - behind * 255 / 90 : 0;
            // In full colour the wheel turns with the beam: the colours are
            // shown at full strength, so a wheel fixed to the keys would
            // stand still.
            const int hueAngle = (m_angle[i] - beam + 720) % 360;
            ledRgb c = fullColor(ctx.record) ? hueColor(hueAngle * 256 / 360) : topColor(ctx.record);
            setColor(out[i], c, a);
        }
    }

private:
    int m_angle[kKeys];
};

// A snake of 12 keys runs through the rows, turning at each end.
class SnakeEffect : public KeyEffect
{
public:
    static constexpr int kLength = 12;
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        const int head = int(ctx.frame % kKeys);
        for (int k = 0; k < kLength; ++k) {
            const int pos = (head - k + kKeys) % kKeys;
            const int row = pos / kColumns;
            const int step = pos % kColumns;
            const int col = row % 2 == 0 ? step : kColumns - 1 - step;
            const ledRgb c = fullColor(ctx.record) ? hueColor(pos * 2) : topColor(ctx.record);
            setColor(out[row * kColumns + col], c, 255 - k * 255 / kLength);
        }
    }
};

// Keys that were pressed light up and fade.
class ReactiveEffect : public KeyEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (const KeyPress &p : ctx.presses) {
            const int i = p.row * kColumns + p.column;
            m_level[i] = 255;
            m_color[i] = p.color;
        }
        for (int i = 0; i < kKeys; ++i) {
            if (m_level[i] <= 0)
                continue;
            setColor(out[i], m_color[i], m_level[i]);
            out[i].fadeState = 2;
            out[i].rippleStage = 1;
            m_level[i] = std::max(0, m_level[i] - 8);
        }
    }

private:
    int m_level[kKeys] = {};
    ledRgb m_color[kKeys] = {};
};

// Rings that grow from a key one key-distance a frame; the shared base of
// Ripple, Aurora, Cross, Fireworks and Auto Ripple.
class RingEffect : public KeyEffect
{
public:
protected:
    struct Ring
    {
        int row, column, age;
        ledRgb color;
    };
    static constexpr int kMaxRadius = 9;
    static constexpr int kWidth = 2;

    void start(int row, int column, ledRgb color)
    {
        if (m_rings.size() >= 16)
            m_rings.erase(m_rings.begin());
        m_rings.push_back({row, column, 0, color});
    }
    // Lights key (r, c) for ring g, or returns false when the ring does not cover it.
    virtual bool covers(const Ring &g, int r, int c, int &distance) const
    {
        distance = chebyshev(g.row, g.column, r, c);
        return distance <= g.age && g.age - distance < kWidth;
    }
    void draw(ledFrameRecord *out)
    {
        for (const Ring &g : m_rings)
            for (int r = 0; r < kRows; ++r)
                for (int c = 0; c < kColumns; ++c) {
                    int d = 0;
                    if (!covers(g, r, c, d))
                        continue;
                    ledFrameRecord &rec = out[r * kColumns + c];
                    const int a = 255 - (g.age - d) * 255 / kWidth / 2;
                    if (a <= rec.intensity)
                        continue;
                    setColor(rec, g.color, a);
                    rec.rippleStage = d;
                }
        for (Ring &g : m_rings)
            ++g.age;
        m_rings.erase(std::remove_if(m_rings.begin(), m_rings.end(),
                                     [](const Ring &g) { return g.age > kMaxRadius + kWidth; }),
                      m_rings.end());
    }
    std::vector<Ring> m_rings;
};

class RippleEffect : public RingEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (const KeyPress &p : ctx.presses)
            start(p.row, p.column, p.color);
        draw(out);
    }
};

// A soft glow spreads from the key: the whole disc stays lit, its edge fading.
class AuroraEffect : public RingEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (const KeyPress &p : ctx.presses)
            start(p.row, p.column, p.color);
        draw(out);
    }

protected:
    bool covers(const Ring &g, int r, int c, int &distance) const override
    {
        distance = chebyshev(g.row, g.column, r, c);
        return distance <= std::min(g.age, 3);
    }
};

// Light runs out along the pressed key's row and column.
class CrossEffect : public RingEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (const KeyPress &p : ctx.presses)
            start(p.row, p.column, p.color);
        draw(out);
    }

protected:
    bool covers(const Ring &g, int r, int c, int &distance) const override
    {
        if (r != g.row && c != g.column)
            return false;
        return RingEffect::covers(g, r, c, distance);
    }
};

// Each press bursts in its colour; a few sparks of the ring go dark.
class FireworksEffect : public RingEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (const KeyPress &p : ctx.presses)
            start(p.row, p.column, p.color);
        draw(out);
        for (int i = 0; i < kKeys; ++i)
            if (out[i].intensity > 0 && ctx.rng->below(4) == 0)
                out[i].intensity /= 3;
    }
};

// Ripples start by themselves from a random key every 48 frames.
class AutoRippleEffect : public RingEffect
{
public:
    static constexpr int kEvery = 48;
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        const bool starting = ctx.frame % kEvery == 0;
        if (starting) {
            const int row = ctx.rng->below(kRows);
            const int column = ctx.rng->below(kColumns);
            const ledRgb c = fullColor(ctx.record) ? hueColor(ctx.rng->below(256)) : topColor(ctx.record);
            start(row, column, c);
            m_config = {{row, column, c.red, c.green, c.blue}};
        }
        draw(out);
        if (starting)
            for (int i = 0; i < kKeys; ++i)
                out[i].autoRippleTrigger = 1;
    }
    std::array<int32_t, 5> autoRippleConfig() const override { return m_config; }

private:
    std::array<int32_t, 5> m_config{{-1, -1, -1, -1, -1}};
};

// Keys light up at random, rise and fall again.
class TwinkleEffect : public KeyEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (int n = 0; n < 2; ++n) {
            const int i = ctx.rng->below(kKeys);
            if (m_state[i] == 0) {
                m_state[i] = 1;
                m_color[i] = fullColor(ctx.record) ? hueColor(ctx.rng->below(256)) : topColor(ctx.record);
            }
        }
        for (int i = 0; i < kKeys; ++i) {
            if (m_state[i] == 1) {
                m_level[i] = std::min(255, m_level[i] + 32);
                if (m_level[i] == 255)
                    m_state[i] = 2;
            } else if (m_state[i] == 2) {
                m_level[i] = std::max(0, m_level[i] - 16);
                if (m_level[i] == 0)
                    m_state[i] = 0;
            }
            setColor(out[i], m_color[i], m_level[i]);
            out[i].fadeState = m_state[i];
        }
    }

private:
    int m_state[kKeys] = {};
    int m_level[kKeys] = {};
    ledRgb m_color[kKeys] = {};
};

// Typing speed as a bar: the faster the presses of the last 64 frames, the
// more rows light, from the bottom row up. The first key of a row carries the
// row's level in field 9.
class SpeedRespondEffect : public KeyEffect
{
public:
    static constexpr int kWindow = 64;
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        for (std::size_t n = 0; n < ctx.presses.size(); ++n)
            m_times.push_back(ctx.frame);
        while (!m_times.empty() && ctx.frame - m_times.front() >= kWindow)
            m_times.erase(m_times.begin());
        const int level = std::min(kRows, int(m_times.size() + 1) / 2);
        for (int r = 0; r < kRows; ++r) {
            const int rowLevel = kRows - r; // 1 for the bottom row
            const bool lit = rowLevel <= level;
            const ledRgb c = fullColor(ctx.record) ? hueColor(85 - rowLevel * 14) : topColor(ctx.record);
            for (int col = 0; col < kColumns; ++col) {
                ledFrameRecord &rec = out[r * kColumns + col];
                setColor(rec, c, lit ? 255 : 0);
                rec.level = rowLevel;
            }
        }
    }

private:
    std::vector<uint64_t> m_times;
};

// Diagonal stripes drift across the keys.
class StriationEffect : public KeyEffect
{
public:
    void frame(KeyContext &ctx, ledFrameRecord *out) override
    {
        const int sign = directionSign(ctx.record);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                const int64_t phase = (int64_t(c + r) * 24 - sign * int64_t(ctx.frame % 256) * 4);
                const int p = int(((phase % 256) + 256) % 256);
                const ledRgb col = fullColor(ctx.record) ? hueColor(p) : topColor(ctx.record);
                ledFrameRecord &rec = out[r * kColumns + c];
                setColor(rec, col, p < 96 ? 255 - p * 255 / 96 : 0);
            }
    }
};

// Types the library does not animate (Custom, DPI, unknown values).
class DarkEffect : public KeyEffect
{
public:
    void frame(KeyContext &, ledFrameRecord *) override {}
};

} // namespace

std::unique_ptr<KeyEffect> makeKeyEffect(int type)
{
    switch (type) {
    case 0: return std::make_unique<StaticEffect>();
    case 1: return std::make_unique<BreathEffect>();
    case 2: return std::make_unique<WaveEffect>();
    case 3: return std::make_unique<NeonEffect>();
    case 4: return std::make_unique<RadarEffect>();
    case 5: return std::make_unique<SnakeEffect>();
    case 6: return std::make_unique<ReactiveEffect>();
    case 7: return std::make_unique<AuroraEffect>();
    case 8: return std::make_unique<RippleEffect>();
    case 9: return std::make_unique<TwinkleEffect>();
    case 11: return std::make_unique<CrossEffect>();
    case 12: return std::make_unique<SpeedRespondEffect>();
    case 14: return std::make_unique<AutoRippleEffect>();
    case 15: return std::make_unique<StriationEffect>();
    case 16: return std::make_unique<FireworksEffect>();
    default: return std::make_unique<DarkEffect>();
    }
}

} // namespace vardexlight
