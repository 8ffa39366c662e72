#include "ui/customKeys/DSideLightCustomEventPage.h"
#include "ui_DSideLightCustomEventPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

// Type 34 closes (sub code 0, value 2: the side light) or stops (sub code 1)
// the side light; every other choice stores sub code 1.
const FunctionChoice kChoices[] = {
    {"radioButton_AllLightList", 30, 1, "2"},
    {"radioButton_OverallLightList", 30, 1, "0"},
    {"radioButton_InteractionLightList", 30, 1, "1"},
    {"radioButton_BrightnessUp", 31, 1, "0"},
    {"radioButton_BrightnessDown", 31, 1, "1"},
    {"radioButton_SpeedAdd", 32, 1, "0"},
    {"radioButton_SpeedLessen", 32, 1, "1"},
    {"radioButton_FullColor", 33, 1, "0"},
    {"radioButton_TopColor", 33, 1, "1"},
    {"radioButton_BottomColor", 33, 1, "2"},
    {"radioButton_CloseSideLight", 34, 0, "2"},
    {"radioButton_StopSideLight", 34, 1, "0"},
};
constexpr int kCloseSideLight = 10;
constexpr int kStopSideLight = 11;

} // namespace

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget *parent)
    : DChoiceFunctionPage(parent)
    , ui(new Ui::DSideLightCustomEventPage)
{
    ui->setupUi(this);
    setChoices(kChoices, int(sizeof kChoices / sizeof kChoices[0]));
    // Only "All light" is offered in the first row; the other two lists
    // still show a stored binding.
    ui->radioButton_OverallLightList->hide();
    ui->radioButton_InteractionLightList->hide();
    applyTexts();
}

DSideLightCustomEventPage::~DSideLightCustomEventPage()
{
    delete ui;
}

void DSideLightCustomEventPage::applyTexts()
{
}

void DSideLightCustomEventPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

int DSideLightCustomEventPage::matchBinding(const KeyOperateInfo &info) const
{
    if (bindingType(info) != 34)
        return DChoiceFunctionPage::matchBinding(info);
    switch (number(info.playMode)) {
    case 0: return kCloseSideLight;
    case 1: return kStopSideLight;
    default: return -1;
    }
}
