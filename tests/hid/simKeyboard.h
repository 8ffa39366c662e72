// Helpers for tests that run against the simulated keyboard: find its HID
// paths and read the report log it writes (VARDEX_SIM_LOG).
#ifndef SIMKEYBOARD_H
#define SIMKEYBOARD_H

#include "vardexSdk.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <list>
#include <string>

namespace simKeyboard {

// HID paths of every attached (simulated) keyboard, in the library's order.
inline QStringList paths()
{
    static bool initialised = false;
    if (!initialised) {
        CVardexHid_Init();
        initialised = true;
    }
    std::list<std::string> list;
    CVardexHid_GetHidInfoList(list);
    QStringList out;
    for (const std::string &p : list)
        out << QString::fromLatin1(p.c_str());
    return out;
}

struct LogLine
{
    qint64 ms = 0;
    QString path;
    bool toKeyboard = false;
    QByteArray report; // 64 bytes
};

// Reads the lines appended to the simulator's log since construction.
class LogReader
{
public:
    LogReader()
        : m_file(QString::fromLocal8Bit(qgetenv("VARDEX_SIM_LOG")))
    {
        m_offset = m_file.exists() ? m_file.size() : 0;
    }
    bool enabled() const { return !m_file.fileName().isEmpty(); }

    QList<LogLine> lines(const QString &path = QString())
    {
        QList<LogLine> out;
        QFile f(m_file.fileName());
        if (!f.open(QIODevice::ReadOnly))
            return out;
        f.seek(m_offset);
        for (const QByteArray &raw : f.readAll().split('\n')) {
            const QList<QByteArray> parts = raw.trimmed().split(' ');
            if (parts.size() < 4)
                continue;
            LogLine line;
            line.ms = parts.first().toLongLong();
            line.report = QByteArray::fromHex(parts.last());
            line.toKeyboard = parts.at(parts.size() - 2) == ">";
            // A path could hold spaces: it is everything between the time and the direction.
            line.path = QString::fromLatin1(parts.mid(1, parts.size() - 3).join(' '));
            if (line.report.size() != 64 || (!path.isEmpty() && line.path != path))
                continue;
            out << line;
        }
        return out;
    }
    QList<LogLine> written(const QString &path)
    {
        QList<LogLine> out;
        for (const LogLine &l : lines(path))
            if (l.toKeyboard)
                out << l;
        return out;
    }

private:
    QFile m_file;
    qint64 m_offset = 0;
};

// How many reports the keyboard of path has taken since it was added.
inline int writesReceived(const QString &path)
{
    CVardexSimState state;
    return CVardexSim_GetState(path.toLatin1().constData(), &state) == 0 ? state.writesReceived : -1;
}

inline bool isKeepAlive(const QByteArray &r)
{
    return r.size() == 64 && r[0] == 0 && r[1] == 0 && r[5] == 1;
}

} // namespace simKeyboard

#endif // SIMKEYBOARD_H
