#pragma once

#include <QColor>
#include <QFont>
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

    // Repaints only when what the gauge shows changes.
    void setLevel(int percent);
    // No level known (a keyboard that has not reported its charge yet): an
    // empty outline with a question mark, until the next setLevel.
    void setLevelUnknown();
    // false: the fill is green whatever the level and no text is written.
    void setColorEnabled(bool enabled);

    int level() const { return m_level; }
    int fillWidth() const { return m_fillWidth; }
    QColor fillColor() const { return m_fillColor; }
    bool isColorEnabled() const { return m_colorEnabled; }
    bool isLevelKnown() const { return m_levelKnown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_fillWidth = 0;
    QColor m_fillColor{100, 100, 100};
    int m_level = 0;
    bool m_colorEnabled = true;
    bool m_levelKnown = true;
    // The colour flag when the last repaint was asked for: the text shows or
    // goes with the next repaint.
    bool m_shownColorEnabled = true;
    QFont m_textFont;
};
