// firmwareImage.cpp - the two firmware image formats: the ".bin" image with
// its identity block and the ".ufw" container of drive-road keyboards, and
// the version order both are judged by.
#include "vardexSdk.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace {

void putLe32(unsigned char *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

void putLe16(unsigned char *p, uint16_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

} // namespace

uint32_t CVardexFw_Crc32(uint32_t crc, const unsigned char *data, size_t size)
{
    static uint32_t table[256];
    static const bool ready = [] {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        return true;
    }();
    (void)ready;
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint16_t CVardexFw_Crc16(const unsigned char *data, size_t size)
{
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= static_cast<uint16_t>(data[i] << 8);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021) : static_cast<uint16_t>(crc << 1);
    }
    return crc;
}

int CVardexFw_CompareVersions(const char *a, const char *b)
{
    if (!a)
        a = "";
    if (!b)
        b = "";
    // "V1.0" and "v1.0" name the same release.
    if (*a == 'V' || *a == 'v')
        ++a;
    if (*b == 'V' || *b == 'v')
        ++b;
    while (*a || *b) {
        const bool digitA = std::isdigit(static_cast<unsigned char>(*a)) != 0;
        const bool digitB = std::isdigit(static_cast<unsigned char>(*b)) != 0;
        if ((digitA || !*a) && (digitB || !*b)) {
            // One numeric component each; a missing one counts as 0, so
            // 2.0 equals 2.0.0. Leading zeros do not count.
            while (*a == '0')
                ++a;
            while (*b == '0')
                ++b;
            const char *endA = a;
            const char *endB = b;
            while (std::isdigit(static_cast<unsigned char>(*endA)))
                ++endA;
            while (std::isdigit(static_cast<unsigned char>(*endB)))
                ++endB;
            const long lenA = endA - a;
            const long lenB = endB - b;
            if (lenA != lenB)
                return lenA < lenB ? -1 : 1;
            const int c = std::strncmp(a, b, static_cast<size_t>(lenA));
            if (c != 0)
                return c < 0 ? -1 : 1;
            a = endA;
            b = endB;
            if (*a == '.')
                ++a;
            if (*b == '.')
                ++b;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(*a));
        const int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++a;
        ++b;
    }
    return 0;
}

void CVardexFw_BinIdentity(const unsigned char *image, size_t size, char *out)
{
    if (!out)
        return;
    size_t n = 0;
    for (; n < CVARDEX_FW_BIN_IDENTITY_SIZE; ++n) {
        const size_t at = CVARDEX_FW_BIN_IDENTITY_OFFSET + n;
        const unsigned char c = (image && at < size) ? image[at] : 0;
        if (c == 0)
            break;
        out[n] = static_cast<char>(c);
    }
    out[n] = 0;
}

int CVardexFw_MakeUfwHeader(const char *identity, const char *version, const unsigned char *payload,
                            uint32_t payloadSize, unsigned char *header)
{
    if (!identity || !version || !header || (!payload && payloadSize))
        return -1;
    if (std::strlen(identity) > 16 || std::strlen(version) > 4)
        return -1;
    std::memset(header, 0, CVARDEX_UFW_HEADER_SIZE);
    std::memcpy(header, "VUFW", 4);
    putLe32(header + 4, CVARDEX_UFW_FORMAT);
    std::memcpy(header + 8, identity, std::strlen(identity));
    std::memcpy(header + 24, version, std::strlen(version));
    putLe32(header + 28, payloadSize);
    putLe32(header + 32, CVardexFw_Crc32(0, payload, payloadSize));
    putLe16(header + 36, CVardexFw_Crc16(payload, payloadSize));
    putLe32(header + 40, CVardexFw_Crc32(0, header, 40));
    return 0;
}

namespace {

uint32_t getLe32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

int CVardexFw_MakeBinSeal(const unsigned char *image, uint32_t size, unsigned char *seal)
{
    if (!seal || (!image && size))
        return -1;
    std::memcpy(seal, "VSEL", 4);
    putLe32(seal + 4, size);
    putLe32(seal + 8, CVardexFw_Crc32(0, image, size));
    putLe32(seal + 12, CVardexFw_Crc32(0, seal, 12));
    return 0;
}

int CVardexFw_CheckBin(const unsigned char *file, size_t size, const char *model, size_t *imageSize)
{
    if (!file || size == 0)
        return CVARDEX_FW_EMPTY;
    if (size > size_t(CVARDEX_BOOT_MAX_IMAGE) + CVARDEX_FW_BIN_SEAL_SIZE)
        return CVARDEX_FW_TOO_LARGE;
    if (size <= CVARDEX_FW_BIN_SEAL_SIZE)
        return CVARDEX_FW_DAMAGED;
    const size_t image = size - CVARDEX_FW_BIN_SEAL_SIZE;
    const unsigned char *seal = file + image;
    if (std::memcmp(seal, "VSEL", 4) != 0 || getLe32(seal + 12) != CVardexFw_Crc32(0, seal, 12)
        || getLe32(seal + 4) != image || getLe32(seal + 8) != CVardexFw_Crc32(0, file, image))
        return CVARDEX_FW_DAMAGED;
    if (model) {
        char identity[CVARDEX_FW_BIN_IDENTITY_SIZE + 1];
        CVardexFw_BinIdentity(file, image, identity);
        // Field 4 of "chip,part2,part3,maker,model,version".
        const char *field = identity;
        for (int commas = 0; commas < 4 && field; ++commas) {
            field = std::strchr(field, ',');
            if (field)
                ++field;
        }
        const char *end = field ? std::strchr(field, ',') : nullptr;
        // Identity fields name the same model in either letter case, as the
        // update check compares them.
        if (!field || !end || size_t(end - field) != std::strlen(model)
            || ::strncasecmp(field, model, size_t(end - field)) != 0)
            return CVARDEX_FW_OTHER_MODEL;
    }
    if (imageSize)
        *imageSize = image;
    return CVARDEX_FW_OK;
}

int CVardexFw_ReadImageFile(const char *path, size_t maxSize, std::vector<unsigned char> &out)
{
    out.clear();
    if (!path)
        return CVARDEX_FW_UNREADABLE;
    // Non-blocking open: a FIFO opened for reading would wait for a writer.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return CVARDEX_FW_UNREADABLE;
    struct stat st;
    int rc = CVARDEX_FW_OK;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        rc = CVARDEX_FW_UNREADABLE;
    else if (st.st_size == 0)
        rc = CVARDEX_FW_EMPTY;
    else if (uint64_t(st.st_size) > maxSize)
        rc = CVARDEX_FW_TOO_LARGE;
    if (rc == CVARDEX_FW_OK) {
        out.resize(size_t(st.st_size));
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += size_t(n);
        }
        // A file that changed length while read is not the one checked.
        unsigned char extra;
        if (done != out.size() || ::read(fd, &extra, 1) != 0)
            rc = CVARDEX_FW_UNREADABLE;
    }
    ::close(fd);
    if (rc != CVARDEX_FW_OK)
        out.clear();
    return rc;
}
