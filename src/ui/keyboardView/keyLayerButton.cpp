#include "ui/keyboardView/keyLayerButton.h"

#include "ui/keyboardView/keyBackdrop.h"

keyLayerButton::keyLayerButton(int width, int height, QWidget *parent)
    : QToolButton(parent)
    , m_width(width)
    , m_height(height)
{
}

void keyLayerButton::setButtonSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void keyLayerButton::setPosition(int x, int y)
{
    m_x = x;
    m_y = y;
}

void keyLayerButton::place(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
    setPosition(x, y);
    setButtonSize(width, height);
}

void keyLayerButton::setBackdrop(keyBackdrop *backdrop)
{
    m_backdrop = backdrop;
    setAttribute(Qt::WA_OpaquePaintEvent, backdrop && backdrop->isValid());
}

void keyLayerButton::paintBeneath(QPainter &painter) const
{
    if (m_backdrop)
        m_backdrop->paintBeneath(painter, this);
}
