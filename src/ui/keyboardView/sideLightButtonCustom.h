#pragma once

#include "ui/keyboardView/keyLayerButton.h"

#include <QColor>

// One segment of the side light strip, drawn as a gradient along its long
// axis: transparent at both ends, its colour in the middle.
class sideLightButtonCustom : public keyLayerButton
{
    Q_OBJECT

public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setSideLightInfo(int index, int validStatus);
    int index() const { return m_index; }
    int validStatus() const { return m_validStatus; }
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

    void paintFace(QPainter &painter) const override;

private:
    int m_index = 0;
    int m_validStatus = 0;
    QColor m_color{0, 0, 0, 128};
};
