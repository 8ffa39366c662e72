#include "DCustomLightListItem.h"
#include "ui_DCustomLightListItem.h"

#include "data/DDataManager.h"
#include "vardexSdk.h"

#include <QDebug>
#include <QMouseEvent>
#include <QSignalBlocker>

DCustomLightListItem::DCustomLightListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DCustomLightListItem)
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}

DCustomLightListItem::~DCustomLightListItem()
{
    delete ui;
}

void DCustomLightListItem::setItemInfo(QString index, QString name, QString isUsing, int usingFlagIndex)
{
    m_index = index;
    m_name = name;
    m_usingStatus = isUsing;
    m_usingFlagIndex = usingFlagIndex;
    setUsingChecked(isUsing == QLatin1String("Using"));
    ui->label_CustomItemName->setText(name);
}

void DCustomLightListItem::setItemSelected(bool selected)
{
    if (selected) {
        ui->frame_5->setStyleSheet(QStringLiteral("#frame_5{border: none; background-color: rgb(36, 37, 59);}"));
        ui->label_CustomItemName->setStyleSheet(
            QStringLiteral("color: rgb(255, 143, 31); font: 75 9pt \"Microsoft YaHei\";"));
    } else {
        ui->frame_5->setStyleSheet(QStringLiteral("#frame_5{border: none; background-color: rgb(26, 27, 49);}\n"
                                                  "#frame_5:hover{background-color: rgb(31, 32, 54);}"));
        ui->label_CustomItemName->setStyleSheet(
            QStringLiteral("color: rgb(175, 175, 175); font: 75 9pt \"Microsoft YaHei\";"));
    }
}

void DCustomLightListItem::setUsingChecked(bool checked)
{
    const QSignalBlocker blocker(ui->checkBox);
    ui->checkBox->setChecked(checked);
}

bool DCustomLightListItem::isUsingChecked() const
{
    return ui->checkBox->isChecked();
}

bool DCustomLightListItem::isRenaming() const
{
    return ui->stackedWidget->currentWidget() == ui->page_ModifyName;
}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigCustomLightItemMouseClicked(m_index, m_name);
    QWidget::mousePressEvent(event);
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    ui->lineEdit_CustomItemName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
    ui->lineEdit_CustomItemName->setFocus();
    QWidget::mouseDoubleClickEvent(event);
}

void DCustomLightListItem::on_checkBox_clicked()
{
    // A light in use is never released by its own box, only displaced by
    // another light taking its slot.
    if (!ui->checkBox->isChecked()) {
        setUsingChecked(true);
        return;
    }
    ui->checkBox->clearFocus();
    emit sigCustomLightUsingStatus(true);
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString text = ui->lineEdit_CustomItemName->text();
    if (text.isEmpty()) {
        emit sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    const QByteArray name = text.toUtf8();
    if (name.size() > kMaxNameBytes) {
        // The store would cut it at a byte, possibly inside a character.
        emit sigModifyCustomLightItemNameTooLong();
        return;
    }
    DDataManager *data = DDataManager::instance();
    char path[256] = {};
    data->copyProfileXmlPath(path);
    const QByteArray profile = QByteArray::number(data->currentProfileIndex());
    const QByteArray index = m_index.toLatin1();
    if (!CVardexXML_ModifyProFileCustomLightNodeName(path, profile.constData(), index.constData(), name.constData())) {
        qDebug() << "------------------- custom light name not stored:" << m_index;
        emit sigModifyCustomLightItemNameFailed();
        return;
    }
    m_name = text;
    ui->label_CustomItemName->setText(text);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
