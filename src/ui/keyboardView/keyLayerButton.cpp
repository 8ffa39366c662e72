#include "ui/keyboardView/keyLayerButton.h"

#include "ui/keyboardView/keyBackdrop.h"

#include <QPainter>

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
    setPaintedByLayer(backdrop && backdrop->isValid());
}

void keyLayerButton::setPaintedByLayer(bool on)
{
    if (on == m_paintedByLayer)
        return;
    m_paintedByLayer = on;
    // Qt repaints a button whose updates come back on; the layer's paint
    // of its face is then covered by the button's own.
    setUpdatesEnabled(!on);
}

void keyLayerButton::paintFace(QPainter &) const
{
}

void keyLayerButton::updateFace()
{
    if (m_paintedByLayer && m_backdrop) {
        if (!isHidden())
            m_backdrop->updateArea(geometry());
    } else {
        update();
    }
}

void keyLayerButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFace(painter);
}
