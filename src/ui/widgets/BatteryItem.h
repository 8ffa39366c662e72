#pragma once

#include <QColor>
#include <QLabel>

// The battery gauge: an outlined battery whose fill and colour follow the
// charge level, with the percentage written on it.
class BatteryItem : public QLabel
{
    Q_OBJECT

public:
    // The drawn gauge: body and terminal.
    static constexpr int GaugeWidth = 32;
    static constexpr int GaugeHeight = 16;

    explicit BatteryItem(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Where the gauge is drawn in the widget.
    QRect gaugeRect() const;

    void setLevel(int percent);
    // false: the fill is green whatever the level and no text is written.
    void setColorEnabled(bool enabled);

    int level() const { return m_level; }
    int fillWidth() const { return m_fillWidth; }
    QColor fillColor() const { return m_fillColor; }
    bool isColorEnabled() const { return m_colorEnabled; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_fillWidth = 0;
    QColor m_fillColor{100, 100, 100};
    int m_level = 0;
    bool m_colorEnabled = true;
};
