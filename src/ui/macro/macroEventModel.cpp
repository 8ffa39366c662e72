#include "ui/macro/macroEventModel.h"

#include <QMap>
#include <QSet>

#include <cstring>

namespace macroModel {

namespace {

template <size_t N>
void putLatin1(char (&field)[N], const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    qstrncpy(field, bytes.constData(), N);
}

template <size_t N>
QString readLatin1(const char (&field)[N])
{
    return QString::fromLatin1(field, int(qstrnlen(field, N)));
}

template <size_t N>
QString readUtf8(const char (&field)[N])
{
    return QString::fromUtf8(field, int(qstrnlen(field, N)));
}

bool isDecimal(const char *text, size_t size, bool allowMinus)
{
    const size_t length = qstrnlen(text, size);
    if (length == 0 || length >= size)
        return false;
    size_t i = 0;
    if (allowMinus && text[0] == '-')
        i = 1;
    if (i == length)
        return false;
    for (; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

} // namespace

MacroEventRecord toRecord(const EventText &event)
{
    MacroEventRecord record;
    std::memset(&record, 0, sizeof record);
    putLatin1(record.mark, event.mark);
    putLatin1(record.delay, event.delay);
    putLatin1(record.type, event.type);
    putLatin1(record.keyCode, event.keyCode);
    putLatin1(record.operate, event.operate);
    // Cut the caption at a character boundary when it does not fit.
    QString name = event.codeName;
    QByteArray utf8 = name.toUtf8();
    while (utf8.size() >= int(sizeof record.codeName)) {
        name.chop(1);
        utf8 = name.toUtf8();
    }
    std::memcpy(record.codeName, utf8.constData(), size_t(utf8.size()));
    return record;
}

EventText fromRecord(const MacroEventRecord &record)
{
    EventText event;
    event.mark = readLatin1(record.mark);
    event.delay = readLatin1(record.delay);
    event.type = readLatin1(record.type);
    event.keyCode = readLatin1(record.keyCode);
    event.codeName = readUtf8(record.codeName);
    event.operate = readLatin1(record.operate);
    return event;
}

int toInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

QString mouseCodeName(int message)
{
    return mouseButtonName(mouseButtonOf(message));
}

bool isMousePressMessage(int message)
{
    return message == MouseLeftDown || message == MouseRightDown || message == MouseMiddleDown;
}

bool isMouseReleaseMessage(int message)
{
    return message == MouseLeftUp || message == MouseRightUp || message == MouseMiddleUp;
}

MouseButton mouseButtonOf(int message)
{
    switch (message) {
    case MouseLeftDown:
    case MouseLeftUp:
        return ButtonLeft;
    case MouseMiddleDown:
    case MouseMiddleUp:
        return ButtonMiddle;
    case MouseRightDown:
    case MouseRightUp:
        return ButtonRight;
    default:
        return ButtonNone;
    }
}

int mouseMessage(MouseButton button, bool press)
{
    switch (button) {
    case ButtonLeft:
        return press ? MouseLeftDown : MouseLeftUp;
    case ButtonMiddle:
        return press ? MouseMiddleDown : MouseMiddleUp;
    case ButtonRight:
        return press ? MouseRightDown : MouseRightUp;
    default:
        return 0;
    }
}

QString mouseButtonName(MouseButton button)
{
    switch (button) {
    case ButtonLeft:
        return QStringLiteral("Left Click");
    case ButtonMiddle:
        return QStringLiteral("Center Click");
    case ButtonRight:
        return QStringLiteral("Right Click");
    default:
        return QString();
    }
}

int rewriteVirtualKey(int virtualKey, int scanCode, int hookFlags, bool &press)
{
    if (virtualKey == 13) {
        // The extended bit alone tells keypad Enter, also with Alt held.
        return (hookFlags & 0x01) ? 998 : 999;
    }
    int rewritten = -1;
    if (virtualKey == 255) {
        if (scanCode == 0x7D)
            rewritten = 981;
        else if (scanCode == 0x79)
            rewritten = 987;
        else if (scanCode == 0x70)
            rewritten = 988;
    } else if (virtualKey == 193) {
        rewritten = 984;
    } else if (virtualKey == 235) {
        rewritten = 986;
    }
    if (rewritten < 0)
        return virtualKey;
    if (hookFlags == 0)
        press = true;
    else if (hookFlags == 0x80)
        press = false;
    return rewritten;
}

int clampDelay(qint64 milliseconds)
{
    if (milliseconds < 0)
        return 0;
    return milliseconds > kMaxDelay ? kMaxDelay : int(milliseconds);
}

int nextMark(const std::list<MacroEventRecord> &events)
{
    int highest = -1;
    for (const MacroEventRecord &e : events)
        highest = qMax(highest, toInt(fromRecord(e).mark));
    return highest + 1;
}

QByteArray entryIndex(const MacroNodeEntry &entry)
{
    return QByteArray(entry.index, int(qstrnlen(entry.index, sizeof entry.index)));
}

QString entryName(const MacroNodeEntry &entry)
{
    return QString::fromUtf8(entry.name, int(qstrnlen(entry.name, sizeof entry.name)));
}

std::vector<MacroNodeEntry> listMacros(const char *store)
{
    std::vector<MacroNodeEntry> macros;
    if (store && *store)
        CVardexXML_SelectMacroAllNodes(store, macros);
    return macros;
}

int firstFreeIndex(const std::vector<MacroNodeEntry> &macros)
{
    bool havePrevious = false;
    int previous = 0;
    for (const MacroNodeEntry &entry : macros) {
        const int index = entryIndex(entry).toInt();
        if (!havePrevious && index != 1)
            return 1;
        if (havePrevious && index - previous > 1)
            return previous + 1;
        previous = index;
        havePrevious = true;
    }
    return previous + 1;
}

int importIndex(const std::vector<MacroNodeEntry> &macros)
{
    return macros.empty() ? 1 : entryIndex(macros.back()).toInt() + 1;
}

QString exportFileName(const QString &macroName, const QString &macroIndex)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (const QChar c : macroName.trimmed())
        name.append(c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c) ? QChar('_') : c);
    // No hidden files, and no "." or ".." that would name a folder.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("Macro") + macroIndex : name;
}

bool isWellFormed(const std::list<MacroEventRecord> &events)
{
    if (int(events.size()) > kMaxEvents)
        return false;
    QSet<QByteArray> pressed;
    QSet<QByteArray> released;
    int presses = 0;
    for (const MacroEventRecord &e : events) {
        if (!isDecimal(e.mark, sizeof e.mark, false) || !isDecimal(e.keyCode, sizeof e.keyCode, true))
            return false;
        const size_t delayLength = qstrnlen(e.delay, sizeof e.delay);
        if (delayLength != 0 && (!isDecimal(e.delay, sizeof e.delay, false) || delayLength > 5
                                 || QByteArray(e.delay).toInt() > kMaxDelay))
            return false;
        const QByteArray type(e.type, int(qstrnlen(e.type, sizeof e.type)));
        if (type != "key" && type != "mouse")
            return false;
        if (qstrnlen(e.codeName, sizeof e.codeName) >= sizeof e.codeName)
            return false;
        const QByteArray mark(e.mark);
        const QByteArray operate(e.operate, int(qstrnlen(e.operate, sizeof e.operate)));
        if (operate == "down") {
            if (pressed.contains(mark) || released.contains(mark))
                return false;
            pressed.insert(mark);
            ++presses;
        } else if (operate == "up") {
            if (!pressed.contains(mark) || released.contains(mark))
                return false;
            released.insert(mark);
        } else {
            return false;
        }
    }
    // A press without its release would hold the key down on playback.
    return presses <= kMaxPresses && pressed.size() == released.size();
}

int firstUnplayableEvent(const std::list<MacroEventRecord> &events, const QSet<int> &keyCodes)
{
    int i = 0;
    for (const MacroEventRecord &e : events) {
        bool number = false;
        const int code = QByteArray(e.keyCode, int(qstrnlen(e.keyCode, sizeof e.keyCode))).toInt(&number);
        const bool mouse = qstrncmp(e.type, "mouse", sizeof e.type) == 0;
        if (!number || (mouse ? mouseButtonOf(code) == ButtonNone : !keyCodes.contains(code)))
            return i;
        ++i;
    }
    return -1;
}

int countPresses(const QList<EventText> &events)
{
    int presses = 0;
    for (const EventText &e : events)
        presses += e.isPress() ? 1 : 0;
    return presses;
}

} // namespace macroModel
