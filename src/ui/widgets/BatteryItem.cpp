#include "ui/widgets/BatteryItem.h"

#include <QPainter>

BatteryItem::BatteryItem(QWidget *parent)
    : QLabel(parent)
{
}

void BatteryItem::setLevel(int percent)
{
    if (!m_colorEnabled)
        m_fillColor = QColor(100, 150, 100);
    else if (percent >= 0 && percent <= 25)
        m_fillColor = QColor(255, 60, 0);
    else if (percent >= 26 && percent <= 50)
        m_fillColor = QColor(200, 140, 0);
    else
        m_fillColor = QColor(100, 150, 100);
    m_level = percent;
    m_fillWidth = percent / 4;
    update();
}

void BatteryItem::setColorEnabled(bool enabled)
{
    m_colorEnabled = enabled;
}

QSize BatteryItem::sizeHint() const
{
    return QSize(GaugeWidth, GaugeHeight);
}

QSize BatteryItem::minimumSizeHint() const
{
    return sizeHint();
}

QRect BatteryItem::gaugeRect() const
{
    // Centred on the height the row gives it, so the gauge lines up with the
    // buttons and labels beside it.
    return QRect(0, (height() - GaugeHeight) / 2, GaugeWidth, GaugeHeight);
}

void BatteryItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(gaugeRect().topLeft());
    painter.setPen(QColor(136, 205, 12));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2);
    painter.drawRect(29, 5, 1, 6);
    painter.drawRect(29, 5, 2, 6);

    painter.setPen(m_fillColor);
    painter.setBrush(m_fillColor);
    painter.drawRect(2, 2, m_fillWidth, 11);

    if (m_colorEnabled) {
        QFont f(QStringLiteral("Microsoft YaHei"), 7);
        f.setWeight(75);
        f.setItalic(true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(f);
        painter.setPen(QColor(235, 245, 245));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QString::number(m_level) + QLatin1Char('%'));
    }
}
