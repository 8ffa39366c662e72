#include "lightModeReport.h"

namespace lightModeReport {

hidCmdBuff build(const colorInfoData &r, bool withClock, quint16 clock16, bool zeroFullColorForStatic)
{
    const bool keys = r.hidType == 0;
    hidCmdBuff b;
    b[0] = 0x01;
    b[1] = static_cast<unsigned char>(keys ? HidSendCmd::KeyboardLightConfig : HidSendCmd::SideLightConfig);
    b[5] = keys ? 14 : 13;
    const int32_t payload[] = {r.ledType,
                               r.ledBrightness - 1,
                               r.ledSpeed - 1,
                               r.ledTopColor[0],
                               r.ledTopColor[1],
                               r.ledTopColor[2],
                               r.ledBottomColor[0],
                               r.ledBottomColor[1],
                               r.ledBottomColor[2],
                               r.ledDirection,
                               (zeroFullColorForStatic && r.ledType == 0) ? 0 : r.ledFullColor,
                               r.ledExtra};
    for (int i = 0; i < 12; ++i)
        b[hidCmdBuff::PayloadOffset + i] = static_cast<unsigned char>(payload[i] & 0xFF);
    if (withClock)
        b.setU16(62, clock16);
    return b;
}

hidCmdBuff customLightChunk(int slot, int chunk, const QList<unsigned char> &bytes)
{
    hidCmdBuff b;
    b[0] = 0x01;
    b[1] = static_cast<unsigned char>(HidSendCmd::CustomLight);
    b[2] = static_cast<unsigned char>(slot & 0xFF);
    b[4] = static_cast<unsigned char>(chunk & 0xFF);
    const int n = qMin(bytes.size(), hidCmdBuff::Size - hidCmdBuff::PayloadOffset);
    b[5] = static_cast<unsigned char>(n);
    for (int i = 0; i < n; ++i)
        b[hidCmdBuff::PayloadOffset + i] = bytes.at(i);
    return b;
}

} // namespace lightModeReport
