#pragma once

#include "ui/keyboardView/keyLayerButton.h"

#include <QColor>

// One key of the keyboard drawing. It draws only its face (the legends are
// part of the keyboard picture): hover, selection, rubber-band selection,
// custom-binding mark, the unavailable overlay, or the light colour that the
// light engine paints into it.
class keyboardButCustom : public keyLayerButton
{
    Q_OBJECT

public:
    explicit keyboardButCustom(QWidget *parent = nullptr);

    void setKeyInfo(int keyCode, const QString &caption);
    int keyDec() const { return m_keyCode; }
    QString keyCharacter() const { return m_caption; }

    void setGridIndex(int row, int column);
    int rowIndex() const { return m_row; }
    int columnIndex() const { return m_column; }

    // tag: a caller number with no effect.
    void setSelected(bool selected, bool repaint = true, int tag = 0);
    bool isSelected() const { return m_selected; }
    void setHovered(bool hovered);
    bool isHovered() const { return m_hovered; }
    void setRangeSelected(bool selected);
    bool isRangeSelected() const { return m_rangeSelected; }
    void setCustomMark(bool marked);
    bool hasCustomMark() const { return m_customMark; }
    // No repaint of its own.
    void setKeyEnabled(bool enabled);
    bool isKeyEnabled() const { return m_keyEnabled; }

    void setHoverHighlight(bool on);
    bool hoverHighlight() const { return m_hoverHighlight; }
    void setColorDisplay(bool on);
    bool colorDisplay() const { return m_colorDisplay; }
    void setShowLightColor(bool on);
    bool showLightColor() const { return m_showLightColor; }

    // Repaints only while show-light-colour is set.
    void setKeyColor(const QColor &color);
    QColor keyColor() const { return m_keyColor; }
    void setCustomLightColor(const QColor &color);
    QColor customLightColor() const { return m_customLightColor; }

    void setStateColors(const QColor &selectedColor, const QColor &accentColor);
    // The fill setters force alpha 50; the border setters keep the colour.
    void setHoverFillColor(QColor color);
    void setSelectedFillColor(QColor color);
    void setMarkFillColor(QColor color);
    void setHoverBorderColor(const QColor &color);
    void setSelectedBorderColor(const QColor &color);
    void setMarkBorderColor(const QColor &color);

    QColor hoverFillColor() const { return m_hoverFill; }
    QColor hoverBorderColor() const { return m_hoverBorder; }
    QColor selectedFillColor() const { return m_selectedFill; }
    QColor selectedBorderColor() const { return m_selectedBorder; }
    QColor markFillColor() const { return m_markFill; }
    QColor markBorderColor() const { return m_markBorder; }
    QColor highlightColor() const { return m_highlight; }

    void paintFace(QPainter &painter) const override;

signals:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void drawFace(QPainter &painter, const QColor &fill, const QColor &border) const;

    bool m_hovered = false;
    bool m_rangeSelected = false;
    bool m_customMark = false;
    bool m_selected = false;
    int m_row = 0;
    int m_column = 0;
    int m_keyCode = 0;
    QString m_caption;
    bool m_keyEnabled = true;
    bool m_hoverHighlight = true;
    bool m_colorDisplay = false;
    bool m_showLightColor = false;
    QColor m_hoverFill{255, 49, 53, 50};
    QColor m_hoverBorder{255, 49, 53};
    QColor m_selectedFill{255, 128, 0, 50};
    QColor m_selectedBorder{255, 128, 0};
    QColor m_markFill{255, 49, 53, 50};
    QColor m_markBorder{255, 49, 53};
    QColor m_highlight{255, 49, 53};
    QColor m_keyColor{0, 0, 0, 0};
    QColor m_customLightColor;
};
