#ifndef LIGHTDEALMAIN_H
#define LIGHTDEALMAIN_H

#include <QList>
#include <QObject>

#include "hid/hidCmdBuff.h"
#include "data/hidStructInfoAll.h"
#include "vardexSdk.h"

class MainHidInterFace;
class keyboardButCustom;
class sideLightButtonCustom;

// The single light engine of the process (effects, preview, light sync).
//
// The engine's content (pacing threads, effect renderers, light-sync stream,
// music rhythm) is still to come; for now it only keeps what the device page
// hands it and whether it was told to run.
class lightDealMain : public QObject
{
    Q_OBJECT
public:
    explicit lightDealMain(QObject *parent = nullptr);
    ~lightDealMain() override;

    void setHidInfo(hidStructInfoAll info);
    void setLightSupportInfo(lightSupportInfo info);
    void setHidInterface(MainHidInterFace *hidInterface);
    // The key buttons of the current drawing, 6 rows of 22 (null where a
    // cell has no button), and its side-light segments in layout order.
    void setKeyButtons(keyboardButCustom *const buttons[6][22]);
    void setSideButtons(const QList<sideLightButtonCustom *> &buttons);
    void initMusicalRhythm(int keyCount, int bandCount, double lowHz, double highHz);
    void loadProfileLightConfig();
    void setLightPreviewEnabled(bool on);
    void setLightThreadsRunning(bool on);
    void setLightSynchronous(bool on);
    bool isKeyboardLightRunning() const { return m_keyboardLightRunning; }
    bool isSideLightRunning() const { return m_sideLightRunning; }
    void setKeyboardColorInfoData(colorInfoData info);
    void setSideColorInfoData(colorInfoData info);
    void keyboardColorInfoDataChanged(colorInfoData info);
    void sideColorInfoDataChanged(colorInfoData info);
    void setInteractLightsPointXY(int indexX, int indexY);
    void updateCustomLightColors(int source, int flagIndex);

    // What the engine was last handed; read by tests of the device page.
    hidStructInfoAll hidInfo() const { return m_hidInfo; }
    lightSupportInfo lightSupport() const { return m_lightSupport; }
    MainHidInterFace *hidInterface() const { return m_hidInterface; }
    keyboardButCustom *keyButton(int row, int column) const;
    QList<sideLightButtonCustom *> sideButtons() const { return m_sideButtons; }
    bool isLightPreviewEnabled() const { return m_previewEnabled; }
    bool isLightSynchronous() const { return m_isLightSynchronous; }
    int loadCount() const { return m_loadCount; }

private:
    keyboardButCustom *m_keyButtons[6][22] = {};
    QList<sideLightButtonCustom *> m_sideButtons;
    hidStructInfoAll m_hidInfo;
    lightSupportInfo m_lightSupport;
    MainHidInterFace *m_hidInterface = nullptr;
    bool m_previewEnabled = false;
    bool m_keyboardLightRunning = false;
    bool m_sideLightRunning = false;
    bool m_isLightSynchronous = false;
    int m_loadCount = 0;
};

#endif // LIGHTDEALMAIN_H
