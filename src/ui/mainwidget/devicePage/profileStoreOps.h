#ifndef PROFILESTOREOPS_H
#define PROFILESTOREOPS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <list>
#include <vector>

#include "vardexSdk.h"

// Store-level steps of the profile operations, free of any widget so that
// the page's slots stay short and the rules can be tested on their own.
namespace profileStore {

constexpr int kMaxProfiles = 10;
// What a profile name may take in the store, in UTF-8 bytes.
constexpr int kMaxNameBytes = 63;

QByteArray entryIndex(const ProfileNodeEntry &entry);
QString entryName(const ProfileNodeEntry &entry);

std::vector<ProfileNodeEntry> listProfiles(const char *store);

// The index a new profile gets: the last listed one's plus 1 (2 for an empty
// list, which a store never is once set up).
int nextProfileIndex(const std::vector<ProfileNodeEntry> &profiles);

// The file name (without folder) a profile is exported to: the name with
// every character that could leave the chosen folder or that file systems
// refuse replaced by "_", and no leading dot.
QString exportFileName(const QString &profileName);

// Re-binds the macro's events into every profile of the store that binds the
// macro (function type 1, value macroIndex), in one atomic write. Returns
// the number of profiles re-bound, or -1 when the store could not be written.
int rebindMacro(const char *store, const QByteArray &macroIndex, const std::list<MacroEventRecord> &events);

} // namespace profileStore

// The embedded custom-light default file a keyboard's new profiles copy
// their first two custom lights from, by key count first, then model code.
QString customLightDefaultFileFor(int keyCount, const QString &modelCode);

#endif // PROFILESTOREOPS_H
