#ifndef KEYBACKDROP_H
#define KEYBACKDROP_H

#include <QList>
#include <QObject>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QVector>

class QPainter;
class QRect;
class QRegion;
class QWidget;
class keyLayerButton;

// What lies beneath the key layer (the window, the frames and the keyboard
// picture), painted once into a picture of the layer's size. While it holds
// one, the layer is opaque to Qt and paints, in its own paint, that picture
// and its buttons' faces over it; the buttons take no part in Qt's painting.
// So keys that change cost one paint of the layer, limited to those keys:
// without it every repaint of a translucent key repaints everything beneath
// it first, and every key is a paint of its own.
//
// The picture stays valid only while nothing beneath changes. Whatever
// changes there paints (or moves, resizes, comes or goes), and every such
// event on the widgets beneath the layer drops the picture: the buttons
// paint themselves again at once, translucent, and a fresh picture is
// painted once the event loop is free. So the look on screen is the same as
// without it.
class keyBackdrop : public QObject
{
    Q_OBJECT

public:
    explicit keyBackdrop(QWidget *layer);
    ~keyBackdrop() override;

    // The layer's paint: the picture and the faces of the buttons in the
    // region, the painter clipped to it as in a paint event; false,
    // painting nothing, while the buttons paint themselves.
    bool paintLayer(QPainter &painter, const QRegion &region) const;
    bool isValid() const { return m_valid; }
    // A fresh picture is due once the event loop is free.
    bool isRefreshPending() const { return m_refreshTimer != 0; }
    // Off: the buttons paint themselves and nothing is cached (the plain
    // way, which the cached one must match).
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    // Paints the picture now rather than when the event loop is free.
    void refresh();

    // Asks for a button's area of the layer to be painted again.
    void updateArea(const QRect &area);
    // While one is open, the areas asked for reach Qt only when the last
    // one closes, and many that fill most of their bounding rectangle as
    // that rectangle: a region of a hundred keys costs Qt more to keep,
    // clip and copy to the screen than painting the few between them. For
    // code that changes many buttons at once, such as a preview frame;
    // interface thread only.
    class UpdateBatch
    {
    public:
        UpdateBatch();
        ~UpdateBatch();
        UpdateBatch(const UpdateBatch &) = delete;
        UpdateBatch &operator=(const UpdateBatch &) = delete;
    };

    // A widget stacked above the layer makes the buttons paint themselves,
    // since an opaque layer would paint over it; one that says it paints
    // nothing at present does not.
    static void setClearOverlay(QWidget *overlay, bool clear);
    static bool isClearOverlay(const QWidget *overlay);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void invalidate();
    void flushAreas();
    void scheduleRefresh();
    void setKeysPaintedByLayer(bool on);
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
    QVector<QRect> m_pendingAreas;
};

#endif // KEYBACKDROP_H
