#ifndef DKEYCONFIGFUNCTIONPAGE_H
#define DKEYCONFIGFUNCTIONPAGE_H

#include "ui/customKeys/DChoiceFunctionPage.h"

namespace Ui {
class DKeyConfigFunctionPage;
}

// The "Key Config" function page: functions of the keyboard itself (locks,
// power query, connection switch), carried out by the keyboard once
// downloaded.
class DKeyConfigFunctionPage : public DChoiceFunctionPage
{
    Q_OBJECT
public:
    explicit DKeyConfigFunctionPage(QWidget *parent = nullptr);
    ~DKeyConfigFunctionPage() override;

    void retranslate() override;

protected:
    bool ownsType(int type) const override { return type == KeyFunctionKeyConfig; }
    int matchBinding(const KeyOperateInfo &info) const override;

private:
    void applyTexts();

    Ui::DKeyConfigFunctionPage *ui;
};

#endif // DKEYCONFIGFUNCTIONPAGE_H
