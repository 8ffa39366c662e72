// Shared set-up of the key function page tests: a profile store with one
// profile, a macro store, the key names of the US on-screen keyboard and the
// stored binding of a key as four texts.
#ifndef KEYFUNCSFIXTURE_H
#define KEYFUNCSFIXTURE_H

#include <QFile>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <cstring>
#include <list>

#include "data/DDataManager.h"
#include "ui/customKeys/DKeyFunctionPage.h"
#include "vardexSdk.h"

namespace keyFuncsTest {

// A stored binding: type, play count, play mode / sub code, value.
struct Binding
{
    QByteArray type, count, mode, value;
    bool operator==(const Binding &o) const
    {
        return type == o.type && count == o.count && mode == o.mode && value == o.value;
    }
};

inline Binding stored(const QByteArray &store, int keyCode, int profile = 1)
{
    KeyOperateInfo info;
    if (!DKeyFunctionPage::readBinding(store.constData(), profile, keyCode, &info))
        return Binding();
    return Binding{QByteArray(info.type), QByteArray(info.playCount), QByteArray(info.playMode),
                   QByteArray(info.value)};
}

inline QString describe(const Binding &b)
{
    if (b.type.isEmpty())
        return QStringLiteral("(none)");
    return QStringLiteral("type %1 count %2 sub %3 value \"%4\"")
        .arg(QString::fromLatin1(b.type), QString::fromLatin1(b.count), QString::fromLatin1(b.mode),
             QString::fromUtf8(b.value.left(40)));
}

inline MacroEventRecord macroEvent(int mark, int code, bool press, int delay)
{
    MacroEventRecord e;
    std::memset(static_cast<void *>(&e), 0, sizeof e);
    std::snprintf(e.mark, sizeof e.mark, "%d", mark);
    std::strcpy(e.type, "key");
    std::snprintf(e.keyCode, sizeof e.keyCode, "%d", code);
    std::snprintf(e.codeName, sizeof e.codeName, "%d", code);
    std::strcpy(e.operate, press ? "down" : "up");
    std::snprintf(e.delay, sizeof e.delay, "%d", delay);
    return e;
}

// The events as comparable text, one line each.
inline QStringList eventLines(const std::list<MacroEventRecord> &events)
{
    QStringList lines;
    for (const MacroEventRecord &e : events)
        lines << QStringLiteral("%1 %2 %3 %4 %5").arg(e.mark, e.delay, e.type, e.keyCode, e.operate);
    return lines;
}

inline QMap<int, QString> usKeyNames()
{
    return {{4, QStringLiteral("A")},         {5, QStringLiteral("B")},         {6, QStringLiteral("C")},
            {40, QStringLiteral("Enter")},    {41, QStringLiteral("Esc")},      {44, QStringLiteral("Space")},
            {-10, QStringLiteral("Fn")},      {224, QStringLiteral("L_CTRL")},  {225, QStringLiteral("L_SHIFT")},
            {226, QStringLiteral("L_ALT")},   {227, QStringLiteral("L_WIN")},   {228, QStringLiteral("R_CTRL")},
            {229, QStringLiteral("R_SHIFT")}, {230, QStringLiteral("R_ALT")},   {231, QStringLiteral("R_WIN")}};
}

// A profile store with profile 1 and an empty macro store, made current.
struct Stores
{
    QTemporaryDir dir;
    QByteArray profiles;
    QByteArray macros;

    bool create()
    {
        if (!dir.isValid())
            return false;
        CVardexXML_Init();
        profiles = QFile::encodeName(dir.filePath(QStringLiteral("appProfile_Default.xml")));
        macros = QFile::encodeName(dir.filePath(QStringLiteral("appMacro.xml")));
        if (!CVardexXML_CreateXMLFile(profiles.constData()) || !CVardexXML_CreateXMLFile(macros.constData())
            || !CVardexXML_CreateProFileXmlParentNode(profiles.constData(), "1", "P1", 0))
            return false;
        DDataManager *data = DDataManager::instance();
        data->setCurrentProfileIndex(1);
        data->setKeyNameMap(usKeyNames());
        return data->setProfileXmlPath(profiles.constData()) && data->setMacroXmlPath(macros.constData());
    }
};

} // namespace keyFuncsTest

Q_DECLARE_METATYPE(keyFuncsTest::Binding)

#endif // KEYFUNCSFIXTURE_H
