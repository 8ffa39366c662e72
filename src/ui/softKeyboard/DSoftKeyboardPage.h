#ifndef DSOFTKEYBOARDPAGE_H
#define DSOFTKEYBOARDPAGE_H

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class SoftKeyboardButCustom;

namespace Ui {
class DSoftKeyboardPage;
}

// The on-screen keyboard: one button per key of a soft-keyboard layout file.
// Loading a layout also hands the program-wide key tables (key names and
// Windows key code -> key code) to the data manager. In combination mode the
// keys picked for a combination stay highlighted, at most two modifiers.
class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT
public:
    explicit DSoftKeyboardPage(QWidget *parent = nullptr);
    ~DSoftKeyboardPage() override;

    void loadKeyboardInfo(const QString &model);
    void parseKeyboardInfo(const char *text);

    void setCombinationMode(int mode);
    void setCombinationActive(bool active);
    void clearSelection();
    void markKeyUnselected(int keyCode);
    void applyThemeColors();

    int combinationMode() const { return m_combinationMode; }
    bool isCombinationActive() const { return m_combinationActive; }
    int selectedModifierCount() const { return m_modifierCount; }
    QMap<int, QString> keyNameMap() const { return m_keyNameMap; }
    QMap<int, int> virtualKeyMap() const { return m_virtualKeyMap; }
    QMap<int, SoftKeyboardButCustom *> buttonMap() const { return m_buttonMap; }
    QList<SoftKeyboardButCustom *> keyButtons() const;

signals:
    void sigSoftKeyboardClicked(int keyDec, QString keyCharacter);
    void sigSoftKeyboardAlreadyLoad();

private slots:
    void onKeyButtonClicked();

private:
    Ui::DSoftKeyboardPage *ui;
    int m_combinationMode = -1;
    bool m_combinationActive = false;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyMap;
    QList<SoftKeyboardButCustom *> m_touchedButtons;
    int m_modifierCount = 0;
    QMap<int, SoftKeyboardButCustom *> m_buttonMap;
    QString m_accentColor;
    QString m_textColor;
    QString m_backgroundColor;
    int m_layoutCode = 31;
};

#endif // DSOFTKEYBOARDPAGE_H
