#pragma once

#include <QColor>
#include <QToolButton>

// One segment of the side light strip, drawn as a gradient along its long
// axis: transparent at both ends, its colour in the middle.
class sideLightButtonCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setButtonSize(int width, int height);
    void setPosition(int x, int y);
    int posX() const { return m_x; }
    int posY() const { return m_y; }
    void setSideLightInfo(int index, int validStatus);
    int index() const { return m_index; }
    int validStatus() const { return m_validStatus; }
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width = 10;
    int m_height = 10;
    int m_x = 0;
    int m_y = 0;
    int m_index = 0;
    int m_validStatus = 0;
    QColor m_color{0, 0, 0, 128};
};
