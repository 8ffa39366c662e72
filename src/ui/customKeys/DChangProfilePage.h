#ifndef DCHANGPROFILEPAGE_H
#define DCHANGPROFILEPAGE_H

#include <QMap>

#include "ui/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DChangProfilePage;
}

// The "Switch Profile" function page: the key makes another profile of the
// same store current. Each choice of the user is stored at once.
class DChangProfilePage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
    ~DChangProfilePage() override;

    void retranslate() override;
    void saveKeyBinding();

protected:
    bool ownsType(int type) const override { return type == KeyFunctionSwitchProfile; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;

private:
    void applyTexts();
    void onProfileChosen(int index);

    Ui::DChangProfilePage *ui;
    QMap<int, QString> m_profileNames;
};

#endif // DCHANGPROFILEPAGE_H
