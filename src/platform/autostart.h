#ifndef VARDEX_PLATFORM_AUTOSTART_H
#define VARDEX_PLATFORM_AUTOSTART_H

#include <QString>

// The log-on start entry of the desktop (XDG autostart). The entry starts the
// tool with "--AutoUp", which keeps the window in the tray at log-on.
namespace autostart {

// "<XDG_CONFIG_HOME or ~/.config>/autostart/vardex-keyboard.desktop".
QString entryPath();

// The Exec line value for an executable: the path quoted as desktop entries
// require, followed by " --AutoUp".
QString execLine(const QString &executablePath);

// Writes (or replaces) the entry for executablePath. Returns false when the
// folder or file cannot be written.
bool writeEntry(const QString &executablePath);

// Removes the entry; true when no entry is left behind.
bool removeEntry();

bool entryExists();

} // namespace autostart

#endif // VARDEX_PLATFORM_AUTOSTART_H
