#ifndef DVIRTUALKEYBOARDTOOL_H
#define DVIRTUALKEYBOARDTOOL_H

#include <QString>
#include <QWidget>

class DSoftKeyboardPage;

namespace Ui {
class DVirtualKeyboardTool;
}

// The titled on-screen keyboard panel that the remap (mode 0) and key
// combination (mode 1) pages show in their capture popup.
class DVirtualKeyboardTool : public QWidget
{
    Q_OBJECT
public:
    explicit DVirtualKeyboardTool(int mode, QWidget *parent = nullptr);
    ~DVirtualKeyboardTool() override;

    void retranslate();
    void setCombinationActive(bool active);
    void markKeyUnselected(int keyCode);
    void clearSelection();

    DSoftKeyboardPage *softKeyboardPage() const { return m_softKeyboardPage; }

signals:
    void sigSoftKeyboardClicked_VirtualKB(int keyDec);

private slots:
    void onSoftKeyboardClicked(int keyDec, QString keyCharacter);

private:
    Ui::DVirtualKeyboardTool *ui;
    DSoftKeyboardPage *m_softKeyboardPage = nullptr;
};

#endif // DVIRTUALKEYBOARDTOOL_H
