#ifndef WINCOMPAT_H
#define WINCOMPAT_H

#include <QtGlobal>

// The message parameters that the global mouse hook hands on while a macro is
// recorded: the mouse message and a pointer to the hook's mouse record.
#ifndef _WIN32
using WPARAM = quintptr;
using LPARAM = qintptr;

// The record a mouse message of the hook points to (lParam): the pointer's
// screen position and, for the wheel and the side buttons, the data word
// (high word: wheel delta of 120 per notch, or side button 1/2).
struct MSLLHOOKSTRUCT
{
    struct
    {
        qint32 x;
        qint32 y;
    } pt;
    quint32 mouseData;
    quint32 flags;
    quint32 time;
    quintptr dwExtraInfo;
};
#endif

#endif // WINCOMPAT_H
