#include "ui/widgets/shapedWindow.h"

#include <QPainterPath>
#include <QRegion>
#include <QWidget>
#include <QX11Info>

namespace shapedWindow {

namespace {
int g_override = -1;
}

bool compositingActive()
{
    if (g_override >= 0)
        return g_override == 1;
    if (QX11Info::isPlatformX11())
        return QX11Info::isCompositingManagerRunning();
    return true;
}

void setCompositingForTesting(int active)
{
    g_override = active;
}

void applyShape(QWidget *window, const QPainterPath &shape)
{
    if (!window)
        return;
    if (compositingActive()) {
        if (!window->mask().isEmpty())
            window->clearMask();
        return;
    }
    // Each part (body, arrow) on its own: one polygon through all of them
    // would join them with a sliver.
    QRegion region;
    for (const QPolygonF &part : shape.toSubpathPolygons())
        region += QRegion(part.toPolygon(), Qt::WindingFill);
    window->setMask(region);
}

} // namespace shapedWindow
