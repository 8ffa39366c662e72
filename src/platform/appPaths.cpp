#include "platform/appPaths.h"

#include <QCoreApplication>
#include <QStandardPaths>

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

} // namespace appPaths
