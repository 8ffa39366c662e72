#include "ui/customKeys/DMouseKeyPage.h"
#include "ui_DMouseKeyPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

const FunctionChoice kChoices[] = {
    {"radioButton_mouseLeft", KeyFunctionMouse, 1, "0"},
    {"radioButton_mouseCenter", KeyFunctionMouse, 1, "1"},
    {"radioButton_mouseRight", KeyFunctionMouse, 1, "2"},
    {"radioButton_mouseScrollUp", KeyFunctionMouse, 1, "3"},
    {"radioButton_mouseScrollDown", KeyFunctionMouse, 1, "4"},
    {"radioButton_Forward", KeyFunctionMouse, 1, "5"},
    {"radioButton_Backward", KeyFunctionMouse, 1, "6"},
    {"radioButton_SniperKey", KeyFunctionMouse, 1, "7"},
};

} // namespace

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DChoiceFunctionPage(parent)
    , ui(new Ui::DMouseKeyPage)
{
    ui->setupUi(this);
    setChoices(kChoices, int(sizeof kChoices / sizeof kChoices[0]));
    // The sniper key is not offered; a stored one still marks its button.
    ui->radioButton_SniperKey->hide();
    applyTexts();
}

DMouseKeyPage::~DMouseKeyPage()
{
    delete ui;
}

void DMouseKeyPage::applyTexts()
{
    ui->label_7->setText(QCoreApplication::translate("QObject", "Mouse Key"));
}

void DMouseKeyPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

