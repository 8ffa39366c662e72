#include "ui/keyboardView/keyFace.h"

#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QVector>
#include <QtMath>

namespace {

const int kOutlineWidth = 3;
const int kRadius = 6;
// A keyboard has a dozen key sizes, and a frame of a uniform effect as many
// faces; a frame whose keys all differ replaces the faces wholesale.
const int kMaxFaces = 200;
const qsizetype kMaxFaceBytes = 1536 * 1024;
const int kMaxCoverages = 96;

enum Kind { KeyKind, SegmentKind };

QRect fillArea(const QSize &size)
{
    return QRect(1, 1, size.width() - 2, size.height() - 2);
}

void drawKey(QPainter &painter, const QSize &size, const QColor &fill, const QColor &border)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(fillArea(size), fill);
    painter.setPen(QPen(border, kOutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(QPoint(), size), kRadius, kRadius, Qt::AbsoluteSize);
}

void drawSegment(QPainter &painter, const QSize &size, const QColor &color)
{
    const int w = size.width();
    const int h = size.height();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient(0, 0, w > h ? w : 0, w > h ? 0 : h);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(0.5, color);
    gradient.setColorAt(1, Qt::transparent);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);
    painter.drawRect(0, 0, w, h);
}

// What the under part (a key's fill, a segment's gradient) and the over
// part (a key's outline) cover of each device pixel, as the antialiased
// painter draws them. Most pixels of a key are wholly filled and bare of
// outline; only the others are listed.
struct Coverage
{
    QSize pixels;
    struct Pixel
    {
        int index;
        uchar under;
        uchar over;
    };
    QVector<Pixel> mixed;
};

QImage renderWhite(const QSize &size, qreal dpr, Kind kind, bool over)
{
    QImage image(QSizeF(QSizeF(size) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    if (kind == SegmentKind)
        drawSegment(p, size, Qt::white);
    else if (over)
        drawKey(p, size, Qt::transparent, Qt::white);
    else
        drawKey(p, size, Qt::white, Qt::transparent);
    p.end();
    return image;
}

Coverage renderCoverage(const QSize &size, qreal dpr, Kind kind)
{
    const QImage under = renderWhite(size, dpr, kind, false);
    const QImage over = kind == KeyKind ? renderWhite(size, dpr, kind, true) : QImage();
    Coverage c;
    c.pixels = under.size();
    for (int y = 0; y < under.height(); ++y) {
        const auto *u = reinterpret_cast<const QRgb *>(under.constScanLine(y));
        const auto *o = over.isNull() ? nullptr : reinterpret_cast<const QRgb *>(over.constScanLine(y));
        for (int x = 0; x < under.width(); ++x) {
            const uchar uc = uchar(qAlpha(u[x]));
            const uchar oc = o ? uchar(qAlpha(o[x])) : 0;
            if (uc != 255 || oc != 0)
                c.mixed.append({y * under.width() + x, uc, oc});
        }
    }
    return c;
}

inline uint mul255(uint a, uint b)
{
    const uint x = a * b + 128;
    return (x + (x >> 8)) >> 8;
}

inline QRgb scaled(QRgb pm, uint coverage)
{
    return qRgba(mul255(qRed(pm), coverage), mul255(qGreen(pm), coverage), mul255(qBlue(pm), coverage),
                 mul255(qAlpha(pm), coverage));
}

// The under colour, then the over colour on top, premultiplied: as the two
// draws blend onto transparency.
QImage composeFace(const Coverage &c, QRgb under, QRgb over, qreal dpr)
{
    QImage face(c.pixels, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(dpr);
    const QRgb underPm = qPremultiply(under);
    const QRgb overPm = qPremultiply(over);
    const uint overAlpha = qAlpha(over);
    face.fill(underPm);
    auto *out = reinterpret_cast<QRgb *>(face.bits());
    for (const Coverage::Pixel &p : c.mixed) {
        const QRgb u = p.under == 255 ? underPm : p.under == 0 ? 0u : scaled(underPm, p.under);
        if (p.over == 0) {
            out[p.index] = u;
            continue;
        }
        const uint keep = 255 - mul255(overAlpha, p.over);
        out[p.index] = qRgba(mul255(qRed(overPm), p.over) + mul255(qRed(u), keep),
                             mul255(qGreen(overPm), p.over) + mul255(qGreen(u), keep),
                             mul255(qBlue(overPm), p.over) + mul255(qBlue(u), keep),
                             mul255(qAlpha(overPm), p.over) + mul255(qAlpha(u), keep));
    }
    return face;
}

struct CoverageKey
{
    int width;
    int height;
    int dprTimes100;
    int kind;
    bool operator==(const CoverageKey &o) const
    {
        return width == o.width && height == o.height && dprTimes100 == o.dprTimes100 && kind == o.kind;
    }
};

struct FaceKey
{
    CoverageKey size;
    QRgb under;
    QRgb over;
    bool operator==(const FaceKey &o) const { return size == o.size && under == o.under && over == o.over; }
};

uint qHash(const CoverageKey &k, uint seed = 0)
{
    return ::qHash((quint64(quint32(k.width)) << 32) | (quint64(quint32(k.height)) << 12) | quint64(k.dprTimes100 << 1)
                       | quint64(k.kind),
                   seed);
}

uint qHash(const FaceKey &k, uint seed = 0)
{
    return qHash(k.size, seed) ^ ::qHash((quint64(k.under) << 32) | k.over, seed);
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

// Only a whole-pixel move at a ratio of whole hundredths lands the coverage
// on the pixels it was rendered for.
bool coverageFits(const QPainter &painter, qreal dpr)
{
    const QTransform t = painter.worldTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == qRound(t.dx()) && t.dy() == qRound(t.dy())
           && qFuzzyCompare(dpr * 100, qreal(qRound(dpr * 100)));
}

void paintCovered(QPainter &painter, const QSize &size, Kind kind, const QColor &under, const QColor &over)
{
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (!coverageFits(painter, dpr)) {
        painter.save();
        painter.setClipRect(QRect(QPoint(), size), Qt::IntersectClip); // a face stays within its button
        if (kind == SegmentKind)
            drawSegment(painter, size, under);
        else
            drawKey(painter, size, under, over);
        painter.restore();
        return;
    }
    Caches &c = caches();
    const CoverageKey sizeKey{size.width(), size.height(), qRound(dpr * 100), kind};
    const FaceKey faceKey{sizeKey, under.rgba(), over.rgba()};
    auto face = c.faces.constFind(faceKey);
    if (face == c.faces.constEnd()) {
        auto coverage = c.coverages.constFind(sizeKey);
        if (coverage == c.coverages.constEnd()) {
            if (c.coverages.size() >= kMaxCoverages)
                c.coverages.clear();
            coverage = c.coverages.insert(sizeKey, renderCoverage(size, dpr, kind));
        }
        QImage image = composeFace(*coverage, under.rgba(), over.rgba(), dpr);
        if (c.faces.size() >= kMaxFaces || c.faceBytes + image.sizeInBytes() > kMaxFaceBytes) {
            c.faces.clear();
            c.faceBytes = 0;
        }
        c.faceBytes += image.sizeInBytes();
        face = c.faces.insert(faceKey, image);
    }
    painter.drawImage(QPoint(), *face);
}

} // namespace

namespace keyFace {

void paint(QPainter &painter, const QSize &size, const QColor &fill, const QColor &border)
{
    if (size.isEmpty() || (fill.alpha() == 0 && border.alpha() == 0))
        return;
    paintCovered(painter, size, KeyKind, fill, border);
}

void paintSegment(QPainter &painter, const QSize &size, const QColor &color)
{
    if (size.isEmpty() || size.width() == size.height() || color.alpha() == 0)
        return;
    paintCovered(painter, size, SegmentKind, color, Qt::transparent);
}

int cachedCoverages()
{
    return caches().coverages.size();
}

} // namespace keyFace
