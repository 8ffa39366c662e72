#include "ui/keyboardView/keyColorRgbFrameItem.h"
#include "ui_keyColorRgbFrameItem.h"

keyColorRgbFrameItem::keyColorRgbFrameItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::keyColorRgbFrameItem)
{
    ui->setupUi(this);
}

keyColorRgbFrameItem::~keyColorRgbFrameItem()
{
    delete ui;
}
