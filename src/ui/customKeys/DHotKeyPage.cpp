#include "ui/customKeys/DHotKeyPage.h"
#include "ui_DHotKeyPage.h"

#include "data/keyFunctionNames.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

// Code 1 (switch windows) has no button.
const FunctionChoice kChoices[] = {
    {"radioButton_CloseWindow", KeyFunctionShortcut, 1, "0"},
    {"radioButton_ShowDesktop", KeyFunctionShortcut, 1, "2"},
    {"radioButton_OpenMyComputer", KeyFunctionShortcut, 1, "3"},
    {"radioButton_LockingComputer", KeyFunctionShortcut, 1, "4"},
    {"radioButton_Copy", KeyFunctionShortcut, 1, "5"},
    {"radioButton_Cut", KeyFunctionShortcut, 1, "6"},
    {"radioButton_Paste", KeyFunctionShortcut, 1, "7"},
    {"radioButton_Find", KeyFunctionShortcut, 1, "8"},
    {"radioButton_CreateNew", KeyFunctionShortcut, 1, "9"},
    {"radioButton_Print", KeyFunctionShortcut, 1, "10"},
    {"radioButton_Save", KeyFunctionShortcut, 1, "11"},
};

} // namespace

DHotKeyPage::DHotKeyPage(QWidget *parent)
    : DChoiceFunctionPage(parent)
    , ui(new Ui::DHotKeyPage)
{
    ui->setupUi(this);
    setChoices(kChoices, int(sizeof kChoices / sizeof kChoices[0]));

    applyTexts();
}

DHotKeyPage::~DHotKeyPage()
{
    delete ui;
}

void DHotKeyPage::applyTexts()
{
    ui->radioButton_OpenMyComputer->setText(keyFunctionNames::shortcut(keyFunctionNames::ShortcutMyComputer));
}

void DHotKeyPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

