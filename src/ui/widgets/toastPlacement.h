#pragma once

#include <QPoint>

class QString;
class QWidget;
class CbNotice;

namespace toastPlacement {

// Where a dialog's toast for `text` goes: on the title bar, in the widest
// stretch the bar leaves free (beside the title and clear of the buttons),
// so that it covers nothing the user is reading; the middle of the bar when
// no stretch is wide enough. In `dialog`'s coordinates.
QPoint onTitleBar(const QWidget *dialog, const QWidget *titleBar, const CbNotice *notice, const QString &text);

} // namespace toastPlacement
