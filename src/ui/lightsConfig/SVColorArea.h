#ifndef SVCOLORAREA_H
#define SVCOLORAREA_H

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// The circular colour picker of the light page: a hue wheel (hues around the
// circle, fading to white in the middle) inside a value ring with a knob.
// A press inside the wheel picks the colour shown under the pointer, and a
// drag from there keeps picking (along the rim once the pointer leaves the
// wheel); a marker shows the picked point. A press or drag on the ring turns
// the knob and sets a ring value from 0 to 100, reported with every repaint.
class SVColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit SVColorArea(QWidget *parent = nullptr);

    // Puts the ring back to 0, drops the pick marker and repaints: the page
    // took its colour from elsewhere.
    void resetRingValue();
    double ringValue() const { return m_ringValue; }
    bool pressedInWheel() const { return m_pressedInWheel; }
    // The point whose colour was picked last, while the marker shows it.
    bool hasPickMarker() const { return m_hasPick; }
    QPoint pickPoint() const { return m_pickPoint; }

    // Ring value of a point in widget coordinates (0 = just left of the top,
    // 25 left, 50 below, 75 right, 100 straight above).
    static double ringValueAt(QPointF point);
    // The colour of the screen pixel at a global position; where the screen
    // cannot be read (Wayland, offscreen) the widget's own rendering is
    // sampled when the point lies on it. Invalid when neither gives a colour.
    QColor pixelAt(QPoint globalPos);

public slots:
    void hueChangedSlot(int hue);
    // Takes the screen colour under the pointer and reports it.
    void print2();

signals:
    void svChangedSignal(int hue, int saturation, int value);
    void sigGetRGB(int R, int G, int B);
    void sigGetHexRGB(QString strHexRGB);
    void sigMoveingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool isMousePress);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawColorWheel();
    void drawRingKnob(class QPainter &painter);
    void drawPickMarker(class QPainter &painter);
    // Picks the wheel's colour at a point, pulled in to the wheel's opaque
    // part when it lies beyond. A drag reports only a point that changed.
    void pickInWheel(QPoint point, bool press);
    void setRingValueFromPoint(QPointF point);
    void reportColorAt(QPoint globalPos);
    void reportColor(const QColor &c);
    static int pointDistance(QPointF a, QPointF b);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    int m_wheelDiameter = 80;
    QPixmap m_wheel;
    QImage m_wheelImage; // the same, for reading picked colours
    QColor m_knobStart{255, 49, 53};
    QColor m_knobEnd{250, 250, 250};
    double m_ringValue = 0.0;
    double m_ringMax = 100.0;
    double m_ringMin = 0.0;
    int m_startAngleOffset = 0;
    int m_endAngleOffset = 0;
    bool m_pressedInWheel = false;
    bool m_hasPick = false;
    QPoint m_pickPoint;
};

#endif // SVCOLORAREA_H
