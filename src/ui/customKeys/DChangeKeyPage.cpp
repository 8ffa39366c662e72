#include "ui/customKeys/DChangeKeyPage.h"
#include "ui_DChangeKeyPage.h"

#include <QDebug>

#include <cstdlib>

#include "data/DDataManager.h"
#include "ui/softKeyboard/DVirtualKeyboardTool.h"

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : DKeyCapturePage(0, parent)
    , ui(new Ui::DChangeKeyPage)
{
    ui->setupUi(this);
    setCaptureEdit(ui->lineEdit_changForKey);
    applyTexts();
}

DChangeKeyPage::~DChangeKeyPage()
{
    delete ui;
}

void DChangeKeyPage::applyTexts()
{
    ui->lineEdit_changForKey->setPlaceholderText(tr("Remap with key?"));
}

void DChangeKeyPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
    virtualKeyboard()->retranslate();
}

QString DChangeKeyPage::shownText() const
{
    return ui->lineEdit_changForKey->text();
}

void DChangeKeyPage::clearChoice()
{
    m_keyNames = DDataManager::instance()->keyNameMap();
    m_pickedKey = -1;
    ui->lineEdit_changForKey->setMaxLength(32767);
    ui->lineEdit_changForKey->clear();
}

void DChangeKeyPage::showBinding(const KeyOperateInfo &info)
{
    ui->lineEdit_changForKey->setText(m_keyNames.value(std::atoi(info.value)));
}

void DChangeKeyPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    qDebug() << "---------------------------- [Virtual Keyboard] keyDec:" << keyDec;
    ui->lineEdit_changForKey->setText(DDataManager::instance()->keyNameMap().value(keyDec));
    setKey(keyDec);
}

void DChangeKeyPage::setKey(int keyCode)
{
    if (keyCode == m_pickedKey)
        return;
    const auto name = m_keyNames.constFind(keyCode);
    if (name == m_keyNames.constEnd())
        return;
    ui->lineEdit_changForKey->clear();
    ui->lineEdit_changForKey->setMaxLength(qMax(1, name.value().size()));
    ui->lineEdit_changForKey->setText(name.value());
    m_pickedKey = keyCode;
    saveKeyBinding();
}

void DChangeKeyPage::saveKeyBinding()
{
    if (m_pickedKey == -1)
        return;
    storeBinding(KeyFunctionRemap, 1, 1, QByteArray::number(m_pickedKey));
    m_pickedKey = -1;
}
