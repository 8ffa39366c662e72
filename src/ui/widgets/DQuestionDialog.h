#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// A yes/no question in the look of the tool's own pages: a frameless dark
// panel with a title line, the question and two outlined buttons. It stands
// in for the platform's message box, which draws a light frame, a stock icon
// and grey buttons on the dark window. Escape and the close of the window
// answer no.
class DQuestionDialog : public QDialog
{
    Q_OBJECT

public:
    DQuestionDialog(const QString &title, const QString &text, const QString &yesText, const QString &noText,
                    QWidget *parent = nullptr);

    QPushButton *yesButton() const { return m_yes; }
    QPushButton *noButton() const { return m_no; }
    // Which button Enter presses.
    void setYesDefault(bool yes);

    // Asks and waits; true when the user chose yes.
    static bool ask(QWidget *parent, const QString &title, const QString &text, const QString &yesText,
                    const QString &noText, bool yesIsDefault);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QLabel *m_title;
    QLabel *m_text;
    QPushButton *m_yes;
    QPushButton *m_no;
    QPoint m_dragFrom;
};
