#include "ui/widgets/sliderCustomWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

sliderCustomWidget::sliderCustomWidget(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(130, 30);
}

void sliderCustomWidget::setSliderSize(int width, int height)
{
    setFixedSize(width, height);
    m_trackEnd = width - m_margin;
    m_trackY = height / 2;
    m_handleY = height / 2 - 1;
}

void sliderCustomWidget::setMargin(int margin)
{
    m_margin = margin;
}

void sliderCustomWidget::setSteps(int steps)
{
    // A negative count would leave no tick at all, and every later press,
    // paint and setPosition() relies on at least the first and last tick.
    if (steps <= 0)
        return;
    m_steps = steps;
    m_ticks.clear();
    const int spacing = (width() - 2 * m_margin) / steps;
    for (int k = 0; k <= steps; ++k)
        m_ticks.append(m_margin + k * spacing);
    m_trackEnd = m_ticks.last();
}

void sliderCustomWidget::setSingleTick()
{
    m_steps = 0;
    m_ticks = {m_margin};
    m_trackEnd = width() - m_margin;
}

void sliderCustomWidget::setPosition(int index)
{
    if (m_steps <= 0) {
        m_handleX = m_margin;
        update();
        return;
    }
    m_handleX = index * ((width() - 2 * m_margin) / m_steps) + m_margin;
    update();
}

int sliderCustomWidget::tickNear(int px) const
{
    for (int i = 0; i < m_ticks.size(); ++i) {
        const int t = m_ticks[i];
        if (px - 5 < t && t < px + 5)
            return i;
    }
    return -1;
}

bool sliderCustomWidget::snapToTickNear(int px)
{
    const int i = tickNear(px);
    if (i < 0)
        return false;
    m_handleX = m_ticks[i];
    emit sigBackCurrentPositionNum(i);
    return true;
}

// Positions are kept left to right; right to left, the slider runs from the
// right edge, as the rest of the page is mirrored.
int sliderCustomWidget::logicalX(int x) const
{
    return isRightToLeft() ? width() - x : x;
}

void sliderCustomWidget::mousePressEvent(QMouseEvent *event)
{
    const int px = logicalX(event->pos().x());
    if (snapToTickNear(px)) {
        update();
        return;
    }
    // Away from every tick: one tick toward the press.
    if (m_handleX < px) {
        for (int i = 0; i < m_ticks.size(); ++i) {
            if (m_ticks[i] > m_handleX) {
                m_handleX = m_ticks[i];
                emit sigBackCurrentPositionNum(i);
                break;
            }
        }
    } else if (m_handleX > px) {
        for (int i = m_ticks.size() - 1; i >= 0; --i) {
            if (m_ticks[i] < m_handleX) {
                m_handleX = m_ticks[i];
                emit sigBackCurrentPositionNum(i);
                break;
            }
        }
    }
    update();
}

void sliderCustomWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    snapToTickNear(logicalX(event->pos().x()));
    update();
}

void sliderCustomWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isRightToLeft()) {
        painter.translate(width(), 0);
        painter.scale(-1, 1);
    }

    painter.setPen(QPen(m_trackColor, 3, Qt::SolidLine));
    painter.drawLine(m_margin, m_trackY, m_trackEnd, m_trackY);

    painter.setPen(QPen(m_tickColor, 3));
    for (int t : qAsConst(m_ticks))
        painter.drawLine(t, m_trackY - 3, t, m_trackY - 1);

    QRadialGradient gradient(m_handleX, m_handleY, 6, m_handleX, m_handleY);
    gradient.setColorAt(0, m_handleColor);
    gradient.setColorAt(1, Qt::transparent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(m_handleX - 6, m_handleY - 6, 12, 12);
}
