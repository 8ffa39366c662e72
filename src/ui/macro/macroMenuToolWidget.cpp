#include "ui/macro/macroMenuToolWidget.h"
#include "ui_macroMenuToolWidget.h"

#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent) : QWidget(parent), ui(new Ui::macroMenuToolWidget)
{
    ui->setupUi(this);
    ui->label_Export->installEventFilter(this);
    ui->label_Delete->installEventFilter(this);
    ui->label_ModifyNanme->installEventFilter(this);
}

macroMenuToolWidget::~macroMenuToolWidget()
{
    delete ui;
}

bool macroMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        emit sigCloseMenuWidow();
        if (watched == ui->label_Export)
            emit sigMacroExport();
        else if (watched == ui->label_Delete)
            emit sigMacroDelete();
        else if (watched == ui->label_ModifyNanme)
            emit sigMacroModifyNanme();
    }
    return QWidget::eventFilter(watched, event);
}
