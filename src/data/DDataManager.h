#ifndef DDATAMANAGER_H
#define DDATAMANAGER_H

#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include "data/themeColorData.h"
#include "platform/winCompat.h"

class keyboardButCustom;
class keySelectFrame;
struct KeyOperateInfo;

// Process-wide shared state: configuration folder and settings, theme colours
// and fonts, the current key and profile, the store paths, the key tables of
// the on-screen keyboard, the key buttons of the keyboard view, and the relay
// of macro-recording events. Created on first use, never deleted; interface
// thread only.
class DDataManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int PathBufferSize = 256;
    static const char *const DefaultConfigResource;

    static DDataManager *instance();

    // Copies a NUL-terminated path into a PathBufferSize buffer; a null path
    // or one that does not fit (terminator included) is refused and the
    // buffer left as it was.
    static bool copyBoundedPath(char *buffer, const char *path);

    // Folders
    QString userConfigDir() const;
    // "VardexConfig.ini" in userConfigDir().
    QString settingsFilePath() const;
    QString applicationDir() const;
    int softKeyboardLayoutCode(const QString &model) const;

    // Current profile and stores. Paths are NUL-terminated 8-bit texts of at
    // most PathBufferSize - 1 bytes; a longer or null path is refused and the
    // previous one kept. Destinations must hold PathBufferSize bytes.
    void setCurrentProfileIndex(int index);
    int currentProfileIndex() const;
    bool setProfileXmlPath(const char *path);
    void copyProfileXmlPath(char *destination) const;
    bool setMacroXmlPath(const char *path);
    void copyMacroXmlPath(char *destination) const;

    // Current key
    void setCurrentKey(int keyCode, const QString &caption);
    void clearCurrentKey();
    int currentKeyCode() const;
    QString currentKeyText() const;
    // The function text of a stored binding; the detail text of the same
    // binding is then keyFunctionDetailText() (keyFunctionText.cpp).
    QString describeKeyFunction(KeyOperateInfo record);
    QString keyFunctionDetailText() const;
    void setKeyFunctionDetailText(const QString &text);

    // Key tables of the on-screen keyboard's layout
    void setKeyNameMap(const QMap<int, QString> &map);
    void setVirtualKeyMap(const QMap<int, int> &map);
    QMap<int, QString> keyNameMap() const;
    QMap<int, int> virtualKeyMap() const;

    // Key buttons of the keyboard view built last. The view owns them; it must
    // call clearKeyButtons() before it destroys them.
    void setKeyButtonList(const QList<keyboardButCustom *> &list);
    void setKeyButtonMap(const QMap<int, keyboardButCustom *> &map);
    void setCurrentKeySelectFrame(keySelectFrame *frame);
    QList<keyboardButCustom *> keyButtonList() const;
    QMap<int, keyboardButCustom *> keyButtonMap() const;
    keySelectFrame *currentKeySelectFrame() const;
    void clearKeyButtons();

    // Macro-recording relay
    bool requestMacroRecordHook(bool start);
    void setHookRunning(bool running);
    void emitMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag);
    void emitMacroMouseEvent(int nCode, WPARAM wParam, LPARAM lParam);

    // Theme and configuration flags
    void loadTheme(int index);
    QFont font(int which) const;
    themeColorData themeColors() const;
    QString normalizeThemeColor(const QString &text) const;
    void setUseLocalFont(bool use);
    bool isUserThemeConfig() const;
    void setBgImageIsUsing(bool inUse);
    bool isBgImageIsUsing() const;
    bool isLightSynchronize() const;

    // Reads one theme file; a missing file gives a record of empty texts.
    static themeColorData readThemeFile(const QString &path, bool bgImageInUse);
    // The file that theme index `index` is read from.
    QString themeFilePath(int index) const;

signals:
    void sigKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void sigHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void sigRecviveStreamEX_MacroKeyboard(int keyCode, int scCode, int flag, int hookFlag);
    void sigRecviveStreamEX_MacroMouse(int nCode, WPARAM wParam, LPARAM lParam);

protected:
    // The singleton goes through instance(); tests build their own objects
    // with a default configuration of their choice.
    explicit DDataManager(const QString &defaultConfigPath = QString::fromLatin1(DefaultConfigResource));
    ~DDataManager() override;

private:
    void rebuildThemeFonts();

    QString m_userConfigDir;
    bool m_useLocalFont = true;
    QFont m_boldFont;
    QFont m_normalFont;
    QFont m_defaultFont;
    themeColorData m_themeColors;
    char *m_profileXmlPath = nullptr;
    int m_currentProfileIndex = 1;
    char *m_macroXmlPath = nullptr;
    bool m_userThemeConfig = false;
    bool m_bgImageIsUsing = false;
    bool m_lightSynchronize = false;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyMap;
    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<keyboardButCustom *> m_keyButtonList;
    keySelectFrame *m_currentKeySelectFrame = nullptr;
    int m_currentKeyCode = -1;
    QString m_currentKeyText;
    QString m_keyFunctionDetailText;
    bool m_hookRunning = false;
};

#endif // DDATAMANAGER_H
