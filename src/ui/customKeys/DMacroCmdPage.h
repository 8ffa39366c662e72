#ifndef DMACROCMDPAGE_H
#define DMACROCMDPAGE_H

#include <QMap>

#include "ui/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DMacroCmdPage;
}

// How a key plays its macro.
enum MacroPlayMode {
    MacroPlayOnce = 1,
    MacroPlayCount = 2,     // the binding's play count times
    MacroPlayToggle = 3,    // one press starts, the next stops
    MacroPlayWhileHeld = 4,
};

// The "Macro" function page: binds the key to a macro of the macro store with
// a play mode and count. Every change of a control stores at once. The
// profile keeps its own copy of each bound macro ("Macro<n>"), made when the
// first key of the profile is bound to that macro.
class DMacroCmdPage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    // errorIndex of sigCustomKeyInfoSaveFailed(1, ...).
    enum { ErrorNoMacro = 0 };

    explicit DMacroCmdPage(QWidget *parent = nullptr);
    ~DMacroCmdPage() override;

    void retranslate() override;
    // Stores from the controls: the first marked play mode, the count of the
    // count field (mode 2), the macro the combo box shows.
    void saveFromControls();
    void saveKeyBinding(int playCount, int playMode, int macroNumber);
    void bindMacroToProfile(int macroNumber);

protected:
    bool ownsType(int type) const override { return type == KeyFunctionMacro; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;

private slots:
    void on_radioButton_playOne_clicked();
    void on_radioButton_playMany_clicked();
    void on_radioButton_playKeyPressRelStop_clicked();
    void on_radioButton_playWhellKeyPress_clicked();
    void on_lineEdit_playMany_textChanged(const QString &text);

private:
    void applyTexts();
    void onMacroChosen(int index);
    void choosePlayMode(int mode);

    Ui::DMacroCmdPage *ui;
    char m_macroPath[256] = {};
    int m_macroNumber = 0;
    int m_playCount = 1;
    int m_playMode = MacroPlayOnce;
    QMap<int, QString> m_macroNames;
};

#endif // DMACROCMDPAGE_H
