#ifndef INSTANCESCOPE_H
#define INSTANCESCOPE_H

#include <QString>

// Names that keep the program to one running copy per user and settings
// folder. Copies of other users, or of the same user with another HOME, get
// other names and run side by side; none can take over another's names.
namespace instanceScope {

// A short fingerprint of the settings file's location (symbolic links in the
// existing part of the path resolved, so two spellings of one folder agree).
QString scopeId(const QString &settingsFilePath);

// The folder that holds the local socket: $XDG_RUNTIME_DIR when it is a
// folder of this user that nobody else may enter; otherwise a private folder
// of this user under the temporary folder, created with mode 0700. Empty when
// neither is safe to use.
QString runtimeDir();

// Checks that `dir` is a real folder (not a link) of the effective user with
// no access for group or others.
bool isPrivateDir(const QString &dir);

// The full path of the local server socket for this settings file; when no
// private runtime folder can be had, the socket goes into `fallbackDir`
// (the settings folder, private to the user by its place in HOME). A folder
// too deep for a socket address gives way to this user's private folder in
// /tmp.
QString serverPath(const QString &settingsFilePath, const QString &fallbackDir);

// The shared-memory key that goes with the lock of this settings file.
QString memoryKey(const QString &appId, const QString &settingsFilePath);

} // namespace instanceScope

#endif // INSTANCESCOPE_H
