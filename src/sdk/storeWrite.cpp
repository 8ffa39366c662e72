// storeWrite.cpp - serialising a store and replacing its file atomically,
// including the clean-up of temporary files that killed writers left behind.
#include "storeImpl.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vardexstore {

namespace {

// Our own elements never sit deeper than four levels below the root. Deeper
// (hand-edited) structure is still kept, but written without indentation:
// indenting by depth would make the file grow with the square of the depth.
constexpr int kIndentDepthCap = 8;
const char *const kIndent = "  ";

// A temporary file older than this whose writer cannot be told is surely
// abandoned: a write takes milliseconds.
constexpr time_t kLegacyTempAgeSeconds = 10 * 60;

struct StringWriter : pugi::xml_writer
{
    std::string out;
    void write(const void *data, size_t size) override
    {
        out.append(static_cast<const char *>(data), size);
    }
};

mode_t currentUmask()
{
    // umask() cannot be read without changing it, which would race with other
    // threads; the kernel reports it in /proc.
    FILE *f = std::fopen("/proc/self/status", "r");
    mode_t mask = 022;
    if (!f)
        return mask;
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
        unsigned int value = 0;
        if (std::sscanf(line, "Umask: %o", &value) == 1) {
            mask = mode_t(value);
            break;
        }
    }
    std::fclose(f);
    return mask;
}

std::string dirOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string baseOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// True when the subtree below node reaches more than `limit` levels deep.
// Iterative: a hand-edited file may nest far deeper than any stack allows.
bool deeperThan(const pugi::xml_node &node, int limit)
{
    int depth = 0;
    pugi::xml_node cur = node;
    for (;;) {
        if (cur.first_child()) {
            cur = cur.first_child();
            if (++depth > limit)
                return true;
            continue;
        }
        while (cur != node && !cur.next_sibling()) {
            cur = cur.parent();
            --depth;
        }
        if (cur == node)
            return false;
        cur = cur.next_sibling();
    }
}

void writeIndent(std::string &out, int depth)
{
    for (int i = 0; i < depth; ++i)
        out += kIndent;
}

// Writes node at depth the way pugixml indents it, except that elements
// below kIndentDepthCap are written raw, without indentation or new lines.
void printCapped(const pugi::xml_node &node, int depth, StringWriter &w)
{
    if (!deeperThan(node, kIndentDepthCap - depth)) {
        node.print(w, kIndent, pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8,
                   unsigned(depth));
        return;
    }
    if (depth >= kIndentDepthCap) {
        writeIndent(w.out, depth);
        node.print(w, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8, 0);
        w.out += '\n';
        return;
    }
    // An element too deep to indent whole: its start tag (pugixml escapes the
    // attributes of a childless copy), its children one level down, its end tag.
    pugi::xml_document shallow;
    auto copy = shallow.append_child(node.name());
    for (auto a = node.first_attribute(); a; a = a.next_attribute())
        copy.append_attribute(a.name()) = a.value();
    StringWriter tag;
    copy.print(tag, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8, 0);
    std::string start = tag.out;
    if (start.size() >= 2 && start.compare(start.size() - 2, 2, "/>") == 0)
        start.resize(start.size() - 2);
    while (!start.empty() && start.back() == ' ')
        start.pop_back();
    writeIndent(w.out, depth);
    w.out += start + ">\n";
    for (auto child = node.first_child(); child; child = child.next_sibling())
        printCapped(child, depth + 1, w);
    writeIndent(w.out, depth);
    w.out += std::string("</") + node.name() + ">\n";
}

// Removes temporary files of this store whose writers are gone. Names carry
// the writer's process id; a writer that still runs (or that we may not
// signal, i.e. another user's) keeps its file.
void removeStaleTemps(const std::string &dir, const std::string &base)
{
    const std::string prefix = "." + base + ".tmp-";
    DIR *d = ::opendir(dir.c_str());
    if (!d)
        return;
    const int dfd = ::dirfd(d);
    const time_t now = std::time(nullptr);
    while (dirent *e = ::readdir(d)) {
        const char *name = e->d_name;
        if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0)
            continue;
        const char *rest = name + prefix.size();
        struct stat st;
        if (::fstatat(dfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        char *end = nullptr;
        errno = 0;
        const long pid = std::strtol(rest, &end, 10);
        bool stale = false;
        if (end != rest && *end == '-' && errno == 0 && pid > 0) {
            if (pid == long(::getpid()))
                continue;
            stale = ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        } else {
            // Written before names carried the writer: only an old one is surely abandoned.
            stale = now - st.st_mtime > kLegacyTempAgeSeconds;
        }
        if (stale && ::unlinkat(dfd, name, 0) == 0)
            logLine("removed " + dir + "/" + name + ", left behind by a writer that is gone");
    }
    ::closedir(d);
}

} // namespace

std::string serialise(const pugi::xml_document &doc)
{
    StringWriter w;
    w.out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    for (auto node = doc.first_child(); node; node = node.next_sibling())
        printCapped(node, 0, w);
    return w.out;
}

bool atomicWriteFile(const std::string &path, const std::string &bytes)
{
    const std::string dir = dirOf(path);
    const std::string base = baseOf(path);
    removeStaleTemps(dir, base);
    std::string tmp = dir + "/." + base + ".tmp-" + std::to_string(::getpid()) + "-XXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        logLine("cannot write " + path + ": " + std::strerror(errno));
        return false;
    }
    tmp = name.data();

    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones for the user's umask.
    mode_t mode = 0666 & ~currentUmask();
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        mode = st.st_mode & 07777;

    // The data must be on disk before the rename makes it the store: else a
    // power cut could leave an empty file under the store's name.
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0)
        ok = false;
    if (ok && ::rename(tmp.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok) {
        logLine("cannot write " + path + ": " + std::strerror(errno));
        ::unlink(tmp.c_str());
        return false;
    }
    // The rename itself must reach the disk before we report success.
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

} // namespace vardexstore
