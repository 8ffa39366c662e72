#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

namespace imagegen {

// The colours one look draws with.
struct Ink {
    QColor fg;     // main strokes
    QColor soft;   // secondary strokes and fills
    QColor accent; // the product accent, also in the quiet look for small marks
    bool selected = false;
};

// Theme colours the pictures are designed against.
QColor accentColor();    // rgb(255,143,31)
QColor panelColor();     // rgb(26,27,49)
QColor frameColor();     // rgb(46,47,80)
QColor quietColor();     // rgb(158,158,158)

Ink inkFor(const QString &look);

// Draws glyph `name` into the 100 x 100 box of the painter's current
// coordinates. Returns false for an unknown name.
bool drawGlyph(QPainter &p, const QString &name, const Ink &ink);

// Glyphs that are full pictures rather than icons draw into w x h directly.
bool drawPicture(QPainter &p, const QString &name, const Ink &ink, int w, int h);

// One frame (0 <= frame < count) of the loading spinner, into size x size.
void drawSpinnerFrame(QPainter &p, int size, int frame, int count);

} // namespace imagegen
