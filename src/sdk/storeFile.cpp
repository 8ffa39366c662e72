// storeFile.cpp - argument checks, the parsed-document cache and atomic file
// replacement behind every store call.
#include "storeImpl.h"

#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vardexstore {

namespace {

// Recursive: export and import hold two stores open in one call.
std::recursive_mutex g_storeMutex;

// A file is recognised as unchanged by its identity, size and modification
// time. Our writers replace files by rename, so every write also changes the
// inode: two writes inside one mtime tick are still told apart.
struct FileStamp
{
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    int64_t mtimeNs = 0;

    bool operator==(const FileStamp &o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtimeNs == o.mtimeNs;
    }
};

bool stampOf(const std::string &path, FileStamp &stamp, bool &exists)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        exists = false;
        return errno == ENOENT || errno == ENOTDIR;
    }
    exists = true;
    if (!S_ISREG(st.st_mode))
        return false;
    stamp.dev = st.st_dev;
    stamp.ino = st.st_ino;
    stamp.size = st.st_size;
    stamp.mtimeNs = int64_t(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

std::map<std::string, std::shared_ptr<CachedStore>> &cache()
{
    static std::map<std::string, std::shared_ptr<CachedStore>> c;
    return c;
}

void makeEmptyStore(pugi::xml_document &doc)
{
    // serialise() writes the XML declaration itself.
    doc.reset();
    doc.append_child(xml::kRoot).append_attribute(xml::kVersion) = 1;
}

// Keeps an unreadable store under a new name so that no user data is lost
// when it is replaced.
bool keepDamagedAside(const std::string &path)
{
    char stamp[32];
    std::time_t now = std::time(nullptr);
    struct tm tmNow;
    localtime_r(&now, &tmNow);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tmNow);
    std::string target = path + ".damaged-" + stamp;
    for (int n = 1; ::access(target.c_str(), F_OK) == 0 && n < 1000; ++n)
        target = path + ".damaged-" + stamp + "-" + std::to_string(n);
    if (::rename(path.c_str(), target.c_str()) != 0) {
        if (errno == ENOENT)
            return true;
        logLine("store " + path + " is damaged and could not be kept aside (" +
                std::strerror(errno) + "); it is left unchanged");
        return false;
    }
    logLine("store " + path + " could not be read; it was kept aside as " + target +
            " and replaced by a new store");
    return true;
}

} // namespace

struct CachedStore
{
    FileStamp stamp;
    StoreState state = StoreState::Missing;
    pugi::xml_document doc;
};

namespace {

// A batch of writes to one path. Its document is the store as the batch's
// writes left it; the file on disk stays as it was until the batch ends.
struct OpenBatch
{
    int depth = 0;
    std::shared_ptr<CachedStore> entry;
    StoreState baseState = StoreState::Missing; // the file when the batch opened
    FileStamp baseStamp;                        // valid when baseState is Ok
    bool dirty = false;                         // a write is pending
};

std::map<std::string, OpenBatch> &batches()
{
    static std::map<std::string, OpenBatch> b;
    return b;
}

} // namespace

void logLine(const std::string &line)
{
    std::fprintf(stderr, "vardexSdk: %s\n", line.c_str());
}

namespace {

// XML 1.0 cannot carry control characters other than tab, LF and CR, not even
// as character references; such text is refused rather than written into a
// file other readers would reject.
bool xmlSafe(const char *text, std::size_t len)
{
    for (std::size_t i = 0; i < len; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return false;
    }
    return true;
}

} // namespace

bool readField(const char *field, std::size_t width, std::string &out)
{
    const std::size_t len = strnlen(field, width);
    if (len >= width || !xmlSafe(field, len))
        return false;
    out.assign(field, len);
    return true;
}

bool parseDecimal(const char *text, long &out)
{
    if (!text || !*text)
        return false;
    const char *p = text;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    if (!*p)
        return false;
    long long value = 0;
    for (; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + (*p - '0');
        if (value > INT32_MAX + 1LL)
            return false;
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return false;
    out = long(value);
    return true;
}

bool decimalArg(const char *text, std::string &out)
{
    if (!text || strnlen(text, 32) >= 32)
        return false;
    long value = 0;
    if (!parseDecimal(text, value))
        return false;
    out = std::to_string(value);
    return true;
}

bool textArg(const char *text, std::size_t maxBytes, std::string &out)
{
    if (!text)
        return false;
    const std::size_t len = strnlen(text, maxBytes + 1);
    if (len > maxBytes || !xmlSafe(text, len))
        return false;
    out.assign(text, len);
    return true;
}

void copyField(char *field, std::size_t width, const char *text)
{
    std::memset(field, 0, width);
    std::size_t len = std::strlen(text);
    if (len >= width) {
        len = width - 1;
        // Step back over UTF-8 continuation bytes so no character is split.
        while (len > 0 && (static_cast<unsigned char>(text[len]) & 0xC0) == 0x80)
            --len;
    }
    std::memcpy(field, text, len);
}

bool sameNumberOrText(const char *a, const char *b)
{
    long x = 0, y = 0;
    if (parseDecimal(a, x) && parseDecimal(b, y))
        return x == y;
    return std::strcmp(a, b) == 0;
}

bool readWholeFile(const std::string &path, std::size_t maxBytes, std::string &out)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || std::size_t(st.st_size) > maxBytes) {
        ::close(fd);
        return false;
    }
    out.clear();
    out.reserve(std::size_t(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        out.append(buf, std::size_t(n));
        if (out.size() > maxBytes) {
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    return true;
}

bool hasDtdOrEntity(const std::string &bytes)
{
    // Attribute values and text escape '<', so a raw "<!" can only start a
    // comment, a CDATA section or a declaration.
    for (std::size_t pos = bytes.find("<!"); pos != std::string::npos; pos = bytes.find("<!", pos + 2)) {
        std::string word = bytes.substr(pos + 2, 7);
        for (auto &c : word)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        if (word.rfind("DOCTYPE", 0) == 0 || word.rfind("ENTITY", 0) == 0 ||
            word.rfind("ELEMENT", 0) == 0 || word.rfind("ATTLIST", 0) == 0)
            return true;
    }
    return false;
}

bool isUtf8(const std::string &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        uint32_t cp = 0;
        uint32_t least = 0;
        if ((c & 0xE0) == 0xC0) {
            more = 1, cp = c & 0x1F, least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, cp = c & 0x0F, least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, cp = c & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

bool loadForeignXml(const std::string &path, pugi::xml_document &doc, std::string *why, ForeignFault *fault)
{
    auto refuse = [&](ForeignFault kind, const char *reason) {
        *why = reason;
        if (fault)
            *fault = kind;
        return false;
    };
    std::string bytes;
    if (!readWholeFile(path, kMaxImportBytes, bytes))
        return refuse(ForeignFault::Unreadable, "cannot be read or is larger than 16 MiB");
    if (hasDtdOrEntity(bytes))
        return refuse(ForeignFault::Declarations, "declares a document type or entity");
    // The parser would carry such bytes into our stores, which every other
    // XML reader then refuses.
    if (!isUtf8(bytes))
        return refuse(ForeignFault::NotUtf8, "is not UTF-8 text");
    if (!doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8))
        return refuse(ForeignFault::NotXml, "is not a readable XML file");
    if (fault)
        *fault = ForeignFault::None;
    return true;
}

void clearCache()
{
    std::lock_guard<std::recursive_mutex> lock(g_storeMutex);
    cache().clear();
}

StoreSession::StoreSession(const char *path)
    : m_lock(g_storeMutex)
{
    if (!readPath(path, m_path))
        return;
    m_valid = true;

    // While a batch is open its document is the store: it holds writes the
    // file does not have yet.
    auto open = batches().find(m_path);
    if (open != batches().end()) {
        m_batched = true;
        m_entry = open->second.entry;
        m_state = open->second.dirty ? StoreState::Ok : open->second.baseState;
        return;
    }

    FileStamp stamp;
    bool exists = false;
    const bool statOk = stampOf(m_path, stamp, exists);

    auto &c = cache();
    auto it = c.find(m_path);
    if (exists && statOk && it != c.end() && it->second->state != StoreState::Missing &&
        it->second->stamp == stamp) {
        m_entry = it->second;
        m_state = m_entry->state;
        return;
    }

    auto entry = std::make_shared<CachedStore>();
    if (!exists) {
        entry->state = StoreState::Missing;
        makeEmptyStore(entry->doc);
    } else {
        std::string bytes;
        pugi::xml_parse_result parsed;
        bool readOk = statOk && readWholeFile(m_path, SIZE_MAX, bytes);
        if (readOk)
            parsed = entry->doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default,
                                            pugi::encoding_utf8);
        if (readOk && parsed && entry->doc.document_element() &&
            std::strcmp(entry->doc.document_element().name(), xml::kRoot) == 0) {
            entry->state = StoreState::Ok;
            entry->stamp = stamp;
        } else {
            // Never overwrite it silently: queries see an empty store and the
            // first write keeps the damaged file aside.
            entry->state = statOk ? StoreState::Damaged : StoreState::Missing;
            if (!statOk)
                m_valid = false; // not a regular file: neither read nor replace it
            makeEmptyStore(entry->doc);
        }
    }
    m_state = entry->state;
    m_entry = entry;
    if (m_state == StoreState::Ok)
        c[m_path] = entry;
    else
        c.erase(m_path);
}

StoreSession::~StoreSession() = default;

pugi::xml_node StoreSession::root()
{
    if (!m_entry)
        return pugi::xml_node();
    return m_entry->doc.document_element();
}

void StoreSession::resetToEmpty()
{
    // Like every other change, this edits the cached document in place: a
    // failed commit drops it from the cache.
    if (m_entry)
        makeEmptyStore(m_entry->doc);
}

bool StoreSession::commit()
{
    if (!m_valid || !m_entry)
        return false;
    if (m_batched) {
        batches().at(m_path).dirty = true;
        m_state = StoreState::Ok;
        return true;
    }
    if (!writeOut(m_path, m_state, m_entry))
        return false;
    m_state = StoreState::Ok;
    return true;
}

bool StoreSession::writeOut(const std::string &path, StoreState state, const std::shared_ptr<CachedStore> &entry)
{
    auto &c = cache();
    if (state == StoreState::Damaged && !keepDamagedAside(path)) {
        c.erase(path);
        return false;
    }
    const std::string bytes = serialise(entry->doc);
    if (!atomicWriteFile(path, bytes)) {
        // The in-memory document may now differ from the file: re-read next time.
        c.erase(path);
        return false;
    }
    FileStamp stamp;
    bool exists = false;
    if (stampOf(path, stamp, exists) && exists) {
        entry->stamp = stamp;
        entry->state = StoreState::Ok;
        c[path] = entry;
    } else {
        c.erase(path);
    }
    return true;
}

bool StoreSession::beginBatch(const char *path)
{
    StoreSession s(path);
    if (!s.valid())
        return false;
    auto &open = batches();
    auto it = open.find(s.m_path);
    if (it != open.end()) {
        if (it->second.depth == INT_MAX)
            return false;
        ++it->second.depth;
        return true;
    }
    OpenBatch batch;
    batch.depth = 1;
    batch.entry = s.m_entry;
    batch.baseState = s.m_state;
    if (s.m_state == StoreState::Ok)
        batch.baseStamp = s.m_entry->stamp;
    open.emplace(s.m_path, std::move(batch));
    // The batch's document runs ahead of the file; the cache holds only
    // documents that match their file.
    cache().erase(s.m_path);
    return true;
}

bool StoreSession::endBatch(const char *path)
{
    std::lock_guard<std::recursive_mutex> lock(g_storeMutex);
    std::string p;
    if (!readPath(path, p))
        return false;
    auto &open = batches();
    auto it = open.find(p);
    if (it == open.end())
        return false; // no batch open: nothing to end
    if (--it->second.depth > 0)
        return true;
    OpenBatch batch = std::move(it->second);
    open.erase(it);
    if (!batch.dirty)
        return true; // nothing written: the file, even a damaged one, stays as it is

    FileStamp now;
    bool exists = false;
    const bool statOk = stampOf(p, now, exists);
    if (exists && statOk && batch.baseState == StoreState::Ok && !(now == batch.baseStamp))
        logLine("store " + p + " was changed by another writer during a batch; the batch's content replaces it");
    if (exists && !statOk) {
        logLine("cannot write " + p + ": it is not a regular file");
        return false;
    }
    return writeOut(p, batch.baseState, batch.entry);
}

} // namespace vardexstore

namespace vardexstore {

bool StoreSession::sameFileAs(const StoreSession &other) const
{
    if (m_path == other.m_path)
        return true;
    struct stat a, b;
    return ::stat(m_path.c_str(), &a) == 0 && ::stat(other.m_path.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace vardexstore
