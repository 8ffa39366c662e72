#include "ui/customKeys/DKeyCapturePage.h"

#include <QDebug>
#include <QEvent>
#include <QLineEdit>

#include "ui/softKeyboard/DVirtualKeyboardTool.h"
#include "ui/widgets/ArrowWidget.h"

DKeyCapturePage::DKeyCapturePage(int mode, QWidget *parent)
    : DKeyFunctionPage(parent)
    , m_popup(new ArrowWidget(1, this))
    , m_keyboard(new DVirtualKeyboardTool(mode, this))
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(m_keyboard, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB, this,
            [this](int keyDec) { onSoftKeyboardClicked_VirtualKB(keyDec); });
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, &DKeyCapturePage::onArrowWidgetHide);
    m_popup->setWindowOpacity(1);
    m_popup->setBubbleSize(1050, 345);
    m_popup->setArrowPosition(350);
    m_popup->setContentWidget(m_keyboard);
}

DKeyCapturePage::~DKeyCapturePage() = default;

void DKeyCapturePage::setCaptureEdit(QLineEdit *edit)
{
    m_edit = edit;
    m_edit->installEventFilter(this);
}

bool DKeyCapturePage::isPopupOpen() const
{
    return m_popup->isPopupShown();
}

bool DKeyCapturePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit) {
        if (event->type() == QEvent::FocusIn) {
            qDebug() << "------------------------------ Chang Key [FocusIn] --------------------------";
            if (!m_popup->isPopupShown())
                openPopup();
        } else if (event->type() == QEvent::FocusOut) {
            qDebug() << "------------------------------ Chang Key [FocusOut] --------------------------";
        }
    }
    return DKeyFunctionPage::eventFilter(watched, event);
}

void DKeyCapturePage::openPopup()
{
    m_popup->setPopupShown(true);
    // The next click into the edit must bring a new focus-in.
    focusNextChild();
    popupOpening();
    const QPoint bottomCentre = m_edit->mapToGlobal(QPoint(m_edit->width() / 2, m_edit->height()));
    m_popup->move(bottomCentre - QPoint(357, 375));
    m_popup->show();
    m_popup->activateWindow();
    emit sigMesgStartOrStopHook(true);
}

void DKeyCapturePage::onArrowWidgetHide()
{
    emit sigMesgStartOrStopHook(false);
    qDebug() << "------------------------------ [onArrowWidgetHide] --------------------------";
    popupClosed();
    m_popup->setPopupShown(false);
    m_popup->hide();
}
