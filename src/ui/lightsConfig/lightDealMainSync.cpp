// The light-sync stream of the light engine: the 0x16 switch and its repeat,
// the USB colour stream (0x0E on the light-frame queue), the receiver's
// compact state (0x28 on the command queue) and custom colours (0x08 slot 2).
#include "lightDealMain.h"

#include <QDebug>
#include <QTimer>

#include "hid/MainHidInterFace.h"
#include "hid/lightSyncModels.h"
#include "lightPacingThreads.h"
#include "musicRhythm.h"
#include "ui/keyboardView/keyboardButCustom.h"

namespace {
const int kChunkLeds = 18;
const int kTypeMusicalRhythm = 100;

void appendRgb(QList<int> &bytes, const QColor &c)
{
    bytes << c.red() << c.green() << c.blue();
}
} // namespace

void lightDealMain::setLightSynchronous(bool on)
{
    if (!m_syncThread)
        return;
    if (on) {
        if (m_syncThread->isRunning())
            return;
        if (m_hidInterface)
            m_hidInterface->setLightSynchronous(true);
        m_isLightSynchronous = true;
        onSendLightSynchronize0x17Cmd();
        m_syncRepeatTimer->start();
        m_syncThread->startPacing();
        return;
    }
    if (!m_syncThread->isRunning())
        return;
    if (m_hidInterface)
        m_hidInterface->setLightSynchronous(false);
    // Waits for the thread, so that a switch on right after starts it again.
    m_syncThread->stopPacing();
    if (m_syncRepeatTimer->isActive())
        m_syncRepeatTimer->stop();
    m_isLightSynchronous = false;
    onSendLightSynchronize0x17Cmd();
}

void lightDealMain::onSendLightSynchronize0x17Cmd()
{
    if (!m_hidInterface)
        return;
    hidCmdBuff r;
    r[0] = 1;
    r[1] = static_cast<unsigned char>(HidSendCmd::LightSynchronous);
    r[5] = 1;
    r[6] = m_isLightSynchronous ? 1 : 0;
    if (m_hidInterface->hidApi_Write(r.data()) < 0)
        qWarning() << "USB serial port [ Into Light Synchronous ] Failed ...";
}

void lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid()
{
    // A tick queued before the switch-off sends nothing after the 0x16 off.
    if (!m_isLightSynchronous)
        return;
    if (m_hidInfo.hidUsbOrDongle == 0)
        sendKeyboardColorStream();
    else if (m_hidInfo.hidUsbOrDongle == 1)
        sendLightSyncState();
}

void lightDealMain::sendKeyboardColorStream()
{
    if (m_colorStreamBusy)
        return;
    m_colorStreamBusy = true;

    QList<int> bytes;
    int chunk = 0;
    for (int key = 0; key < VARDEX_LIGHT_KEYS; ++key) {
        appendRgb(bytes, m_keyPreviewColors[key]);
        if ((key + 1) % kChunkLeds == 0 || key + 1 == VARDEX_LIGHT_KEYS) {
            sendLightSyncColorChunk(0, chunk++, bytes);
            bytes.clear();
        }
    }

    const int sideLeds = qMin(lightSyncModels::sideLedCount(m_modelCode), int(VARDEX_LIGHT_SIDE_LEDS));
    chunk = 0;
    for (int i = 0; i < sideLeds; ++i) {
        appendRgb(bytes, m_sidePreviewColors[i]);
        if ((i + 1) % kChunkLeds == 0 || i + 1 == sideLeds) {
            sendLightSyncColorChunk(1, chunk++, bytes);
            bytes.clear();
        }
    }
    m_colorStreamBusy = false;
}

void lightDealMain::sendLightSyncColorChunk(int part, int chunkIndex, QList<int> colourBytes)
{
    if (m_colorChunkBusy || !m_isLightSynchronous)
        return;
    m_colorChunkBusy = true;
    hidCmdBuff r;
    r[0] = 1;
    r[1] = static_cast<unsigned char>(HidSendCmd::LightSyncColor);
    r[2] = static_cast<unsigned char>(part);
    r[4] = static_cast<unsigned char>(chunkIndex);
    const int n = qMin(colourBytes.size(), hidCmdBuff::Size - hidCmdBuff::PayloadOffset);
    r[5] = static_cast<unsigned char>(n);
    for (int i = 0; i < n; ++i)
        r[hidCmdBuff::PayloadOffset + i] = static_cast<unsigned char>(colourBytes[i] & 0xFF);
    if (m_hidInterface && m_hidInterface->hidApi_WriteLight(r.data()) < 0)
        qWarning() << "USB serial port [Write keyboard Color] Failed ...";
    m_colorChunkBusy = false;
}

void lightDealMain::sendLightSyncState()
{
    if (!m_hidInterface)
        return;
    hidCmdBuff r;
    r[0] = 1;
    r[1] = static_cast<unsigned char>(HidSendCmd::LightSyncState);
    r.setU16(2, hidCmdBuff::clock16());
    const int keyType = m_keyboardColorInfo.ledType;
    r[4] = static_cast<unsigned char>(keyType & 0xFF);
    switch (keyType) {
    case 0: case 1: case 3: {
        const QColor c = m_keyPreviewColors[0];
        r[5] = uchar(c.red());
        r[6] = uchar(c.green());
        r[7] = uchar(c.blue());
        break;
    }
    case 6: case 7: case 8: case 11: case 16:
        if (m_interactX != -1 && m_interactY != -1) {
            r[5] = uchar(m_interactX);
            r[6] = uchar(m_interactY);
            r[7] = uchar(m_interactRippleColor.red);
            r[8] = uchar(m_interactRippleColor.green);
            r[9] = uchar(m_interactRippleColor.blue);
            m_interactX = m_interactY = -1;
        }
        break;
    case 12:
        if (!m_speedRespondPairs.isEmpty()) {
            r[5] = uchar(m_speedRespondPairs.lastKey());
            r[6] = uchar(m_speedRespondPairs.last());
        }
        break;
    case 14:
        if (m_keyFrameRecords[0].autoRippleTrigger == 1) {
            const std::array<int32_t, 5> config = CVardexHid_GetCurrentAutoRippleLightConfig();
            for (int i = 0; i < 5; ++i)
                r[5 + i] = uchar(config[size_t(i)] & 0xFF);
        }
        break;
    case kTypeMusicalRhythm: {
        unsigned char levels[11], intensities[11];
        musicRhythm::bandBars(m_bandColumnCounts, m_bandLevels.size(), m_columnBarLevels, m_columnBarIntensities,
                              levels, intensities);
        for (int b = 0; b < 11; ++b) {
            r[5 + b] = levels[b];
            r[16 + b] = intensities[b];
        }
        break;
    }
    default:
        break;
    }
    if (m_hasSideLight) {
        const int sideType = m_sideColorInfo.ledType;
        r[34] = static_cast<unsigned char>(sideType & 0xFF);
        if (sideType == 0 || sideType == 1 || sideType == 4 || sideType == 5) {
            const QColor c = m_sidePreviewColors[0];
            r[35] = uchar(c.red());
            r[36] = uchar(c.green());
            r[37] = uchar(c.blue());
        } else if (sideType == 3) {
            const std::array<uint8_t, 5> config = CVardexHid_GetSideCollisionLightRuningConfig();
            for (int i = 0; i < 5; ++i)
                r[35 + i] = config[size_t(i)];
        }
    }
    if (m_hidInterface->hidApi_Write(r.data()) < 0)
        qWarning() << "USB serial port [Write keyboard Color] Failed ...";
}

void lightDealMain::updateCustomLightColors(int source, int flagIndex)
{
    const bool upload = m_hidInfo.hidUsbOrDongle == 1 && (source == 0 || (source == 1 && flagIndex == -1));
    QList<int> bytes;
    int chunk = 0;
    for (int key = 0; key < VARDEX_LIGHT_KEYS; ++key) {
        keyboardButCustom *b = m_keyButtons[key / 22][key % 22];
        const QColor c = b ? b->customLightColor() : QColor(0, 0, 0);
        ledFrameRecord rec{};
        rec.red = c.red();
        rec.green = c.green();
        rec.blue = c.blue();
        rec.intensity = 255;
        m_keyFrameRecords[key] = rec;
        if (!upload)
            continue;
        appendRgb(bytes, c);
        if ((key + 1) % kChunkLeds == 0 || key + 1 == VARDEX_LIGHT_KEYS) {
            sendCustomLightChunk(2, chunk++, bytes);
            bytes.clear();
        }
    }
}

void lightDealMain::sendCustomLightChunk(int slot, int chunkIndex, QList<int> colourBytes)
{
    if (!m_hidInterface)
        return;
    hidCmdBuff r;
    r[0] = 1;
    r[1] = static_cast<unsigned char>(HidSendCmd::CustomLight);
    r[2] = static_cast<unsigned char>(slot);
    r[4] = static_cast<unsigned char>(chunkIndex);
    const int n = qMin(colourBytes.size(), hidCmdBuff::Size - hidCmdBuff::PayloadOffset);
    r[5] = static_cast<unsigned char>(n);
    for (int i = 0; i < n; ++i)
        r[hidCmdBuff::PayloadOffset + i] = static_cast<unsigned char>(colourBytes[i] & 0xFF);
    if (m_hidInterface->hidApi_Write(r.data()) < 0)
        qWarning() << "USB serial port [Write custom-Led] Failed ...";
}
