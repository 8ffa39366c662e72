#ifndef KEYCOLORRGBFRAMEITEM_H
#define KEYCOLORRGBFRAMEITEM_H

#include <QWidget>

namespace Ui {
class keyColorRgbFrameItem;
}

// The bottom layer of the keyboard view; empty.
class keyColorRgbFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyColorRgbFrameItem(QWidget *parent = nullptr);
    ~keyColorRgbFrameItem() override;

private:
    Ui::keyColorRgbFrameItem *ui;
};

#endif // KEYCOLORRGBFRAMEITEM_H
