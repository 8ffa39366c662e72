// The music-rhythm effect of the light engine: captured sound in, spectrum
// bands, bars over the key columns, falling tops, band colours.
#include "lightDealMain.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

#include <cstdio>

#include "musicRhythm.h"
#include "rhythmBandColors.h"
#include "ui/keyboardView/keyBackdrop.h"
#include "ui/keyboardView/keyboardButCustom.h"

namespace {
// Paces the analyses: one block in ten that leave the buffer full enough is
// analysed. Shared by the process, as the effect is.
int musicBlockCounter = 0;
const int kFallStep = 25;
const int kAnalysisFrames = SpectrumAnalyserThread::SampleCount;
} // namespace

void lightDealMain::initMusicalRhythm(int keyCount, int bandCount, double lowHz, double highHz)
{
    m_bandLevels.fill(BandLevel(), qMax(0, bandCount));
    m_bandLowHz = lowHz;
    m_bandHighHz = highHz;
    m_bandColumnCounts = musicRhythm::bandColumnCounts(keyCount, bandCount);
    m_columnBands = musicRhythm::columnBands(m_bandColumnCounts);
    qDebug() << "------------- Init [Musical Rhythm] Over ---------------";
}

void lightDealMain::clearLed_WaveFullColor_TabSaveUpdateAll()
{
    for (QColor &c : m_keyPreviewColors)
        c = QColor(0, 0, 0, 128);
    qDebug() << "----------------------- ************ lightDealMain::clearLed_WaveFullColor_TabSaveUpdateAll [End] "
                "************ -----------------------";
}

void lightDealMain::connectAudioCapture()
{
    registerAudioCaptureMetaTypes();
    connect(m_audioCapture, &audioCaptureSource::sigSendCaptureAudioData, m_packetReceiver,
            [this](BYTE *pData, int dataSize) { onSendCaptureAudioData(pData, dataSize); });
}

void lightDealMain::setAudioCaptureSource(audioCaptureSource *source)
{
    if (!source || source == m_audioCapture)
        return;
    const bool wasRunning = m_audioCapture && m_audioCapture->isRunning();
    if (m_audioCapture) {
        m_audioCapture->stop();
        // Packets still queued from the old source are freed by the slot.
        QCoreApplication::sendPostedEvents(m_packetReceiver, QEvent::MetaCall);
        delete m_audioCapture;
    }
    m_audioCapture = source;
    connectAudioCapture();
    if (wasRunning && m_audioCapture->start() == 0)
        m_analysisFormat = m_audioCapture->captureFormat();
}

void lightDealMain::shutDownMusic()
{
    m_musicRunning = false;
    if (m_deviceWatchTimer)
        m_deviceWatchTimer->stop();
    if (!m_audioCapture)
        return;
    m_audioCapture->stop();
    QCoreApplication::sendPostedEvents(m_packetReceiver, QEvent::MetaCall);
    delete m_audioCapture;
    m_audioCapture = nullptr;
}

void lightDealMain::setMusicalRhythmRunning(bool on)
{
    m_musicRunning = on;
    if (!m_audioCapture)
        return;
    if (on) {
        if (m_audioCapture->isRunning())
            return;
        m_watchedDeviceName.clear();
        m_deviceWatchTimer->start();
        clearLed_WaveFullColor_TabSaveUpdateAll();
        m_spectrumAnalyser.cancelPending();
        if (m_audioCapture->start() == 0)
            m_analysisFormat = m_audioCapture->captureFormat();
        else
            qDebug() << "---------- *** Start [Musical Rhythm capture] Failed *** ----------";
        return;
    }
    // The watch stops even when the capture never started, or it would keep
    // trying to start a capture for an effect that is off.
    m_deviceWatchTimer->stop();
    if (!m_audioCapture->isRunning())
        return;
    m_audioCapture->stop();
    m_spectrumAnalyser.cancelPending();
    clearLed_WaveFullColor_TabSaveUpdateAll();
}

void lightDealMain::restartAudioCapture()
{
    ++m_captureRestartCount;
    m_audioCapture->stop();
    m_spectrumAnalyser.cancelPending();
    if (m_audioCapture->start() == 0)
        m_analysisFormat = m_audioCapture->captureFormat();
}

void lightDealMain::onAudioOutputDevListChanging()
{
    if (!m_musicRunning || !m_audioCapture)
        return;
    // A capture that ended by itself (its server went away or its output
    // was removed), or never started, is tried again once a second.
    if (!m_audioCapture->isRunning()) {
        restartAudioCapture();
        return;
    }
    const QString current = m_audioCapture->defaultOutputName();
    if (current.isEmpty())
        return;
    const bool moved = current != m_audioCapture->boundOutputName();
    m_watchedDeviceName = current;
    if (moved)
        restartAudioCapture();
}

void lightDealMain::resetMusicFrame()
{
    const keyBackdrop::UpdateBatch frame;
    for (int row = 0; row < musicRhythm::Rows; ++row)
        for (int column = 0; column < musicRhythm::Columns; ++column) {
            int rgb[3];
            if (m_keyboardRunning.fullColor) {
                const int band = qBound(0, m_columnBands.value(column, 0), int(musicBandPalette.size()) - 1);
                const rhythmBandColor &p = musicBandPalette[size_t(band)];
                rgb[0] = p.red;
                rgb[1] = p.green;
                rgb[2] = p.blue;
            } else {
                for (int k = 0; k < 3; ++k)
                    rgb[k] = m_keyboardRunning.top[k];
            }
            const int i = row * musicRhythm::Columns + column;
            ledFrameRecord rec{};
            rec.red = rgb[0];
            rec.green = rgb[1];
            rec.blue = rgb[2];
            m_keyFrameRecords[i] = rec;
            QColor c(qBound(0, rgb[0], 255), qBound(0, rgb[1], 255), qBound(0, rgb[2], 255), 255);
            m_keyPreviewColors[i] = c;
            if (keyboardButCustom *b = m_keyButtons[row][column]) {
                c.setAlpha(180);
                b->setKeyColor(c);
            }
        }
    m_columnBarLevels.clear();
    m_columnBarIntensities.clear();
}

void lightDealMain::onSendCaptureAudioData(BYTE *pData, int dataSize)
{
    if (!pData)
        return;
    if (!m_musicRunning || dataSize <= 0) {
        delete[] pData;
        return;
    }
    m_audioBuffer.append(reinterpret_cast<const char *>(pData), dataSize);
    delete[] pData;

    const int frameBytes = m_analysisFormat.sampleSize() * m_analysisFormat.channelCount() / 8;
    const int blockBytes = kAnalysisFrames * frameBytes;
    if (blockBytes <= 0 || m_audioBuffer.size() <= blockBytes)
        return;
    if (musicBlockCounter == 0) {
        m_spectrumAnalyser.calculate(m_audioBuffer.left(blockBytes), m_analysisFormat);
        m_audioBuffer.clear();
        std::printf("-------------------------*** onSendCaptureAudioData [Runing Deal] ***---------------------\n");
    }
    if (++musicBlockCounter >= 10)
        musicBlockCounter = 0;
}

int lightDealMain::bandOfFrequency(double frequency) const
{
    const int count = m_bandLevels.size();
    if (count <= 0 || m_bandHighHz <= m_bandLowHz)
        return 0;
    const int band = int((frequency - m_bandLowHz) / ((m_bandHighHz - m_bandLowHz) / count));
    return qBound(0, band, count - 1);
}

void lightDealMain::onSpectrumChanged(const FrequencySpectrum &spectrum)
{
    if (!m_musicRunning)
        return;
    m_lastSpectrum = spectrum;
    for (BandLevel &b : m_bandLevels)
        b = BandLevel();
    for (const FrequencySpectrum::Element &e : spectrum) {
        if (e.frequency < m_bandLowHz || e.frequency >= m_bandHighHz)
            continue;
        BandLevel &b = m_bandLevels[bandOfFrequency(e.frequency)];
        b.level = qMax(b.level, e.amplitude);
        if (e.clipped)
            b.clipped = true;
    }
    updateMusicBars();
}

void lightDealMain::updateMusicBars()
{
    int first = 0;
    for (int b = 0; b < m_bandLevels.size(); ++b) {
        const int n = m_bandColumnCounts.value(b, 0);
        setMusicBar(musicRhythm::barLevel(m_bandLevels[b].level), first, n);
        first += n;
    }
}

void lightDealMain::setMusicBar(int level, int firstColumn, int columnCount)
{
    for (int h = 0; h < musicRhythm::Rows; ++h) {
        const int row = musicRhythm::Rows - 1 - h;
        for (int column = firstColumn; column < firstColumn + columnCount; ++column) {
            if (column < 0 || column >= musicRhythm::Columns)
                continue;
            ledFrameRecord &rec = m_keyFrameRecords[row * musicRhythm::Columns + column];
            if (h <= level) {
                rec.intensity = 255;
                rec.fadeState = h == level ? 2 : 0;
                rec.level = level;
            } else {
                rec.intensity = 0;
                rec.fadeState = 0;
                rec.level = 0;
            }
        }
    }
}

void lightDealMain::renderMusicFrame()
{
    m_columnBarLevels.clear();
    m_columnBarIntensities.clear();
    const int *bottom = m_keyboardRunning.bottom;
    const bool blackBottom = bottom[0] == 0 && bottom[1] == 0 && bottom[2] == 0;
    const int factor = m_keyboardDarkening.factor(m_keyboardRunning.brightness);
    for (int column = 0; column < musicRhythm::Columns; ++column) {
        bool barFound = false;
        for (int row = 0; row < musicRhythm::Rows; ++row) {
            ledFrameRecord &rec = m_keyFrameRecords[row * musicRhythm::Columns + column];
            if (lightRender::stepFadeValue(&rec.intensity, kFallStep, uchar(rec.fadeState)) != 0) {
                rec.fadeState = 0;
                // The key below takes over the fall in this same frame.
                if (row < musicRhythm::Rows - 1)
                    m_keyFrameRecords[(row + 1) * musicRhythm::Columns + column].fadeState = 2;
            }
            if (!barFound && rec.level > 0) {
                barFound = true;
                m_columnBarLevels << rec.level;
                m_columnBarIntensities << rec.intensity;
            }
            const int w = rec.level == 0 ? 0 : rec.intensity;
            const int base[3] = {rec.red, rec.green, rec.blue};
            int mixed[3];
            for (int k = 0; k < 3; ++k)
                mixed[k] = qBound(0, (base[k] * w + (255 - w) * bottom[k]) / 256, 255);
            QColor c(mixed[0], mixed[1], mixed[2], 255);
            if (blackBottom)
                c.setAlpha(mixed[0] == 0 && mixed[1] == 0 && mixed[2] == 0 ? 0 : qMin(rec.intensity, 200));
            else
                c.setAlpha(180);
            m_keyPreviewColors[row * musicRhythm::Columns + column] = factor == 100 ? c : c.darker(factor);
        }
        if (!barFound) {
            m_columnBarLevels << 0;
            m_columnBarIntensities << 0;
        }
    }
}
