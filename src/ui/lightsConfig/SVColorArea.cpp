#include "SVColorArea.h"

#include <QConicalGradient>
#include <QCursor>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QtMath>

namespace {

const QPointF kWheelCentre(60, 60);
const QPointF kRingCentre(59, 59); // centre of the widget's rectangle, as QRect counts it
const int kWheelRadius = 40;
// Picks stay this close to the centre: beyond it the wheel's antialiased
// edge blends into whatever lies behind the widget.
const double kPickRadius = 37.0;
const int kMarkerRadius = 5;

// Platforms whose screens cannot be read back pixel by pixel.
bool screenReadable()
{
    const QString platform = QGuiApplication::platformName();
    return !platform.startsWith(QLatin1String("wayland")) && platform != QLatin1String("offscreen")
           && platform != QLatin1String("minimal");
}

} // namespace

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(120, 120);
    drawColorWheel();
}

void SVColorArea::drawColorWheel()
{
    m_wheel = QPixmap(m_wheelDiameter + 20, m_wheelDiameter + 20);
    m_wheel.fill(Qt::transparent);
    QPainter p(&m_wheel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QConicalGradient hues(kWheelCentre, -140);
    hues.setColorAt(0.0, Qt::green);
    hues.setColorAt(0.16, Qt::cyan);
    hues.setColorAt(0.32, Qt::blue);
    hues.setColorAt(0.48, Qt::magenta);
    hues.setColorAt(0.64, Qt::red);
    hues.setColorAt(0.8, Qt::yellow);
    hues.setColorAt(1.0, Qt::green);
    p.setBrush(hues);
    p.drawEllipse(QRectF(20, 20, 80, 80));

    QRadialGradient whiteCentre(kWheelCentre, 43, kWheelCentre);
    whiteCentre.setColorAt(0, Qt::white);
    whiteCentre.setColorAt(1, Qt::transparent);
    p.setBrush(whiteCentre);
    p.drawEllipse(QRectF(23, 22, 77, 77));
    p.end();
    m_wheelImage = m_wheel.toImage();
}

void SVColorArea::resetRingValue()
{
    m_ringValue = 0;
    m_hasPick = false;
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_hue = hue;
    emit svChangedSignal(m_hue, m_saturation, m_value);
    update();
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(0, 0, m_wheel);

    QConicalGradient ring(QPointF(50, 50), 83);
    ring.setColorAt(0, Qt::white);
    ring.setColorAt(1, Qt::black);
    p.setPen(QPen(QBrush(ring), 6, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(10, 10, 100, 100));

    drawPickMarker(p);
    drawRingKnob(p);
}

void SVColorArea::drawPickMarker(QPainter &p)
{
    if (!m_hasPick)
        return;
    // A light ring inside a dark one reads on every part of the wheel,
    // its white centre included; the picked pixel itself stays visible.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30, 200), 1));
    p.drawEllipse(QPointF(m_pickPoint) + QPointF(0.5, 0.5), kMarkerRadius + 1.5, kMarkerRadius + 1.5);
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(QPointF(m_pickPoint) + QPointF(0.5, 0.5), kMarkerRadius, kMarkerRadius);
    p.restore();
}

void SVColorArea::drawRingKnob(QPainter &p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.translate(kWheelCentre);
    const double angle = -((360.0 - m_startAngleOffset - m_endAngleOffset) / (m_ringMax - m_ringMin)
                           * (m_ringValue - m_ringMin));
    p.rotate(angle);
    QLinearGradient knob(0, 0, 16, 16);
    knob.setColorAt(0, m_knobStart);
    knob.setColorAt(1, m_knobEnd);
    p.setBrush(knob);
    p.drawEllipse(QRectF(-10, -58, 16, 16));
    p.restore();
    emit sigMoveingStatus(int(m_ringValue), int(angle));
}

int SVColorArea::pointDistance(QPointF a, QPointF b)
{
    const float dx = float(a.x() - b.x());
    const float dy = float(a.y() - b.y());
    return int(std::sqrt(dx * dx + dy * dy));
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    const int distance = pointDistance(event->localPos(), kWheelCentre);
    emit sigMouseIsPress(true);
    if (distance < kWheelRadius) {
        m_pressedInWheel = true;
        m_saturation = qBound(0, event->pos().x(), 255);
        m_value = qBound(0, 255 - event->pos().y(), 255);
        emit svChangedSignal(m_hue, m_saturation, m_value);
        m_ringValue = 0;
        pickInWheel(event->pos(), true);
    } else {
        m_pressedInWheel = false;
        setRingValueFromPoint(event->localPos());
    }
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    if (m_pressedInWheel)
        pickInWheel(event->pos(), false);
    else
        setRingValueFromPoint(event->localPos());
}

void SVColorArea::pickInWheel(QPoint point, bool press)
{
    QPointF d = QPointF(point) - kWheelCentre;
    const double length = std::hypot(d.x(), d.y());
    if (length > kPickRadius)
        d *= kPickRadius / length;
    const QPoint at = (kWheelCentre + d).toPoint();
    // The wheel as drawn, not the screen: the marker would sit on the
    // screen's pixel during a drag.
    QColor c = m_wheelImage.pixelColor(at);
    c.setAlpha(255);
    // A drag reports each new point once; a press always reports.
    const bool report = press || !m_hasPick || at != m_pickPoint;
    m_pickPoint = at;
    m_hasPick = true;
    if (report)
        reportColor(c);
    update();
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit sigMouseIsPress(false);
}

void SVColorArea::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
}

void SVColorArea::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

namespace {
// Angle of a point around the ring's centre: 0 straight below, +90 right,
// -90 left, 180 straight above.
double ringAngle(QPointF point)
{
    const QPointF d = point - kRingCentre;
    return qRadiansToDegrees(std::atan2(d.x(), d.y()));
}
} // namespace

double SVColorArea::ringValueAt(QPointF point)
{
    return qBound(0.0, (180.0 + ringAngle(point)) * 100.0 / 360.0, 100.0);
}

void SVColorArea::setRingValueFromPoint(QPointF point)
{
    const double span = m_ringMax - m_ringMin;
    m_ringValue = qBound(m_ringMin, (180.0 + ringAngle(point)) * span / 360.0 + m_ringMin, m_ringMax);
    update();
}

void SVColorArea::print2()
{
    reportColorAt(QCursor::pos());
}

QColor SVColorArea::pixelAt(QPoint globalPos)
{
    if (screenReadable()) {
        QScreen *screen = QGuiApplication::screenAt(globalPos);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            // Window 0 is the whole desktop; its coordinates are the screen's.
            const QPoint onScreen = globalPos - screen->geometry().topLeft();
            const QImage pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1).toImage();
            if (!pixel.isNull())
                return pixel.pixelColor(0, 0);
        }
    }
    const QPoint local = mapFromGlobal(globalPos);
    if (!rect().contains(local))
        return QColor();
    const QImage own = grab(QRect(local, QSize(1, 1))).toImage();
    if (own.isNull())
        return QColor();
    // A transparent corner of the widget shows nothing worth picking.
    QColor c = own.pixelColor(0, 0);
    c.setAlpha(255);
    return c;
}

void SVColorArea::reportColorAt(QPoint globalPos)
{
    const QColor c = pixelAt(globalPos);
    if (c.isValid())
        reportColor(c);
}

void SVColorArea::reportColor(const QColor &c)
{
    const int red = c.red(), green = c.green(), blue = c.blue();
    auto hex = [](int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); };
    const QString text = QStringLiteral("#%1%2%3").arg(hex(red), hex(green), hex(blue));
    emit sigGetRGB(red, green, blue);
    emit sigGetHexRGB(text);
}
