#pragma once

#include <QColor>
#include <QDialog>
#include <QPainterPath>

// A frameless, semi-transparent bubble with a small arrow that holds one
// content widget (hover tips, pop-up menus, the on-screen keyboard). It hides
// itself as soon as its window loses activation.
class ArrowWidget : public QDialog
{
    Q_OBJECT

public:
    // direction: 0 arrow on top, 1 arrow at the bottom, anything else no arrow.
    explicit ArrowWidget(int direction = 1, QWidget *parent = nullptr);

    void setBubbleSize(int width, int height);
    // x of the arrow's left corner; used from the next paint on.
    void setArrowPosition(int x);
    // Call once per bubble; the bubble's layout adopts the content.
    void setContentWidget(QWidget *content);

    // Shows the bubble as a menu of the window under it, without taking the
    // activation: an activated tool-tip window leaves Qt with no focus window
    // once it hides (the window manager keeps the X focus on the window under
    // it), and typing there stops. A press outside the bubble, or Escape,
    // closes it.
    void showAsMenu();

    bool isPopupShown() const { return m_popupShown; }
    void setPopupShown(bool shown) { m_popupShown = shown; }

    int arrowPosition() const { return m_arrowPosition; }
    int direction() const { return m_direction; }
    QColor fillColor() const { return m_fillColor; }
    // The painted outline: body and arrow, in widget coordinates.
    QPainterPath bubblePath() const;

signals:
    void sigArrowWidgetHide();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void closeMenu();

    int m_arrowPosition = 50;
    int m_direction;
    QColor m_fillColor;
    bool m_popupShown = false;
    bool m_menuMode = false; // shown by showAsMenu, watching the application
};
