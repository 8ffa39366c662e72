#ifndef DCHANGEKEYPAGE_H
#define DCHANGEKEYPAGE_H

#include "ui/customKeys/DKeyCapturePage.h"

namespace Ui {
class DChangeKeyPage;
}

// The "Remap Key" function page: the selected key sends another key, picked
// on the on-screen keyboard or pressed while the capture hook runs; every
// pick is stored at once.
class DChangeKeyPage : public DKeyCapturePage
{
    Q_OBJECT
public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);
    ~DChangeKeyPage() override;

    void retranslate() override;
    void setKey(int keyCode) override;
    void saveKeyBinding();
    QString shownText() const;

protected:
    bool ownsType(int type) const override { return type == KeyFunctionRemap; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

private:
    void applyTexts();

    Ui::DChangeKeyPage *ui;
    int m_pickedKey = -1;
};

#endif // DCHANGEKEYPAGE_H
