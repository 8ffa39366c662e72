#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// The face of a key on the keyboard drawing: a fill inside a one-pixel
// margin and, over it, a rounded outline three pixels wide on the key's
// edge. The preview repaints every key of the drawing 33 times a second,
// and stroking the rounded outline each time was most of that cost: the
// outline's coverage is rendered once per key size, and a face is then its
// two colours laid over that coverage, kept for the next key of the same
// size and colours.
namespace keyFace {

// Paints the face at the painter's origin. The painter's state is kept.
void paint(QPainter &painter, const QSize &size, const QColor &fill, const QColor &border);

// Faces and coverages held at present (tests and benchmarks read them).
int cachedFaces();
int cachedCoverages();

} // namespace keyFace
