#include "platform/instanceScope.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace instanceScope {

namespace {

// The path with its longest existing leading part made canonical; the rest
// (folders a first start has not created yet) is kept as written.
QString resolvedPath(const QString &path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString head = absolute;
    QString tail;
    while (!head.isEmpty() && head != QLatin1String("/")) {
        const QString canonical = QFileInfo(head).canonicalFilePath();
        if (!canonical.isEmpty())
            return QDir::cleanPath(canonical + tail);
        const int slash = head.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            break;
        tail = head.mid(slash) + tail;
        head = head.left(slash);
    }
    return absolute;
}

// Longest path a local socket can be bound to (the address keeps a NUL).
constexpr int kMaxSocketPath = int(sizeof(sockaddr_un::sun_path)) - 1;

bool fitsSocketAddress(const QString &path)
{
    return QFile::encodeName(path).size() <= kMaxSocketPath;
}

// This user's own folder under `base`: made with 0700 (mkdir cannot widen a
// folder someone else made first) and refused unless ours and private.
QString ownFolderUnder(const QString &base)
{
    const QString own = base + QStringLiteral("/vardex-keyboard-") + QString::number(::geteuid());
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    return isPrivateDir(own) ? own : QString();
}

} // namespace

QString scopeId(const QString &settingsFilePath)
{
    const QByteArray digest = QCryptographicHash::hash(QFile::encodeName(resolvedPath(settingsFilePath)),
                                                       QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(16));
}

bool isPrivateDir(const QString &dir)
{
    if (dir.isEmpty())
        return false;
    struct stat st {};
    if (::lstat(QFile::encodeName(dir).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

QString runtimeDir()
{
    const QString xdg = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (!xdg.isEmpty() && QFileInfo(xdg).isAbsolute()) {
        const QByteArray native = QFile::encodeName(xdg);
        struct stat st {};
        // A runtime folder of ours that others may enter is tightened to
        // 0700 (what the folder's definition asks for), as Qt does too.
        if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
            && (st.st_mode & 077) != 0)
            ::chmod(native.constData(), 0700);
        if (isPrivateDir(xdg))
            return QDir::cleanPath(xdg);
    }

    return ownFolderUnder(QDir::tempPath());
}

QString serverPath(const QString &settingsFilePath, const QString &fallbackDir)
{
    const QString name = QStringLiteral("/vardex-keyboard-") + scopeId(settingsFilePath) + QStringLiteral(".sock");
    QString dir = runtimeDir();
    if (dir.isEmpty()) {
        QDir().mkpath(fallbackDir);
        dir = fallbackDir;
    }
    // A socket cannot listen on a path longer than its address holds; a deep
    // runtime or settings folder gives way to this user's own folder in /tmp,
    // which keeps the scoping by the name's fingerprint.
    if (!fitsSocketAddress(dir + name)) {
        const QString shortDir = ownFolderUnder(QStringLiteral("/tmp"));
        if (!shortDir.isEmpty() && fitsSocketAddress(shortDir + name))
            dir = shortDir;
    }
    return dir + name;
}

QString memoryKey(const QString &appId, const QString &settingsFilePath)
{
    return appId + QLatin1Char('-') + scopeId(settingsFilePath);
}

} // namespace instanceScope
