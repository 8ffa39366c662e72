#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"

#include <QLinearGradient>
#include <QPainter>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent)
    : QToolButton(parent)
{
}

void sideLightButtonCustom::setButtonSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void sideLightButtonCustom::setPosition(int x, int y)
{
    m_x = x;
    m_y = y;
}

void sideLightButtonCustom::setSideLightInfo(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    // A square segment has no long axis and draws nothing.
    if (m_width == m_height)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient(0, 0, m_width > m_height ? m_width : 0, m_width > m_height ? 0 : m_height);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(0.5, m_color);
    gradient.setColorAt(1, Qt::transparent);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);
    painter.drawRect(0, 0, m_width, m_height);
}
