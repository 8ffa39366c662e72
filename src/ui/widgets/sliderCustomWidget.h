#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// A stepped horizontal slider whose handle snaps to tick marks.
// Call setSliderSize, setMargin and setSteps before showing it.
class sliderCustomWidget : public QWidget
{
    Q_OBJECT

public:
    explicit sliderCustomWidget(QWidget *parent = nullptr);

    void setSliderSize(int width, int height);
    void setMargin(int margin);
    // Rebuilds the ticks; 0 is ignored.
    void setSteps(int steps);
    // A single tick at the left end, for a range of one value.
    void setSingleTick();
    // Puts the handle on tick `index` without emitting anything.
    void setPosition(int index);

    QList<int> ticks() const { return m_ticks; }
    int steps() const { return m_steps; }
    int handleX() const { return m_handleX; }
    int handleY() const { return m_handleY; }
    int trackEnd() const { return m_trackEnd; }
    int trackY() const { return m_trackY; }

signals:
    void sigBackCurrentPositionNum(int currPositionIndex);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Index of the first tick less than 5 px from px, or -1.
    int tickNear(int px) const;
    int logicalX(int x) const;
    // Moves the handle onto that tick and reports its index; false when
    // no tick is that close.
    bool snapToTickNear(int px);

    int m_steps = 5;
    int m_trackEnd = 120;
    QList<int> m_ticks;
    int m_trackY = 15;
    int m_handleX = 10;
    int m_handleY = 14;
    int m_margin = 10;
    QColor m_trackColor{138, 128, 128};
    QColor m_tickColor{138, 128, 128};
    QColor m_handleColor{255, 143, 31};
};
