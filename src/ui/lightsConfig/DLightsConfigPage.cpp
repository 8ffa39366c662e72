#include "DLightsConfigPage.h"

#include <cstring>

DLightsConfigPage::DLightsConfigPage(QWidget *parent)
    : QWidget(parent)
{
    // The page's content is still to come.
}

DLightsConfigPage::~DLightsConfigPage() = default;

void DLightsConfigPage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DLightsConfigPage::setProfileXmlPath(const char *path)
{
    std::memset(m_profileXmlPath, 0, sizeof(m_profileXmlPath));
    if (path)
        std::strncpy(m_profileXmlPath, path, sizeof(m_profileXmlPath) - 1);
}

void DLightsConfigPage::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void DLightsConfigPage::setLightSupportInfo(lightSupportInfo info)
{
    m_lightSupport = info;
}

void DLightsConfigPage::retranslateLightTypeText()
{
}

void DLightsConfigPage::initKeyboardLightPage()
{
}

void DLightsConfigPage::showDeviceLightPart(int hidType, int ledType)
{
    Q_UNUSED(hidType);
    Q_UNUSED(ledType);
}

void DLightsConfigPage::selectDeviceCustomLight(int hidType, int ledType, int usingCustomIndex)
{
    Q_UNUSED(hidType);
    Q_UNUSED(ledType);
    m_customLightIndex = usingCustomIndex;
}

void DLightsConfigPage::resendUsingCustomLight()
{
}

int DLightsConfigPage::currentCustomLightIndex() const
{
    return m_customLightIndex;
}
