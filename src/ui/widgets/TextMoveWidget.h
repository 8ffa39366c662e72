#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QTimer;

// A one-line marquee: moves its text `step` pixels every `interval` ms,
// bouncing between the edges or running through in one direction.
class TextMoveWidget : public QWidget
{
    Q_OBJECT

public:
    enum MoveStyle {
        MoveStyle_LeftAndRight = 0, // bounce
        MoveStyle_LeftToRight = 1,
        MoveStyle_RightToLeft = 2,
    };
    Q_ENUM(MoveStyle)

    explicit TextMoveWidget(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    int textX() const { return m_x; }
    int textY() const { return m_y; }
    bool isMovingRight() const { return m_moveRight; }
    QLabel *label() const { return m_label; }

public slots:
    void setText(const QString &text);
    void setTextFont(const QString &textFont, int textFontSize);
    void setStep(int step);
    void setInterval(int interval);
    void setMouseHoverStop(bool mouseHoverStop);
    void setForeground(const QColor &foreground);
    void setBackground(const QColor &background);
    void setMoveStyle(TextMoveWidget::MoveStyle moveStyle);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void updatePos();

private:
    void setHovering(bool hovering);

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    bool m_mouseHoverStop = false;
    QColor m_foreground{200, 80, 0};
    QColor m_background{30, 30, 30, 0};
    MoveStyle m_moveStyle = MoveStyle_LeftAndRight;
    bool m_hovering = false;
    bool m_moveRight = true;
    int m_x = 0;
    int m_y = 0;
    QLabel *m_label;
    QTimer *m_timer;
};
