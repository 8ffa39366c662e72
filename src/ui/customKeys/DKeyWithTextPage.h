#ifndef DKEYWITHTEXTPAGE_H
#define DKEYWITHTEXTPAGE_H

#include "ui/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DKeyWithTextPage;
}

// The "Text" function page: OK binds the key to a text that the program
// types when the keyboard reports the key.
class DKeyWithTextPage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    // The edit's limit in UTF-16 code units.
    static constexpr int MaxTextUnits = 5000;
    // errorIndex of sigCustomKeyInfoSaveFailed(6, ...).
    enum { ErrorEmpty = 0, ErrorShortened = 1 };

    explicit DKeyWithTextPage(QWidget *parent = nullptr);
    ~DKeyWithTextPage() override;

    void retranslate() override;
    void saveKeyBinding();
    QString currentText() const { return m_text; }

    // Removes whole code points ending at `cursor` (then, if needed, at the
    // end) until text has at most maxUnits code units and at most maxBytes
    // bytes in UTF-8; returns the cursor position after the cut.
    static int cutToLimits(QString *text, int cursor, int maxUnits, int maxBytes);

protected:
    bool ownsType(int type) const override { return type == KeyFunctionText; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;

private slots:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void applyTexts();

    Ui::DKeyWithTextPage *ui;
    QString m_text;
    bool m_cutting = false;
};

#endif // DKEYWITHTEXTPAGE_H
