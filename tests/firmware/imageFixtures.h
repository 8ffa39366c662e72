// Firmware image files, good and damaged in the ways a download or a disk
// damages them, for both formats.
#ifndef VARDEX_TEST_IMAGE_FIXTURES_H
#define VARDEX_TEST_IMAGE_FIXTURES_H

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>

#include <cstring>

#include "vardexSdk.h"

namespace fixtures {

enum class ImageFault { None, Truncated, FlippedByte, Oversize, Empty, OtherModel, Fifo };

inline QByteArray filler(int size, uint32_t seed)
{
    QByteArray bytes(size, '\0');
    for (char &b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = char(seed >> 24);
    }
    return bytes;
}

// A sealed ".bin" file whose identity names model.
inline QByteArray binFile(const QByteArray &model, int imageSize = 522240)
{
    QByteArray image = filler(imageSize, 7);
    const QByteArray identity = "NUC,01,KB,VD," + model + ",V1.0.10";
    std::memset(image.data() + CVARDEX_FW_BIN_IDENTITY_OFFSET, 0, CVARDEX_FW_BIN_IDENTITY_SIZE);
    std::memcpy(image.data() + CVARDEX_FW_BIN_IDENTITY_OFFSET, identity.constData(), size_t(identity.size()));
    unsigned char seal[CVARDEX_FW_BIN_SEAL_SIZE];
    CVardexFw_MakeBinSeal(reinterpret_cast<const unsigned char *>(image.constData()), uint32_t(image.size()), seal);
    return image + QByteArray(reinterpret_cast<const char *>(seal), sizeof seal);
}

// A ".ufw" container for model, version "V1.1".
inline QByteArray ufwFile(const QByteArray &model, int payloadSize = 1051104 - CVARDEX_UFW_HEADER_SIZE)
{
    const QByteArray payload = filler(payloadSize, 11);
    QByteArray header(CVARDEX_UFW_HEADER_SIZE, '\0');
    CVardexFw_MakeUfwHeader(model.constData(), "V1.1", reinterpret_cast<const unsigned char *>(payload.constData()),
                            uint32_t(payload.size()), reinterpret_cast<unsigned char *>(header.data()));
    return header + payload;
}

// The bytes of an image for model with a fault (not for Fifo).
inline QByteArray imageWith(ImageFault fault, bool ufw, const QByteArray &model)
{
    const auto make = [&](const QByteArray &m) { return ufw ? ufwFile(m) : binFile(m); };
    QByteArray bytes = make(model);
    switch (fault) {
    case ImageFault::None:
    case ImageFault::Fifo:
        break;
    case ImageFault::Truncated:
        bytes.truncate(400000); // the identity block is kept
        break;
    case ImageFault::FlippedByte:
        bytes[300000] = char(bytes[300000] ^ 0x01);
        break;
    case ImageFault::Oversize:
        // Sound in itself, but larger than a keyboard takes.
        bytes = ufw ? ufwFile(model, CVARDEX_UFW_MAX_SIZE) : binFile(model, CVARDEX_BOOT_MAX_IMAGE + 4096);
        break;
    case ImageFault::Empty:
        bytes.clear();
        break;
    case ImageFault::OtherModel:
        bytes = make(model == "Yolma" ? "Quendo" : model == "Torvi" ? "Kalvo" : "Yolma");
        break;
    }
    return bytes;
}

// Writes the image file (replacing what is there); a FIFO for Fifo.
inline bool writeImage(const QString &path, ImageFault fault, bool ufw, const QByteArray &model)
{
    QFile::remove(path);
    if (fault == ImageFault::Fifo)
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    QFile f(path);
    const QByteArray bytes = imageWith(fault, ufw, model);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace fixtures

#endif // VARDEX_TEST_IMAGE_FIXTURES_H
