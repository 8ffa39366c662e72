#ifndef SOFTKEYBOARDBUTCUSTOM_H
#define SOFTKEYBOARDBUTCUSTOM_H

#include <QString>
#include <QToolButton>

// One key of the on-screen keyboard. Hovering shows the selected look; the
// normal look comes back on leaving unless the key stays selected.
class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT
public:
    explicit SoftKeyboardButCustom(int kind = 0, QWidget *parent = nullptr);

    void setButtonSize(int width, int height);
    void setKeyInfo(int keyCode, const QString &caption);
    // Colours as "r, g, b".
    void setKeyColors(const QString &text, const QString &accent, const QString &background);
    // 0 normal, 1 selected.
    void setKeyState(int state);
    void setUnselectedMark(bool unselected);

    int kind() const { return m_kind; }
    int keyCode() const { return m_keyCode; }
    QString caption() const { return m_caption; }
    bool isSelected() const { return m_selected; }
    bool isHovered() const { return m_hovered; }
    bool unselectedMark() const { return m_unselectedMark; }
    // Whether the selected look is shown.
    bool showsSelectedLook() const { return m_selectedLook; }

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showNormalLook();
    void showSelectedLook();

    int m_kind;
    bool m_hovered = false;
    int m_width = 0;
    int m_height = 0;
    bool m_selected = false;
    int m_keyCode = 0;
    QString m_caption;
    bool m_unselectedMark = true;
    bool m_selectedLook = false;
    QString m_selectedTextStyle;
    QString m_normalTextStyle;
    QString m_backgroundStyle;
    QString m_textColor;
    QString m_accentColor;
    QString m_backgroundColor;
};

#endif // SOFTKEYBOARDBUTCUSTOM_H
