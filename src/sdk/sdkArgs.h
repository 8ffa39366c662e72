// sdkArgs.h - argument and record-text rules shared by every part of the
// library (stores, HID layer, simulator).
#ifndef VARDEX_SDK_ARGS_H
#define VARDEX_SDK_ARGS_H

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

namespace vardex {

// Paths arrive in 256-byte buffers (the hidPath field of the records, the
// callers' store paths).
constexpr std::size_t kPathBufferSize = 256;

// A path argument is usable when it is non-null, non-empty and terminated
// within its buffer; anything else is refused rather than read past it.
inline bool readPath(const char *path, std::string &out)
{
    if (!path)
        return false;
    const std::size_t len = strnlen(path, kPathBufferSize);
    if (len == 0 || len >= kPathBufferSize)
        return false;
    out.assign(path, len);
    return true;
}

// Copies text into a NUL-terminated field of size bytes, cutting what does
// not fit.
inline void copyText(char *dst, std::size_t size, const std::string &src)
{
    const std::size_t n = std::min(size - 1, src.size());
    std::memcpy(dst, src.data(), n);
    dst[n] = 0;
}

template <std::size_t N>
inline void copyText(char (&dst)[N], const std::string &src)
{
    copyText(dst, N, src);
}

} // namespace vardex

#endif // VARDEX_SDK_ARGS_H
