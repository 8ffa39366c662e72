#ifndef DEVICERECORDFIELDS_H
#define DEVICERECORDFIELDS_H

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstring>

// The device records carry fixed-size, NUL-terminated 8-bit fields.
namespace deviceRecordFields {

template <size_t N> inline QString fieldText(const char (&field)[N])
{
    return QString::fromUtf8(field, int(qstrnlen(field, N)));
}

// Copies text into a fixed field, cut to fit and always terminated.
template <size_t N> inline void setField(char (&field)[N], const QByteArray &text)
{
    const size_t n = qMin(size_t(text.size()), N - 1);
    std::memcpy(field, text.constData(), n);
    std::memset(field + n, 0, N - n);
}

template <size_t N> inline QByteArray fieldBytes(const char (&field)[N])
{
    return QByteArray(field, int(qstrnlen(field, N)));
}

} // namespace deviceRecordFields

#endif // DEVICERECORDFIELDS_H
