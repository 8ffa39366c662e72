#include "ui/customKeys/DChoiceFunctionPage.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <cstdlib>

DChoiceFunctionPage::DChoiceFunctionPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &DChoiceFunctionPage::onChoiceClicked);
}

void DChoiceFunctionPage::setChoices(const FunctionChoice *choices, int count)
{
    for (int i = 0; i < count; ++i) {
        auto *button = findChild<QRadioButton *>(QLatin1String(choices[i].objectName));
        Q_ASSERT_X(button, "DChoiceFunctionPage", choices[i].objectName);
        m_choices.append(choices[i]);
        m_buttons.append(button);
        if (button)
            m_group->addButton(button, i);
    }
}

int DChoiceFunctionPage::number(const char *text)
{
    return std::atoi(text);
}

int DChoiceFunctionPage::checkedChoice() const
{
    return m_group->checkedId();
}

void DChoiceFunctionPage::clearChoice()
{
    // An exclusive group keeps one button marked; unmark them all with the
    // group open.
    m_group->setExclusive(false);
    for (QRadioButton *button : qAsConst(m_buttons)) {
        if (button)
            button->setChecked(false);
    }
    m_group->setExclusive(true);
}

int DChoiceFunctionPage::matchBinding(const KeyOperateInfo &info) const
{
    const int type = bindingType(info);
    const int value = number(info.value);
    for (int i = 0; i < m_choices.size(); ++i) {
        if (m_choices.at(i).type == type && number(m_choices.at(i).value) == value)
            return i;
    }
    return -1;
}

void DChoiceFunctionPage::showBinding(const KeyOperateInfo &info)
{
    const int index = matchBinding(info);
    if (QRadioButton *button = m_buttons.value(index))
        button->setChecked(true);
}

void DChoiceFunctionPage::saveCheckedButton()
{
    const int index = checkedChoice();
    if (index < 0 || index >= m_choices.size())
        return;
    const FunctionChoice &c = m_choices.at(index);
    storeBinding(c.type, 1, c.subCode, QByteArray(c.value));
}

void DChoiceFunctionPage::onChoiceClicked(int index)
{
    Q_UNUSED(index)
    saveCheckedButton();
}
