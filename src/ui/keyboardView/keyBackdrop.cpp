#include "ui/keyboardView/keyBackdrop.h"

#include "ui/keyboardView/keyLayerButton.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <QtMath>

#include <utility>

namespace {

const char kClearOverlay[] = "vardexClearOverlay";
// More areas than this in one batch may go to Qt as their bounding rectangle.
const int kMaxBatchAreas = 12;

int g_batchDepth = 0;
QList<QPointer<keyBackdrop>> g_batched;

// The widgets from the window down to the layer.
QList<QWidget *> chainOf(QWidget *layer)
{
    QList<QWidget *> chain;
    for (QWidget *w = layer; w; w = w->isWindow() ? nullptr : w->parentWidget())
        chain.prepend(w);
    return chain;
}

// The layer's rectangle in w's coordinates (w in the same window).
QRect layerAreaIn(const QWidget *layer, const QWidget *w)
{
    const QWidget *window = layer->window();
    return QRect(w->mapFrom(window, layer->mapTo(window, QPoint())), layer->size());
}

// Children of parent stacked above child that may cover the layer.
bool coveredFromAbove(const QWidget *layer, const QWidget *parent, const QWidget *child)
{
    const QObjectList &children = parent->children();
    for (int i = children.indexOf(const_cast<QWidget *>(child)) + 1; i > 0 && i < children.size(); ++i) {
        const QWidget *w = qobject_cast<const QWidget *>(children.at(i));
        if (w && !w->isWindow() && w->isVisible() && !keyBackdrop::isClearOverlay(w)
            && w->geometry().intersects(layerAreaIn(layer, parent)))
            return true;
    }
    return false;
}

} // namespace

keyBackdrop::keyBackdrop(QWidget *layer)
    : QObject(layer)
    , m_layer(layer)
{
    layer->installEventFilter(this);
}

void keyBackdrop::setClearOverlay(QWidget *overlay, bool clear)
{
    // The change reaches a watching backdrop as a property event.
    if (isClearOverlay(overlay) != clear)
        overlay->setProperty(kClearOverlay, clear);
}

bool keyBackdrop::isClearOverlay(const QWidget *overlay)
{
    return overlay->property(kClearOverlay).toBool();
}

keyBackdrop::UpdateBatch::UpdateBatch()
{
    ++g_batchDepth;
}

keyBackdrop::UpdateBatch::~UpdateBatch()
{
    if (--g_batchDepth > 0)
        return;
    const QList<QPointer<keyBackdrop>> batched = std::exchange(g_batched, {});
    for (const QPointer<keyBackdrop> &b : batched)
        if (b)
            b->flushAreas();
}

void keyBackdrop::updateArea(const QRect &area)
{
    if (g_batchDepth == 0) {
        m_layer->update(area);
        return;
    }
    if (m_pendingAreas.isEmpty())
        g_batched.append(this);
    m_pendingAreas.append(area);
}

void keyBackdrop::flushAreas()
{
    const QVector<QRect> areas = std::exchange(m_pendingAreas, {});
    QRect bounds;
    qint64 covered = 0;
    for (const QRect &r : areas) {
        bounds |= r;
        covered += qint64(r.width()) * r.height();
    }
    // Many areas that fill most of their bounds (a frame of every key) go as
    // the bounds; scattered ones (the side strip's two ends) stay apart, or
    // every key between them would be painted too.
    if (areas.size() > kMaxBatchAreas && 2 * covered >= qint64(bounds.width()) * bounds.height()) {
        m_layer->update(bounds);
        return;
    }
    for (const QRect &r : areas)
        m_layer->update(r);
}

keyBackdrop::~keyBackdrop()
{
    unwatch();
    for (keyLayerButton *b : buttons())
        b->setBackdrop(nullptr);
}

void keyBackdrop::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    invalidate();
    if (on) {
        scheduleRefresh();
    } else {
        unwatch();
        m_picture = QImage();
        for (keyLayerButton *b : buttons())
            b->updateFace();
    }
}

QList<keyLayerButton *> keyBackdrop::buttons() const
{
    QList<keyLayerButton *> out;
    for (QObject *o : m_layer->children())
        if (auto *b = qobject_cast<keyLayerButton *>(o))
            if (b->backdrop() == this)
                out << b;
    return out;
}

// The layer is opaque while it paints its buttons: otherwise Qt,
// repainting beneath it (or beneath a widget stacked above it), repaints
// the picture beneath it too.
void keyBackdrop::setKeysPaintedByLayer(bool on)
{
    m_layer->setAttribute(Qt::WA_OpaquePaintEvent, on);
    for (keyLayerButton *b : buttons())
        b->setPaintedByLayer(on);
}

bool keyBackdrop::paintLayer(QPainter &painter, const QRegion &region) const
{
    // While the picture is painted the layer paints nothing of its own.
    if (m_painting || m_picture.isNull() || !m_layer->testAttribute(Qt::WA_OpaquePaintEvent))
        return false;
    const qreal dpr = m_picture.devicePixelRatio();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // One draw over the region's bounds: the paint is clipped to the region.
    const QRect bounds = region.boundingRect();
    painter.drawImage(bounds, m_picture, QRectF(QPointF(bounds.topLeft()) * dpr, QSizeF(bounds.size()) * dpr).toRect());
    painter.setCompositionMode(mode);

    // The faces, in the order Qt would paint the buttons. A face stays
    // within its button. A region of a few keys (a key pressed, a hover)
    // skips the keys between them; in one of many a test costs more than
    // the clipped draw.
    const bool fewRects = region.rectCount() <= 16;
    for (QObject *o : m_layer->children()) {
        auto *b = qobject_cast<keyLayerButton *>(o);
        if (!b || b->isHidden() || b->backdrop() != this)
            continue;
        const QRect area = b->geometry();
        if (!area.intersects(bounds) || (fewRects && !region.intersects(area)))
            continue;
        painter.translate(area.topLeft());
        b->paintFace(painter);
        painter.translate(-area.topLeft());
    }
    return true;
}

void keyBackdrop::invalidate()
{
    m_valid = false;
    setKeysPaintedByLayer(false);
}

void keyBackdrop::scheduleRefresh()
{
    if (m_enabled && !m_refreshTimer)
        m_refreshTimer = startTimer(0);
}

void keyBackdrop::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_refreshTimer)
        return QObject::timerEvent(event);
    refresh();
}

void keyBackdrop::refresh()
{
    if (m_refreshTimer) {
        killTimer(m_refreshTimer);
        m_refreshTimer = 0;
    }
    // The buttons keep their way of painting while the picture is painted
    // (the layer paints nothing into it): switching them costs every key a
    // paint of its own.
    unwatch();
    if (!m_enabled || !m_layer->isVisible() || m_layer->width() <= 0 || m_layer->height() <= 0) {
        invalidate();
        m_picture = QImage();
        return;
    }
    const QList<QWidget *> chain = chainOf(m_layer);
    // Something stacked above the layer (an overlay) would be painted over
    // by the opaque layer: then the buttons paint themselves.
    for (int i = 0; i + 1 < chain.size(); ++i)
        if (coveredFromAbove(m_layer, chain.at(i), chain.at(i + 1))) {
            invalidate();
            m_picture = QImage();
            watch();
            return;
        }

    // Painted as into the window's own buffer: the same format blends with
    // the same rounding.
    const qreal dpr = m_layer->devicePixelRatioF();
    const bool translucent = chain.first()->testAttribute(Qt::WA_TranslucentBackground);
    QImage picture(QSizeF(QSizeF(m_layer->size()) * dpr).toSize(),
                   translucent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture.setDevicePixelRatio(dpr);
    picture.fill(translucent ? Qt::transparent : Qt::black);
    m_painting = true;
    {
        QPainter painter(&picture);
        // Each widget of the chain without its children, and whatever is
        // stacked beneath the next one of the chain with its children, in
        // the order Qt paints them.
        for (int i = 0; i < chain.size(); ++i) {
            QWidget *w = chain.at(i);
            const QRect layerArea = layerAreaIn(m_layer, w);
            const QRect area = layerArea & w->rect();
            if (!area.isEmpty())
                w->render(&painter, area.topLeft() - layerArea.topLeft(), QRegion(area),
                          w->isWindow() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
            if (i + 1 == chain.size())
                break;
            for (QObject *o : w->children()) {
                if (o == chain.at(i + 1))
                    break;
                QWidget *c = qobject_cast<QWidget *>(o);
                if (!c || c->isWindow() || !c->isVisible())
                    continue;
                const QRect cLayer = layerAreaIn(m_layer, c);
                const QRect cArea = cLayer & c->rect();
                if (!cArea.isEmpty())
                    c->render(&painter, cArea.topLeft() - cLayer.topLeft(), QRegion(cArea), QWidget::DrawChildren);
            }
        }
    }
    m_painting = false;

    const bool changed = m_picture != picture;
    m_picture = picture;
    m_valid = true;
    watch();
    setKeysPaintedByLayer(true);
    // Keys painted over an outdated picture in the meantime.
    if (changed)
        m_layer->update();
}

// Everything whose painting lies beneath the layer: the chain itself and
// what is stacked beneath it, with all their children.
void keyBackdrop::watch()
{
    const QList<QWidget *> chain = chainOf(m_layer);
    for (int i = 0; i < chain.size(); ++i) {
        QWidget *w = chain.at(i);
        if (w != m_layer) {
            w->installEventFilter(this);
            m_watched << w;
        }
        if (i + 1 == chain.size())
            break;
        // What is stacked above the chain paints over the keys, not beneath
        // them: only its coming, going and moving matter.
        bool above = false;
        for (QObject *o : w->children()) {
            QWidget *c = qobject_cast<QWidget *>(o);
            if (c == chain.at(i + 1)) {
                above = true;
                continue;
            }
            if (!c || c->isWindow())
                continue;
            QList<QWidget *> tree = c->findChildren<QWidget *>();
            tree.prepend(c);
            for (QWidget *t : tree) {
                t->installEventFilter(this);
                m_watched << t;
                if (above)
                    m_above << t;
            }
        }
    }
}

void keyBackdrop::unwatch()
{
    for (const QPointer<QWidget> &w : qAsConst(m_watched))
        if (w)
            w->removeEventFilter(this);
    m_watched.clear();
    m_above.clear();
}

bool keyBackdrop::eventFilter(QObject *watched, QEvent *event)
{
    if (m_painting || !m_enabled)
        return false;
    switch (event->type()) {
    case QEvent::Paint: {
        // Painted beneath the layer while the layer paints its buttons:
        // something there changed, or was only shown again. The layer's
        // paint of this pass still paints the picture it has; a fresh one
        // follows, and the layer is painted again when it differs.
        if (!m_valid || watched == m_layer || m_above.contains(watched))
            break;
        auto *w = static_cast<QWidget *>(watched);
        if (static_cast<QPaintEvent *>(event)->region().intersects(layerAreaIn(m_layer, w)))
            scheduleRefresh();
        break;
    }
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
    case QEvent::DynamicPropertyChange:
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ScreenChangeInternal:
        // The layer's own buttons come and go without changing what lies
        // beneath (a new one asks when it is given the backdrop); the window
        // moving on the screen changes nothing in it.
        if (watched == m_layer && (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved))
            break;
        if (event->type() == QEvent::Move && static_cast<QWidget *>(watched)->isWindow())
            break;
        invalidate();
        scheduleRefresh();
        break;
    default:
        break;
    }
    return false;
}
