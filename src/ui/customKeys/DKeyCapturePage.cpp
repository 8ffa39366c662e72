#include "ui/customKeys/DKeyCapturePage.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QLineEdit>
#include <QScreen>

#include "ui/softKeyboard/DVirtualKeyboardTool.h"
#include "ui/widgets/ArrowWidget.h"

namespace {
// The bubble's arrow: its left corner 350 from the bubble's left edge, its
// tip 7 further, over the edit's bottom centre.
constexpr int kArrowPosition = 350;
constexpr int kArrowTipX = 357;
} // namespace

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
    m_popup->setArrowPosition(kArrowPosition);
    m_popup->setContentWidget(m_keyboard);
}

DKeyCapturePage::~DKeyCapturePage()
{
    qApp->removeEventFilter(this);
}

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
    // The bubble is a tool tip window: where the window system never makes it
    // active (X11 without a window manager that focuses it) it would never
    // lose the activation either, so a click anywhere else in the program
    // closes it too. A click into the edit keeps it open.
    if (event->type() == QEvent::MouseButtonPress && m_popup->isPopupShown()) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() != m_popup && widget != m_edit)
            onArrowWidgetHide();
    }
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
    QPoint topLeft = bottomCentre - QPoint(kArrowTipX, 375);
    // Kept on the screen; the arrow still points at the edit.
    if (QScreen *screen = QGuiApplication::screenAt(bottomCentre)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() + 1 - m_popup->width())));
        topLeft.setY(qMax(area.top(), topLeft.y()));
    }
    m_popup->setArrowPosition(kArrowPosition + (bottomCentre.x() - kArrowTipX) - topLeft.x());
    m_popup->move(topLeft);
    m_popup->show();
    m_popup->activateWindow();
    qApp->installEventFilter(this);
    emit sigMesgStartOrStopHook(true);
}

void DKeyCapturePage::onArrowWidgetHide()
{
    qApp->removeEventFilter(this);
    if (!m_popup->isPopupShown())
        return;
    emit sigMesgStartOrStopHook(false);
    qDebug() << "------------------------------ [onArrowWidgetHide] --------------------------";
    popupClosed();
    m_popup->setPopupShown(false);
    m_popup->hide();
}
