#ifndef DRESETDEFAULTPAGE_H
#define DRESETDEFAULTPAGE_H

#include "ui/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DResetDefaultPage;
}

// The "Default" function page: OK removes the key's binding so that the key
// keeps its default function, and removes the profile's copy of a macro when
// the key was the macro's last user in the profile.
class DResetDefaultPage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    // errorIndex of sigCustomKeyInfoSaveFailed(10, ...).
    enum { ErrorNoKey = 0, ErrorStoreRefused = 1 };

    explicit DResetDefaultPage(QWidget *parent = nullptr);
    ~DResetDefaultPage() override;

    void retranslate() override;
    void clearKey() override;

protected:
    bool ownsType(int) const override { return false; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &) override {}

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void applyTexts();
    QString shownCaption() const;

    Ui::DResetDefaultPage *ui;
};

#endif // DRESETDEFAULTPAGE_H
