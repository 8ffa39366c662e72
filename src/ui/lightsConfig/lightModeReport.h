#ifndef LIGHTMODEREPORT_H
#define LIGHTMODEREPORT_H

#include "hid/hidCmdBuff.h"
#include "vardexSdk.h"

#include <QList>

namespace lightModeReport {

// The light-mode report of a record: 0x06 (keys, declared length 14) for
// hidType 0, 0x07 (side light, length 13) otherwise. Bytes 6..17 carry the
// record (brightness and speed minus 1; full colour 0 for Static when
// zeroFullColorForStatic). Bytes 62..63 carry clock16 high byte first, or
// stay 0 when withClock is false.
hidCmdBuff build(const colorInfoData &record, bool withClock, quint16 clock16, bool zeroFullColorForStatic = true);

// One custom-light colour report: slot, chunk index and the chunk's bytes
// (at most 58; more are cut off).
hidCmdBuff customLightChunk(int slot, int chunk, const QList<unsigned char> &bytes);

} // namespace lightModeReport

#endif // LIGHTMODEREPORT_H
