#include "ui/keyboardView/keyboardViewScroller.h"

#include <QScrollArea>

#include "ui/widgets/themeStyle.h"

namespace keyboardViewScroller {

const char kObjectName[] = "scrollArea_keyboardView";

QScrollArea *wrap(QWidget *host, QWidget *parent)
{
    auto *area = new QScrollArea(parent);
    area->setObjectName(QLatin1String(kObjectName));
    area->setFrameShape(QFrame::NoFrame);
    area->setAlignment(Qt::AlignCenter);
    // The host grows with the viewport but never below the drawing's size.
    area->setWidgetResizable(true);
    area->setStyleSheet(QStringLiteral("QScrollArea#%1, QScrollArea#%1 > QWidget#qt_scrollarea_viewport"
                                       " { background: transparent; border: none; }")
                            .arg(QLatin1String(kObjectName)));
    area->setWidget(host);
    // setWidget() makes both paint the palette's window colour: the page's
    // own background must show through.
    area->viewport()->setAutoFillBackground(false);
    host->setAutoFillBackground(false);
    themeStyle::styleScrollArea(area);
    return area;
}

} // namespace keyboardViewScroller
