#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// The faces of the keyboard drawing's buttons. The preview repaints every
// key and side segment 33 times a second, and stroking each key's rounded
// outline (or building each segment's gradient) every time was most of that
// cost. What a face covers of each pixel is rendered once per size, by the
// same painter calls; a face is then its colours laid over that coverage,
// and kept for the next button of the same size and colours.
namespace keyFace {

// A key: a fill inside a one-pixel margin and, over it, a rounded outline
// three pixels wide on the key's edge.
void paint(QPainter &painter, const QSize &size, const QColor &fill, const QColor &border);

// A side-light segment: transparent at both ends of its long axis, its
// colour in the middle. A square one has no long axis and draws nothing.
void paintSegment(QPainter &painter, const QSize &size, const QColor &color);

// Both paint at the painter's origin, within the size, and keep the
// painter's state.

// Coverages held at present (tests read it).
int cachedCoverages();

} // namespace keyFace
