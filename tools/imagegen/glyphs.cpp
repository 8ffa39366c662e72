#include "glyphs.h"

#include <QConicalGradient>
#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

namespace imagegen {

QColor accentColor() { return QColor(255, 143, 31); }
QColor panelColor() { return QColor(26, 27, 49); }
QColor frameColor() { return QColor(46, 47, 80); }
QColor quietColor() { return QColor(158, 158, 158); }

Ink inkFor(const QString &look)
{
    Ink ink;
    ink.accent = accentColor();
    if (look == QLatin1String("sel")) {
        ink.fg = accentColor();
        ink.soft = QColor(255, 196, 140);
        ink.selected = true;
    } else if (look == QLatin1String("plain")) {
        ink.fg = accentColor();
        ink.soft = QColor(255, 196, 140);
        ink.selected = true;
    } else {
        ink.fg = quietColor();
        ink.soft = QColor(110, 112, 140);
    }
    return ink;
}

namespace {

using Glyph = std::function<void(QPainter &, const Ink &)>;

QPen line(const QColor &c, qreal w = 8)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void stroke(QPainter &p, const QColor &c, qreal w = 8)
{
    p.setPen(line(c, w));
    p.setBrush(Qt::NoBrush);
}

void fill(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

QColor alpha(QColor c, int a)
{
    c.setAlpha(qBound(0, a, 255));
    return c;
}

// A path through the points in order; closed joins the last one back to
// the first.
QPainterPath polyline(std::initializer_list<QPointF> points, bool closed = false)
{
    QPainterPath path;
    for (const QPointF &pt : points) {
        if (path.elementCount() == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

// An arrow head at `tip` pointing along angle (degrees, 0 = right, 90 = down).
void arrowHead(QPainter &p, QPointF tip, qreal angleDeg, qreal len, const QColor &c, qreal w = 8)
{
    const qreal a = qDegreesToRadians(angleDeg);
    const QPointF back(-qCos(a) * len, -qSin(a) * len);
    const QPointF side(-qSin(a) * len * 0.75, qCos(a) * len * 0.75);
    QPainterPath path = polyline({{tip + back + side}, {tip}, {tip + back - side}});
    p.setPen(line(c, w));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &c, qreal w = 8, qreal head = 14)
{
    stroke(p, c, w);
    p.drawLine(from, to);
    const qreal ang = qRadiansToDegrees(qAtan2(to.y() - from.y(), to.x() - from.x()));
    arrowHead(p, to, ang, head, c, w);
}

// A circular arc with an arrow head at its end; angles in Qt's convention
// (degrees, counter-clockwise from 3 o'clock).
void arcArrow(QPainter &p, QRectF r, qreal start, qreal span, const QColor &c, qreal w = 8)
{
    stroke(p, c, w);
    p.drawArc(r, int(start * 16), int(span * 16));
    const qreal end = qDegreesToRadians(start + span);
    const QPointF centre = r.center();
    const QPointF tip(centre.x() + qCos(end) * r.width() / 2, centre.y() - qSin(end) * r.height() / 2);
    // Tangent direction in screen coordinates.
    const qreal dir = span > 0 ? -(start + span) - 90 : -(start + span) + 90;
    arrowHead(p, tip, dir, 13, c, w);
}

void keycap(QPainter &p, QRectF r, const Ink &ink, bool filled = false)
{
    p.setPen(line(ink.fg, 6));
    p.setBrush(filled ? alpha(ink.fg, 60) : Qt::NoBrush);
    p.drawRoundedRect(r, 8, 8);
}

void miniKeyboard(QPainter &p, QRectF r, const Ink &ink, qreal w = 6)
{
    p.setPen(line(ink.fg, w));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 8, 8);
    fill(p, ink.fg);
    const qreal cols = 5, rows = 2;
    const qreal kw = r.width() / (cols + 2), kh = r.height() / 6;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            p.drawRoundedRect(QRectF(r.left() + kw * (1 + col) + 1, r.top() + kh * (1.2 + row * 1.5), kw * 0.7, kh), 2, 2);
    p.drawRoundedRect(QRectF(r.left() + kw * 2, r.top() + kh * 4.2, kw * 3, kh * 0.9), 2, 2);
}

QPainterPath sinePath(qreal x0, qreal x1, qreal y, qreal amp, qreal periods, qreal phase = 0)
{
    QPainterPath path;
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
        const qreal t = qreal(i) / n;
        const QPointF pt(x0 + (x1 - x0) * t, y + amp * qSin(phase + t * periods * 2 * M_PI));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

// Spectrum colours for effects whose point is colour, toned down in the
// quiet look so a row of buttons stays calm.
QColor hue(qreal h, const Ink &ink)
{
    QColor c = QColor::fromHsvF(std::fmod(h, 1.0), ink.selected ? 0.85 : 0.35, ink.selected ? 1.0 : 0.72);
    return c;
}

void star(QPainter &p, QPointF c, qreal r, const QColor &col)
{
    QPainterPath s;
    for (int i = 0; i < 8; ++i) {
        const qreal rr = (i % 2) ? r * 0.28 : r;
        const qreal a = i * M_PI / 4 - M_PI / 2;
        const QPointF pt(c.x() + qCos(a) * rr, c.y() + qSin(a) * rr);
        if (i == 0)
            s.moveTo(pt);
        else
            s.lineTo(pt);
    }
    s.closeSubpath();
    fill(p, col);
    p.drawPath(s);
}

void gear(QPainter &p, QPointF c, qreal r, const QColor &col, qreal w = 7)
{
    QPainterPath g;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = i * 2 * M_PI / (teeth * 4);
        const qreal rr = (i % 4 < 2) ? r : r * 0.78;
        const QPointF pt(c.x() + qCos(a) * rr, c.y() + qSin(a) * rr);
        if (i == 0)
            g.moveTo(pt);
        else
            g.lineTo(pt);
    }
    g.closeSubpath();
    p.setPen(line(col, w));
    p.setBrush(Qt::NoBrush);
    p.drawPath(g);
    p.drawEllipse(c, r * 0.32, r * 0.32);
}

void mouseShape(QPainter &p, QRectF r, const Ink &ink, qreal w = 7)
{
    stroke(p, ink.fg, w);
    p.drawRoundedRect(r, r.width() / 2, r.width() / 2.2);
    p.drawLine(QPointF(r.center().x(), r.top() + 4), QPointF(r.center().x(), r.top() + r.height() * 0.32));
}

void sideBar(QPainter &p, const Ink &ink, const std::function<QColor(qreal)> &at)
{
    // The side strip seen from the front: a long rounded bar lit along x.
    QLinearGradient g(12, 0, 88, 0);
    for (int i = 0; i <= 10; ++i)
        g.setColorAt(i / 10.0, at(i / 10.0));
    p.setPen(line(ink.fg, 5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(10, 38, 80, 24), 12, 12);
}

QHash<QString, Glyph> makeGlyphs()
{
    QHash<QString, Glyph> g;

    // ---- window and app chrome ----
    g["setting"] = [](QPainter &p, const Ink &i) { gear(p, {50, 50}, 38, i.fg, 9); };
    g["minWindow"] = [](QPainter &p, const Ink &i) { stroke(p, i.fg, 10); p.drawLine(QPointF(18, 62), QPointF(82, 62)); };
    g["maxWindow"] = [](QPainter &p, const Ink &i) { stroke(p, i.fg, 9); p.drawRoundedRect(QRectF(20, 20, 60, 60), 6, 6); };
    g["intoMaxWindow"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 9);
        p.drawRoundedRect(QRectF(16, 34, 50, 50), 6, 6);
        QPainterPath back = polyline({{34, 34}, {34, 16}, {84, 16}, {84, 66}, {66, 66}});
        p.drawPath(back);
    };
    g["closeWindow"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 10);
        p.drawLine(QPointF(22, 22), QPointF(78, 78));
        p.drawLine(QPointF(78, 22), QPointF(22, 78));
    };

    // ---- device page tool row ----
    g["customMade"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(12, 30, 54, 54), i);
        // A pen resting on the key: the key gets its own function.
        p.save();
        p.translate(66, 34);
        p.rotate(45);
        stroke(p, i.fg, 7);
        p.drawRoundedRect(QRectF(-8, -34, 16, 50), 3, 3);
        fill(p, i.fg);
        QPainterPath nib = polyline({{-8, 16}, {8, 16}, {0, 30}}, true);
        p.drawPath(nib);
        p.restore();
    };
    g["led"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 7);
        QPainterPath bulb;
        bulb.moveTo(38, 70);
        bulb.cubicTo(38, 58, 24, 52, 24, 38);
        bulb.cubicTo(24, 22, 36, 12, 50, 12);
        bulb.cubicTo(64, 12, 76, 22, 76, 38);
        bulb.cubicTo(76, 52, 62, 58, 62, 70);
        bulb.closeSubpath();
        p.setBrush(alpha(i.fg, i.selected ? 90 : 40));
        p.drawPath(bulb);
        p.drawLine(QPointF(40, 80), QPointF(60, 80));
        p.drawLine(QPointF(43, 90), QPointF(57, 90));
        stroke(p, i.soft, 5);
        p.drawLine(QPointF(8, 38), QPointF(14, 38));
        p.drawLine(QPointF(86, 38), QPointF(92, 38));
        p.drawLine(QPointF(16, 12), QPointF(20, 16));
        p.drawLine(QPointF(84, 12), QPointF(80, 16));
    };
    g["performance"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 8);
        p.drawArc(QRectF(12, 18, 76, 76), 200 * 16, -220 * 16);
        for (int k = 0; k <= 4; ++k) {
            const qreal a = qDegreesToRadians(200.0 - k * 55.0);
            p.drawLine(QPointF(50 + qCos(a) * 30, 56 - qSin(a) * 30), QPointF(50 + qCos(a) * 24, 56 - qSin(a) * 24));
        }
        stroke(p, i.accent, 8);
        p.drawLine(QPointF(50, 56), QPointF(72, 34));
        fill(p, i.fg);
        p.drawEllipse(QPointF(50, 56), 7, 7);
    };
    g["macro"] = [](QPainter &p, const Ink &i) {
        // A recorded sequence: rows of steps and a play mark.
        stroke(p, i.fg, 8);
        p.drawLine(QPointF(14, 24), QPointF(60, 24));
        p.drawLine(QPointF(14, 46), QPointF(52, 46));
        p.drawLine(QPointF(14, 68), QPointF(44, 68));
        fill(p, i.accent);
        QPainterPath play = polyline({{58, 50}, {90, 70}, {58, 90}}, true);
        if (!i.selected)
            p.setBrush(i.fg);
        p.drawPath(play);
    };
    g["reset"] = [](QPainter &p, const Ink &i) { arcArrow(p, QRectF(18, 18, 64, 64), 120, 280, i.fg, 9); };
    g["capability"] = [](QPainter &p, const Ink &i) {
        miniKeyboard(p, QRectF(6, 30, 64, 44), i);
        fill(p, QColor(26, 27, 49));
        p.drawEllipse(QPointF(72, 70), 22, 22);
        gear(p, {72, 70}, 18, i.fg, 6);
    };

    // ---- small controls ----
    g["checkBox"] = [](QPainter &p, const Ink &i) {
        if (i.selected) {
            fill(p, i.accent);
            p.drawRoundedRect(QRectF(8, 8, 84, 84), 16, 16);
            stroke(p, QColor(26, 27, 49), 12);
            QPainterPath tick = polyline({{26, 52}, {43, 69}, {75, 33}});
            p.drawPath(tick);
        } else {
            p.setPen(line(QColor(175, 175, 175), 8));
            p.setBrush(QColor(26, 27, 49));
            p.drawRoundedRect(QRectF(10, 10, 80, 80), 14, 14);
        }
    };
    g["combox"] = [](QPainter &p, const Ink &i) {
        if (i.selected)
            arrowHead(p, {50, 34}, -90, 22, i.fg, 11);
        else
            arrowHead(p, {50, 66}, 90, 22, i.fg, 11);
    };
    g["dian"] = [](QPainter &p, const Ink &i) {
        fill(p, i.fg);
        for (int k = 0; k < 3; ++k)
            p.drawEllipse(QPointF(24 + k * 26, 50), 8, 8);
    };
    g["charging"] = [](QPainter &p, const Ink &i) {
        QPainterPath bolt = polyline({{62, 4}, {22, 56}, {48, 56}, {38, 96}, {80, 40}, {54, 40}}, true);
        fill(p, QColor(136, 205, 12));
        p.drawPath(bolt);
    };

    // ---- macro editor ----
    g["sure"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 10);
        QPainterPath tick = polyline({{18, 52}, {40, 74}, {82, 28}});
        p.drawPath(tick);
    };
    g["cancel"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 10);
        p.drawLine(QPointF(26, 26), QPointF(74, 74));
        p.drawLine(QPointF(74, 26), QPointF(26, 74));
    };
    g["add"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 8);
        p.drawEllipse(QRectF(10, 10, 80, 80));
        stroke(p, i.fg, 9);
        p.drawLine(QPointF(50, 30), QPointF(50, 70));
        p.drawLine(QPointF(30, 50), QPointF(70, 50));
    };
    g["clearMacro"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 8);
        p.drawLine(QPointF(10, 24), QPointF(64, 24));
        p.drawLine(QPointF(10, 46), QPointF(50, 46));
        p.drawLine(QPointF(10, 68), QPointF(40, 68));
        stroke(p, i.selected ? QColor(255, 90, 60) : i.fg, 8);
        p.drawLine(QPointF(58, 58), QPointF(86, 86));
        p.drawLine(QPointF(86, 58), QPointF(58, 86));
    };
    g["delete"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 7);
        p.drawLine(QPointF(16, 26), QPointF(84, 26));
        p.drawLine(QPointF(40, 26), QPointF(42, 14));
        p.drawLine(QPointF(42, 14), QPointF(58, 14));
        p.drawLine(QPointF(58, 14), QPointF(60, 26));
        QPainterPath bin = polyline({{24, 30}, {30, 88}, {70, 88}, {76, 30}});
        p.drawPath(bin);
        p.drawLine(QPointF(42, 42), QPointF(43, 76));
        p.drawLine(QPointF(58, 42), QPointF(57, 76));
    };
    g["download"] = [](QPainter &p, const Ink &i) {
        arrow(p, {50, 10}, {50, 64}, i.fg, 9, 18);
        stroke(p, i.fg, 9);
        QPainterPath tray = polyline({{14, 62}, {14, 86}, {86, 86}, {86, 62}});
        p.drawPath(tray);
    };
    g["moveUp"] = [](QPainter &p, const Ink &i) {
        arrow(p, {50, 86}, {50, 16}, i.fg, 9, 20);
    };
    g["moveDown"] = [](QPainter &p, const Ink &i) {
        arrow(p, {50, 14}, {50, 84}, i.fg, 9, 20);
    };
    g["record"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 7);
        p.drawEllipse(QRectF(10, 10, 80, 80));
        fill(p, i.selected ? QColor(255, 70, 50) : i.fg);
        p.drawEllipse(QRectF(30, 30, 40, 40));
    };
    g["time"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 8);
        p.drawEllipse(QRectF(10, 10, 80, 80));
        p.drawLine(QPointF(50, 26), QPointF(50, 52));
        p.drawLine(QPointF(50, 52), QPointF(68, 62));
    };
    g["keyUp"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(14, 32, 72, 58), i);
        arrow(p, {50, 78}, {50, 8}, i.fg, 8, 16);
    };
    g["keyDown"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(14, 40, 72, 52), i, true);
        arrow(p, {50, 6}, {50, 74}, i.fg, 8, 16);
    };
    g["keyboard"] = [](QPainter &p, const Ink &i) { miniKeyboard(p, QRectF(6, 22, 88, 58), i); };
    g["mouse"] = [](QPainter &p, const Ink &i) { mouseShape(p, QRectF(26, 10, 48, 80), i); };

    // ---- custom-keys page function buttons ----
    g["default"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(18, 18, 64, 64), i);
        arcArrow(p, QRectF(34, 34, 32, 32), 100, 260, i.fg, 6);
    };
    g["RemapKey"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(6, 8, 40, 40), i);
        keycap(p, QRectF(54, 52, 40, 40), i, true);
        stroke(p, i.fg, 7);
        QPainterPath path;
        path.moveTo(26, 56);
        path.quadTo(26, 76, 44, 76);
        p.drawPath(path);
        arrowHead(p, {46, 76}, 0, 11, i.fg, 7);
    };
    g["text"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 10);
        p.drawLine(QPointF(16, 20), QPointF(64, 20));
        p.drawLine(QPointF(40, 20), QPointF(40, 78));
        stroke(p, i.soft, 7);
        p.drawLine(QPointF(62, 50), QPointF(86, 50));
        p.drawLine(QPointF(62, 66), QPointF(86, 66));
        p.drawLine(QPointF(56, 82), QPointF(86, 82));
    };
    g["disable"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 9);
        p.drawEllipse(QRectF(12, 12, 76, 76));
        p.drawLine(QPointF(24, 76), QPointF(76, 24));
    };
    g["multimedia"] = [](QPainter &p, const Ink &i) {
        fill(p, i.fg);
        p.drawEllipse(QPointF(30, 74), 14, 11);
        p.drawEllipse(QPointF(74, 64), 14, 11);
        stroke(p, i.fg, 8);
        p.drawLine(QPointF(42, 72), QPointF(42, 20));
        p.drawLine(QPointF(86, 62), QPointF(86, 12));
        p.drawLine(QPointF(42, 20), QPointF(86, 12));
        p.drawLine(QPointF(42, 34), QPointF(86, 26));
    };
    g["combinationKey"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(4, 30, 38, 40), i);
        keycap(p, QRectF(58, 30, 38, 40), i);
        stroke(p, i.accent, 7);
        p.drawLine(QPointF(50, 40), QPointF(50, 60));
        p.drawLine(QPointF(40, 50), QPointF(60, 50));
    };
    g["Shortcuts"] = [](QPainter &p, const Ink &i) {
        // The command loop mark: a shortcut key.
        stroke(p, i.fg, 8);
        p.drawRect(QRectF(36, 36, 28, 28));
        p.drawEllipse(QRectF(16, 16, 20, 20));
        p.drawEllipse(QRectF(64, 16, 20, 20));
        p.drawEllipse(QRectF(16, 64, 20, 20));
        p.drawEllipse(QRectF(64, 64, 20, 20));
    };
    g["SwitchProfile"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 7);
        p.drawRoundedRect(QRectF(12, 14, 50, 36), 5, 5);
        p.setBrush(QColor(26, 27, 49));
        p.drawRoundedRect(QRectF(38, 50, 50, 36), 5, 5);
        arcArrow(p, QRectF(62, 14, 26, 28), 160, -140, i.accent, 6);
    };
    g["openApp"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 7);
        p.drawRoundedRect(QRectF(10, 22, 66, 66), 8, 8);
        p.drawLine(QPointF(10, 38), QPointF(76, 38));
        arrow(p, {44, 66}, {88, 14}, i.accent, 8, 16);
    };
    g["KBLightModeChanged"] = [](QPainter &p, const Ink &i) {
        miniKeyboard(p, QRectF(8, 44, 84, 48), i);
        stroke(p, i.accent, 6);
        for (int k = 0; k < 5; ++k) {
            const qreal a = qDegreesToRadians(30.0 + k * 30.0);
            p.drawLine(QPointF(50 + qCos(a) * 20, 38 - qSin(a) * 14), QPointF(50 + qCos(a) * 36, 38 - qSin(a) * 28));
        }
    };
    g["SideLightModeChanged"] = [](QPainter &p, const Ink &i) {
        sideBar(p, i, [&](qreal t) { return alpha(i.accent, int(60 + 180 * qSin(t * M_PI))); });
        stroke(p, i.soft, 5);
        for (int k = 0; k < 4; ++k) {
            p.drawLine(QPointF(22 + k * 19, 28), QPointF(22 + k * 19, 18));
            p.drawLine(QPointF(22 + k * 19, 72), QPointF(22 + k * 19, 82));
        }
    };
    g["keyConfig"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(8, 8, 60, 60), i);
        fill(p, QColor(26, 27, 49));
        p.drawEllipse(QPointF(68, 68), 26, 26);
        gear(p, {68, 68}, 22, i.accent, 6);
    };

    // ---- light page ----
    g["partSwitch"] = [](QPainter &p, const Ink &i) {
        arrow(p, {14, 34}, {86, 34}, i.fg, 8, 14);
        arrow(p, {86, 66}, {14, 66}, i.accent, 8, 14);
    };
    g["dirLeft"] = [](QPainter &p, const Ink &i) { arrow(p, {86, 50}, {14, 50}, i.fg, 11, 22); };
    g["dirRight"] = [](QPainter &p, const Ink &i) { arrow(p, {14, 50}, {86, 50}, i.fg, 11, 22); };
    g["dirUp"] = [](QPainter &p, const Ink &i) { arrow(p, {50, 86}, {50, 14}, i.fg, 11, 22); };
    g["dirDown"] = [](QPainter &p, const Ink &i) { arrow(p, {50, 14}, {50, 86}, i.fg, 11, 22); };
    g["dirGather"] = [](QPainter &p, const Ink &i) {
        arrow(p, {6, 50}, {38, 50}, i.fg, 10, 16);
        arrow(p, {94, 50}, {62, 50}, i.fg, 10, 16);
    };
    g["dirDispersion"] = [](QPainter &p, const Ink &i) {
        arrow(p, {40, 50}, {8, 50}, i.fg, 10, 16);
        arrow(p, {60, 50}, {92, 50}, i.fg, 10, 16);
    };
    g["dirCw"] = [](QPainter &p, const Ink &i) { arcArrow(p, QRectF(16, 16, 68, 68), 150, -270, i.fg, 10); };
    g["dirUncw"] = [](QPainter &p, const Ink &i) { arcArrow(p, QRectF(16, 16, 68, 68), 30, 270, i.fg, 10); };

    // ---- keyboard light effects: each icon shows what the effect does ----
    g["fxStatic"] = [](QPainter &p, const Ink &i) {
        fill(p, i.fg);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRoundedRect(QRectF(12 + c * 27, 12 + r * 27, 22, 22), 5, 5);
    };
    g["fxNeon"] = [](QPainter &p, const Ink &i) {
        QConicalGradient cg(50, 50, 90);
        for (int k = 0; k <= 6; ++k)
            cg.setColorAt(k / 6.0, hue(k / 6.0, i));
        p.setPen(QPen(QBrush(cg), 14, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(16, 16, 68, 68));
    };
    g["fxBreath"] = [](QPainter &p, const Ink &i) {
        // A light that swells and fades.
        QRadialGradient rg(50, 56, 40);
        rg.setColorAt(0, i.fg);
        rg.setColorAt(0.55, alpha(i.fg, 120));
        rg.setColorAt(1, alpha(i.fg, 0));
        fill(p, QColor());
        p.setBrush(rg);
        p.drawEllipse(QPointF(50, 56), 40, 40);
        stroke(p, i.fg, 5);
        p.drawPath(sinePath(8, 92, 22, 8, 1.5, M_PI / 2));
    };
    g["fxWave"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.fg, 7);
        p.drawPath(sinePath(8, 92, 32, 10, 1.5));
        stroke(p, i.soft, 7);
        p.drawPath(sinePath(8, 92, 52, 10, 1.5, 0.7));
        stroke(p, alpha(i.fg, 150), 7);
        p.drawPath(sinePath(8, 92, 72, 10, 1.5, 1.4));
    };
    g["fxTwinkle"] = [](QPainter &p, const Ink &i) {
        star(p, {38, 40}, 30, i.fg);
        star(p, {74, 70}, 18, i.soft);
        star(p, {76, 22}, 10, i.soft);
        star(p, {24, 80}, 8, i.soft);
    };
    g["fxSnack"] = [](QPainter &p, const Ink &i) {
        // A snake of lit keys running along the rows.
        stroke(p, alpha(i.fg, 110), 12);
        QPainterPath path;
        path.moveTo(14, 22);
        path.lineTo(86, 22);
        path.quadTo(92, 22, 92, 36);
        path.quadTo(92, 50, 78, 50);
        path.lineTo(22, 50);
        path.quadTo(8, 50, 8, 64);
        path.quadTo(8, 78, 22, 78);
        path.lineTo(60, 78);
        p.drawPath(path);
        fill(p, i.fg);
        p.drawEllipse(QPointF(66, 78), 10, 10);
    };
    g["fxRadar"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.soft, 5);
        p.drawEllipse(QRectF(10, 10, 80, 80));
        p.drawEllipse(QRectF(30, 30, 40, 40));
        QConicalGradient cg(50, 50, 45);
        cg.setColorAt(0, i.fg);
        cg.setColorAt(0.25, alpha(i.fg, 0));
        cg.setColorAt(1, alpha(i.fg, 0));
        fill(p, QColor());
        p.setBrush(cg);
        p.drawPie(QRectF(10, 10, 80, 80), -45 * 16, 90 * 16);
        stroke(p, i.fg, 6);
        p.drawLine(QPointF(50, 50), QPointF(50 + 40 * 0.7071, 50 - 40 * 0.7071));
    };
    g["fxAutoRipple"] = [](QPainter &p, const Ink &i) {
        for (int k = 0; k < 4; ++k) {
            stroke(p, alpha(i.fg, 255 - k * 55), 6);
            p.drawEllipse(QPointF(50, 50), 8 + k * 13, 8 + k * 13);
        }
    };
    g["fxStriation"] = [](QPainter &p, const Ink &i) {
        p.save();
        p.setClipRect(QRectF(10, 10, 80, 80));
        for (int k = -2; k < 6; ++k) {
            stroke(p, (k % 2) ? i.soft : i.fg, 9);
            p.drawLine(QPointF(k * 22, 96), QPointF(k * 22 + 86, 4));
        }
        p.restore();
    };
    g["fxAurora"] = [](QPainter &p, const Ink &i) {
        for (int k = 0; k < 5; ++k) {
            const QColor c = hue(0.35 + k * 0.1, i);
            QLinearGradient lg(0, 10, 0, 90);
            lg.setColorAt(0, alpha(c, 0));
            lg.setColorAt(0.4, c);
            lg.setColorAt(1, alpha(c, 0));
            QPainterPath curtain;
            const qreal x = 12 + k * 16;
            curtain.moveTo(x, 12);
            curtain.cubicTo(x + 10, 36, x - 8, 62, x + 4, 88);
            p.setPen(QPen(QBrush(lg), 9, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(curtain);
        }
    };
    g["fxRipple"] = [](QPainter &p, const Ink &i) {
        // A pressed key sends rings across the board.
        for (int k = 1; k < 4; ++k) {
            stroke(p, alpha(i.fg, 255 - k * 60), 6);
            p.drawArc(QRectF(50 - k * 15, 62 - k * 15, k * 30, k * 30), 0, 180 * 16);
        }
        keycap(p, QRectF(38, 58, 24, 24), i, true);
    };
    g["fxReactive"] = [](QPainter &p, const Ink &i) {
        keycap(p, QRectF(30, 30, 40, 40), i, true);
        stroke(p, i.fg, 6);
        for (int k = 0; k < 8; ++k) {
            const qreal a = k * M_PI / 4;
            p.drawLine(QPointF(50 + qCos(a) * 30, 50 + qSin(a) * 30), QPointF(50 + qCos(a) * 42, 50 + qSin(a) * 42));
        }
    };
    g["fxCross"] = [](QPainter &p, const Ink &i) {
        stroke(p, alpha(i.fg, 170), 10);
        p.drawLine(QPointF(50, 8), QPointF(50, 92));
        p.drawLine(QPointF(8, 50), QPointF(92, 50));
        fill(p, i.fg);
        p.drawRoundedRect(QRectF(38, 38, 24, 24), 5, 5);
        arrowHead(p, {50, 8}, -90, 10, i.fg, 6);
        arrowHead(p, {50, 92}, 90, 10, i.fg, 6);
        arrowHead(p, {8, 50}, 180, 10, i.fg, 6);
        arrowHead(p, {92, 50}, 0, 10, i.fg, 6);
    };
    g["fxDpi"] = [](QPainter &p, const Ink &i) {
        mouseShape(p, QRectF(10, 14, 44, 74), i);
        fill(p, i.fg);
        for (int k = 0; k < 4; ++k)
            p.drawRoundedRect(QRectF(64 + k * 8, 80 - (k + 1) * 14, 5, (k + 1) * 14), 2, 2);
    };
    g["fxFireworks"] = [](QPainter &p, const Ink &i) {
        for (int k = 0; k < 12; ++k) {
            const qreal a = k * M_PI / 6;
            stroke(p, hue(k / 12.0, i), 6);
            p.drawLine(QPointF(50 + qCos(a) * 14, 46 + qSin(a) * 14), QPointF(50 + qCos(a) * 36, 46 + qSin(a) * 36));
        }
        fill(p, i.fg);
        p.drawEllipse(QPointF(50, 46), 6, 6);
    };
    g["fxSpeedRespond"] = [](QPainter &p, const Ink &i) {
        stroke(p, i.soft, 7);
        p.drawLine(QPointF(8, 34), QPointF(34, 34));
        p.drawLine(QPointF(14, 52), QPointF(34, 52));
        p.drawLine(QPointF(8, 70), QPointF(34, 70));
        QPainterPath bolt = polyline({{66, 8}, {40, 54}, {60, 54}, {52, 92}, {86, 40}, {66, 40}}, true);
        fill(p, i.fg);
        p.drawPath(bolt);
    };
    g["fxMusicalRhythm"] = [](QPainter &p, const Ink &i) {
        static const int heights[] = {34, 58, 80, 48, 66, 28};
        for (int k = 0; k < 6; ++k) {
            QLinearGradient lg(0, 90, 0, 10);
            lg.setColorAt(0, i.fg);
            lg.setColorAt(1, i.selected ? QColor(255, 70, 50) : i.soft);
            fill(p, QColor());
            p.setBrush(lg);
            p.drawRoundedRect(QRectF(10 + k * 14, 90 - heights[k], 10, heights[k]), 3, 3);
        }
    };
    g["fxCustomLed"] = [](QPainter &p, const Ink &i) {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                fill(p, hue((r * 4 + c) / 12.0, i));
                p.drawRoundedRect(QRectF(8 + c * 22, 14 + r * 20, 17, 15), 3, 3);
            }
        stroke(p, i.fg, 6);
        p.drawLine(QPointF(60, 92), QPointF(88, 70));
        fill(p, i.fg);
        p.drawEllipse(QPointF(88, 70), 6, 6);
    };

    // ---- side light effects ----
    g["sideStatic"] = [](QPainter &p, const Ink &i) { sideBar(p, i, [&](qreal) { return i.fg; }); };
    g["sideNeon"] = [](QPainter &p, const Ink &i) { sideBar(p, i, [&](qreal t) { return hue(t, i); }); };
    g["sideBreath"] = [](QPainter &p, const Ink &i) {
        sideBar(p, i, [&](qreal t) { return alpha(i.fg, int(50 + 205 * qSin(t * M_PI))); });
        stroke(p, i.soft, 5);
        p.drawPath(sinePath(12, 88, 22, 6, 1, M_PI / 2));
    };
    g["sideWave"] = [](QPainter &p, const Ink &i) {
        sideBar(p, i, [&](qreal t) { return alpha(i.fg, int(120 + 135 * qSin(t * 4 * M_PI))); });
        stroke(p, i.fg, 5);
        p.drawPath(sinePath(12, 88, 80, 6, 2));
    };
    g["sideCollision"] = [](QPainter &p, const Ink &i) {
        sideBar(p, i, [&](qreal t) { return alpha(i.fg, int(255 * qMax(0.0, 1 - qAbs(t - 0.5) * 2.4))); });
        arrow(p, {8, 80}, {40, 80}, i.fg, 6, 10);
        arrow(p, {92, 80}, {60, 80}, i.fg, 6, 10);
    };
    g["sideClose"] = [](QPainter &p, const Ink &i) {
        sideBar(p, i, [&](qreal) { return QColor(60, 62, 90); });
        fill(p, QColor(26, 27, 49));
        p.drawEllipse(QPointF(50, 50), 20, 20);
        stroke(p, i.fg, 6);
        p.drawArc(QRectF(36, 36, 28, 28), 120 * 16, 300 * 16);
        p.drawLine(QPointF(50, 30), QPointF(50, 50));
    };

    // ---- brand ----
    g["logo"] = [](QPainter &p, const Ink &) {
        QLinearGradient lg(0, 0, 100, 100);
        lg.setColorAt(0, QColor(255, 176, 84));
        lg.setColorAt(1, QColor(232, 104, 12));
        fill(p, QColor());
        p.setBrush(lg);
        p.drawRoundedRect(QRectF(4, 4, 92, 92), 22, 22);
        // A key cap seen from above, with the V of the brand.
        p.setPen(QPen(QColor(26, 27, 49), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath v = polyline({{26, 28}, {50, 74}, {74, 28}});
        p.drawPath(v);
    };
    return g;
}

const QHash<QString, Glyph> &glyphs()
{
    static const QHash<QString, Glyph> table = makeGlyphs();
    return table;
}

void drawNoConnect(QPainter &p, int w, int h)
{
    p.scale(w / 100.0, h / 100.0);
    // A keyboard and its unplugged cable, calm grey with one accent mark.
    const Ink ink = inkFor("def");
    QColor body(70, 72, 110);
    p.setPen(line(body, 3));
    p.setBrush(QColor(34, 34, 58));
    p.drawRoundedRect(QRectF(10, 44, 80, 36), 6, 6);
    fill(p, body);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 9; ++c)
            p.drawRoundedRect(QRectF(15 + c * 8 + (r == 2 ? 2 : 0), 50 + r * 8, 6, 6), 1.2, 1.2);
    stroke(p, ink.fg, 3);
    QPainterPath cable;
    cable.moveTo(50, 44);
    cable.cubicTo(50, 34, 38, 34, 38, 26);
    p.drawPath(cable);
    p.setBrush(ink.fg);
    p.drawRoundedRect(QRectF(33, 18, 10, 8), 1.5, 1.5);
    p.drawLine(QPointF(35.5, 18), QPointF(35.5, 14));
    p.drawLine(QPointF(40.5, 18), QPointF(40.5, 14));
    // The socket it should go into, with the gap between them.
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(56, 10, 14, 10), 2, 2);
    stroke(p, accentColor(), 3);
    p.drawLine(QPointF(44, 8), QPointF(50, 14));
    p.drawLine(QPointF(50, 8), QPointF(44, 14));
}

void drawWordmark(QPainter &p, int w, int h)
{
    p.save();
    p.scale(h / 100.0, h / 100.0);
    glyphs().value("logo")(p, inkFor("plain"));
    p.restore();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(h * 0.62));
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.06);
    p.setFont(f);
    p.setPen(accentColor());
    p.drawText(QRectF(h * 1.25, 0, w - h * 1.25, h), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VARDEX"));
}

// The device-list toggle: a slim tab on the list's edge with a chevron
// pointing where the list will go.
void drawListToggle(QPainter &p, const Ink &ink, int w, int h, bool hide)
{
    const qreal pen = qMax(1.0, w / 16.0);
    p.setPen(QPen(ink.selected ? accentColor() : QColor(52, 52, 86), pen));
    QColor body = ink.selected ? accentColor() : frameColor();
    body.setAlpha(ink.selected ? 60 : 255);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(pen / 2, pen / 2, w - pen, h - pen), w * 0.35, w * 0.35);
    p.save();
    p.translate(0, (h - w) / 2.0);
    p.scale(w / 100.0, w / 100.0);
    arrowHead(p, {hide ? 36.0 : 64.0, 50}, hide ? 180 : 0, 22, ink.fg, 12);
    p.restore();
}

void drawFullColor(QPainter &p, int w, int h)
{
    QLinearGradient lg(0, 0, w, 0);
    for (int k = 0; k <= 6; ++k)
        lg.setColorAt(k / 6.0, QColor::fromHsvF(std::fmod(k / 6.0, 1.0), 0.9, 1.0));
    fill(p, QColor());
    p.setBrush(lg);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), h / 2.0 - 1, h / 2.0 - 1);
}

} // namespace

bool drawGlyph(QPainter &p, const QString &name, const Ink &ink)
{
    auto it = glyphs().constFind(name);
    if (it == glyphs().constEnd())
        return false;
    it.value()(p, ink);
    return true;
}

bool drawPicture(QPainter &p, const QString &name, const Ink &ink, int w, int h)
{
    if (name == QLatin1String("noconnect"))
        drawNoConnect(p, w, h);
    else if (name == QLatin1String("wordmark"))
        drawWordmark(p, w, h);
    else if (name == QLatin1String("listCtrlHide") || name == QLatin1String("listCtrlShow"))
        drawListToggle(p, ink, w, h, name == QLatin1String("listCtrlHide"));
    else if (name == QLatin1String("fullColor"))
        drawFullColor(p, w, h);
    else
        return false;
    return true;
}

void drawSpinnerFrame(QPainter &p, int size, int frame, int count)
{
    p.scale(size / 100.0, size / 100.0);
    const int dots = 12;
    for (int k = 0; k < dots; ++k) {
        // The head dot is brightest; the tail fades behind it.
        const int age = (frame * dots / count - k + dots) % dots;
        const qreal a = k * 2 * M_PI / dots - M_PI / 2;
        QColor c = accentColor();
        c.setAlphaF(qMax(0.15, 1.0 - age / 9.0));
        fill(p, c);
        const qreal r = age == 0 ? 9.5 : 8;
        p.drawEllipse(QPointF(50 + qCos(a) * 36, 50 + qSin(a) * 36), r, r);
    }
}

} // namespace imagegen
