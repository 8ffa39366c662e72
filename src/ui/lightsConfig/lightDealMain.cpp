#include "lightDealMain.h"

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent)
{
    // The engine's content is still to come.
}

lightDealMain::~lightDealMain() = default;

void lightDealMain::setHidInfo(hidStructInfoAll info)
{
    m_hidInfo = info;
}

void lightDealMain::setLightSupportInfo(lightSupportInfo info)
{
    m_lightSupport = info;
}

void lightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void lightDealMain::setKeyButtons(keyboardButCustom *const buttons[6][22])
{
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 22; ++column)
            m_keyButtons[row][column] = buttons[row][column];
}

void lightDealMain::setSideButtons(const QList<sideLightButtonCustom *> &buttons)
{
    m_sideButtons = buttons;
}

keyboardButCustom *lightDealMain::keyButton(int row, int column) const
{
    if (row < 0 || row >= 6 || column < 0 || column >= 22)
        return nullptr;
    return m_keyButtons[row][column];
}

void lightDealMain::initMusicalRhythm(int keyCount, int bandCount, double lowHz, double highHz)
{
    Q_UNUSED(keyCount);
    Q_UNUSED(bandCount);
    Q_UNUSED(lowHz);
    Q_UNUSED(highHz);
}

void lightDealMain::loadProfileLightConfig()
{
    ++m_loadCount;
}

void lightDealMain::setLightPreviewEnabled(bool on)
{
    m_previewEnabled = on;
}

void lightDealMain::setLightThreadsRunning(bool on)
{
    m_keyboardLightRunning = on;
    m_sideLightRunning = on && !m_lightSupport.side.lightTypes.isEmpty();
}

void lightDealMain::setLightSynchronous(bool on)
{
    m_isLightSynchronous = on;
}

void lightDealMain::setKeyboardColorInfoData(colorInfoData info)
{
    Q_UNUSED(info);
}

void lightDealMain::setSideColorInfoData(colorInfoData info)
{
    Q_UNUSED(info);
}

void lightDealMain::keyboardColorInfoDataChanged(colorInfoData info)
{
    Q_UNUSED(info);
}

void lightDealMain::sideColorInfoDataChanged(colorInfoData info)
{
    Q_UNUSED(info);
}

void lightDealMain::setInteractLightsPointXY(int indexX, int indexY)
{
    Q_UNUSED(indexX);
    Q_UNUSED(indexY);
}

void lightDealMain::updateCustomLightColors(int source, int flagIndex)
{
    Q_UNUSED(source);
    Q_UNUSED(flagIndex);
}
