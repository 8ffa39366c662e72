#ifndef TILELISTORDER_H
#define TILELISTORDER_H

#include <QList>

class QBoxLayout;
class QWidget;

namespace tileListOrder {

// Puts `ordered` at the head of `layout` in that order, moving only the
// widgets that are out of place (a widget that stays where it is is neither
// hidden nor repainted). Widgets the layout held that are not in `ordered`
// are taken out, hidden and returned; the layout's trailing spacer stays.
// Widgets of `ordered` that were not in the layout are adopted by `host`.
QList<QWidget *> placeInOrder(QBoxLayout *layout, QWidget *host, const QList<QWidget *> &ordered);

// The widgets of `layout` in their current order (items without a widget,
// such as the trailing spacer, are skipped).
QList<QWidget *> widgetsInOrder(const QBoxLayout *layout);

} // namespace tileListOrder

#endif // TILELISTORDER_H
