#ifndef KEYBOARDVIEWSCROLLER_H
#define KEYBOARDVIEWSCROLLER_H

class QScrollArea;
class QWidget;

namespace keyboardViewScroller {

// The object name of the scroll area that holds the keyboard drawing.
extern const char kObjectName[];

// Puts the keyboard drawing (`host`: the view with its overlay) into a
// frameless, transparent scroll area with theme scroll bars, centred while it
// fits. Zoomed beyond the room the page gives it, the drawing scrolls instead
// of running under the tool row and off the page, so every key stays
// reachable.
QScrollArea *wrap(QWidget *host, QWidget *parent);

} // namespace keyboardViewScroller

#endif // KEYBOARDVIEWSCROLLER_H
