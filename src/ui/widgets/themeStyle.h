#ifndef THEMESTYLE_H
#define THEMESTYLE_H

#include <QString>

#include "data/themeColorData.h"

class QAbstractScrollArea;
class QComboBox;
class QMenu;

// Style sheets that dress Qt's stock widgets (scroll bars, combo pop-ups,
// menus, file dialogs) so that they never show the platform's light-grey
// defaults and never look unrelated to the pages around them.
namespace themeStyle {

// The colours of the stock widgets, as style-sheet colours. The pages' forms
// are drawn in one dark blue palette; a dark theme therefore dresses the
// stock widgets in that palette, so that a list or scroll bar matches the
// page it sits on. A light theme brings its own colours from its record.
struct Palette
{
    QString panel;    // pop-up and dialog background
    QString edge;     // frames and separators
    QString hover;    // the row under the pointer
    QString selected; // the current row
    QString text;
    QString accent;   // text of the row under the pointer, hovered handles
    QString focus;    // edge of the field that takes the typing
    QString disabled; // text of an entry that cannot be chosen
    QString track;    // scroll-bar groove
    QString handle;   // scroll-bar handle
};

// True for a theme whose panels are light; an empty theme counts as dark.
bool isLightTheme(const themeColorData &theme);
Palette palette(const themeColorData &theme);

// A theme colour text ("35,35,35" or "35,35,35,60") as a style-sheet colour.
QString cssColor(const QString &themeColor, const QString &fallback);

QString scrollBarSheet(const themeColorData &theme);
// The pop-up list of a combo box, set on the list view itself (the field
// keeps its own look). A combo whose own sheet dresses its list
// ("QComboBox QAbstractItemView") keeps the page's list colours instead.
QString comboPopupSheet(const themeColorData &theme);
QString menuSheet(const themeColorData &theme);
// Qt's own file dialog and everything in it.
QString dialogSheet(const themeColorData &theme);

// Apply the sheets of `theme`, or of the data manager's current theme.
void styleScrollArea(QAbstractScrollArea *area, const themeColorData &theme);
void styleComboBox(QComboBox *combo, const themeColorData &theme);
void styleMenu(QMenu *menu, const themeColorData &theme);
void styleScrollArea(QAbstractScrollArea *area);
void styleComboBox(QComboBox *combo);
void styleMenu(QMenu *menu);

} // namespace themeStyle

#endif // THEMESTYLE_H
