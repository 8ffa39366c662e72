#ifndef DCUSTOMKEYSPAGE_H
#define DCUSTOMKEYSPAGE_H

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QWidget>

#include "ui/customKeys/WindowsHookInterface.h"

class ArrowWidget;
class DKeyFunctionPage;
class DToolTipExplain;
class QButtonGroup;
class QMovie;
class QToolButton;

namespace Ui {
class DCustomKeysPage;
}

// The "Keyboard" page of the current device: the user selects a key on the
// keyboard drawing and gives it a function on one of the fourteen function
// pages; two buttons switch between the Default and the FN layer, and
// Download asks the device page to write every binding into the keyboard.
// The page owns the global key hook and decides when it runs and in which
// mode.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT
public:
    // Ids of the function tool buttons.
    enum FunctionId {
        IdDefault = 0, IdMacro = 1, IdRemapKey = 2, IdMouse = 3, IdText = 4, IdDisable = 5,
        IdMultimedia = 6, IdCombinationKey = 7, IdShortcuts = 8, IdOpenApp = 9, IdSwitchProfile = 10,
        IdKeyConfig = 19, IdKeyboardLight = 20, IdSideLight = 30,
    };

    explicit DCustomKeysPage(QWidget *parent = nullptr);
    ~DCustomKeysPage() override;

    void retranslate();
    void resetToDefault(int layer);
    void setProfileIndex(int profileIndex);
    void setProfilePath(const char *path);
    void downloadFinished();
    void setInteractiveLightHook(bool isStart, int fromNum);

    // What the page was last handed and what it shows.
    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return QByteArray(m_profilePath); }
    int currentLayer() const { return m_layer; }
    bool isDownloading() const { return m_downloading; }
    int pageCode() const { return m_pageCode; }
    int hookMode() const { return m_hookMode; }
    bool isInteractiveLightHookRunning() const;
    WindowsHookInterface &hook() { return m_hook; }
    // The function page of a button id, or null.
    DKeyFunctionPage *functionPage(int id) const;
    // The id whose page is in front.
    int shownFunctionId() const;
    QString keyCaption() const;
    ArrowWidget *tipPopup() const { return m_tipPopup; }
    QString tipText() const;

signals:
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);

public slots:
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onInstallEventFilterOpen();
    void onCurIndexChanged_Key(int selIndex);
    void onCurIndexChanged_Mode(int selIndex);
    void onKeyboardAlreadyLoad(int keyDec);
    void onShoudUpdateKeyboard(int keyDec);
    void onCustomKeyInfoSaveSuccessful();
    void onClickedCancel();
    void onCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void onMesgStartOrStopHook(bool isStartHook);
    void on_pushButton_Download_clicked();

private:
    struct FunctionRow
    {
        int id;
        QToolButton *button;
        QWidget *container;
        DKeyFunctionPage *page;
        int pageCode;
        const char *tip;
        int firstType; // stored types that open the page; -1: none
        int lastType;
    };

    void applyTexts();
    void buildFunctionPages();
    // The function page of one row (stand-ins until the pages exist).
    DKeyFunctionPage *createFunctionPage(const FunctionRow &row);
    const FunctionRow *rowOfId(int id) const;
    const FunctionRow *rowOfStoredType(int type) const;
    void macroRecordHook(bool isStart);
    void showFunctionTip(int buttonId);
    // Stops whatever runs and starts `mode`; the start's result.
    int restartHook(int mode);
    // After a recording or capture ends, the light effect that reacts to key
    // presses gets its hook back if it is still wanted.
    void resumeInteractiveLight();
    bool captureOrRecordingRuns() const;

    WindowsHookInterface m_hook;
    Ui::DCustomKeysPage *ui;
    int m_hookMode = HookIdle;
    char m_profilePath[256] = {};
    int m_profileIndex = 1;
    ArrowWidget *m_tipPopup = nullptr;
    DToolTipExplain *m_tipBody = nullptr;
    QMovie *m_loadingMovie = nullptr;
    bool m_downloading = false;
    QVector<FunctionRow> m_rows;
    QButtonGroup *m_functionGroup = nullptr;
    QButtonGroup *m_layerGroup = nullptr;
    bool m_noTip = false;
    int m_pageCode = -1;
    int m_layer = 0;
    bool m_interactiveLightWanted = false;
};

#endif // DCUSTOMKEYSPAGE_H
