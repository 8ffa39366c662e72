#pragma once

#include <QToolButton>

// What every button of the key layer shares: the size it paints at and the
// position it was placed at, both kept apart from the widget geometry so
// the painting and the light engine read the values the layer chose.
class keyLayerButton : public QToolButton
{
    Q_OBJECT

public:
    keyLayerButton(int width, int height, QWidget *parent);

    // Stores the size and fixes the widget to it.
    void setButtonSize(int width, int height);
    // Stores the position; the owner moves the widget.
    void setPosition(int x, int y);
    // Moves and sizes the widget and stores both, as the layer and the zoom do.
    void place(int x, int y, int width, int height);

    int posX() const { return m_x; }
    int posY() const { return m_y; }
    int buttonWidth() const { return m_width; }
    int buttonHeight() const { return m_height; }

private:
    int m_width;
    int m_height;
    int m_x = 0;
    int m_y = 0;
};
