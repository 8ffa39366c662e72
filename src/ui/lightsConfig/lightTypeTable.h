#ifndef LIGHTTYPETABLE_H
#define LIGHTTYPETABLE_H

#include <QtGlobal>

// What the light page knows of each effect: its caption, the type button and
// its id in the page's button group, which controls the effect uses, and the
// direction a new record of it starts with.
struct lightTypeRow
{
    int value;             // ledType
    const char *caption;   // untranslated, context "DLightsConfigPage"
    const char *button;    // object name of the type button, null when none
    int id;                // id in the button group, -1 when none
    bool brightness;
    bool speed;
    quint8 directions;     // bit n: direction button of id n stays visible
    bool colours;          // full-colour box and bottom colour
    int newDirection;      // ledDirection of a new record
};

namespace lightTypeTable {

enum Direction { Right = 0, Left, Up, Down, Dispersion, Gather, CW, UnCW, DirectionCount };
enum { CustomValue = 10, DpiValue = 13, CustomButtonId = 17, DpiButtonId = 13, SideCloseValue = 5 };

// Rows of the keyboard part (0) or the side part (1), by value; null when
// the table has no such value.
const lightTypeRow *byValue(int part, int value);
// Row of a button id of either group (0..17 keys, 50..55 side); null when unknown.
const lightTypeRow *byId(int id);
// The part's whole table, in value order.
const lightTypeRow *rows(int part, int *count);
// ledType of a button id; an id outside both tables gives 2 ("Wave").
int valueOfId(int id);

} // namespace lightTypeTable

#endif // LIGHTTYPETABLE_H
