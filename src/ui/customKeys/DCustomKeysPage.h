#ifndef DCUSTOMKEYSPAGE_H
#define DCUSTOMKEYSPAGE_H

#include <QString>
#include <QWidget>

// The custom-keys page of the device page.
//
// The page's content (function pages, global hook, download button) is still
// to come; for now it only keeps what the device page hands it, so that the
// device page can be built, wired and tested.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT
public:
    explicit DCustomKeysPage(QWidget *parent = nullptr);
    ~DCustomKeysPage() override;

    void retranslate();
    void resetToDefault(int layer);
    void setProfileIndex(int profileIndex);
    void setProfilePath(const char *path);
    void downloadFinished();
    void setInteractiveLightHook(bool isStart, int fromNum);

    // What the page was last handed; read by tests of the device page.
    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return QByteArray(m_profilePath); }
    int currentLayer() const { return m_layer; }
    bool isInteractiveLightHookRunning() const { return m_interactiveHook; }
    bool isDownloading() const { return m_downloading; }

signals:
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);

public slots:
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);

private:
    int m_profileIndex = 1;
    char m_profilePath[256] = {};
    int m_layer = 0;
    bool m_interactiveHook = false;
    bool m_downloading = false;
};

#endif // DCUSTOMKEYSPAGE_H
