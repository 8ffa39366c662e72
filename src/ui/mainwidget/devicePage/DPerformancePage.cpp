#include "DPerformancePage.h"

#include <cstring>

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent)
{
    // The page's content is still to come.
}

DPerformancePage::~DPerformancePage() = default;

void DPerformancePage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DPerformancePage::setProfileXmlPath(const char *path)
{
    std::memset(m_profileXmlPath, 0, sizeof(m_profileXmlPath));
    if (path)
        std::strncpy(m_profileXmlPath, path, sizeof(m_profileXmlPath) - 1);
}

void DPerformancePage::loadFromProfile()
{
    ++m_loadCount;
}

void DPerformancePage::retranslate()
{
    loadFromProfile();
}
