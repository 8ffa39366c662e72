#ifndef LIGHTRENDER_H
#define LIGHTRENDER_H

#include <QColor>
#include <QMap>

#include "vardexSdk.h"

// Turning the device library's effect frames into preview colours, and the
// brightness and speed tables of the light engine. Plain functions so that
// the rules can be checked row by row without an engine.
namespace lightRender {

// The running values the renderers read: the stored record with the speed as
// an index from 0 and the full-colour flag as a bool.
struct RunningValues
{
    int type = 0;
    int brightness = 0;
    int speedIndex = 0;
    int top[3] = {0, 0, 0};
    int bottom[3] = {0, 0, 0};
    int direction = 0;
    bool fullColor = true;
};
RunningValues runningFrom(const colorInfoData &record);

// Brightness value -> darkening level (1 brightest) and the step per level.
struct Darkening
{
    QMap<int, int> levels;
    int step = 22;
    // QColor::darker factor for a brightness; 100 (unchanged) for a value the
    // keyboard does not offer.
    int factor(int brightness) const;
};
Darkening darkeningFor(int brightnessMax);

// Frame period in ms for a speed index. The side light uses the short table
// only for a speed maximum of exactly 4, the keys for 4 or less.
int keyboardPeriod(int speedMax, int speedIndex);
int sidePeriod(int speedMax, int speedIndex);

typedef ledRgb (*MixFunction)(int row, int column);

// Renders one keyboard frame (132 records) of the given type into 132
// preview colours. Returns false, leaving the colours alone, for a type
// without a renderer. pairs, when given, receives the Speed Respond pairs.
bool renderKeyFrame(int type, const ledFrameRecord *frame, const RunningValues &running,
                    const Darkening &darkening, QColor *preview, QMap<int, int> *pairs,
                    MixFunction mix = CVardexHid_lightColorMix);

// Renders count side LEDs (count <= 60) of the given side type.
bool renderSideFrame(int type, const ledFrameRecord *frame, int count, const RunningValues &running,
                     const Darkening &darkening, QColor *preview);

// One fade step of a value 0..255. Mode 1 rises by step (result 1 when it
// reached the top, the value then 255), mode 2 falls by step (result 2 when
// it reached 0, the value then 0); 0 while the fade goes on, and for any
// other mode, which leaves the value alone.
int stepFadeValue(int *value, int step, unsigned char mode);

} // namespace lightRender

#endif // LIGHTRENDER_H
