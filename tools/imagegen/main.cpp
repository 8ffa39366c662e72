// Draws every picture of the image list into an output folder.
//   vardex-imagegen <image-list.txt> <output dir>
// Each list line is "<path> <w>x<h> <glyph> <look>"; the extension of the
// path picks the container (.png, .ico, .gif).

#include "encoders.h"
#include "glyphs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

using namespace imagegen;

namespace {

struct Entry {
    QString path;
    int width = 0;
    int height = 0;
    QString glyph;
    QString look;
};

// Buttons that stand in a row of choices get a key-cap frame, so the row
// reads as a set and the chosen one lights up as a whole.
bool isFramed(const Entry &e)
{
    if (e.look == QLatin1String("plain"))
        return false;
    if (e.path.startsWith(QLatin1String("images/device/")) || e.path.startsWith(QLatin1String("images/deviceLed/keyboard/"))
        || e.path.startsWith(QLatin1String("images/deviceLed/side/")))
        return true;
    // The device page's own tool row sits directly under images/.
    return !e.path.mid(7).contains(QLatin1Char('/')) && e.path.contains(QRegularExpression("(Def|Sel)\\.png$"));
}

void drawFrame(QPainter &p, const Entry &e)
{
    const qreal w = e.width, h = e.height;
    const qreal pen = qMax(1.5, w / 30.0);
    const QRectF r(pen / 2 + 0.5, pen / 2 + 0.5, w - pen - 1, h - pen - 1);
    if (e.look == QLatin1String("sel")) {
        QColor fill = accentColor();
        fill.setAlpha(40);
        p.setBrush(fill);
        p.setPen(QPen(accentColor(), pen));
    } else {
        p.setBrush(QColor(34, 34, 58));
        p.setPen(QPen(QColor(52, 52, 86), pen));
    }
    p.drawRoundedRect(r, w * 0.18, h * 0.18);
}

QImage render(const Entry &e, bool *ok)
{
    QImage img(e.width, e.height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Ink ink = inkFor(e.look);
    if (drawPicture(p, e.glyph, ink, e.width, e.height)) {
        *ok = true;
        return img;
    }
    const bool framed = isFramed(e);
    if (framed)
        drawFrame(p, e);
    // Glyphs are drawn square, centred in the picture.
    const qreal side = qMin(e.width, e.height);
    const qreal inset = framed ? side * 0.2 : side * 0.04;
    p.translate((e.width - side) / 2 + inset, (e.height - side) / 2 + inset);
    p.scale((side - 2 * inset) / 100.0, (side - 2 * inset) / 100.0);
    *ok = drawGlyph(p, e.glyph, ink);
    return img;
}

bool writeEntry(const Entry &e, const QString &outDir)
{
    const QString target = outDir + QLatin1Char('/') + e.path;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QByteArray data;
    if (e.path.endsWith(QLatin1String(".gif"))) {
        QVector<GifFrame> frames;
        const int count = 12;
        for (int k = 0; k < count; ++k) {
            QImage img(e.width, e.height, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            drawSpinnerFrame(p, e.width, k, count);
            p.end();
            frames.append({img, 80});
        }
        data = encodeGif(frames, panelColor());
    } else {
        bool ok = false;
        const QImage img = render(e, &ok);
        if (!ok) {
            std::fprintf(stderr, "imagegen: unknown glyph '%s' for %s\n", qPrintable(e.glyph), qPrintable(e.path));
            return false;
        }
        if (e.path.endsWith(QLatin1String(".ico"))) {
            data = encodeIco(img);
        } else {
            QFile f(target);
            if (!f.open(QIODevice::WriteOnly) || !img.save(&f, "PNG")) {
                std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(target));
                return false;
            }
            return true;
        }
    }
    QFile f(target);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(target));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Text in the word mark needs a font database; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vardex-imagegen <image-list.txt> <output dir>\n");
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "imagegen: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    QTextStream in(&list);
    int lineNo = 0;
    int failures = 0;
    const QRegularExpression sizeRe(QStringLiteral("^(\\d+)x(\\d+)$"));
    while (!in.atEnd()) {
        const QString raw = in.readLine();
        ++lineNo;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const auto m = parts.size() == 4 ? sizeRe.match(parts[1]) : QRegularExpressionMatch();
        if (!m.hasMatch()) {
            std::fprintf(stderr, "imagegen: %s:%d: expected '<path> <w>x<h> <glyph> <look>'\n", argv[1], lineNo);
            ++failures;
            continue;
        }
        Entry e{parts[0], m.captured(1).toInt(), m.captured(2).toInt(), parts[2], parts[3]};
        if (!writeEntry(e, outDir))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
