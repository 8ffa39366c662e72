// keyActions.h - desktop actions behind keys the user bound on the keyboard
// itself: type a text, start a program.
#ifndef KEYACTIONS_H
#define KEYACTIONS_H

#include <QString>

namespace keyActions {

// Puts text on the clipboard and presses Ctrl+V in the focused window.
// Typing needs an X11 display with the XTest extension; elsewhere the text
// stays on the clipboard, the reason is logged and false is returned.
bool typeTextByPaste(const QString &text);

// Starts an executable file detached; anything else (a document, a folder,
// a URL) is handed to the desktop's default handler.
bool launchProgram(const QString &target);

} // namespace keyActions

#endif // KEYACTIONS_H
