#ifndef MACROEVENTMODEL_H
#define MACROEVENTMODEL_H

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <list>
#include <vector>

#include "vardexSdk.h"

// The rules every macro event list obeys, and the conversions between the
// editor's texts and the store's records, free of any widget so that they
// can be tested on their own.
namespace macroModel {

// A macro holds at most this many events, of which at most kMaxPresses are
// presses; the keyboard's macro slot is sized for them.
constexpr int kMaxEvents = 40;
constexpr int kMaxPresses = 20;
// Delays are stored as 16-bit milliseconds.
constexpr int kMaxDelay = 65535;

// Mouse button actions, as the store keeps them (the desktop's message numbers).
enum MouseMessage {
    MouseLeftDown = 513,
    MouseLeftUp = 514,
    MouseRightDown = 516,
    MouseRightUp = 517,
    MouseMiddleDown = 519,
    MouseMiddleUp = 520,
};
enum MouseButton { ButtonNone = -1, ButtonLeft = 0, ButtonMiddle = 1, ButtonRight = 2 };

// One event as the rows carry it: six texts.
struct EventText
{
    QString mark;
    QString delay;
    QString type;
    QString keyCode;
    QString codeName;
    QString operate;

    bool isPress() const { return operate == QLatin1String("down"); }
    bool operator==(const EventText &o) const
    {
        return mark == o.mark && delay == o.delay && type == o.type && keyCode == o.keyCode
               && codeName == o.codeName && operate == o.operate;
    }
};

// Row texts to a record: every field but the code name in Latin-1, the code
// name in UTF-8. A code name longer than its field is cut at a character
// boundary, so the record never holds half a character.
MacroEventRecord toRecord(const EventText &event);
EventText fromRecord(const MacroEventRecord &record);
// Decimal text to integer; empty or not a number gives 0.
int toInt(const QString &text);

// The untranslated name of a button message ("Left Click", ...), empty for
// any other message.
QString mouseCodeName(int message);
bool isMousePressMessage(int message);
bool isMouseReleaseMessage(int message);
MouseButton mouseButtonOf(int message);
// The message of a button for a press or a release; 0 for ButtonNone.
int mouseMessage(MouseButton button, bool press);
QString mouseButtonName(MouseButton button);

// The desktop key code the key tables know a key by. Enter is told apart
// from keypad Enter by the extended-key bit, and the Japanese and Korean
// keys that share a code by their scan codes. `press` comes in as the hook
// reported it and leaves as the rewritten event has it.
int rewriteVirtualKey(int virtualKey, int scanCode, int hookFlags, bool &press);

// A measured or typed delay as stored: 0 to kMaxDelay.
int clampDelay(qint64 milliseconds);

// The mark a new pair of the macro takes: one above every stored mark, 0
// for a macro without events.
int nextMark(const std::list<MacroEventRecord> &events);

QByteArray entryIndex(const MacroNodeEntry &entry);
QString entryName(const MacroNodeEntry &entry);
std::vector<MacroNodeEntry> listMacros(const char *store);
// The index a new macro takes: the first gap in the ascending listing,
// counting from 1, else one after the last.
int firstFreeIndex(const std::vector<MacroNodeEntry> &macros);
// The index an imported macro takes: one after the last listed macro.
int importIndex(const std::vector<MacroNodeEntry> &macros);

// The file name (without folder) a macro is exported to: its name with
// every character that could leave the chosen folder or that file systems
// refuse replaced by "_", without leading dots; "Macro<index>" when nothing
// is left.
QString exportFileName(const QString &macroName, const QString &macroIndex);

// Whether a macro read from a file others wrote can be taken as it stands:
// at most kMaxEvents events and kMaxPresses presses, each pair a press
// followed by its release, known types and operates, delays 0..kMaxDelay,
// decimal key codes and marks.
bool isWellFormed(const std::list<MacroEventRecord> &events);

// The first event (counting from 0) the keyboard cannot play as written: a
// key code the key tables do not hold, or a mouse code other than the six
// button actions (the download sends only a code's low byte, so 260 would
// play A). -1 when every event can be played.
int firstUnplayableEvent(const std::list<MacroEventRecord> &events, const QSet<int> &keyCodes);

int countPresses(const QList<EventText> &events);

} // namespace macroModel

#endif // MACROEVENTMODEL_H
