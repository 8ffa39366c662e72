#ifndef DKEYCAPTUREPAGE_H
#define DKEYCAPTUREPAGE_H

#include <QMap>

#include "ui/customKeys/DKeyFunctionPage.h"

class ArrowWidget;
class DVirtualKeyboardTool;
class QLineEdit;

// Base of the remap and key combination pages: a click into the page's line
// edit opens a bubble with the on-screen keyboard above it and asks the
// custom-keys page for the key capture hook; the bubble closes (and the hook
// stops) when it loses activation. Keys arrive from the on-screen keyboard
// and, through the custom-keys page, from the hook as setKey.
class DKeyCapturePage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    ~DKeyCapturePage() override;

    ArrowWidget *popup() const { return m_popup; }
    DVirtualKeyboardTool *virtualKeyboard() const { return m_keyboard; }
    bool isPopupOpen() const;

protected:
    // mode: the on-screen keyboard's mode (0 remap, 1 combination).
    DKeyCapturePage(int mode, QWidget *parent = nullptr);
    // Watches the edit for the focus that opens the bubble; call once the
    // form is built.
    void setCaptureEdit(QLineEdit *edit);
    bool eventFilter(QObject *watched, QEvent *event) override;

    // A key clicked on the on-screen keyboard.
    virtual void onSoftKeyboardClicked_VirtualKB(int keyDec) = 0;
    virtual void popupOpening() {}
    virtual void popupClosed() {}

    // The key names of the last load (key code -> caption).
    QMap<int, QString> m_keyNames;

private:
    void openPopup();
    void onArrowWidgetHide();

    QLineEdit *m_edit = nullptr;
    ArrowWidget *m_popup;
    DVirtualKeyboardTool *m_keyboard;
};

#endif // DKEYCAPTUREPAGE_H
