#ifndef DLIGHTSCONFIGPAGE_H
#define DLIGHTSCONFIGPAGE_H

#include <QString>
#include <QWidget>

#include "hid/hidCmdBuff.h"
#include "vardexSdk.h"

class MainHidInterFace;

// The light settings page of the device page.
//
// The page's content (effect buttons, colour editing, custom lights) is still
// to come; for now it only keeps what the device page hands it.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT
public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);
    ~DLightsConfigPage() override;

    void setProfileIndex(int profileIndex);
    void setProfileXmlPath(const char *path);
    void setHidInterface(MainHidInterFace *hidInterface);
    void setLightSupportInfo(lightSupportInfo info);
    void retranslateLightTypeText();
    void initKeyboardLightPage();
    void showDeviceLightPart(int hidType, int ledType);
    void selectDeviceCustomLight(int hidType, int ledType, int usingCustomIndex);
    void resendUsingCustomLight();
    int currentCustomLightIndex() const;

    // What the page was last handed; read by tests of the device page.
    int profileIndex() const { return m_profileIndex; }
    QByteArray profileXmlPath() const { return QByteArray(m_profileXmlPath); }
    MainHidInterFace *hidInterface() const { return m_hidInterface; }
    lightSupportInfo lightSupport() const { return m_lightSupport; }

signals:
    void sigSomeMessageTip_LightsConfigPage(QString strTip);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData colorInfoDataStu);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData colorInfoDataStu);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData colorInfoDataStu);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData colorInfoDataStu);

private:
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
    MainHidInterFace *m_hidInterface = nullptr;
    lightSupportInfo m_lightSupport;
    int m_customLightIndex = 0;
};

#endif // DLIGHTSCONFIGPAGE_H
