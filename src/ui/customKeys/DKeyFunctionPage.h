#ifndef DKEYFUNCTIONPAGE_H
#define DKEYFUNCTIONPAGE_H

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "vardexSdk.h"

// What a key does (the function type of a binding).
enum KeyFunctionType {
    KeyFunctionRemap = 0,
    KeyFunctionMacro = 1,
    KeyFunctionCombination = 2,
    KeyFunctionMultimedia = 3,
    KeyFunctionMouse = 4,
    KeyFunctionDisable = 5,
    KeyFunctionText = 6,
    KeyFunctionSwitchProfile = 7,
    KeyFunctionLaunchApp = 8,
    KeyFunctionShortcut = 9,
    KeyFunctionKeyConfig = 19,
    KeyFunctionKeyboardLightFirst = 20,
    KeyFunctionKeyboardLightLast = 27,
    KeyFunctionSideLightFirst = 30,
    KeyFunctionSideLightLast = 34,
};

// The contract every function page of the custom-keys page keeps.
//
// Load (each time the custom-keys page brings the page to front) takes the
// current key, profile and store from the data manager, clears the page's
// controls and shows the key's stored binding when it is of the page's own
// type. A save replaces the key's whole binding: it removes the binding and
// adds the new one, then reports with sigShoudUpdateKeyboard and
// sigCustomKeyInfoSaveSuccessful. The key, caption, profile and store are
// those of the last load.
class DKeyFunctionPage : public QWidget
{
    Q_OBJECT
public:
    // The longest value a binding stores (the record's field and its NUL).
    static constexpr int MaxValueBytes = 5119;

    explicit DKeyFunctionPage(QWidget *parent = nullptr);

    void loadKeyBinding();
    virtual void retranslate() {}
    // A key picked by a capture or on the on-screen keyboard (the remap and
    // key combination pages).
    virtual void setKey(int keyCode) { Q_UNUSED(keyCode) }
    // Forgets the key of the last load.
    virtual void clearKey();

    int keyCode() const { return m_keyCode; }
    QString keyText() const { return m_keyText; }
    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return QByteArray(m_profilePath); }

    // Reads the key's binding from a store; false when it has none.
    static bool readBinding(const char *path, int profileIndex, int keyCode, KeyOperateInfo *info);
    static int bindingType(const KeyOperateInfo &info);

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void sigClickedCancel();
    void sigMesgStartOrStopHook(bool isStartHook);

protected:
    // Whether a stored type is the one this page edits.
    virtual bool ownsType(int type) const = 0;
    // Leaves every control of the page unchosen.
    virtual void clearChoice() = 0;
    // Shows a stored binding of the page's own type.
    virtual void showBinding(const KeyOperateInfo &info) = 0;

    // Replaces the key's binding. Refused (false, nothing stored, nothing
    // emitted) without a key or with a value longer than MaxValueBytes.
    bool storeBinding(int type, int playCount, int playMode, const QByteArray &value);
    // Removes the key's binding and reports it like a save; false without a key.
    bool removeBinding();

private:
    int m_keyCode = -1;
    QString m_keyText;
    int m_profileIndex = 1;
    char m_profilePath[256] = {};
};

#endif // DKEYFUNCTIONPAGE_H
