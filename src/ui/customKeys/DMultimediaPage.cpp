#include "ui/customKeys/DMultimediaPage.h"
#include "ui_DMultimediaPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

// Code 7 has no button and no name.
const FunctionChoice kChoices[] = {
    {"radioButton_volAdd", KeyFunctionMultimedia, 1, "0"},
    {"radioButton_volLower", KeyFunctionMultimedia, 1, "1"},
    {"radioButton_mute", KeyFunctionMultimedia, 1, "2"},
    {"radioButton_playOrPause", KeyFunctionMultimedia, 1, "3"},
    {"radioButton_next", KeyFunctionMultimedia, 1, "4"},
    {"radioButton_previous", KeyFunctionMultimedia, 1, "5"},
    {"radioButton_videoStop", KeyFunctionMultimedia, 1, "6"},
    {"radioButton_Player", KeyFunctionMultimedia, 1, "8"},
    {"radioButton_Calculator", KeyFunctionMultimedia, 1, "9"},
    {"radioButton_Computer", KeyFunctionMultimedia, 1, "10"},
    {"radioButton_Browser", KeyFunctionMultimedia, 1, "11"},
    {"radioButton_Email", KeyFunctionMultimedia, 1, "12"},
    {"radioButton_ScreenBrightnessAdd", KeyFunctionMultimedia, 1, "13"},
    {"radioButton_ScreenBrightnessLess", KeyFunctionMultimedia, 1, "14"},
    {"radioButton_wwwSearch", KeyFunctionMultimedia, 1, "15"},
};

} // namespace

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DChoiceFunctionPage(parent)
    , ui(new Ui::DMultimediaPage)
{
    ui->setupUi(this);
    setChoices(kChoices, int(sizeof kChoices / sizeof kChoices[0]));

    applyTexts();
}

DMultimediaPage::~DMultimediaPage()
{
    delete ui;
}

void DMultimediaPage::applyTexts()
{
}

void DMultimediaPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

