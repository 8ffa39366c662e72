#include "ui/keyboardView/DCustomEventTipExplain.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const char *const kFontFamily = "Microsoft YaHei";
const char *const kAccent = "255,143,31";
const char *const kNormal = "245,245,245";

QLabel *makeLabel(QWidget *parent, const QString &style)
{
    auto *label = new QLabel(parent);
    label->setFixedSize(200, 30);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(style);
    return label;
}
} // namespace

DCustomEventTipExplain::DCustomEventTipExplain(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    m_keyName = makeLabel(this, QStringLiteral("color: rgb(245, 245, 245); font: 75 14pt \"Microsoft YaHei\";"));
    m_function = makeLabel(this, QStringLiteral("color: rgb(245, 245, 245); font: 75 12pt \"Microsoft YaHei\";"));
    m_mapping = makeLabel(this, QStringLiteral("color: rgb(245, 245, 245); font: 75 14pt \"Microsoft YaHei\";"));
    layout->addWidget(m_keyName);
    layout->addWidget(m_function);
    layout->addWidget(m_mapping);
}

void DCustomEventTipExplain::setTipInfo(const QString &keyName, const QString &functionText,
                                        const QString &mappingText, bool available)
{
    const bool isFn = keyName == QLatin1String("fn") || keyName == QLatin1String("Fn")
                      || keyName == QLatin1String("FN");
    setHighlighted(isFn || !available);
    m_keyName->setText(keyName);
    m_function->setText(functionText);
    m_elided = false;
    elideMappingText(mappingText);
}

void DCustomEventTipExplain::setHighlighted(bool highlighted)
{
    const QString style = QStringLiteral("color: rgb(%2); font: 75 14pt \"%1\";")
                              .arg(QLatin1String(kFontFamily),
                                   QLatin1String(highlighted ? kAccent : kNormal));
    m_keyName->setStyleSheet(style);
    m_mapping->setStyleSheet(style);
}

void DCustomEventTipExplain::elideMappingText(const QString &text)
{
    QFont font{QString::fromLatin1(kFontFamily)};
    font.setPointSize(14);
    const QFontMetrics metrics(font);
    QString shown = text;
    if (metrics.horizontalAdvance(text) >= kMappingWidth) {
        m_elided = true;
        shown = metrics.elidedText(text, Qt::ElideRight, kMappingWidth);
    }
    m_mapping->setText(shown);
}

QString DCustomEventTipExplain::keyNameText() const { return m_keyName->text(); }
QString DCustomEventTipExplain::functionText() const { return m_function->text(); }
QString DCustomEventTipExplain::mappingText() const { return m_mapping->text(); }
