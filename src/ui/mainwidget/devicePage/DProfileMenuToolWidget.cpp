#include "DProfileMenuToolWidget.h"
#include "ui_DProfileMenuToolWidget.h"

#include <QEvent>

DProfileMenuToolWidget::DProfileMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DProfileMenuToolWidget)
{
    ui->setupUi(this);
    for (QWidget *label : {static_cast<QWidget *>(ui->label_CreateNew), static_cast<QWidget *>(ui->label_Delete),
                           static_cast<QWidget *>(ui->label_Export), static_cast<QWidget *>(ui->label_Import),
                           static_cast<QWidget *>(ui->label_ModifyNanme)})
        label->installEventFilter(this);
}

DProfileMenuToolWidget::~DProfileMenuToolWidget()
{
    delete ui;
}

bool DProfileMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        // The bubble closes before the operation runs: an operation may open
        // a dialog of its own.
        void (DProfileMenuToolWidget::*entry)() = nullptr;
        if (watched == ui->label_CreateNew)
            entry = &DProfileMenuToolWidget::sigProfileCreate;
        else if (watched == ui->label_Delete)
            entry = &DProfileMenuToolWidget::sigProfileDelete;
        else if (watched == ui->label_Export)
            entry = &DProfileMenuToolWidget::sigProfileExport;
        else if (watched == ui->label_Import)
            entry = &DProfileMenuToolWidget::sigProfileImport;
        else if (watched == ui->label_ModifyNanme)
            entry = &DProfileMenuToolWidget::sigProfileModifyName;
        if (entry) {
            emit sigCloseMenuWidow();
            emit(this->*entry)();
        }
    }
    return QWidget::eventFilter(watched, event);
}
