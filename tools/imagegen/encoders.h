#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>

// Writers for the two container formats Qt can read but not write.
namespace imagegen {

// One frame of an animation: the picture (ARGB) and its display time.
struct GifFrame {
    QImage image;
    int delayMs = 80;
};

// Encodes frames as a looping GIF89a. Pixels are flattened onto `matte`
// (the panel colour the animation is shown on); pixels whose alpha is below
// 1/16 become the transparent index, so the picture keeps a clean outline on
// any background. Every frame is quantised to at most 255 colours.
QByteArray encodeGif(const QVector<GifFrame> &frames, QColor matte);

// Encodes one square image (at most 256 pixels) as an ICO with a 32-bit DIB.
QByteArray encodeIco(const QImage &image);

} // namespace imagegen
