// The side-light effect generators. Segments whose validStatus is 0 stay dark.
#include "lightEffects.h"

#include <algorithm>

namespace vardexlight {

namespace {

bool fullColor(const colorInfoData &rec) { return rec.ledFullColor == 1; }

template <typename Fn>
void forValid(const SideContext &ctx, ledFrameRecord *out, Fn fn)
{
    for (int i = 0; i < ctx.count; ++i)
        if (ctx.valid[i] != 0)
            fn(i, out[i]);
}

class SideStatic : public SideEffect
{
public:
    void frame(SideContext &ctx, ledFrameRecord *out) override
    {
        forValid(ctx, out, [&](int, ledFrameRecord &r) { setColor(r, topColor(ctx.record), 255); });
    }
};

class SideBreath : public SideEffect
{
public:
    void frame(SideContext &ctx, ledFrameRecord *out) override
    {
        const int a = triangle(ctx.frame, 128);
        const ledRgb c = fullColor(ctx.record) ? hueColor(int(ctx.frame / 128) * 43) : topColor(ctx.record);
        forValid(ctx, out, [&](int, ledFrameRecord &r) { setColor(r, c, a); });
    }
};

class SideWave : public SideEffect
{
public:
    void frame(SideContext &ctx, ledFrameRecord *out) override
    {
        const int sign = ctx.record.ledDirection == 0 ? 1 : -1;
        forValid(ctx, out, [&](int i, ledFrameRecord &r) {
            const int64_t phase = (int64_t(i) - sign * int64_t(ctx.frame % 256)) * 8;
            const int p = int(((phase % 256) + 256) % 256);
            setColor(r, hueColor(p), triangle(uint64_t(p), 256));
        });
    }
};

class SideNeon : public SideEffect
{
public:
    void frame(SideContext &ctx, ledFrameRecord *out) override
    {
        const ledRgb c = hueColor(int(ctx.frame % 256));
        forValid(ctx, out, [&](int, ledFrameRecord &r) { setColor(r, c, 255); });
    }
};

// Two lights run in from both ends, one in the top colour and one in the
// bottom colour; where they meet the strip flashes through nine stages.
class SideCollision : public SideEffect
{
public:
    void frame(SideContext &ctx, ledFrameRecord *out) override
    {
        const int n = std::max(1, ctx.count);
        const int meet = (n + 1) / 2;
        const int cycle = meet + 9;
        const int t = int(ctx.frame % uint64_t(cycle));
        m_cycles = uint8_t(ctx.frame / uint64_t(cycle));
        m_left = uint8_t(std::min(t, meet));
        m_right = uint8_t(std::max(0, n - 1 - std::min(t, meet)));
        m_stage = uint8_t(t > meet ? t - meet : 0);
        m_count = uint8_t(ctx.count);
        const ledRgb one = fullColor(ctx.record) ? hueColor(int(m_cycles) * 40) : topColor(ctx.record);
        const ledRgb two = fullColor(ctx.record) ? hueColor(int(m_cycles) * 40 + 128) : bottomColor(ctx.record);
        forValid(ctx, out, [&](int i, ledFrameRecord &r) {
            r.red2 = two.red;
            r.green2 = two.green;
            r.blue2 = two.blue;
            if (m_stage > 0) {
                setColor(r, one, 255 - m_stage * 25);
                r.rippleStage = m_stage;
            } else if (i == m_left) {
                setColor(r, one, 255);
            } else if (i == m_right) {
                setColor(r, two, 255);
            }
        });
    }
    std::array<uint8_t, 5> collisionConfig() const override
    {
        return {{m_left, m_right, m_stage, m_count, m_cycles}};
    }

private:
    uint8_t m_left = 0, m_right = 0, m_stage = 0, m_count = 0, m_cycles = 0;
};

class SideDark : public SideEffect
{
public:
    void frame(SideContext &, ledFrameRecord *) override {}
};

} // namespace

std::unique_ptr<SideEffect> makeSideEffect(int type)
{
    switch (type) {
    case 0: return std::make_unique<SideStatic>();
    case 1: return std::make_unique<SideBreath>();
    case 2: return std::make_unique<SideWave>();
    case 3: return std::make_unique<SideCollision>();
    case 4: return std::make_unique<SideNeon>();
    default: return std::make_unique<SideDark>(); // 5 Close and unknown values
    }
}

} // namespace vardexlight
