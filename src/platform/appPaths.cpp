#include "platform/appPaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QStandardPaths>

#include <cstdio>
#include <sys/stat.h>

namespace appPaths {

QString appDataDirFor(const QString &programFileName)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return programFileName.isEmpty() ? base : base + QLatin1Char('/') + programFileName;
}

QString appDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString userConfigDirFor(const QString &appDataDir)
{
    return QStringLiteral("%1/UserConfig").arg(appDataDir);
}

QString settingsFileIn(const QString &userConfigDir)
{
    return userConfigDir + QStringLiteral("/VardexConfig.ini");
}

bool setAsideSpecialSettingsFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    // stat never opens the node, so it cannot block on a FIFO.
    if (::stat(native.constData(), &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode))
        return true;
    const QString stamped =
        path + QStringLiteral(".not-a-file-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // rename() replaces what stands at its target: a node set aside earlier
    // in the same second keeps its place.
    QString aside = stamped;
    struct stat taken {};
    for (int n = 1; ::lstat(QFile::encodeName(aside).constData(), &taken) == 0 && n < 1000; ++n)
        aside = stamped + QLatin1Char('-') + QString::number(n);
    if (std::rename(native.constData(), QFile::encodeName(aside).constData()) != 0) {
        qWarning() << "Settings file" << path << "is not a regular file and cannot be moved aside";
        return false;
    }
    qWarning() << "Settings file" << path << "is not a regular file; moved aside as" << aside
               << "and running on defaults";
    return true;
}

} // namespace appPaths
