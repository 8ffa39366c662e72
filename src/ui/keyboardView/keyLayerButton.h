#pragma once

#include <QToolButton>

class QPainter;
class keyBackdrop;

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

    // The layer's picture of what lies beneath its buttons. While it holds
    // one, the layer paints the buttons' faces over it in its own paint, and
    // the buttons take no part in Qt's painting: a frame that changes every
    // key then costs one paint, not one per key.
    void setBackdrop(keyBackdrop *backdrop);
    keyBackdrop *backdrop() const { return m_backdrop; }
    void setPaintedByLayer(bool on);
    bool isPaintedByLayer() const { return m_paintedByLayer; }

    // What the button shows over what lies beneath it, painted at the
    // painter's origin in the button's size; the painter's state is kept.
    virtual void paintFace(QPainter &painter) const;
    // Asks for the face to be painted again, by whoever paints it.
    void updateFace();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    keyBackdrop *m_backdrop = nullptr; // the layer's; it forgets itself here when it goes
    bool m_paintedByLayer = false;
    int m_width;
    int m_height;
    int m_x = 0;
    int m_y = 0;
};
