#include "ui/customKeys/DKeyboardLightCustomEventPage.h"
#include "ui_DKeyboardLightCustomEventPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

// Type 26 closes (sub code 0: value 0 all lights, 1 the back light) or
// stops (sub code 1) a light; every other choice stores sub code 1.
const FunctionChoice kChoices[] = {
    {"radioButton_OverallLightList", 20, 1, "0"},
    {"radioButton_InteractionLightList", 20, 1, "1"},
    {"radioButton_AllLightList", 20, 1, "2"},
    {"radioButton_StaticMode", 20, 1, "3"},
    {"radioButton_BrightnessUp", 21, 1, "0"},
    {"radioButton_BrightnessDown", 21, 1, "1"},
    {"radioButton_SpeedAdd", 22, 1, "0"},
    {"radioButton_SpeedLessen", 22, 1, "1"},
    {"radioButton_DirectionAddOne", 23, 1, "0"},
    {"radioButton_DirectionLessenOne", 23, 1, "1"},
    {"radioButton_DirectionLoop", 23, 1, "2"},
    {"radioButton_FullColor", 24, 1, "0"},
    {"radioButton_TopColor", 24, 1, "1"},
    {"radioButton_BottomColor", 24, 1, "2"},
    {"radioButton_IntoCustomLight01", 25, 1, "0"},
    {"radioButton_IntoCustomLight02", 25, 1, "1"},
    {"radioButton_CloseAll", 26, 0, "0"},
    {"radioButton_CloseBackLight", 26, 0, "1"},
    {"radioButton_StopBackLight", 26, 1, "0"},
    {"radioButton_LightRecording", 27, 1, "0"},
};
constexpr int kCloseAll = 16;
constexpr int kCloseBackLight = 17;
constexpr int kStopBackLight = 18;
constexpr int kLightRecording = 19;

} // namespace

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget *parent)
    : DChoiceFunctionPage(parent)
    , ui(new Ui::DKeyboardLightCustomEventPage)
{
    ui->setupUi(this);
    setChoices(kChoices, int(sizeof kChoices / sizeof kChoices[0]));

    applyTexts();
}

DKeyboardLightCustomEventPage::~DKeyboardLightCustomEventPage()
{
    delete ui;
}

void DKeyboardLightCustomEventPage::applyTexts()
{
}

void DKeyboardLightCustomEventPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

int DKeyboardLightCustomEventPage::matchBinding(const KeyOperateInfo &info) const
{
    const int type = bindingType(info);
    if (type == 27)
        return kLightRecording;
    if (type != 26)
        return DChoiceFunctionPage::matchBinding(info);
    const int subCode = number(info.playMode);
    const int value = number(info.value);
    if (subCode == 1)
        return kStopBackLight;
    if (subCode == 0 && value == 0)
        return kCloseAll;
    if (subCode == 0 && value == 1)
        return kCloseBackLight;
    return -1;
}
