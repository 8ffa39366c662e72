// Relays of the device page: the battery and connection display of the
// current keyboard, the light page's choices handed to the light engine, the
// key hook and the view, the keyboard's own light reports handed back to the
// light page, custom-light colours, and the re-binding of changed macros.
#include "DDevicePage.h"
#include "hid/DDeviceKeyboardLink.h"
#include "ui_DDevicePage.h"

#include "ui/keyboardView/dragShowArea.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keySelectFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "profileStoreOps.h"

#include "data/DDataManager.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/widgets/BatteryItem.h"

#include <QDebug>
#include <QFile>
#include <QTimer>

#include <list>

namespace {

constexpr int kCustomLightType = 10;

// The effects that light keys as they are pressed need the global key hook.
bool reactsToKeyPresses(int ledType)
{
    switch (ledType) {
    case 6:
    case 7:
    case 8:
    case 11:
    case 12:
    case 16:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Battery and connection
// ---------------------------------------------------------------------------

void DDevicePage::onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                                     int is24GValid, QString strCurrentSN)
{
    if (KeyboardMode == 1 && is24GValid == 1)
        return; // the keyboard behind the receiver is out of reach
    if (strCurrentSN != m_currentSN)
        return;
    // One keyboard attached by cable and through its receiver reports the
    // same serial number on both links: only the current link speaks for it.
    if (auto *link = qobject_cast<DDeviceKeyboardLink *>(sender()); link && link != m_currentLink)
        return;
    if (!m_currentLink)
        return;
    BatteryItem *gauge = ui->label_ElectricityNum;
    if (ChargingStatus == 2)
        Electricity = 100;
    if (ChargingStatus == 1 || ChargingStatus == 2) {
        ui->label_Charging->show();
        gauge->setColorEnabled(false);
        if (ChargingStatus == 1) {
            if (!m_batteryTimer->isActive()) {
                m_batteryAnimationLevel = 0;
                m_batteryTimer->start();
            }
        } else {
            m_batteryTimer->stop();
            gauge->setColorEnabled(true);
            gauge->setLevel(100);
        }
    } else {
        ui->label_Charging->hide();
        gauge->setColorEnabled(true);
        m_batteryTimer->stop();
        gauge->setLevel(Electricity);
    }
    ui->label_Mode->setText(KeyboardMode != 0 ? QStringLiteral("2.4G") : QStringLiteral("USB"));
}

void DDevicePage::onTimerChangingBatteryNum()
{
    ui->label_ElectricityNum->setLevel(m_batteryAnimationLevel);
    m_batteryAnimationLevel = m_batteryAnimationLevel >= 99 ? 0 : m_batteryAnimationLevel + 1;
}

void DDevicePage::onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName)
{
    Q_UNUSED(strCurrentHidPath);
    Q_UNUSED(strHidName);
}

// ---------------------------------------------------------------------------
// Lights
// ---------------------------------------------------------------------------

void DDevicePage::setCustomSelectionMode(bool on)
{
    if (m_dragShowArea)
        m_dragShowArea->setActive(on);
    if (keySelectFrame *keyLayer = DDataManager::instance()->currentKeySelectFrame())
        keyLayer->setHoverHighlight(on);
}

void DDevicePage::clearKeySelection()
{
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->selectKeysInRect(0, 0, 0, 0);
}

void DDevicePage::onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData colorInfoDataStu)
{
    if (m_currentKeyboardLightIndex == kCustomLightType && lightIndex != kCustomLightType)
        clearKeySelection();
    if (reactsToKeyPresses(colorInfoDataStu.ledType))
        m_customKeysPage->setInteractiveLightHook(true, 10);
    else
        m_customKeysPage->setInteractiveLightHook(false, 1);
    // The band and hover highlight serve only the Custom type, whose keys are
    // coloured one by one; the view's messages are routed by this index too.
    setCustomSelectionMode(lightIndex == kCustomLightType);
    m_currentKeyboardLightIndex = lightIndex;
    m_lightDealMain->setKeyboardColorInfoData(colorInfoDataStu);
}

void DDevicePage::onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData colorInfoDataStu)
{
    Q_UNUSED(lightIndex);
    m_lightDealMain->setSideColorInfoData(colorInfoDataStu);
}

void DDevicePage::onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData colorInfoDataStu)
{
    Q_UNUSED(lightConfigChangedFrom);
    if (colorInfoDataStu.hidType == 0)
        m_lightDealMain->keyboardColorInfoDataChanged(colorInfoDataStu);
    else if (colorInfoDataStu.hidType == 1)
        m_lightDealMain->sideColorInfoDataChanged(colorInfoDataStu);
}

void DDevicePage::onInteractLightsPointXY(int indexX, int indexY)
{
    m_lightDealMain->setInteractLightsPointXY(indexX, indexY);
}

void DDevicePage::onLightConfigHaveChanged_HidSend(int hidType, int ledType)
{
    m_lightsConfigPage->showDeviceLightPart(hidType, ledType);
    if (hidType == 0) {
        clearKeySelection();
        setCustomSelectionMode(false);
        if (reactsToKeyPresses(ledType))
            m_customKeysPage->setInteractiveLightHook(true, 11);
        else
            m_customKeysPage->setInteractiveLightHook(false, 4);
    }
    if (m_currentMainPage == 0) {
        if (keySelectFrame *keyLayer = DDataManager::instance()->currentKeySelectFrame())
            keyLayer->setHoverHighlight(true);
    }
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex)
{
    clearKeySelection();
    setCustomSelectionMode(true);
    m_lightsConfigPage->selectDeviceCustomLight(hidType, ledType, usingCustomIndex);
}

// ---------------------------------------------------------------------------
// Custom-light colours
// ---------------------------------------------------------------------------

void DDevicePage::onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData colorInfoDataStu)
{
    Q_UNUSED(lightConfigChangedFrom);
    const QColor color(qBound(0, colorInfoDataStu.ledTopColor[0], 255), qBound(0, colorInfoDataStu.ledTopColor[1], 255),
                       qBound(0, colorInfoDataStu.ledTopColor[2], 255), 255);
    const QList<keyboardButCustom *> selected =
        m_hidDeviceJoinFrame ? m_hidDeviceJoinFrame->selectedKeyButtons() : QList<keyboardButCustom *>();
    for (keyboardButCustom *button : selected) {
        if (!button)
            continue;
        button->setKeyColor(color);
        button->setCustomLightColor(color);
    }
    m_lightDealMain->updateCustomLightColors(1, m_customLightFlag);
    saveCustomLightColors(selected);
    m_lightsConfigPage->resendUsingCustomLight();
}

void DDevicePage::onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName)
{
    Q_UNUSED(strCustomLightName);
    // Keys picked to paint one light must not paint the next one.
    const QString shown = QString::fromLocal8Bit(m_profileXmlPath) + QLatin1Char('\n')
                          + QString::fromLatin1(currentProfileIndexText()) + QLatin1Char('\n') + strCustomLightIndex;
    if (shown != m_shownCustomLight && m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->clearKeySelection();
    m_shownCustomLight = shown;
    const QColor black(0, 0, 0, 255);
    for (auto &row : m_keyButtons) {
        for (keyboardButCustom *button : row) {
            if (!button)
                continue;
            button->setKeyColor(black);
            button->setCustomLightColor(black);
        }
    }
    std::list<customLightKeyRecord> keys;
    if (m_profileXmlPath[0] != '\0')
        CVardexXML_ProFileCustomLightInfoSelectAll(m_profileXmlPath, currentProfileIndexText().constData(),
                                                   strCustomLightIndex.toUtf8().constData(), keys);
    for (const customLightKeyRecord &key : keys) {
        // A store edited by hand may name cells the grid does not have.
        if (key.indexX < 0 || key.indexX >= 6 || key.indexY < 0 || key.indexY >= 22)
            continue;
        keyboardButCustom *button = m_keyButtons[key.indexX][key.indexY];
        if (!button)
            continue;
        const QColor color(qBound(0, key.colorR, 255), qBound(0, key.colorG, 255), qBound(0, key.colorB, 255), 255);
        button->setKeyColor(color);
        button->setCustomLightColor(color);
    }
    m_customLightFlag = flagIndex;
    m_lightDealMain->updateCustomLightColors(0, flagIndex);
}

// ---------------------------------------------------------------------------
// Macros
// ---------------------------------------------------------------------------

void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName)
{
    qDebug() << "---------------------------------------- [***DDevicePage***] strMacroIndex:" << strMacroIndex
             << " strMacroName:" << strMacroName;
    if (m_profileDir.isEmpty())
        return;
    const QByteArray macroIndex = strMacroIndex.toLatin1();
    char macroStore[256] = {};
    DDataManager::instance()->copyMacroXmlPath(macroStore);
    std::list<MacroEventRecord> events;
    if (!macroStore[0] || !CVardexXML_SelectAllKeyOrMouseEvent(macroStore, macroIndex.constData(), events)) {
        // Without the macro's events the profiles keep the copies they have.
        qDebug() << "macro" << strMacroIndex << "cannot be read from the macro store";
        return;
    }
    // Every profile of both layers downloads its own copy of the macro, so
    // every copy follows the edit, not only the current profile's.
    for (const char *file : {"appProfile_Default.xml", "appProfile_FN.xml"}) {
        const QByteArray store = QFile::encodeName(m_profileDir + QLatin1Char('/') + QLatin1String(file));
        if (store.size() >= 256 || profileStore::rebindMacro(store.constData(), macroIndex, events) < 0)
            showNotice(tr("The macro could not be updated in the profiles"));
    }
}
