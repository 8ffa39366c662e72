#include "ui/keyboardView/sideLightButtonCustom.h"

#include "ui/keyboardView/keyFace.h"

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
    keyFace::paintSegment(painter, QSize(buttonWidth(), buttonHeight()), m_color);
}
