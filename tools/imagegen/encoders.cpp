#include "encoders.h"

#include <QHash>
#include <QtEndian>

namespace imagegen {
namespace {

void putLe16(QByteArray &out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void putLe32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

// Packs variable-width LZW codes LSB first into 255-byte sub-blocks.
class BitWriter
{
public:
    void put(int code, int width)
    {
        m_acc |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_acc & 0xff));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_acc & 0xff));
        QByteArray blocks;
        for (int i = 0; i < m_bytes.size(); i += 255) {
            const QByteArray chunk = m_bytes.mid(i, 255);
            blocks.append(char(chunk.size()));
            blocks.append(chunk);
        }
        blocks.append(char(0));
        return blocks;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_bits = 0;
};

QByteArray lzwEncode(const QByteArray &indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitWriter out;
    QHash<quint32, int> dict;
    int nextCode = endCode + 1;
    int width = minCodeSize + 1;
    out.put(clearCode, width);
    if (indices.isEmpty()) {
        out.put(endCode, width);
        return out.finish();
    }
    int prefix = quint8(indices[0]);
    for (int i = 1; i < indices.size(); ++i) {
        const int c = quint8(indices[i]);
        const quint32 key = (quint32(prefix) << 8) | quint32(c);
        auto it = dict.constFind(key);
        if (it != dict.constEnd()) {
            prefix = it.value();
            continue;
        }
        out.put(prefix, width);
        if (nextCode < 4096) {
            dict.insert(key, nextCode++);
            if (nextCode > (1 << width) && width < 12)
                ++width;
        } else {
            out.put(clearCode, width);
            dict.clear();
            nextCode = endCode + 1;
            width = minCodeSize + 1;
        }
        prefix = c;
    }
    out.put(prefix, width);
    if (nextCode >= (1 << width) && width < 12)
        ++width;
    out.put(endCode, width);
    return out.finish();
}

QRgb flatten(QRgb px, QColor matte)
{
    const int a = qAlpha(px);
    // Premultiplied ARGB: colour + (1 - a) * matte.
    const int r = qRed(px) + (255 - a) * matte.red() / 255;
    const int g = qGreen(px) + (255 - a) * matte.green() / 255;
    const int b = qBlue(px) + (255 - a) * matte.blue() / 255;
    return qRgb(qMin(r, 255), qMin(g, 255), qMin(b, 255));
}

} // namespace

QByteArray encodeGif(const QVector<GifFrame> &frames, QColor matte)
{
    QByteArray out("GIF89a");
    const int w = frames.isEmpty() ? 1 : frames.first().image.width();
    const int h = frames.isEmpty() ? 1 : frames.first().image.height();
    putLe16(out, w);
    putLe16(out, h);
    out.append(char(0x00)); // no global colour table
    out.append(char(0));    // background index
    out.append(char(0));    // aspect
    // Loop forever.
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    for (const GifFrame &frame : frames) {
        const QImage img = frame.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Index 0 is transparent; the rest is an exact palette of the frame,
        // reduced to 5 bits per channel when it would overflow.
        QVector<QRgb> palette{qRgb(0, 0, 0)};
        QHash<QRgb, int> lookup;
        QByteArray indices;
        indices.reserve(w * h);
        bool coarse = false;
        for (int pass = 0; pass < 2; ++pass) {
            palette = {qRgb(0, 0, 0)};
            lookup.clear();
            indices.clear();
            bool overflow = false;
            for (int y = 0; y < h && !overflow; ++y) {
                const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                for (int x = 0; x < w; ++x) {
                    if (qAlpha(line[x]) < 16) {
                        indices.append(char(0));
                        continue;
                    }
                    QRgb c = flatten(line[x], matte);
                    if (coarse)
                        c = qRgb(qRed(c) & 0xf8, qGreen(c) & 0xf8, qBlue(c) & 0xf8);
                    auto it = lookup.constFind(c);
                    if (it == lookup.constEnd()) {
                        if (palette.size() == 256) {
                            overflow = true;
                            break;
                        }
                        it = lookup.insert(c, palette.size());
                        palette.append(c);
                    }
                    indices.append(char(it.value()));
                }
            }
            if (!overflow)
                break;
            coarse = true;
        }
        while (palette.size() < 256)
            palette.append(qRgb(0, 0, 0));

        // Graphic control: restore to background, transparent index 0.
        out.append("\x21\xf9\x04", 3);
        out.append(char(0x09));
        putLe16(out, qMax(2, frame.delayMs / 10));
        out.append(char(0));
        out.append(char(0));
        // Image descriptor with a local 256-entry table.
        out.append(char(0x2c));
        putLe16(out, 0);
        putLe16(out, 0);
        putLe16(out, w);
        putLe16(out, h);
        out.append(char(0x87));
        for (QRgb c : palette) {
            out.append(char(qRed(c)));
            out.append(char(qGreen(c)));
            out.append(char(qBlue(c)));
        }
        out.append(char(8));
        out.append(lzwEncode(indices, 8));
    }
    out.append(char(0x3b));
    return out;
}

QByteArray encodeIco(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray dib;
    putLe32(dib, 40);
    putLe32(dib, quint32(w));
    putLe32(dib, quint32(h * 2)); // colour rows + mask rows
    putLe16(dib, 1);
    putLe16(dib, 32);
    putLe32(dib, 0);
    putLe32(dib, quint32(w * h * 4 + maskStride * h));
    putLe32(dib, 0);
    putLe32(dib, 0);
    putLe32(dib, 0);
    putLe32(dib, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            putLe32(dib, line[x]); // BGRA in memory
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, char(0));
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        dib.append(row);
    }

    QByteArray out;
    putLe16(out, 0);
    putLe16(out, 1); // icon
    putLe16(out, 1); // one image
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append(char(0));
    out.append(char(0));
    putLe16(out, 1);
    putLe16(out, 32);
    putLe32(out, quint32(dib.size()));
    putLe32(out, 22);
    out.append(dib);
    return out;
}

} // namespace imagegen
