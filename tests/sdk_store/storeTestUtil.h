// Small helpers shared by the store tests.
#ifndef STORE_TEST_UTIL_H
#define STORE_TEST_UTIL_H

#include "vardexSdk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstring>
#include <string>

// A path as the callers hand it over: a 256-byte zeroed buffer.
struct PathBuf
{
    char text[256];
    explicit PathBuf(const QString &path)
    {
        std::memset(text, 0, sizeof text);
        const QByteArray local = path.toLocal8Bit();
        std::memcpy(text, local.constData(), std::min<size_t>(local.size(), 255));
    }
    operator const char *() const { return text; }
};

inline MacroEventRecord makeEvent(const char *mark, const char *delay, const char *type, const char *keyCode,
                                  const char *codeName, const char *operate)
{
    MacroEventRecord r;
    std::memset(&r, 0, sizeof r);
    std::strcpy(r.mark, mark);
    std::strcpy(r.delay, delay);
    std::strcpy(r.type, type);
    std::strcpy(r.keyCode, keyCode);
    std::strcpy(r.codeName, codeName);
    std::strcpy(r.operate, operate);
    return r;
}

// Forgets every parsed document, so the next call reads the file again.
inline void reopenStores()
{
    CVardexXML_Init();
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline std::string utf8Repeat(const char *unit, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += unit;
    return s;
}

#endif
