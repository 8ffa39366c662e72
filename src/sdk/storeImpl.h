// storeImpl.h - internals shared by the profile and macro store sources.
//
// Every public store call opens a StoreSession: it takes the library-wide
// store lock, validates the path, and hands out the parsed document from the
// cache (re-reading the file only when its identity, size or mtime changed).
// A write calls commit(), which replaces the file atomically.
#ifndef VARDEX_STORE_IMPL_H
#define VARDEX_STORE_IMPL_H

#include <pugixml.hpp>

#include "sdkArgs.h"
#include "vardexSdk.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>

namespace vardexstore {

// Limits of the text crossing the library boundary.
constexpr std::size_t kMaxNameBytes = 63;     // names and captions, UTF-8
constexpr std::size_t kMaxValueBytes = 5119;  // binding values
constexpr std::size_t kMaxImportBytes = 16u * 1024u * 1024u;
constexpr int kMaxProfiles = 10;
// Counts a profile may hold. Far above what the tool writes (one binding per
// key of the largest board, 41 events a macro), they bound what a hand-made
// or hostile file can bring in.
constexpr int kMaxKeyBindings = 256;
constexpr int kMaxBoundMacros = 256;
constexpr int kMaxMacroEvents = 1024;
constexpr int kMaxLightRecords = 256;
constexpr int kMaxCustomLights = 64;
constexpr int kMaxCustomLightItems = 256;

// Element and attribute names of the schema (see STORE_SCHEMA.md). A new
// element or attribute of a profile also needs its rule in storeSchema.cpp:
// export and import copy nothing else.
namespace xml {
constexpr const char *kRoot = "vardexStore";
constexpr const char *kVersion = "version";
constexpr const char *kKind = "kind";
constexpr const char *kKindExport = "profileExport";
constexpr const char *kCurrentProfile = "currentProfile";
constexpr const char *kProfile = "profile";
constexpr const char *kMacro = "macro";
constexpr const char *kEvent = "event";
constexpr const char *kKeys = "keys";
constexpr const char *kKey = "key";
constexpr const char *kLights = "lights";
constexpr const char *kLight = "light";
constexpr const char *kInUse = "inUse";
constexpr const char *kCustomLights = "customLights";
constexpr const char *kCustomLed = "customLed";
constexpr const char *kItem = "item";
constexpr const char *kWinLock = "winLock";
constexpr const char *kSleepTime = "sleepTime";
constexpr const char *kBoundMacros = "boundMacros";
} // namespace xml

using vardex::readPath;

// Reads a NUL-terminated input field of fixed width; false when the field has
// no terminator.
bool readField(const char *field, std::size_t width, std::string &out);

// Parses strict decimal text ("-12", "007") into an int32.
bool parseDecimal(const char *text, long &out);
// Normalised decimal text of an argument, or false when it is not decimal.
bool decimalArg(const char *text, std::string &out);

// Text argument of at most maxBytes bytes (NUL-terminated, non-null).
bool textArg(const char *text, std::size_t maxBytes, std::string &out);

// Copies text into a fixed field, zero-filled, cutting only at a UTF-8
// character boundary when it does not fit.
void copyField(char *field, std::size_t width, const char *text);

// Equal as numbers when both are decimal, otherwise as text.
bool sameNumberOrText(const char *a, const char *b);

void logLine(const std::string &line);

enum class StoreState { Missing, Ok, Damaged };

struct CachedStore;

class StoreSession
{
public:
    explicit StoreSession(const char *path);
    ~StoreSession();
    StoreSession(const StoreSession &) = delete;
    StoreSession &operator=(const StoreSession &) = delete;

    // False when the path argument was refused.
    bool valid() const { return m_valid; }
    StoreState state() const { return m_state; }
    const std::string &path() const { return m_path; }
    // True when both sessions name the same file on disk.
    bool sameFileAs(const StoreSession &other) const;

    // The store's root element; an empty element when the store is missing
    // or damaged, so queries simply find nothing.
    pugi::xml_node root();

    // Replaces the store's document by an empty one (new store).
    void resetToEmpty();

    // Writes the document atomically. A damaged file is kept aside first.
    // Inside a batch of the path only the batch's document is updated; the
    // file is written when the batch ends.
    bool commit();

    // Batches of writes to one path (see CVardexXML_BeginBatch). Nested
    // calls count; the outermost end writes the file once.
    static bool beginBatch(const char *path);
    static bool endBatch(const char *path);

private:
    // Writes entry's document to path, keeping a damaged file aside first,
    // and caches it on success; the cache entry is dropped on failure.
    static bool writeOut(const std::string &path, StoreState state, const std::shared_ptr<CachedStore> &entry);

    std::unique_lock<std::recursive_mutex> m_lock;
    bool m_valid = false;
    bool m_batched = false;
    std::string m_path;
    StoreState m_state = StoreState::Missing;
    std::shared_ptr<CachedStore> m_entry;
};

// Writes bytes to path atomically: temporary file in the same folder,
// fsync, rename over path, fsync of the folder.
bool atomicWriteFile(const std::string &path, const std::string &bytes);

// Serialises a document in the store's layout.
std::string serialise(const pugi::xml_document &doc);

// Reads a whole regular file up to maxBytes; false when it cannot be read or
// is larger.
bool readWholeFile(const std::string &path, std::size_t maxBytes, std::string &out);

// True when raw XML text carries a document type or entity declaration.
bool hasDtdOrEntity(const std::string &bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates
// or code points above U+10FFFF).
bool isUtf8(const std::string &bytes);

enum class ForeignFault { None, Unreadable, Declarations, NotUtf8, NotXml };

// Parses an XML file that came from outside our stores (an import, a
// default file): refused when it cannot be read, is over kMaxImportBytes,
// declares a DTD or entity, is not UTF-8 or does not parse. *why then names
// the reason, and *fault (when given) its kind.
bool loadForeignXml(const std::string &path, pugi::xml_document &doc, std::string *why,
                    ForeignFault *fault = nullptr);

// Copies a profile element into target (an empty "profile" element): only
// the elements and attributes the store writes, each checked like the
// library's arguments (lengths, plain XML text, decimal numbers, counts, one
// entry per key). False, with *why naming the first fault, when the profile
// holds anything else; target is then partly filled and must be dropped.
bool copyProfile(const pugi::xml_node &source, pugi::xml_node target, std::string &why);

// Copies the macros of a macro file's root element into target (an empty
// root), ascending by index, under the same rules: the root may hold only
// macros, a macro only events. False, with why naming the first fault.
bool copyMacroFile(const pugi::xml_node &source, pugi::xml_node target, std::string &why);

// Drops every cached document (used by start-up). Open batches keep their
// pending documents.
void clearCache();

// ---- document helpers shared by the store sources ----

// True when the node's attribute equals the normalised decimal text.
bool indexMatches(const pugi::xml_node &node, const char *attr, const std::string &normalised);
// First child element of that name whose "index" matches.
pugi::xml_node findIndexed(const pugi::xml_node &parent, const char *name, const std::string &index);
// Inserts a new element of that name so that "index" stays ascending.
pugi::xml_node insertIndexed(pugi::xml_node parent, const char *name, const std::string &index);
// A fresh, empty element of that name and index in its ascending place,
// replacing an element of the same index.
pugi::xml_node replaceIndexed(pugi::xml_node parent, const char *name, const std::string &index);
pugi::xml_node childOrCreate(pugi::xml_node parent, const char *name);
// The profile of a normalised index, or an empty node.
pugi::xml_node findProfile(const pugi::xml_node &root, const std::string &index);

// Sets (or adds) an attribute.
void setAttr(pugi::xml_node node, const char *name, const char *value);

// A profile session: the store is open, the profile index argument is
// decimal and (for `profile`) the profile exists.
struct ProfileCall
{
    StoreSession store;
    std::string index;
    pugi::xml_node profile;

    ProfileCall(const char *path, const char *profileIndex)
        : store(path)
    {
        if (store.valid() && decimalArg(profileIndex, index))
            profile = findProfile(store.root(), index);
    }
    explicit operator bool() const { return bool(profile); }
};

// Copies a caller's event into an element; false when a field is not terminated.
bool eventRecordValid(const MacroEventRecord &record);
void writeEvent(pugi::xml_node event, const MacroEventRecord &record);
void readEvent(const pugi::xml_node &event, MacroEventRecord &record);
// True when the event is a press ("down").
bool eventIsPress(const pugi::xml_node &event);
// True when every record of the list is valid (eventRecordValid).
bool eventListValid(const std::list<MacroEventRecord> &events);
// Appends the event elements of a macro element, in playing order.
void appendEvents(const pugi::xml_node &macro, std::list<MacroEventRecord> &events);

} // namespace vardexstore

#endif // VARDEX_STORE_IMPL_H
