#ifndef DKEYCOMBINATIONPAGE_H
#define DKEYCOMBINATIONPAGE_H

#include <QStringList>

#include "ui/customKeys/DKeyCapturePage.h"

namespace Ui {
class DKeyCombinationPage;
}

// The "Key Combination" function page: the selected key sends one or two
// modifiers with one other key. The user picks the modifiers first, then the
// key; the combination is stored as "mask,key" (the modifier byte of a boot
// keyboard report and the key code) as soon as the key follows.
class DKeyCombinationPage : public DKeyCapturePage
{
    Q_OBJECT
public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);
    ~DKeyCombinationPage() override;

    void retranslate() override;
    void setKey(int keyCode) override;
    void addCaptionPart(const QString &name);
    void saveKeyBinding();
    QString shownText() const;

    // The modifier bit of a key code (224 to 231), else 0.
    static int modifierBit(int keyCode);
    // The names of a mask's bits 0 to 7, in bit order.
    static QStringList modifierNames(int mask);

protected:
    bool ownsType(int type) const override { return type == KeyFunctionCombination; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override { setKey(keyDec); }
    void popupOpening() override;
    void popupClosed() override;

private:
    void applyTexts();

    Ui::DKeyCombinationPage *ui;
    bool m_inProgress = false;
    QStringList m_parts;
    int m_partCount = 0;
    int m_mask = 0;
    int m_comboKey = 0;
};

#endif // DKEYCOMBINATIONPAGE_H
