#include "profileStoreOps.h"

#include <QDebug>

namespace profileStore {

QByteArray entryIndex(const ProfileNodeEntry &entry)
{
    return QByteArray(entry.index, int(qstrnlen(entry.index, sizeof entry.index)));
}

QString entryName(const ProfileNodeEntry &entry)
{
    return QString::fromUtf8(entry.name, int(qstrnlen(entry.name, sizeof entry.name)));
}

std::vector<ProfileNodeEntry> listProfiles(const char *store)
{
    std::vector<ProfileNodeEntry> profiles;
    if (store && *store)
        CVardexXML_SelectProFileAllNodes(store, profiles);
    return profiles;
}

int nextProfileIndex(const std::vector<ProfileNodeEntry> &profiles)
{
    const QByteArray last = profiles.empty() ? QByteArray("1") : entryIndex(profiles.back());
    return last.toInt() + 1;
}

QString exportFileName(const QString &profileName)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (const QChar c : profileName.trimmed())
        name.append(c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c) ? QChar('_') : c);
    // No hidden files, and no "." or ".." that would name a folder.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("Profile") : name;
}

int rebindMacro(const char *store, const QByteArray &macroIndex, const std::list<MacroEventRecord> &events)
{
    const QByteArray nodeName = "Macro" + macroIndex;
    if (!CVardexXML_BeginBatch(store))
        return -1;
    int rebound = 0;
    for (const ProfileNodeEntry &entry : listProfiles(store)) {
        const QByteArray index = entryIndex(entry);
        if (CVardexXML_GetProFileValueNum(store, index.constData(), "1", macroIndex.constData()) <= 0)
            continue;
        CVardexXML_DeleteProFileBindMacroNode(store, index.constData(), macroIndex.constData(), nodeName.constData());
        if (CVardexXML_AddProFileBindMacroItem(store, index.constData(), events, macroIndex.constData(),
                                               nodeName.constData()))
            ++rebound;
    }
    if (!CVardexXML_EndBatch(store)) {
        qDebug() << "macro re-binding not stored in" << store;
        return -1;
    }
    return rebound;
}

} // namespace profileStore

QString customLightDefaultFileFor(int keyCount, const QString &modelCode)
{
    switch (keyCount) {
    case 84:
    case 69:
        return QStringLiteral("customLightDefaultConfig_84.xml");
    case 83:
        return QStringLiteral("customLightDefaultConfig_83.xml");
    case 97:
    case 98:
    case 99:
        return QStringLiteral("customLightDefaultConfig_98.xml");
    case 68:
        return QStringLiteral("customLightDefaultConfig_68.xml");
    case 61:
        return QStringLiteral("customLightDefaultConfig_61.xml");
    case 34:
        return QStringLiteral("customLightDefaultConfig_34.xml");
    case 82:
        return QStringLiteral("customLightDefaultConfig_82.xml");
    default:
        break;
    }
    if (modelCode == QLatin1String("Pasko") || modelCode == QLatin1String("Tuvel"))
        return QStringLiteral("customLightDefaultConfig_Pasko.xml");
    if (modelCode == QLatin1String("Caspo"))
        return QStringLiteral("customLightDefaultConfig_Caspo.xml");
    return QStringLiteral("customLightDefaultConfig.xml");
}
