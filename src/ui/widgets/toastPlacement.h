#pragma once

#include <QRect>

class QString;
class QWidget;
class CbNotice;

namespace toastPlacement {

// Where a dialog's toast for `text` goes: on the title bar, in the widest
// stretch the bar leaves free (beside the title and clear of the buttons),
// so that it covers nothing the user is reading. A text too long for one
// line there is wrapped to the stretch's width; when even that is taller
// than the bar, the toast hangs down from the bar's top, still within the
// stretch. The toast's geometry, in `dialog`'s coordinates.
QRect onTitleBar(const QWidget *dialog, const QWidget *titleBar, const CbNotice *notice, const QString &text);

} // namespace toastPlacement
