// Renders the keyboard pictures shown under the key buttons, from the same
// layout files the tool reads, so keycaps always sit under their buttons.
//
//   vardex_kbdpictures <output dir> <KeyInfo_<model>.config>...
//
// Writes <output dir>/Keyboard_<model>.png at the model's picture size.

#include "ui/keyboardView/keyboardPictureSize.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cjson/cJSON.h>

#include <cstdio>

namespace {

struct Key {
    QRect rect;
    int code;
    QString caption;
};

int intItem(const cJSON *obj, const char *name)
{
    const cJSON *item = cJSON_GetObjectItem(obj, name);
    return cJSON_IsNumber(item) ? item->valueint : 0;
}

QString legendFor(int code, const QString &caption)
{
    switch (code) {
    case 49: return QStringLiteral("\\ |");
    case 52: return QStringLiteral("' \"");
    case 82: return QString(QChar(0x2191));
    case 81: return QString(QChar(0x2193));
    case 80: return QString(QChar(0x2190));
    case 79: return QString(QChar(0x2192));
    case 232: return QString(QChar(0x25B6)) + QChar(0x2016); // play/pause
    default: return caption;
    }
}

bool readLayout(const QString &path, QVector<Key> &keys)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.readAll();
    cJSON *root = cJSON_Parse(text.constData());
    if (!root)
        return false;
    for (int r = 1; r <= 6; ++r) {
        const QByteArray rowName = QByteArray("EveryKeyInfo_Row0") + QByteArray::number(r);
        const cJSON *row = cJSON_GetObjectItem(root, rowName.constData());
        for (int i = 0; row && i < cJSON_GetArraySize(row); ++i) {
            const cJSON *cell = cJSON_GetArrayItem(row, i);
            const int code = intItem(cell, "Dec");
            if (code == 0)
                continue;
            const cJSON *ch = cJSON_GetObjectItem(cell, "Character");
            keys.append({QRect(intItem(cell, "PosX"), intItem(cell, "PosY"), intItem(cell, "Width"),
                               intItem(cell, "Height")),
                         code, legendFor(code, QString::fromLatin1(cJSON_IsString(ch) ? ch->valuestring : ""))});
        }
    }
    cJSON_Delete(root);
    return true;
}

void drawKey(QPainter &p, const Key &key)
{
    const QRectF outer(key.rect);
    p.setPen(QPen(QColor(14, 15, 19), 1));
    p.setBrush(QColor(38, 40, 47));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);

    const QRectF face = outer.adjusted(2, 1.5, -2, -3.5);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, QColor(64, 66, 76));
    g.setColorAt(1, QColor(50, 52, 61));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(face, 2.5, 2.5);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qBound(6, int(key.rect.height() * 0.32), 11));
    QFontMetrics fm(font);
    while (font.pixelSize() > 5 && fm.horizontalAdvance(key.caption) > face.width() - 3) {
        font.setPixelSize(font.pixelSize() - 1);
        fm = QFontMetrics(font);
    }
    p.setFont(font);
    p.setPen(QColor(205, 207, 215));
    const bool wide = key.rect.width() > key.rect.height() * 1.4;
    const int align = wide ? (Qt::AlignLeft | Qt::AlignTop) : Qt::AlignCenter;
    p.drawText(wide ? face.adjusted(3, 2, -2, -1) : face, align, key.caption);
}

QImage render(const QSize &size, const QVector<Key> &keys)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Case.
    const QRectF body = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    QLinearGradient caseGrad(body.topLeft(), body.bottomLeft());
    caseGrad.setColorAt(0, QColor(58, 60, 68));
    caseGrad.setColorAt(1, QColor(32, 33, 40));
    p.setPen(QPen(QColor(82, 85, 96), 1.5));
    p.setBrush(caseGrad);
    p.drawRoundedRect(body, 12, 12);

    // Plate under the keys.
    QRect plate;
    for (const Key &k : keys)
        plate = plate.united(k.rect);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 21, 26));
    p.drawRoundedRect(QRectF(plate).adjusted(-5, -5, 5, 5), 6, 6);

    for (const Key &k : keys)
        drawKey(p, k);
    p.end();
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vardex_kbdpictures <output dir> <layout files...>\n");
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    int failures = 0;
    for (int i = 2; i < args.size(); ++i) {
        const QString base = QFileInfo(args.at(i)).completeBaseName(); // KeyInfo_<model>
        const QString model = base.mid(base.indexOf(QLatin1Char('_')) + 1);
        const QSize size = keyboardPictureSize(model);
        QVector<Key> keys;
        if (size.isEmpty() || !readLayout(args.at(i), keys) || keys.isEmpty()) {
            std::fprintf(stderr, "vardex_kbdpictures: cannot render %s\n", qPrintable(args.at(i)));
            ++failures;
            continue;
        }
        const QString target = out.filePath(QStringLiteral("Keyboard_%1.png").arg(model));
        if (!render(size, keys).save(target)) {
            std::fprintf(stderr, "vardex_kbdpictures: cannot write %s\n", qPrintable(target));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
