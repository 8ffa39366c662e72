#ifndef KEYBACKDROP_H
#define KEYBACKDROP_H

#include <QList>
#include <QObject>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QSize>

class QPainter;
class QRegion;
class QWidget;
class keyLayerButton;

// What lies beneath the key layer (the window, the frames and the keyboard
// picture), painted once into a picture of the layer's size. The buttons of
// the layer paint their part of it before their face and are then opaque to
// Qt, so a key that changes costs one paint of that key: without it every
// repaint of a translucent key repaints everything beneath it first.
//
// The picture stays valid only while nothing beneath changes. Whatever
// changes there paints (or moves, resizes, comes or goes), and every such
// event on the widgets beneath the layer drops the picture: the buttons are
// translucent again at once, and a fresh picture is painted once the event
// loop is free. So the look on screen is the same as without it.
class keyBackdrop : public QObject
{
    Q_OBJECT

public:
    explicit keyBackdrop(QWidget *layer);
    ~keyBackdrop() override;

    // Paints the button's part of the picture (replacing what the painter's
    // device holds there); false, painting nothing, while there is none.
    bool paintBeneath(QPainter &painter, const QWidget *button) const;
    // The layer's own part (between its buttons), for its paint event.
    bool paintLayer(QPainter &painter, const QRegion &region) const;
    bool isValid() const { return m_valid; }
    // A fresh picture is due once the event loop is free.
    bool isRefreshPending() const { return m_refreshTimer != 0; }
    // Off: the buttons stay translucent and nothing is cached (the plain
    // way, which the cached one must match).
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    // Paints the picture now rather than when the event loop is free.
    void refresh();

    // A widget stacked above the layer makes the keys translucent, since
    // an opaque key would paint over it; one that says it paints nothing
    // at present does not.
    static void setClearOverlay(QWidget *overlay, bool clear);
    static bool isClearOverlay(const QWidget *overlay);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void invalidate();
    void scheduleRefresh();
    void setButtonsOpaque(bool opaque);
    void watch();
    void unwatch();
    QList<keyLayerButton *> buttons() const;

    QWidget *m_layer;
    QImage m_picture;
    QPoint m_origin; // the layer's top-left in its window when painted
    QSize m_size;
    bool m_valid = false;
    bool m_enabled = true;
    bool m_painting = false;
    int m_refreshTimer = 0;
    QList<QPointer<QWidget>> m_watched;
    QSet<QObject *> m_above; // of m_watched, stacked above the layer (compared, never used)
};

#endif // KEYBACKDROP_H
