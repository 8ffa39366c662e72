#include "DMainWidget.h"

DMainWidget::DMainWidget(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    setWindowTitle(QStringLiteral("vardex-keyboard"));
    resize(1280, 800);
}

DMainWidget::~DMainWidget() = default;

void DMainWidget::updateEdgeCursor()
{
}
