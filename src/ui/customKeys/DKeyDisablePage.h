#ifndef DKEYDISABLEPAGE_H
#define DKEYDISABLEPAGE_H

#include "ui/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DKeyDisablePage;
}

// The "Disable" function page: OK binds the key to no function at all.
class DKeyDisablePage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);
    ~DKeyDisablePage() override;

    void retranslate() override;

protected:
    bool ownsType(int type) const override { return type == KeyFunctionDisable; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &) override {}

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void applyTexts();

    Ui::DKeyDisablePage *ui;
};

#endif // DKEYDISABLEPAGE_H
