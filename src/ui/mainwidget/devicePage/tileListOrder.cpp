#include "ui/mainwidget/devicePage/tileListOrder.h"

#include <QBoxLayout>
#include <QWidget>

namespace tileListOrder {

QList<QWidget *> widgetsInOrder(const QBoxLayout *layout)
{
    QList<QWidget *> widgets;
    for (int i = 0; i < layout->count(); ++i)
        if (QWidget *w = layout->itemAt(i)->widget())
            widgets.append(w);
    return widgets;
}

QList<QWidget *> placeInOrder(QBoxLayout *layout, QWidget *host, const QList<QWidget *> &ordered)
{
    for (int i = 0; i < ordered.size(); ++i) {
        QWidget *w = ordered.at(i);
        QLayoutItem *item = i < layout->count() ? layout->itemAt(i) : nullptr;
        if (item && item->widget() == w)
            continue;
        const int at = layout->indexOf(w);
        if (at >= 0)
            delete layout->takeAt(at);
        else if (w->parentWidget() != host)
            w->setParent(host);
        layout->insertWidget(i, w);
        w->show();
    }

    // Whatever follows the ordered widgets, up to the spacer, has no place.
    QList<QWidget *> dropped;
    for (int i = layout->count() - 1; i >= ordered.size(); --i) {
        QWidget *w = layout->itemAt(i)->widget();
        if (!w)
            continue;
        delete layout->takeAt(i);
        w->hide();
        dropped.prepend(w);
    }
    return dropped;
}

} // namespace tileListOrder
