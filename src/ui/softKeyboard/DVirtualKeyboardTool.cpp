#include "ui/softKeyboard/DVirtualKeyboardTool.h"
#include "ui_DVirtualKeyboardTool.h"

#include "ui/softKeyboard/DSoftKeyboardPage.h"

DVirtualKeyboardTool::DVirtualKeyboardTool(int mode, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DVirtualKeyboardTool)
{
    ui->setupUi(this);
    ui->label->setText(tr("Virtual Keyboard"));
    m_softKeyboardPage = new DSoftKeyboardPage(ui->frame_SoftKeyboard);
    m_softKeyboardPage->setCombinationMode(mode);
    connect(m_softKeyboardPage, &DSoftKeyboardPage::sigSoftKeyboardClicked,
            this, &DVirtualKeyboardTool::onSoftKeyboardClicked);
    m_softKeyboardPage->loadKeyboardInfo(QStringLiteral("Rendo"));
    ui->horizontalLayout_2->addWidget(m_softKeyboardPage);
}

DVirtualKeyboardTool::~DVirtualKeyboardTool()
{
    delete ui;
}

void DVirtualKeyboardTool::retranslate()
{
    ui->retranslateUi(this);
    ui->label->setText(tr("Virtual Keyboard"));
}

void DVirtualKeyboardTool::setCombinationActive(bool active)
{
    m_softKeyboardPage->setCombinationActive(active);
}

void DVirtualKeyboardTool::markKeyUnselected(int keyCode)
{
    m_softKeyboardPage->markKeyUnselected(keyCode);
}

void DVirtualKeyboardTool::clearSelection()
{
    m_softKeyboardPage->clearSelection();
}

void DVirtualKeyboardTool::onSoftKeyboardClicked(int keyDec, QString keyCharacter)
{
    Q_UNUSED(keyCharacter)
    emit sigSoftKeyboardClicked_VirtualKB(keyDec);
}
