#include "ui/customKeys/DFunctionPageStandIn.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

DFunctionPageStandIn::DFunctionPageStandIn(const char *caption, int firstType, int lastType, QWidget *parent)
    : DKeyFunctionPage(parent)
    , m_caption(caption)
    , m_firstType(firstType)
    , m_lastType(lastType)
    , m_title(new QLabel(this))
    , m_state(new QLabel(this))
{
    setObjectName(QStringLiteral("standIn_%1").arg(QString::fromLatin1(caption).remove(QLatin1Char(' '))));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_title);
    layout->addWidget(m_state);
    layout->addStretch(1);
    m_title->setStyleSheet(QStringLiteral("color:rgb(255,143,31);font-weight:bold;font-size:11pt;"));
    m_state->setStyleSheet(QStringLiteral("color:rgb(175,175,175);font-size:10pt;"));
    m_state->setWordWrap(true);
    retranslate();
}

bool DFunctionPageStandIn::ownsType(int type) const
{
    return m_firstType >= 0 && type >= m_firstType && type <= m_lastType;
}

void DFunctionPageStandIn::clearChoice()
{
    m_hasBinding = false;
    retranslate();
}

void DFunctionPageStandIn::showBinding(const KeyOperateInfo &info)
{
    Q_UNUSED(info)
    m_hasBinding = true;
    retranslate();
}

QString DFunctionPageStandIn::shownText() const
{
    return m_state->text();
}

void DFunctionPageStandIn::retranslate()
{
    m_title->setText(QCoreApplication::translate("DCustomKeysPage", m_caption));
    m_state->setText(m_hasBinding ? tr("This key has a binding of this kind. Its settings cannot be changed here yet.")
                                  : tr("The settings of this function cannot be changed here yet."));
}
