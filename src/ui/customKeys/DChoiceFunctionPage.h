#ifndef DCHOICEFUNCTIONPAGE_H
#define DCHOICEFUNCTIONPAGE_H

#include <QVector>

#include "ui/customKeys/DKeyFunctionPage.h"

class QButtonGroup;
class QRadioButton;

// One radio button of a choice page and the binding it stores.
struct FunctionChoice
{
    const char *objectName;
    int type;
    int subCode;       // the play mode / sub code field
    const char *value; // decimal, or "mode,slot" for a connection switch
};

// Base of the function pages that offer a grid of radio buttons, one per
// function: a click on a button stores that button's binding at once, also
// when it is already marked. Loading marks the button of the stored binding
// (hidden buttons included) or none.
class DChoiceFunctionPage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    int choiceCount() const { return m_choices.size(); }
    const FunctionChoice &choice(int index) const { return m_choices.at(index); }
    QRadioButton *choiceButton(int index) const { return m_buttons.value(index); }
    // The marked button's index, or -1.
    int checkedChoice() const;
    // Stores the marked button's binding; nothing when none is marked.
    void saveCheckedButton();

protected:
    explicit DChoiceFunctionPage(QWidget *parent = nullptr);
    // Finds the form's buttons by object name; call once the form is built.
    void setChoices(const FunctionChoice *choices, int count);

    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;
    // The choice that shows a stored binding of the page's own type, or -1.
    // By default the choice of that type whose value reads the same number.
    virtual int matchBinding(const KeyOperateInfo &info) const;

    static int number(const char *text);

private:
    void onChoiceClicked(int index);

    QVector<FunctionChoice> m_choices;
    QVector<QRadioButton *> m_buttons;
    QButtonGroup *m_group;
};

#endif // DCHOICEFUNCTIONPAGE_H
