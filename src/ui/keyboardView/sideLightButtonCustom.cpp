#include "ui/keyboardView/sideLightButtonCustom.h"

#include <QLinearGradient>
#include <QPainter>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent)
    : keyLayerButton(10, 10, parent)
{
}

void sideLightButtonCustom::setSideLightInfo(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    updateFace();
}

void sideLightButtonCustom::paintFace(QPainter &painter) const
{
    const int w = buttonWidth();
    const int h = buttonHeight();
    // A square segment has no long axis and draws nothing.
    if (w == h)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient(0, 0, w > h ? w : 0, w > h ? 0 : h);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(0.5, m_color);
    gradient.setColorAt(1, Qt::transparent);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);
    painter.drawRect(0, 0, w, h);
    painter.restore();
}
