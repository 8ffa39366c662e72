#ifndef DSIDELIGHTCUSTOMEVENTPAGE_H
#define DSIDELIGHTCUSTOMEVENTPAGE_H

#include "ui/customKeys/DChoiceFunctionPage.h"

namespace Ui {
class DSideLightCustomEventPage;
}

// The "Atmosphere Light" function page: the key changes the side light strip.
class DSideLightCustomEventPage : public DChoiceFunctionPage
{
    Q_OBJECT
public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
    ~DSideLightCustomEventPage() override;

    void retranslate() override;

protected:
    bool ownsType(int type) const override { return type >= KeyFunctionSideLightFirst && type <= KeyFunctionSideLightLast; }
    int matchBinding(const KeyOperateInfo &info) const override;

private:
    void applyTexts();

    Ui::DSideLightCustomEventPage *ui;
};

#endif // DSIDELIGHTCUSTOMEVENTPAGE_H
