// Shared set-up of the onboard download tests: a device page with simulated
// keyboards, bindings and macros written into the current profile's stores,
// and what the simulated keyboard holds afterwards.
#ifndef ONBOARDFIXTURE_H
#define ONBOARDFIXTURE_H

#include "devicePageFixture.h"

#include "data/DDataManager.h"
#include "ui/keyboardView/keyboardButCustom.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <list>
#include <mutex>

namespace onboardTest {

using namespace devicePageTest;

inline QByteArray layerStore(DDevicePage *page, int layer)
{
    return QFile::encodeName(page->profileFolder() + (layer == 0 ? QStringLiteral("/appProfile_Default.xml")
                                                                : QStringLiteral("/appProfile_FN.xml")));
}

inline bool bind(DDevicePage *page, int layer, int keyCode, const char *type, const char *value,
                 const char *playMode = "1", const char *playCount = "1")
{
    const QByteArray key = QByteArray::number(keyCode);
    return CVardexXML_AddProFileMacroWithKeyInfoItem(layerStore(page, layer).constData(), "1", key.constData(), "",
                                                     type, playCount, playMode, value);
}

inline MacroEventRecord macroEvent(const char *type, int code, bool press, int delay)
{
    MacroEventRecord e;
    std::memset(static_cast<void *>(&e), 0, sizeof e);
    std::strcpy(e.mark, "1");
    std::strcpy(e.type, type);
    std::snprintf(e.keyCode, sizeof e.keyCode, "%d", code);
    std::strcpy(e.operate, press ? "down" : "up");
    std::snprintf(e.delay, sizeof e.delay, "%d", delay);
    return e;
}

// count events: alternating presses and releases of key code 4.
inline std::list<MacroEventRecord> keyEvents(int count)
{
    std::list<MacroEventRecord> events;
    for (int i = 0; i < count; ++i)
        events.push_back(macroEvent("key", 4, i % 2 == 0, i == 0 ? 0 : 120));
    return events;
}

// The profile's copy of a macro, as the macro page stores it for a binding.
inline bool addMacro(DDevicePage *page, int layer, const char *macroIndex, const std::list<MacroEventRecord> &events)
{
    const QByteArray name = QByteArray("Macro") + macroIndex;
    return CVardexXML_AddProFileBindMacroItem(layerStore(page, layer).constData(), "1", events, macroIndex,
                                              name.constData());
}

// The key codes of the keyboard view in registry order.
inline QList<int> registryKeyCodes()
{
    QList<int> codes;
    for (keyboardButCustom *button : DDataManager::instance()->keyButtonList())
        codes << (button ? button->keyDec() : 0);
    return codes;
}

inline CVardexSimOnboardInfo onboardInfo(const QString &path)
{
    CVardexSimOnboardInfo info;
    std::memset(&info, 0, sizeof info);
    CVardexSim_GetOnboardInfo(path.toLatin1().constData(), &info);
    return info;
}

// The entries the keyboard holds for a layer (0 or 2), pages concatenated;
// empty when a page is missing.
inline QByteArray heldTable(const QString &path, int layerByte, int pages)
{
    QByteArray table;
    for (int page = 0; page < pages; ++page) {
        unsigned char entries[56];
        const int n = CVardexSim_GetKeyPage(path.toLatin1().constData(), layerByte, page, entries);
        if (n < 0)
            return QByteArray();
        table += QByteArray(reinterpret_cast<const char *>(entries), 4 * n);
    }
    return table;
}

inline QByteArray heldSlot(const QString &path, int slot)
{
    unsigned char image[256];
    const int n = CVardexSim_GetMacroSlot(path.toLatin1().constData(), slot, image);
    return QByteArray(reinterpret_cast<const char *>(image), n);
}

// The entry of a key without binding.
inline QByteArray unboundEntry(int keyCode)
{
    switch (keyCode) {
    case 0: return QByteArray::fromHex("00000000");
    case -10: return QByteArray::fromHex("01000000");
    case 215: return QByteArray::fromHex("07320000");
    case 127: return QByteArray::fromHex("07120000");
    case 129: return QByteArray::fromHex("07110000");
    case 128: return QByteArray::fromHex("07100000");
    default: return QByteArray::fromHex("00") + char(keyCode & 0xFF) + QByteArray(2, '\0');
    }
}

// Collects the debug lines of the download while it is installed. The
// transport thread writes debug lines too, so the list is shared between
// threads (a std::mutex, which the race checker sees).
struct DebugLines
{
    static QStringList &lines()
    {
        static QStringList l;
        return l;
    }
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static void handler(QtMsgType, const QMessageLogContext &, const QString &msg)
    {
        std::lock_guard<std::mutex> lock(mutex());
        lines() << msg;
    }
    QtMessageHandler previous;
    DebugLines() : previous(qInstallMessageHandler(&DebugLines::handler))
    {
        std::lock_guard<std::mutex> lock(mutex());
        lines().clear();
    }
    ~DebugLines() { qInstallMessageHandler(previous); }
    int count(const QString &part) const
    {
        std::lock_guard<std::mutex> lock(mutex());
        int n = 0;
        for (const QString &line : lines())
            n += line.contains(part) ? 1 : 0;
        return n;
    }
};

} // namespace onboardTest

#endif // ONBOARDFIXTURE_H
