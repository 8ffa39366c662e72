// Shared pieces of the fuzz targets: a private scratch folder (in memory when
// the system offers one, so the stores' fsyncs cost little) and file helpers.
#ifndef VARDEX_FUZZ_SUPPORT_H
#define VARDEX_FUZZ_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzz {

inline const std::string &scratchDir()
{
    static const std::string dir = [] {
        std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/vardex-fuzz-XXXXXX";
        if (!mkdtemp(&pattern[0]))
            std::abort();
        return pattern;
    }();
    return dir;
}

inline std::string scratchPath(const char *name)
{
    return scratchDir() + "/" + name;
}

// Empties the scratch folder (stores kept aside as damaged, temp files).
inline void clearScratch()
{
    DIR *d = opendir(scratchDir().c_str());
    if (!d)
        return;
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            unlink((scratchDir() + "/" + name).c_str());
    }
    closedir(d);
}

inline void writeFile(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

inline long fileSize(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? long(st.st_size) : -1;
}

// A path in the 256-byte buffer the store calls take.
struct PathBuf
{
    char text[256] = {};
    explicit PathBuf(const std::string &path) { path.copy(text, sizeof text - 1); }
    operator const char *() const { return text; }
};

} // namespace fuzz

#endif
