#include "ui/customKeys/DKeyCombinationPage.h"
#include "ui_DKeyCombinationPage.h"

#include <QDebug>

#include "data/DDataManager.h"
#include "ui/softKeyboard/DVirtualKeyboardTool.h"

namespace {
const char *const kModifierNames[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
constexpr int kMaxModifiers = 2;
} // namespace

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent)
    : DKeyCapturePage(1, parent)
    , ui(new Ui::DKeyCombinationPage)
{
    ui->setupUi(this);
    setCaptureEdit(ui->lineEdit_keyCombination);
    applyTexts();
}

DKeyCombinationPage::~DKeyCombinationPage()
{
    delete ui;
}

void DKeyCombinationPage::applyTexts()
{
    ui->lineEdit_keyCombination->setPlaceholderText(tr("Enter key?"));
}

void DKeyCombinationPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
    virtualKeyboard()->retranslate();
}

QString DKeyCombinationPage::shownText() const
{
    return ui->lineEdit_keyCombination->text();
}

int DKeyCombinationPage::modifierBit(int keyCode)
{
    return keyCode >= 224 && keyCode <= 231 ? 1 << (keyCode - 224) : 0;
}

QStringList DKeyCombinationPage::modifierNames(int mask)
{
    QStringList names;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            names << QLatin1String(kModifierNames[bit]);
    }
    return names;
}

void DKeyCombinationPage::clearChoice()
{
    m_keyNames = DDataManager::instance()->keyNameMap();
    ui->lineEdit_keyCombination->setMaxLength(32767);
    ui->lineEdit_keyCombination->clear();
    m_parts.clear();
    m_partCount = 0;
    m_mask = 0;
    m_comboKey = 0;
}

void DKeyCombinationPage::showBinding(const KeyOperateInfo &info)
{
    // "mask,key"; a value without a comma shows only its modifiers.
    const QList<QByteArray> parts = QByteArray(info.value).split(',');
    QStringList names = modifierNames(parts.value(0).trimmed().toInt());
    if (parts.size() > 1) {
        bool ok = false;
        const int key = parts.at(1).trimmed().toInt(&ok);
        if (ok && m_keyNames.contains(key))
            names << m_keyNames.value(key);
    }
    ui->lineEdit_keyCombination->setText(names.join(QLatin1Char('+')));
}

void DKeyCombinationPage::popupOpening()
{
    virtualKeyboard()->setCombinationActive(true);
}

void DKeyCombinationPage::popupClosed()
{
    virtualKeyboard()->setCombinationActive(false);
}

void DKeyCombinationPage::setKey(int keyCode)
{
    if (!m_inProgress) {
        m_parts.clear();
        m_partCount = 0;
        m_mask = 0;
        m_comboKey = 0;
        m_inProgress = true;
    }
    const int bit = modifierBit(keyCode);
    if (m_partCount == 0 && bit == 0) {
        // A combination begins with a modifier.
        virtualKeyboard()->clearSelection();
        return;
    }
    if (bit == 0) {
        m_inProgress = false;
        const auto name = m_keyNames.constFind(keyCode);
        if (name != m_keyNames.constEnd()) {
            m_comboKey = keyCode;
            qDebug() << "---- KeyCombinationPag => Read usb info data[8]) strKeyChar:" << name.value();
            addCaptionPart(name.value());
            m_partCount = 0;
            m_parts.clear();
            virtualKeyboard()->clearSelection();
            saveKeyBinding();
        }
        return;
    }
    if (m_partCount >= kMaxModifiers && !(m_mask & bit)) {
        // A third modifier is refused.
        virtualKeyboard()->markKeyUnselected(keyCode);
        return;
    }
    m_mask |= bit;
    qDebug() << "---- KeyCombinationPag => Read usb info data[5]) charDec:" << bit;
    addCaptionPart(QLatin1String(kModifierNames[keyCode - 224]));
}

void DKeyCombinationPage::addCaptionPart(const QString &name)
{
    if (m_parts.contains(name))
        return;
    m_parts << name;
    m_partCount = m_parts.size();
    const QString text = m_parts.join(QLatin1Char('+'));
    ui->lineEdit_keyCombination->setMaxLength(qMax(1, text.size()));
    ui->lineEdit_keyCombination->setText(text);
}

void DKeyCombinationPage::saveKeyBinding()
{
    if (m_mask == 0 || m_comboKey == 0)
        return;
    storeBinding(KeyFunctionCombination, 1, 1,
                 QByteArray::number(m_mask) + ',' + QByteArray::number(m_comboKey));
    m_mask = 0;
    m_comboKey = 0;
}
