#include "ui/widgets/TextMoveWidget.h"

#include <QLabel>
#include <QTimer>

TextMoveWidget::TextMoveWidget(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_timer(new QTimer(this))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_background);
    setPalette(pal);

    m_label->setAlignment(Qt::AlignVCenter);
    m_label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QPalette labelPal = m_label->palette();
    labelPal.setColor(QPalette::WindowText, m_foreground);
    m_label->setPalette(labelPal);

    connect(m_timer, &QTimer::timeout, this, &TextMoveWidget::updatePos);
    m_timer->start(m_interval);
}

void TextMoveWidget::setText(const QString &text)
{
    m_text = text;
    m_label->setText(text);
    // Sized to its text, so a message longer than the first one is not cut.
    m_label->adjustSize();
    switch (m_moveStyle) {
    case MoveStyle_LeftToRight:
        m_x = -m_label->width();
        break;
    case MoveStyle_RightToLeft:
        m_x = width();
        break;
    default:
        m_x = 0;
        break;
    }
    m_label->move(m_x, m_y);
}

void TextMoveWidget::setTextFont(const QString &textFont, int textFontSize)
{
    QFont f(textFont);
    f.setPointSize(textFontSize);
    setFont(f);
    m_label->setStyleSheet(QStringLiteral("font: 75 %2pt \"%1\"").arg(textFont).arg(textFontSize));
    m_label->adjustSize();
}

void TextMoveWidget::setStep(int step)
{
    m_step = step;
}

void TextMoveWidget::setInterval(int interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
}

void TextMoveWidget::setMouseHoverStop(bool mouseHoverStop)
{
    m_mouseHoverStop = mouseHoverStop;
}

void TextMoveWidget::setForeground(const QColor &foreground)
{
    m_foreground = foreground;
    QPalette pal = m_label->palette();
    pal.setColor(QPalette::WindowText, foreground);
    m_label->setPalette(pal);
}

void TextMoveWidget::setBackground(const QColor &background)
{
    m_background = background;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
}

void TextMoveWidget::setMoveStyle(TextMoveWidget::MoveStyle moveStyle)
{
    m_moveStyle = moveStyle;
}

// With stop-on-hover the text shows that it is paused: underlined, with a
// pointing hand.
void TextMoveWidget::setHovering(bool hovering)
{
    m_hovering = hovering;
    if (!m_mouseHoverStop)
        return;
    QFont f = m_label->font();
    f.setUnderline(hovering);
    m_label->setFont(f);
    setCursor(hovering ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TextMoveWidget::enterEvent(QEvent *event)
{
    setHovering(true);
    QWidget::enterEvent(event);
}

void TextMoveWidget::leaveEvent(QEvent *event)
{
    setHovering(false);
    QWidget::leaveEvent(event);
}

void TextMoveWidget::resizeEvent(QResizeEvent *event)
{
    m_y = (height() - fontMetrics().height()) / 2;
    QWidget::resizeEvent(event);
}

void TextMoveWidget::updatePos()
{
    if (m_mouseHoverStop && m_hovering)
        return;
    const int tw = fontMetrics().horizontalAdvance(m_text);
    const int w = width();
    switch (m_moveStyle) {
    case MoveStyle_LeftToRight:
        if (m_x > w)
            m_x = -tw;
        m_x += m_step;
        break;
    case MoveStyle_RightToLeft:
        if (m_x < -tw)
            m_x = w;
        m_x -= m_step;
        break;
    case MoveStyle_LeftAndRight:
        if (w < tw) {
            if (m_x == 10)
                m_moveRight = false;
            else if (m_x <= w - tw - 10)
                m_moveRight = true;
        } else {
            if (m_x + tw > w)
                m_moveRight = false;
            else if (m_x <= 0)
                m_moveRight = true;
        }
        m_x += m_moveRight ? m_step : -m_step;
        break;
    default:
        return;
    }
    m_label->move(m_x, m_y);
}
