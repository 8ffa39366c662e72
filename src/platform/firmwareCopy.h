#ifndef FIRMWARECOPY_H
#define FIRMWARECOPY_H

#include <QString>

// The updaters read the firmware image from a file, so an update copies the
// embedded image out. The copies live in one folder of this settings folder's
// program data: a copy left by a killed update is found and removed by the
// next start of the same copy of the program, and no other copy touches it.
namespace firmwareCopy {

// "<app data>/FirmwareCopy".
QString rootIn(const QString &appDataDir);

// A template for QTemporaryDir under the root (made when missing).
QString folderTemplate(const QString &appDataDir);

// Removes whatever is under the root: call at start, before any update can
// run. Links are removed, never followed. Returns the entries removed.
int removeLeftovers(const QString &appDataDir);

} // namespace firmwareCopy

#endif // FIRMWARECOPY_H
