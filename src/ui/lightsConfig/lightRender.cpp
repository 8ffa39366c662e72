#include "lightRender.h"

namespace lightRender {

namespace {

enum class Colour { Record, ScaleRecord, BlendTopBottom, BlendRecordBottom, BlendRecordSecond, Mixed, Twinkle, Black };
enum class Alpha { TopZero, TopCap, BottomCap, Stage, FadedTop, FadedBottom, Highlight, Twinkle, Zero };

struct Rule
{
    Colour colour;
    Alpha alpha;
};

struct Member
{
    int type;
    Rule off; // full colour off
    Rule on;  // full colour on
    bool darken;
};

// One row per effect that has a renderer; see renderKeyStatic .. renderKeyFireworks.
const Member kKeyMembers[] = {
    {0, {Colour::Record, Alpha::TopZero}, {Colour::Record, Alpha::TopZero}, true},
    {1, {Colour::ScaleRecord, Alpha::FadedTop}, {Colour::ScaleRecord, Alpha::FadedTop}, true},
    {2, {Colour::BlendTopBottom, Alpha::TopCap}, {Colour::Record, Alpha::Highlight}, true},
    {3, {Colour::BlendRecordBottom, Alpha::TopCap}, {Colour::Record, Alpha::Highlight}, true},
    {4, {Colour::BlendTopBottom, Alpha::BottomCap}, {Colour::Record, Alpha::Highlight}, true},
    {5, {Colour::BlendRecordBottom, Alpha::BottomCap}, {Colour::Mixed, Alpha::Stage}, true},
    {6, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::Stage}, true},
    {7, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::Stage}, true},
    {8, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::BottomCap}, true},
    {9, {Colour::Twinkle, Alpha::Twinkle}, {Colour::Twinkle, Alpha::Twinkle}, true},
    {11, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::Stage}, true},
    {12, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::BottomCap}, true},
    {14, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::BottomCap}, true},
    {15, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::Stage}, true},
    {16, {Colour::Mixed, Alpha::BottomCap}, {Colour::Mixed, Alpha::Stage}, true},
};

// renderSideStatic .. renderSideClose.
const Member kSideMembers[] = {
    {0, {Colour::Record, Alpha::TopZero}, {Colour::Record, Alpha::TopZero}, true},
    {1, {Colour::ScaleRecord, Alpha::FadedBottom}, {Colour::ScaleRecord, Alpha::FadedBottom}, true},
    {2, {Colour::BlendTopBottom, Alpha::BottomCap}, {Colour::Record, Alpha::Highlight}, true},
    {3, {Colour::BlendRecordBottom, Alpha::BottomCap}, {Colour::BlendRecordSecond, Alpha::Stage}, true},
    {4, {Colour::BlendRecordBottom, Alpha::BottomCap}, {Colour::Record, Alpha::Highlight}, true},
    {5, {Colour::Black, Alpha::Zero}, {Colour::Black, Alpha::Zero}, false},
};

template <size_t N>
const Member *find(const Member (&members)[N], int type)
{
    for (const Member &m : members)
        if (m.type == type)
            return &m;
    return nullptr;
}

struct Rgb
{
    int r, g, b;
    bool black() const { return r == 0 && g == 0 && b == 0; }
};

int clampComponent(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
int cap(int a) { return a > 200 ? 200 : a; }
Rgb blend(Rgb x, Rgb y, int w)
{
    return {(x.r * w + (255 - w) * y.r) / 256, (x.g * w + (255 - w) * y.g) / 256, (x.b * w + (255 - w) * y.b) / 256};
}
Rgb scale(Rgb x, int w) { return {x.r * w / 256, x.g * w / 256, x.b * w / 256}; }

QColor renderLed(const Rule &rule, const ledFrameRecord &rec, const RunningValues &run, int highlight,
                 int row, int column, MixFunction mix, int darkenFactor)
{
    const Rgb record{rec.red, rec.green, rec.blue};
    const Rgb second{rec.red2, rec.green2, rec.blue2};
    const Rgb top{run.top[0], run.top[1], run.top[2]};
    const Rgb bottom{run.bottom[0], run.bottom[1], run.bottom[2]};
    const int a = rec.intensity;
    const bool stageInside = rec.rippleStage >= 1 && rec.rippleStage <= 9;

    Rgb c{0, 0, 0};
    switch (rule.colour) {
    case Colour::Record: c = record; break;
    case Colour::ScaleRecord: c = scale(record, a); break;
    case Colour::BlendTopBottom: c = blend(top, bottom, a); break;
    case Colour::BlendRecordBottom: c = blend(record, bottom, a); break;
    case Colour::BlendRecordSecond: c = blend(record, second, a); break;
    case Colour::Mixed: {
        const ledRgb m = mix ? mix(row, column) : ledRgb{0, 0, 0};
        c = {m.red, m.green, m.blue};
        break;
    }
    case Colour::Twinkle: c = blend(record, bottom, bottom.black() ? cap(a) : a); break;
    case Colour::Black: break;
    }

    int alpha = 0;
    switch (rule.alpha) {
    case Alpha::TopZero: alpha = top.black() ? 0 : highlight; break;
    case Alpha::TopCap: alpha = top.black() ? cap(a) : highlight; break;
    case Alpha::BottomCap: alpha = bottom.black() ? cap(a) : highlight; break;
    case Alpha::Stage: alpha = bottom.black() && !stageInside ? cap(a) : highlight; break;
    case Alpha::FadedTop: alpha = top.black() && c.black() ? 0 : cap(a); break;
    case Alpha::FadedBottom: alpha = bottom.black() && c.black() ? 0 : cap(a); break;
    case Alpha::Highlight: alpha = highlight; break;
    case Alpha::Twinkle: alpha = bottom.black() ? cap(a) : highlight; break;
    case Alpha::Zero: alpha = 0; break;
    }

    // The library's values are trusted only as far as QColor's range.
    QColor colour(clampComponent(c.r), clampComponent(c.g), clampComponent(c.b), 255);
    colour.setAlpha(clampComponent(alpha));
    return darkenFactor == 100 ? colour : colour.darker(darkenFactor);
}

} // namespace

RunningValues runningFrom(const colorInfoData &record)
{
    RunningValues v;
    v.type = record.ledType;
    v.brightness = record.ledBrightness;
    v.speedIndex = record.ledSpeed - 1;
    for (int i = 0; i < 3; ++i) {
        v.top[i] = record.ledTopColor[i];
        v.bottom[i] = record.ledBottomColor[i];
    }
    v.direction = record.ledDirection;
    v.fullColor = record.ledFullColor == 1;
    return v;
}

int Darkening::factor(int brightness) const
{
    const int level = levels.value(brightness, 1);
    return (level - 1) * step + 100;
}

Darkening darkeningFor(int brightnessMax)
{
    Darkening d;
    const int b = brightnessMax == 0 ? 1 : brightnessMax;
    for (int k = 1; k <= b + 1; ++k)
        d.levels.insert(k, b + 2 - k);
    d.step = 160 / b;
    return d;
}

namespace {
const int kFiveSpeeds[] = {28, 24, 16, 12, 8};
const int kTenSpeeds[] = {28, 26, 24, 22, 20, 17, 14, 12, 10, 8};

// A speed index the table does not have keeps the middle pace.
template <size_t N>
int periodFrom(const int (&table)[N], int index)
{
    return index >= 0 && index < int(N) ? table[index] : table[N / 2];
}
} // namespace

int keyboardPeriod(int speedMax, int speedIndex)
{
    return speedMax <= 4 ? periodFrom(kFiveSpeeds, speedIndex) : periodFrom(kTenSpeeds, speedIndex);
}

int sidePeriod(int speedMax, int speedIndex)
{
    return speedMax == 4 ? periodFrom(kFiveSpeeds, speedIndex) : periodFrom(kTenSpeeds, speedIndex);
}

bool renderKeyFrame(int type, const ledFrameRecord *frame, const RunningValues &running,
                    const Darkening &darkening, QColor *preview, QMap<int, int> *pairs, MixFunction mix)
{
    const Member *member = find(kKeyMembers, type);
    if (!member)
        return false;
    const Rule &rule = running.fullColor ? member->on : member->off;
    const int factor = darkening.factor(running.brightness);
    const bool speedRespond = type == 12;
    const bool bottomBlack = running.bottom[0] == 0 && running.bottom[1] == 0 && running.bottom[2] == 0;
    if (speedRespond && pairs)
        pairs->clear();
    for (int row = 0; row < VARDEX_LIGHT_ROWS; ++row)
        for (int column = 0; column < VARDEX_LIGHT_COLUMNS; ++column) {
            const int i = row * VARDEX_LIGHT_COLUMNS + column;
            const ledFrameRecord &rec = frame[i];
            preview[i] = renderLed(rule, rec, running, 180, row, column, mix, member->darken ? factor : 100);
            if (speedRespond && pairs && column == 0) {
                const int v = bottomBlack ? cap(rec.intensity) : rec.intensity;
                if (v > 0)
                    pairs->insert(rec.level, v);
            }
        }
    return true;
}

bool renderSideFrame(int type, const ledFrameRecord *frame, int count, const RunningValues &running,
                     const Darkening &darkening, QColor *preview)
{
    const Member *member = find(kSideMembers, type);
    if (!member)
        return false;
    const Rule &rule = running.fullColor ? member->on : member->off;
    const int factor = member->darken ? darkening.factor(running.brightness) : 100;
    count = qBound(0, count, int(VARDEX_LIGHT_SIDE_LEDS));
    for (int i = 0; i < count; ++i)
        preview[i] = renderLed(rule, frame[i], running, 250, 0, i, nullptr, factor);
    return true;
}

int stepFadeValue(int *value, int step, unsigned char mode)
{
    if (mode == 1) {
        if (*value + step > 255) {
            *value = 255;
            return 1;
        }
        *value += step;
        return 0;
    }
    if (mode == 2) {
        if (step > *value) {
            *value = 0;
            return 2;
        }
        *value -= step;
        return 0;
    }
    return 0;
}

} // namespace lightRender
