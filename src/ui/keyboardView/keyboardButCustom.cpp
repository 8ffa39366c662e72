#include "ui/keyboardView/keyboardButCustom.h"

#include "ui/keyboardView/keyFace.h"

#include <QPainter>

namespace {

const QColor kTransparent(0, 0, 0, 0);

QColor withAlpha50(QColor c)
{
    c.setAlpha(50);
    return c;
}

bool hasLight(const QColor &c)
{
    return c.red() != 0 || c.green() != 0 || c.blue() != 0;
}

} // namespace

keyboardButCustom::keyboardButCustom(QWidget *parent)
    : keyLayerButton(0, 0, parent)
{
}

void keyboardButCustom::setKeyInfo(int keyCode, const QString &caption)
{
    m_keyCode = keyCode;
    m_caption = caption;
}

void keyboardButCustom::setGridIndex(int row, int column)
{
    m_row = row;
    m_column = column;
}

void keyboardButCustom::setSelected(bool selected, bool repaint, int tag)
{
    Q_UNUSED(tag)
    m_selected = selected;
    if (repaint)
        updateFace();
}

void keyboardButCustom::setHovered(bool hovered)
{
    m_hovered = hovered;
    updateFace();
}

void keyboardButCustom::setRangeSelected(bool selected)
{
    m_rangeSelected = selected;
    updateFace();
}

void keyboardButCustom::setCustomMark(bool marked)
{
    m_customMark = marked;
    updateFace();
}

void keyboardButCustom::setKeyEnabled(bool enabled)
{
    m_keyEnabled = enabled;
}

void keyboardButCustom::setHoverHighlight(bool on)
{
    m_hoverHighlight = on;
}

void keyboardButCustom::setColorDisplay(bool on)
{
    m_colorDisplay = on;
}

void keyboardButCustom::setShowLightColor(bool on)
{
    m_showLightColor = on;
}

void keyboardButCustom::setKeyColor(const QColor &color)
{
    // The light preview hands every key its colour 33 times a second; a key
    // whose colour stays need not be painted again.
    if (color == m_keyColor)
        return;
    m_keyColor = color;
    if (m_showLightColor)
        updateFace();
}

void keyboardButCustom::setCustomLightColor(const QColor &color)
{
    m_customLightColor = color;
}

void keyboardButCustom::setStateColors(const QColor &selectedColor, const QColor &accentColor)
{
    m_hoverFill = withAlpha50(accentColor);
    m_hoverBorder = accentColor;
    m_selectedFill = withAlpha50(selectedColor);
    m_selectedBorder = selectedColor;
    m_markFill = withAlpha50(accentColor);
    m_markBorder = accentColor;
    m_highlight = accentColor;
    updateFace();
}

void keyboardButCustom::setHoverFillColor(QColor color) { m_hoverFill = withAlpha50(color); }
void keyboardButCustom::setSelectedFillColor(QColor color) { m_selectedFill = withAlpha50(color); }
void keyboardButCustom::setMarkFillColor(QColor color) { m_markFill = withAlpha50(color); }
void keyboardButCustom::setHoverBorderColor(const QColor &color) { m_hoverBorder = color; }
void keyboardButCustom::setSelectedBorderColor(const QColor &color) { m_selectedBorder = color; }
void keyboardButCustom::setMarkBorderColor(const QColor &color) { m_markBorder = color; }

void keyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    emit sigCustomButMouseEnter();
    updateFace();
    keyLayerButton::enterEvent(event);
}

void keyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    emit sigCustomButMouseLeave();
    updateFace();
    keyLayerButton::leaveEvent(event);
}

void keyboardButCustom::drawFace(QPainter &painter, const QColor &fill, const QColor &border) const
{
    keyFace::paint(painter, QSize(buttonWidth(), buttonHeight()), fill, border);
}

void keyboardButCustom::paintFace(QPainter &painter) const
{
    const bool lit = m_hovered || m_rangeSelected;

    if (m_colorDisplay) {
        if (!m_hoverHighlight) {
            const bool blank = m_keyCode == 901 || m_keyCode == 902 || m_keyCode == 950 || m_keyCode == 951;
            const QColor c = blank ? kTransparent : m_keyColor;
            drawFace(painter, c, c);
        } else if (hasLight(m_keyColor)) {
            drawFace(painter, m_keyColor, lit ? m_highlight : m_keyColor);
        } else {
            drawFace(painter, kTransparent, lit ? m_highlight : kTransparent);
        }
        return;
    }

    if (m_customMark)
        drawFace(painter, m_markFill, m_markBorder);
    if (m_selected) {
        if (m_hovered)
            drawFace(painter, m_hoverFill, m_hoverBorder);
        else
            drawFace(painter, m_selectedFill, m_selectedBorder);
        return;
    }
    if (m_hovered && m_hoverHighlight)
        drawFace(painter, m_hoverFill, m_hoverBorder);
    if (!m_keyEnabled)
        drawFace(painter, QColor(200, 0, 0, 50), QColor(200, 0, 0, 255));
}
