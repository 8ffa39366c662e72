#ifndef MUSICRHYTHM_H
#define MUSICRHYTHM_H

#include <QList>
#include <QMap>

// The layout rules of the music-rhythm effect, as plain functions.
namespace musicRhythm {

constexpr int Columns = 22;
constexpr int Rows = 6;

// Key columns a keyboard of this key count lights.
int keyColumnsFor(int keyCount);

// Columns per band (band 0 first), padded with zeros to 22 entries: the
// wider bands sit in the middle.
QList<int> bandColumnCounts(int keyCount, int bandCount);

// Column (0..21) to band; columns past the last band's go to band 0.
QMap<int, int> columnBands(const QList<int> &columnCounts);

// Bar height 0..5 for a band level 0..1.
int barLevel(double level);

// The receiver's per-band bar values: for each band that has columns, the
// level and intensity of its rightmost column. Bands without columns are
// skipped (a 34-key keyboard has none in band 0), so that the bands that
// light still reach the keyboard.
void bandBars(const QList<int> &columnCounts, int bandCount, const QList<int> &columnLevels,
              const QList<int> &columnIntensities, unsigned char levels[11], unsigned char intensities[11]);

} // namespace musicRhythm

#endif // MUSICRHYTHM_H
