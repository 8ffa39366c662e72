#ifndef SHAPEDWINDOW_H
#define SHAPEDWINDOW_H

class QPainterPath;
class QWidget;

// Rounded, translucent top-level windows (bubbles, toasts). A compositing
// manager blends their transparent corners with what lies below; without
// one (a plain X11 window manager) those corners show black, so the window
// is clipped to its painted shape instead.
namespace shapedWindow {

// True when translucent windows are blended on this display: an X11 display
// with a compositing manager, or a platform that composes itself.
bool compositingActive();

// Overrides the answer of compositingActive() (tests): 0 no, 1 yes, -1 ask
// the display again.
void setCompositingForTesting(int active);

// Clips `window` to `shape` (in window coordinates) when nothing blends it;
// where compositing runs, the window is left unclipped so its soft edges and
// shadow show.
void applyShape(QWidget *window, const QPainterPath &shape);

} // namespace shapedWindow

#endif // SHAPEDWINDOW_H
