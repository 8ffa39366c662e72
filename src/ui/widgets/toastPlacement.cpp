#include "ui/widgets/toastPlacement.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QVector>

#include <algorithm>

#include "ui/widgets/CbNotice.h"

namespace {

// The part of a child of the title bar that shows something: a label's
// text or picture where its alignment puts it, any other widget whole.
QRect occupied(const QWidget *child)
{
    const auto *label = qobject_cast<const QLabel *>(child);
    if (!label)
        return child->geometry();
    QSize used;
    if (label->pixmap() && !label->pixmap()->isNull())
        used = label->pixmap()->size() / label->pixmap()->devicePixelRatioF();
    else
        used = QSize(label->fontMetrics().horizontalAdvance(label->text()), label->fontMetrics().height());
    used = used.boundedTo(label->contentsRect().size());
    const QRect inside = QStyle::alignedRect(label->layoutDirection(), label->alignment(), used, label->contentsRect());
    return inside.translated(label->pos());
}

} // namespace

QRect toastPlacement::onTitleBar(const QWidget *dialog, const QWidget *titleBar, const CbNotice *notice,
                                 const QString &text)
{
    const QPoint barAt = titleBar->mapTo(dialog, QPoint(0, 0));

    // Everything that shows on the bar, also inside its child frames.
    QVector<QRect> taken;
    for (const QWidget *child : titleBar->findChildren<QWidget *>()) {
        if (!child->isVisible() || child->findChild<QWidget *>())
            continue; // containers count through their children
        const QRect r = occupied(child);
        taken.append(QRect(child->parentWidget()->mapTo(titleBar, r.topLeft()), r.size()));
    }
    std::sort(taken.begin(), taken.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });

    const int margin = 12;
    int bestLeft = 0;
    int bestWidth = -1;
    int from = 0;
    for (const QRect &r : qAsConst(taken)) {
        if (r.left() - from > bestWidth) {
            bestLeft = from;
            bestWidth = r.left() - from;
        }
        from = std::max(from, r.right() + 1);
    }
    if (titleBar->width() - from > bestWidth) {
        bestLeft = from;
        bestWidth = titleBar->width() - from;
    }
    // The toast as the toast itself measures it: one line when the stretch
    // holds it, else wrapped to the stretch.
    const QSize size = notice->sizeFor(text, std::max(1, bestWidth - 2 * margin));
    const int x = barAt.x() + bestLeft + (bestWidth - size.width()) / 2;
    const int y = size.height() <= titleBar->height() ? barAt.y() + (titleBar->height() - size.height()) / 2
                                                      : barAt.y();
    return QRect(QPoint(x, y), size);
}
