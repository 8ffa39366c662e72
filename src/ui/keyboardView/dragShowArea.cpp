#include "ui/keyboardView/dragShowArea.h"

#include "ui/keyboardView/keyBackdrop.h"

#include <QMouseEvent>
#include <QPainter>

dragShowArea::dragShowArea(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setDragging(false);
}

// Only a band in progress is painted: otherwise the keys beneath may paint
// themselves alone.
void dragShowArea::setDragging(bool on)
{
    m_dragging = on;
    keyBackdrop::setClearOverlay(this, !on);
}

void dragShowArea::setActive(bool on)
{
    m_active = on;
    if (!on && m_dragging) {
        setDragging(false);
        update();
    }
}

QPoint dragShowArea::clamped(const QPoint &p) const
{
    const QRect area = contentsRect();
    return QPoint(qBound(0, p.x(), area.width()), qBound(0, p.y(), area.height()));
}

void dragShowArea::mousePressEvent(QMouseEvent *event)
{
    if (!m_active || event->button() != Qt::LeftButton)
        return;
    if (m_oneKeyMode) {
        setDragging(false);
        emit sigDragAreaMousePressOrRelease(true);
        return;
    }
    m_start = m_current = m_end = event->pos();
    setDragging(true);
}

void dragShowArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_active)
        return;
    if (!m_dragging) {
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_current = clamped(event->pos());
    update();
}

void dragShowArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_active || event->button() != Qt::LeftButton)
        return;
    if (m_oneKeyMode) {
        emit sigDragAreaMousePressOrRelease(false);
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    // A release without a press of ours (the press came in one-key mode)
    // is not the end of a band.
    if (!m_dragging)
        return;
    m_end = event->pos();
    setDragging(false);
    update();
    m_end = clamped(m_end);
    emit sigDragArea(m_start.x(), m_start.y(), m_end.x(), m_end.y());
}

void dragShowArea::paintEvent(QPaintEvent *)
{
    if (!m_active || !m_dragging)
        return;
    int dx = m_current.x() - m_start.x();
    int dy = m_current.y() - m_start.y();
    if (dx < 0)
        dx += 2;
    if (dx > 0)
        dx -= 2;
    if (dy < 0)
        dy += 2;
    if (dy > 0)
        dy -= 2;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(m_red, m_green, m_blue), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const QRect band(m_start.x(), m_start.y(), dx, dy);
    painter.fillRect(band, QColor(m_red, m_green, m_blue, 100));
    painter.drawRect(band);
}
