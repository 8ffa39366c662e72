#include "musicRhythm.h"

#include <QtGlobal>

namespace musicRhythm {

int keyColumnsFor(int keyCount)
{
    switch (keyCount) {
    case 34:
        return 7;
    case 61: case 62: case 63: case 65:
        return 15;
    case 68: case 69: case 84:
        return 16;
    case 81: case 82: case 83:
        return 17;
    case 87: case 88: case 91:
        return 18;
    case 97: case 98: case 99:
        return 19;
    default:
        return Columns;
    }
}

QList<int> bandColumnCounts(int keyCount, int bandCount)
{
    QList<int> counts;
    if (bandCount > 0) {
        const int columns = keyColumnsFor(keyCount);
        const int base = columns / bandCount;
        const int rest = columns % bandCount;
        const int firstWide = bandCount / 2 - rest / 2;
        for (int b = 0; b < bandCount; ++b)
            counts << (rest != 0 && b >= firstWide && b < firstWide + rest ? base + 1 : base);
    }
    while (counts.size() < Columns)
        counts << 0;
    return counts;
}

QMap<int, int> columnBands(const QList<int> &columnCounts)
{
    QMap<int, int> bands;
    int column = 0;
    for (int b = 0; b < columnCounts.size(); ++b)
        for (int k = 0; k < columnCounts[b] && column < Columns; ++k)
            bands.insert(column++, b);
    while (column < Columns)
        bands.insert(column++, 0);
    return bands;
}

int barLevel(double level)
{
    if (level < 0.1)
        return 0;
    if (level < 0.25)
        return 1;
    if (level < 0.4)
        return 2;
    if (level < 0.55)
        return 3;
    if (level < 0.7)
        return 4;
    return 5;
}

void bandBars(const QList<int> &columnCounts, int bandCount, const QList<int> &columnLevels,
              const QList<int> &columnIntensities, unsigned char levels[11], unsigned char intensities[11])
{
    for (int i = 0; i < 11; ++i)
        levels[i] = intensities[i] = 0;
    if (columnLevels.isEmpty())
        return;
    int t = 0;
    const int bands = qMin(qMin(bandCount, 11), columnCounts.size());
    for (int b = 0; b < bands; ++b) {
        const int n = columnCounts[b];
        if (n <= 0)
            continue;
        t += n;
        if (t - 1 < columnLevels.size())
            levels[b] = uchar(columnLevels[t - 1] & 0xFF);
        if (t - 1 < columnIntensities.size())
            intensities[b] = uchar(columnIntensities[t - 1] & 0xFF);
    }
}

} // namespace musicRhythm
