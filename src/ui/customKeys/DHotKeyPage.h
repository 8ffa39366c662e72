#ifndef DHOTKEYPAGE_H
#define DHOTKEYPAGE_H

#include "ui/customKeys/DChoiceFunctionPage.h"

namespace Ui {
class DHotKeyPage;
}

// The "Shortcuts" function page: system shortcuts such as copy or lock computer.
class DHotKeyPage : public DChoiceFunctionPage
{
    Q_OBJECT
public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
    ~DHotKeyPage() override;

    void retranslate() override;

protected:
    bool ownsType(int type) const override { return type == KeyFunctionShortcut; }

private:
    void applyTexts();

    Ui::DHotKeyPage *ui;
};

#endif // DHOTKEYPAGE_H
