#ifndef RHYTHMBANDCOLORS_H
#define RHYTHMBANDCOLORS_H

#include <QColor>

#include <array>

// One opaque colour of the music-rhythm palette.
struct rhythmBandColor
{
    int red;
    int green;
    int blue;
    QColor toColor() const { return QColor(red, green, blue, 255); }
};

// The colours of the music-rhythm effect's frequency bands, band 0 first:
// 30-degree steps around the hue circle at full saturation, red to magenta.
// Exactly as many entries as the rhythm analysis has bands.
inline constexpr std::array<rhythmBandColor, 11> rhythmBandColors{{
    {255, 0, 0},
    {255, 128, 0},
    {255, 255, 0},
    {128, 255, 0},
    {0, 255, 0},
    {0, 255, 128},
    {0, 255, 255},
    {0, 128, 255},
    {0, 0, 255},
    {128, 0, 255},
    {255, 0, 255},
}};

// The light engine reads the same table under this name.
inline constexpr const std::array<rhythmBandColor, 11> &musicBandPalette = rhythmBandColors;

#endif // RHYTHMBANDCOLORS_H
