#include "DCustomKeysPage.h"

#include <cstring>

DCustomKeysPage::DCustomKeysPage(QWidget *parent)
    : QWidget(parent)
{
    // The page's content is still to come.
}

DCustomKeysPage::~DCustomKeysPage() = default;

void DCustomKeysPage::retranslate()
{
}

void DCustomKeysPage::resetToDefault(int layer)
{
    m_layer = layer;
    m_downloading = false;
}

void DCustomKeysPage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DCustomKeysPage::setProfilePath(const char *path)
{
    std::memset(m_profilePath, 0, sizeof(m_profilePath));
    if (path)
        std::strncpy(m_profilePath, path, sizeof(m_profilePath) - 1);
}

void DCustomKeysPage::downloadFinished()
{
    m_downloading = false;
}

void DCustomKeysPage::setInteractiveLightHook(bool isStart, int fromNum)
{
    Q_UNUSED(fromNum);
    m_interactiveHook = isStart;
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    Q_UNUSED(keyCode);
    Q_UNUSED(strChar);
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    Q_UNUSED(isStartHook);
}
