#ifndef DMOUSEKEYPAGE_H
#define DMOUSEKEYPAGE_H

#include "ui/customKeys/DChoiceFunctionPage.h"

namespace Ui {
class DMouseKeyPage;
}

// The "Mouse" function page: the key acts as a mouse button or wheel.
class DMouseKeyPage : public DChoiceFunctionPage
{
    Q_OBJECT
public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
    ~DMouseKeyPage() override;

    void retranslate() override;

protected:
    bool ownsType(int type) const override { return type == KeyFunctionMouse; }

private:
    void applyTexts();

    Ui::DMouseKeyPage *ui;
};

#endif // DMOUSEKEYPAGE_H
