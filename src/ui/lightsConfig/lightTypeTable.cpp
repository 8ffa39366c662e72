#include "lightTypeTable.h"

#include <QtGlobal>

namespace lightTypeTable {
namespace {

constexpr quint8 bit(int direction) { return quint8(1u << direction); }
constexpr quint8 kLinear = bit(Left) | bit(Right) | bit(Up) | bit(Down) | bit(Gather) | bit(Dispersion);
constexpr quint8 kRotation = bit(CW) | bit(UnCW);
constexpr quint8 kRadial = bit(Gather) | bit(Dispersion);
constexpr quint8 kVertical = bit(Up) | bit(Down);
constexpr quint8 kAll = 0xFF;

const lightTypeRow kKeyboard[] = {
    {0, QT_TRANSLATE_NOOP("DLightsConfigPage", "Static"), "toolButton_Static", 0, true, false, 0, false, 0},
    {1, QT_TRANSLATE_NOOP("DLightsConfigPage", "Breath"), "toolButton_Breath", 2, true, true, 0, true, 0},
    {2, QT_TRANSLATE_NOOP("DLightsConfigPage", "Wave"), "toolButton_Wave", 3, true, true, kLinear, true, 0},
    {3, QT_TRANSLATE_NOOP("DLightsConfigPage", "Neon"), "toolButton_Neon", 1, true, true, 0, true, 0},
    {4, QT_TRANSLATE_NOOP("DLightsConfigPage", "Radar"), "toolButton_Radar", 6, true, true, kRotation, true, 6},
    {5, QT_TRANSLATE_NOOP("DLightsConfigPage", "Snake"), "toolButton_Snack", 5, true, true, kRotation, true, 6},
    {6, QT_TRANSLATE_NOOP("DLightsConfigPage", "Reactive"), "toolButton_Reactive", 11, true, true, 0, true, 0},
    {7, QT_TRANSLATE_NOOP("DLightsConfigPage", "Aurora"), "toolButton_Aurora", 9, true, true, kRadial, true, 4},
    {8, QT_TRANSLATE_NOOP("DLightsConfigPage", "Ripple"), "toolButton_Ripple", 10, true, true, 0, true, 4},
    {9, QT_TRANSLATE_NOOP("DLightsConfigPage", "Twinkle"), "toolButton_Twinkle", 4, true, true, 0, true, 0},
    {10, QT_TRANSLATE_NOOP("DLightsConfigPage", "Custom"), "toolButton_CustomLed", 17, true, false, 0, false, 0},
    {11, QT_TRANSLATE_NOOP("DLightsConfigPage", "Cross"), "toolButton_Cross", 12, true, true, 0, true, 0},
    {12, QT_TRANSLATE_NOOP("DLightsConfigPage", "Speed Respond"), "toolButton_SpeedRespond", 15, true, false, kVertical, true, 2},
    // DPI has a caption but no selectable button: its button stays hidden.
    {13, QT_TRANSLATE_NOOP("DLightsConfigPage", "DPI"), nullptr, -1, true, true, kAll, true, 0},
    {14, QT_TRANSLATE_NOOP("DLightsConfigPage", "Auto Ripple"), "toolButton_AutoRipple", 7, true, true, 0, true, 4},
    {15, QT_TRANSLATE_NOOP("DLightsConfigPage", "Striation"), "toolButton_Striation", 8, true, true, kRotation, true, 6},
    {16, QT_TRANSLATE_NOOP("DLightsConfigPage", "Fireworks"), "toolButton_Fireworks", 14, true, true, 0, true, 4},
    {100, QT_TRANSLATE_NOOP("DLightsConfigPage", "Musical Rhythm"), "toolButton_MusicalRhythm", 16, true, false, 0, true, 2},
};

const lightTypeRow kSide[] = {
    {0, QT_TRANSLATE_NOOP("DLightsConfigPage", "Static"), "toolButton_SideStatic", 50, true, false, 0, false, 0},
    {1, QT_TRANSLATE_NOOP("DLightsConfigPage", "Breath"), "toolButton_SideBreath", 52, true, true, 0, true, 0},
    {2, QT_TRANSLATE_NOOP("DLightsConfigPage", "Wave"), "toolButton_SideWave", 53, true, true, 0, true, 0},
    {3, QT_TRANSLATE_NOOP("DLightsConfigPage", "Collision"), "toolButton_SideCollision", 54, true, true, 0, true, 0},
    {4, QT_TRANSLATE_NOOP("DLightsConfigPage", "Neon"), "toolButton_SideNeon", 51, true, true, 0, true, 0},
    {5, QT_TRANSLATE_NOOP("DLightsConfigPage", "Close"), "toolButton_SideClose", 55, false, false, 0, false, 0},
};

} // namespace

const lightTypeRow *rows(int part, int *count)
{
    if (part == 0) {
        *count = int(sizeof kKeyboard / sizeof kKeyboard[0]);
        return kKeyboard;
    }
    *count = int(sizeof kSide / sizeof kSide[0]);
    return kSide;
}

const lightTypeRow *byValue(int part, int value)
{
    int count = 0;
    const lightTypeRow *table = rows(part, &count);
    for (int i = 0; i < count; ++i)
        if (table[i].value == value)
            return &table[i];
    return nullptr;
}

const lightTypeRow *byId(int id)
{
    if (id == DpiButtonId)
        return byValue(0, DpiValue);
    for (int part = 0; part < 2; ++part) {
        int count = 0;
        const lightTypeRow *table = rows(part, &count);
        for (int i = 0; i < count; ++i)
            if (table[i].id == id)
                return &table[i];
    }
    return nullptr;
}

int valueOfId(int id)
{
    const lightTypeRow *row = byId(id);
    return row ? row->value : 2;
}

} // namespace lightTypeTable
