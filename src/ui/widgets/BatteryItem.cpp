#include "ui/widgets/BatteryItem.h"

#include <QPainter>

#include "data/DDataManager.h"
#include "ui/widgets/themeStyle.h"

#include <QRegularExpression>

namespace {

// A style-sheet colour of the theme palette, "rgb(r, g, b)" or "rgba(...)".
QColor sheetColor(const QString &css)
{
    QList<int> parts;
    auto it = QRegularExpression(QStringLiteral("\\d+")).globalMatch(css);
    while (it.hasNext())
        parts << it.next().captured().toInt();
    if (parts.size() < 3)
        return QColor(css);
    return QColor(parts[0], parts[1], parts[2]);
}

} // namespace

BatteryItem::BatteryItem(QWidget *parent)
    : QLabel(parent)
    , m_textFont(QStringLiteral("Microsoft YaHei"), 7)
{
    m_textFont.setWeight(75);
    m_textFont.setItalic(true);
    m_textFont.setLetterSpacing(QFont::AbsoluteSpacing, 0);
}

void BatteryItem::setLevel(int percent)
{
    QColor fill;
    if (!m_colorEnabled)
        fill = QColor(100, 150, 100);
    else if (percent >= 0 && percent <= 25)
        fill = QColor(255, 60, 0);
    else if (percent >= 26 && percent <= 50)
        fill = QColor(200, 140, 0);
    else
        fill = QColor(100, 150, 100);
    // The keyboard reports its charge every second, mostly unchanged.
    if (m_levelKnown && percent == m_level && fill == m_fillColor && m_colorEnabled == m_shownColorEnabled)
        return;
    m_levelKnown = true;
    m_shownColorEnabled = m_colorEnabled;
    m_fillColor = fill;
    m_level = percent;
    m_fillWidth = percent / 4;
    update();
}

void BatteryItem::setLevelUnknown()
{
    if (!m_levelKnown)
        return;
    m_levelKnown = false;
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
    if (!m_levelKnown) {
        // Muted, so it does not read as a charge; the mark in the theme's
        // text colour, so it reads at all.
        const themeStyle::Palette theme = themeStyle::palette(DDataManager::instance()->themeColors());
        painter.setPen(sheetColor(theme.disabled));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2);
        painter.drawRect(29, 5, 1, 6);
        painter.drawRect(29, 5, 2, 6);
        QFont mark = m_textFont;
        mark.setItalic(false);
        mark.setPointSize(8);
        painter.setFont(mark);
        painter.setPen(sheetColor(theme.text));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
    painter.setPen(QColor(136, 205, 12));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2);
    painter.drawRect(29, 5, 1, 6);
    painter.drawRect(29, 5, 2, 6);

    painter.setPen(m_fillColor);
    painter.setBrush(m_fillColor);
    painter.drawRect(2, 2, m_fillWidth, 11);

    if (m_colorEnabled) {
        painter.setFont(m_textFont);
        painter.setPen(QColor(235, 245, 245));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QString::number(m_level) + QLatin1Char('%'));
    }
}
