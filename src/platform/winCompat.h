#ifndef WINCOMPAT_H
#define WINCOMPAT_H

#include <QtGlobal>

// The message parameters that the global mouse hook hands on while a macro is
// recorded: the mouse message and a pointer to the hook's mouse record.
#ifndef _WIN32
using WPARAM = quintptr;
using LPARAM = qintptr;
#endif

#endif // WINCOMPAT_H
