// The texts that name a key's stored binding: DDataManager::describeKeyFunction.
#include "data/DDataManager.h"
#include "data/keyFunctionNames.h"

#include "vardexSdk.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QByteArray field(const char *text, std::size_t size)
{
    return QByteArray(text, int(qstrnlen(text, size)));
}

// Leading decimal digits with an optional sign; text that does not begin
// with a number gives 0, and a number too long for an int counts as 0.
int leadingNumber(const QByteArray &text)
{
    const QByteArray t = text.trimmed();
    int end = 0;
    if (end < t.size() && (t[end] == '-' || t[end] == '+'))
        ++end;
    const int digitsFrom = end;
    while (end < t.size() && t[end] >= '0' && t[end] <= '9')
        ++end;
    if (end == digitsFrom)
        return 0;
    bool ok = false;
    const int value = t.left(end).toInt(&ok);
    return ok ? value : 0;
}

// One part of a split value read as a whole integer; `missing` when the part
// is absent, 0 when it is not a number.
int partNumber(const QStringList &parts, int i, int missing)
{
    if (i >= parts.size())
        return missing;
    bool ok = false;
    const int value = parts.at(i).trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString fromTable(const char *const *table, int count, int value)
{
    return value >= 0 && value < count ? QCoreApplication::translate("QObject", table[value]) : QObject::tr("Unknow");
}

const char *const kMultimedia[] = {
    QT_TRANSLATE_NOOP("QObject", "Volume +"),   QT_TRANSLATE_NOOP("QObject", "Volume -"),    QT_TRANSLATE_NOOP("QObject", "Mute"),
    QT_TRANSLATE_NOOP("QObject", "Play/Pause"), QT_TRANSLATE_NOOP("QObject", "Next track"),  QT_TRANSLATE_NOOP("QObject", "Prev track"),
    QT_TRANSLATE_NOOP("QObject", "Stop"),       QT_TRANSLATE_NOOP("QObject", "Unknow"),      QT_TRANSLATE_NOOP("QObject", "Player"),
    QT_TRANSLATE_NOOP("QObject", "Calculator"), QT_TRANSLATE_NOOP("QObject", "Computer"),    QT_TRANSLATE_NOOP("QObject", "Browser"),
    QT_TRANSLATE_NOOP("QObject", "Email"),      QT_TRANSLATE_NOOP("QObject", "Screen brightness+"), QT_TRANSLATE_NOOP("QObject", "Screen brightness-"),
    QT_TRANSLATE_NOOP("QObject", "Search")};

const char *const kMouse[] = {QT_TRANSLATE_NOOP("QObject", "Mouse Left"), QT_TRANSLATE_NOOP("QObject", "Mouse Center"), QT_TRANSLATE_NOOP("QObject", "Mouse Right"),
                              QT_TRANSLATE_NOOP("QObject", "Scroll Up"),  QT_TRANSLATE_NOOP("QObject", "Scroll Down"),  QT_TRANSLATE_NOOP("QObject", "Forward"),
                              QT_TRANSLATE_NOOP("QObject", "Backward"),   QT_TRANSLATE_NOOP("QObject", "Sniper Key")};

const char *const kShortcuts[] = {QT_TRANSLATE_NOOP("QObject", "Close window"), QT_TRANSLATE_NOOP("QObject", "Switch windows"),
                                  QT_TRANSLATE_NOOP("QObject", "Show desktop"), QT_TRANSLATE_NOOP("QObject", "My computer"),
                                  QT_TRANSLATE_NOOP("QObject", "Lock computer"), QT_TRANSLATE_NOOP("QObject", "Copy"),
                                  QT_TRANSLATE_NOOP("QObject", "Cut"),          QT_TRANSLATE_NOOP("QObject", "Paste"),
                                  QT_TRANSLATE_NOOP("QObject", "Find"),         QT_TRANSLATE_NOOP("QObject", "New"),
                                  QT_TRANSLATE_NOOP("QObject", "Print"),        QT_TRANSLATE_NOOP("QObject", "Save")};

const char *const kLockWin[] = {QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win"), QT_TRANSLATE_NOOP("QObject", "Lock win"),
                                QT_TRANSLATE_NOOP("QObject", "Unlock win")};

const char *const kModifierNames[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

template <int N>
QString fromTable(const char *const (&table)[N], int value)
{
    return fromTable(table, N, value);
}

} // namespace

QString keyFunctionNames::shortcut(int index)
{
    return fromTable(kShortcuts, index);
}

QString keyFunctionNames::lockWin(int mode)
{
    return fromTable(kLockWin, mode);
}

namespace {

QString keyConfigText(int subCode, const QByteArray &value)
{
    if (subCode == 11) {
        const QStringList parts = QString::fromUtf8(value).split(QLatin1Char(','));
        const int mode = partNumber(parts, 0, -1);
        const int slot = partNumber(parts, 1, -1);
        if (mode == 0 && slot == 0)
            return QObject::tr("Bluetooth 1");
        if (mode == 0 && slot == 1)
            return QObject::tr("Bluetooth 2");
        if (mode == 0 && slot == 2)
            return QObject::tr("Bluetooth 3");
        if (mode == 1)
            return QObject::tr("2.4G switching");
        if (mode == 2)
            return QObject::tr("USB switching");
        return QObject::tr("Unknow");
    }
    const int mode = leadingNumber(value);
    switch (subCode) {
    case 0:
        return QObject::tr("Lock keyboard");
    case 2: {
        return keyFunctionNames::lockWin(mode);
    }
    case 8: {
        static const char *const layers[] = {QT_TRANSLATE_NOOP("QObject", "Default layer"), QT_TRANSLATE_NOOP("QObject", "FN layer"),
                                             QT_TRANSLATE_NOOP("QObject", "FN1 layer")};
        return fromTable(layers, mode);
    }
    case 10:
        return QObject::tr("Power query");
    default:
        return QObject::tr("Unknow");
    }
}

QString keyboardLightText(int type, int v, int subCode)
{
    switch (type) {
    case 20: {
        static const char *const modes[] = {QT_TRANSLATE_NOOP("QObject", "Overall light"), QT_TRANSLATE_NOOP("QObject", "Interaction light"),
                                            QT_TRANSLATE_NOOP("QObject", "All light"), QT_TRANSLATE_NOOP("QObject", "Static")};
        return fromTable(modes, v);
    }
    case 21: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Brightness +"), QT_TRANSLATE_NOOP("QObject", "Brightness -")};
        return fromTable(t, v);
    }
    case 22: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Speed +"), QT_TRANSLATE_NOOP("QObject", "Speed -")};
        return fromTable(t, v);
    }
    case 23: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Direction +1"), QT_TRANSLATE_NOOP("QObject", "Direction -1"),
                                        QT_TRANSLATE_NOOP("QObject", "Direction Loop")};
        return fromTable(t, v);
    }
    case 24: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Into full color"), QT_TRANSLATE_NOOP("QObject", "Top color changed"),
                                        QT_TRANSLATE_NOOP("QObject", "Bottom color changed")};
        return fromTable(t, v);
    }
    case 25: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Custom 1"), QT_TRANSLATE_NOOP("QObject", "Custom 2")};
        return fromTable(t, v);
    }
    case 26:
        if (subCode == 1)
            return QObject::tr("Stop back light");
        if (subCode == 0) {
            static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Close all"), QT_TRANSLATE_NOOP("QObject", "Close back light")};
            return fromTable(t, v);
        }
        return QObject::tr("Unknow");
    case 27:
        return QObject::tr("Light recording");
    default:
        return QObject::tr("Unknow");
    }
}

QString sideLightText(int type, int v, int subCode)
{
    switch (type) {
    case 30: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Overall light"), QT_TRANSLATE_NOOP("QObject", "Interaction light"),
                                        QT_TRANSLATE_NOOP("QObject", "All light")};
        return fromTable(t, v);
    }
    case 31: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Brightness +"), QT_TRANSLATE_NOOP("QObject", "Brightness -")};
        return fromTable(t, v);
    }
    case 32: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Speed +"), QT_TRANSLATE_NOOP("QObject", "Speed -")};
        return fromTable(t, v);
    }
    case 33: {
        static const char *const t[] = {QT_TRANSLATE_NOOP("QObject", "Into full color"), QT_TRANSLATE_NOOP("QObject", "Top color changed"),
                                        QT_TRANSLATE_NOOP("QObject", "Bottom color changed")};
        return fromTable(t, v);
    }
    case 34:
        if (subCode == 0)
            return QObject::tr("Close side light");
        if (subCode == 1)
            return QObject::tr("Stop side light");
        return QObject::tr("Unknow");
    default:
        return QObject::tr("Unknow");
    }
}

} // namespace

QString DDataManager::describeKeyFunction(KeyOperateInfo record)
{
    const int type = leadingNumber(field(record.type, sizeof record.type));
    const int subCode = leadingNumber(field(record.playMode, sizeof record.playMode));
    const QByteArray value = field(record.value, sizeof record.value);
    const int number = leadingNumber(value);

    QString function = QObject::tr("Default");
    QString detail = QObject::tr("Unknow");
    switch (type) {
    case 0:
        function = QObject::tr("Remap Key");
        detail = m_keyNameMap.value(number);
        break;
    case 1: {
        function = QObject::tr("Macro");
        std::vector<MacroNodeEntry> macros;
        if (m_macroXmlPath && *m_macroXmlPath && CVardexXML_SelectMacroAllNodes(m_macroXmlPath, macros)) {
            const QByteArray wanted = QByteArray::number(number);
            for (const MacroNodeEntry &macro : macros) {
                if (field(macro.index, sizeof macro.index) == wanted) {
                    detail = QString::fromUtf8(field(macro.name, sizeof macro.name));
                    break;
                }
            }
        }
        break;
    }
    case 2: {
        function = QObject::tr("Key Combination");
        const QStringList parts = QString::fromUtf8(value).split(QLatin1Char(','));
        const int mask = partNumber(parts, 0, 0);
        QStringList names;
        for (int bit = 0; bit < 8; ++bit)
            if (mask & (1 << bit))
                names << QLatin1String(kModifierNames[bit]);
        if (parts.size() > 1) {
            const int key = partNumber(parts, 1, 0);
            if (m_keyNameMap.contains(key))
                names << m_keyNameMap.value(key);
        }
        detail = names.join(QLatin1Char('+'));
        break;
    }
    case 3:
        function = QObject::tr("Multimedia");
        detail = fromTable(kMultimedia, number);
        break;
    case 4:
        function = QObject::tr("Mouse");
        detail = fromTable(kMouse, number);
        break;
    case 5:
        function = QObject::tr("Disable");
        detail = QObject::tr("Disable");
        break;
    case 6:
        function = QObject::tr("Text");
        detail = QString::fromUtf8(value);
        break;
    case 7: {
        function = QObject::tr("Switch Profile");
        ProfileNodeInfo info {};
        if (m_profileXmlPath && *m_profileXmlPath)
            CVardexXML_SelectProfileNodeInfo(m_profileXmlPath, value.constData(), &info);
        detail = QString::fromUtf8(field(info.name, sizeof info.name));
        break;
    }
    case 8:
        function = QObject::tr("Launch Application");
        detail = QString::fromUtf8(value);
        break;
    case 9:
        function = QObject::tr("Shortcuts");
        detail = fromTable(kShortcuts, number);
        break;
    case 10:
        function = QObject::tr("Unknow");
        break;
    case 19:
        function = QObject::tr("Key Config");
        detail = keyConfigText(subCode, value);
        break;
    default:
        if (type >= 20 && type <= 27) {
            function = QObject::tr("Keyboard Light");
            detail = keyboardLightText(type, number, subCode);
        } else if (type >= 30 && type <= 34) {
            function = QObject::tr("Atmosphere Light");
            detail = sideLightText(type, number, subCode);
        }
        break;
    }
    m_keyFunctionDetailText = detail;
    return function;
}
