#ifndef APPPATHS_H
#define APPPATHS_H

#include <QString>

namespace appPaths {

// The writable application-data folder that QStandardPaths reports for a
// program of this file name once the application object exists (no
// organisation or application name is ever set, so Qt derives the last part
// from the executable). Usable before the application object is built.
QString appDataDirFor(const QString &programFileName);

// The same folder for the running process; needs the application object.
QString appDataDir();

// Where the settings file and the instance lock live.
QString userConfigDirFor(const QString &appDataDir);

// The settings file in that folder.
QString settingsFileIn(const QString &userConfigDir);

// A FIFO, socket or device at the settings file's path would hold the start
// on its first read (a FIFO blocks until someone writes to it). Such a node
// is renamed aside, with a line in the log, so the start runs on defaults;
// a regular file, a link to one, a folder or nothing at all is left as it is.
// False when such a node is there and could not be moved.
bool setAsideSpecialSettingsFile(const QString &path);

} // namespace appPaths

#endif // APPPATHS_H
