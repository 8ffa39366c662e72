#ifndef DKEYBOARDLIGHTCUSTOMEVENTPAGE_H
#define DKEYBOARDLIGHTCUSTOMEVENTPAGE_H

#include "ui/customKeys/DChoiceFunctionPage.h"

namespace Ui {
class DKeyboardLightCustomEventPage;
}

// The "Keyboard Light" function page: the key changes the keyboard's own
// light (effect list, brightness, speed, direction, colours, custom lights,
// closing or stopping, recording); the keyboard does it once downloaded.
class DKeyboardLightCustomEventPage : public DChoiceFunctionPage
{
    Q_OBJECT
public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
    ~DKeyboardLightCustomEventPage() override;

    void retranslate() override;

protected:
    bool ownsType(int type) const override { return type >= KeyFunctionKeyboardLightFirst && type <= KeyFunctionKeyboardLightLast; }
    int matchBinding(const KeyOperateInfo &info) const override;

private:
    void applyTexts();

    Ui::DKeyboardLightCustomEventPage *ui;
};

#endif // DKEYBOARDLIGHTCUSTOMEVENTPAGE_H
