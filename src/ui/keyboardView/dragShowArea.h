#ifndef DRAGSHOWAREA_H
#define DRAGSHOWAREA_H

#include <QPoint>
#include <QWidget>

// Transparent overlay over the keyboard view that turns mouse input into a
// rubber band, pointer positions and single-key presses while it is active.
// Its coordinates are the view's coordinates.
class dragShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit dragShowArea(QWidget *parent = nullptr);

    void setOneKeyMode(bool on) { m_oneKeyMode = on; }
    bool isOneKeyMode() const { return m_oneKeyMode; }
    void setActive(bool on);
    bool isActive() const { return m_active; }
    bool isDragging() const { return m_dragging; }

signals:
    void sigDragArea(int startX, int startY, int endX, int endY);
    void sigDragShowAreaMouseMovePoint(int moveX, int moveY);
    void sigDragAreaMousePressOrRelease(bool isMousePress);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint clamped(const QPoint &p) const;
    void setDragging(bool on);

    bool m_dragging = false;
    QPoint m_start;
    QPoint m_current;
    QPoint m_end;
    int m_red = 255;
    int m_green = 143;
    int m_blue = 31;
    bool m_oneKeyMode = false;
    bool m_active = false;
};

#endif // DRAGSHOWAREA_H
