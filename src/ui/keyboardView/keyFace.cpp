#include "ui/keyboardView/keyFace.h"

#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

#include <cstring>

namespace {

const int kOutlineWidth = 3;
const int kRadius = 6;
// A keyboard has a dozen key sizes and a frame of a uniform effect as many
// faces; a frame whose keys all differ replaces the faces wholesale.
const int kMaxFaces = 160;
const qsizetype kMaxFaceBytes = 1536 * 1024;
const int kMaxCoverages = 64;

void strokeOutline(QPainter &painter, const QSize &size, const QColor &border)
{
    painter.setPen(QPen(border, kOutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(QPoint(), size), kRadius, kRadius, Qt::AbsoluteSize);
}

QRect fillArea(const QSize &size)
{
    return QRect(1, 1, size.width() - 2, size.height() - 2);
}

// What the fill and the outline cover of each device pixel, as the
// antialiased painter draws them: two bytes per pixel.
struct Coverage
{
    QImage fill;    // Alpha8
    QImage outline; // Alpha8
};

Coverage renderCoverage(const QSize &size, qreal dpr)
{
    const QSize pixels = QSizeF(QSizeF(size) * dpr).toSize();
    auto channel = [&](bool outline) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        if (outline)
            strokeOutline(p, size, Qt::white);
        else
            p.fillRect(fillArea(size), Qt::white);
        p.end();
        return image.convertToFormat(QImage::Format_Alpha8);
    };
    return Coverage{channel(false), channel(true)};
}

inline uint mul255(uint a, uint b)
{
    const uint x = a * b + 128;
    return (x + (x >> 8)) >> 8;
}

// fill, then the outline over it, premultiplied: as the two draws blend
// onto transparency.
QImage composeFace(const Coverage &c, QRgb fill, QRgb border, qreal dpr)
{
    QImage face(c.fill.size(), QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(dpr);
    const QRgb fillPm = qPremultiply(fill);
    const QRgb borderPm = qPremultiply(border);
    const uint borderAlpha = qAlpha(border);
    const int w = face.width();
    for (int y = 0; y < face.height(); ++y) {
        const uchar *fc = c.fill.constScanLine(y);
        const uchar *oc = c.outline.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(face.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const uint f = fc[x];
            const uint o = oc[x];
            const QRgb under = f == 255 ? fillPm : f == 0 ? 0u : qRgba(mul255(qRed(fillPm), f), mul255(qGreen(fillPm), f),
                                                                     mul255(qBlue(fillPm), f), mul255(qAlpha(fillPm), f));
            if (o == 0) {
                out[x] = under;
                continue;
            }
            const uint keep = 255 - mul255(borderAlpha, o);
            out[x] = qRgba(mul255(qRed(borderPm), o) + mul255(qRed(under), keep),
                           mul255(qGreen(borderPm), o) + mul255(qGreen(under), keep),
                           mul255(qBlue(borderPm), o) + mul255(qBlue(under), keep),
                           mul255(qAlpha(borderPm), o) + mul255(qAlpha(under), keep));
        }
    }
    return face;
}

struct CoverageKey
{
    int width;
    int height;
    int dprTimes100;
    bool operator==(const CoverageKey &o) const
    {
        return width == o.width && height == o.height && dprTimes100 == o.dprTimes100;
    }
};

struct FaceKey
{
    CoverageKey size;
    QRgb fill;
    QRgb border;
    bool operator==(const FaceKey &o) const { return size == o.size && fill == o.fill && border == o.border; }
};

uint qHash(const CoverageKey &k, uint seed = 0)
{
    return ::qHash(quint64(quint32(k.width) << 16 ^ quint32(k.height)) << 16 ^ quint32(k.dprTimes100), seed);
}

uint qHash(const FaceKey &k, uint seed = 0)
{
    return qHash(k.size, seed) ^ ::qHash(quint64(k.fill) << 32 | k.border, seed);
}

// Painting happens on the interface thread only.
struct Caches
{
    QHash<CoverageKey, Coverage> coverages;
    QHash<FaceKey, QImage> faces;
    qsizetype faceBytes = 0;
};

Caches &caches()
{
    static Caches c;
    return c;
}

} // namespace

namespace keyFace {

void paint(QPainter &painter, const QSize &size, const QColor &fill, const QColor &border)
{
    if (size.isEmpty() || (fill.alpha() == 0 && border.alpha() == 0))
        return;
    const QTransform t = painter.worldTransform();
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    // Only a whole-pixel move lands the coverage on the pixels it was
    // rendered for; anything else is drawn as it comes.
    if (t.type() > QTransform::TxTranslate || t.dx() != qRound(t.dx()) || t.dy() != qRound(t.dy())
        || !qFuzzyCompare(dpr * 100, qreal(qRound(dpr * 100)))) {
        painter.save();
        painter.setClipRect(QRect(QPoint(), size), Qt::IntersectClip); // a face stays within its key
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(fillArea(size), fill);
        strokeOutline(painter, size, border);
        painter.restore();
        return;
    }

    Caches &c = caches();
    const CoverageKey sizeKey{size.width(), size.height(), qRound(dpr * 100)};
    const FaceKey faceKey{sizeKey, fill.rgba(), border.rgba()};
    auto face = c.faces.constFind(faceKey);
    if (face == c.faces.constEnd()) {
        auto coverage = c.coverages.constFind(sizeKey);
        if (coverage == c.coverages.constEnd()) {
            if (c.coverages.size() >= kMaxCoverages)
                c.coverages.clear();
            coverage = c.coverages.insert(sizeKey, renderCoverage(size, dpr));
        }
        QImage image = composeFace(*coverage, fill.rgba(), border.rgba(), dpr);
        if (c.faces.size() >= kMaxFaces || c.faceBytes + image.sizeInBytes() > kMaxFaceBytes) {
            c.faces.clear();
            c.faceBytes = 0;
        }
        c.faceBytes += image.sizeInBytes();
        face = c.faces.insert(faceKey, image);
    }
    painter.drawImage(QPoint(), *face);
}

int cachedFaces()
{
    return caches().faces.size();
}

int cachedCoverages()
{
    return caches().coverages.size();
}

} // namespace keyFace
