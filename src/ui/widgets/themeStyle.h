#ifndef THEMESTYLE_H
#define THEMESTYLE_H

#include <QString>

#include "data/themeColorData.h"

class QAbstractScrollArea;
class QComboBox;
class QMenu;

// Style sheets that dress Qt's stock widgets (scroll bars, combo pop-ups,
// menus) in the colours of the current theme, so that they never show the
// platform's light-grey defaults on a dark page. Each sheet is built from a
// theme record; a colour the theme leaves empty takes the dark theme's.
namespace themeStyle {

// A theme colour text ("35,35,35" or "35,35,35,60") as a style-sheet colour.
QString cssColor(const QString &themeColor, const QString &fallback);

QString scrollBarSheet(const themeColorData &theme);
// The pop-up list of a combo box, set on the list view itself (the field
// keeps its own look). A combo whose own sheet dresses its list
// ("QComboBox QAbstractItemView") keeps the page's list colours instead.
QString comboPopupSheet(const themeColorData &theme);
QString menuSheet(const themeColorData &theme);

// Apply the sheets of `theme`, or of the data manager's current theme.
void styleScrollArea(QAbstractScrollArea *area, const themeColorData &theme);
void styleComboBox(QComboBox *combo, const themeColorData &theme);
void styleMenu(QMenu *menu, const themeColorData &theme);
void styleScrollArea(QAbstractScrollArea *area);
void styleComboBox(QComboBox *combo);
void styleMenu(QMenu *menu);

} // namespace themeStyle

#endif // THEMESTYLE_H
