#ifndef LIGHTDEALMAIN_H
#define LIGHTDEALMAIN_H

#include <QAudioFormat>
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

#include "hid/hidCmdBuff.h"
#include "data/hidStructInfoAll.h"
#include "lightRender.h"
#include "platform/audioCaptureSource.h"
#include "spectrumAnalyser.h"
#include "vardexSdk.h"

class MainHidInterFace;
class QTimer;
class keyboardButCustom;
class sideLightButtonCustom;
class updateLightMainThread;
class updateLightMainThreadSide;
class updateLightMainThreadUI;
class sendLightUpdataThread;

// The single light engine of the process: it hands the current keyboard's
// light records to the device library, asks it for effect frames at the pace
// of its threads, renders them into preview colours, paints them onto the
// keyboard drawing and streams them to the keyboard.
class lightDealMain : public QObject
{
    Q_OBJECT
public:
    explicit lightDealMain(QObject *parent = nullptr);
    ~lightDealMain() override;

    void setHidInfo(hidStructInfoAll info);
    void setLightSupportInfo(lightSupportInfo info);
    void setHidInterface(MainHidInterFace *hidInterface);
    // The key buttons of the current drawing, 6 rows of 22 (null where a
    // cell has no button), and its side-light segments in layout order.
    void setKeyButtons(keyboardButCustom *const buttons[6][22]);
    void setSideButtons(const QList<sideLightButtonCustom *> &buttons);
    void initMusicalRhythm(int keyCount, int bandCount, double lowHz, double highHz);
    void loadProfileLightConfig();
    void setLightPreviewEnabled(bool on);
    void setLightThreadsRunning(bool on);
    void setLightSynchronous(bool on);
    bool isKeyboardLightRunning() const { return m_keyboardLightRunning; }
    bool isSideLightRunning() const { return m_sideLightRunning; }
    void setKeyboardColorInfoData(colorInfoData info);
    void setSideColorInfoData(colorInfoData info);
    void keyboardColorInfoDataChanged(colorInfoData info);
    void sideColorInfoDataChanged(colorInfoData info);
    void setInteractLightsPointXY(int indexX, int indexY);
    void updateCustomLightColors(int source, int flagIndex);
    void clearLed_WaveFullColor_TabSaveUpdateAll();

    // The music-rhythm effect (lightDealMainMusic.cpp).
    void setMusicalRhythmRunning(bool on);
    void resetMusicFrame();
    void renderMusicFrame();
    int bandOfFrequency(double frequency) const;
    void updateMusicBars();
    void setMusicBar(int level, int firstColumn, int columnCount);
    // Replaces the sound source (the engine takes ownership); the default is
    // the sound card's loopback capture.
    void setAudioCaptureSource(audioCaptureSource *source);
    audioCaptureSource *audioCapture() const { return m_audioCapture; }
    SpectrumAnalyser *spectrumAnalyser() { return &m_spectrumAnalyser; }
    bool isMusicalRhythmRunning() const { return m_musicRunning; }
    int audioBufferSize() const { return m_audioBuffer.size(); }
    QAudioFormat analysisFormat() const { return m_analysisFormat; }
    QList<int> bandColumnCounts() const { return m_bandColumnCounts; }
    QMap<int, int> columnBands() const { return m_columnBands; }
    double bandLevel(int band) const { return band >= 0 && band < m_bandLevels.size() ? m_bandLevels[band].level : 0.0; }
    QList<int> columnBarLevels() const { return m_columnBarLevels; }
    QList<int> columnBarIntensities() const { return m_columnBarIntensities; }
    ledFrameRecord keyFrameRecord(int row, int column) const { return m_keyFrameRecords[row * 22 + column]; }
    int audioCaptureRestarts() const { return m_captureRestartCount; }

    // Reached from the device library's frame callbacks.
    void onKeyboardFrame(ledFrameRecord *frame);
    void onSideFrame(ledFrameRecord *frame);

    // What the engine was last handed and shows; read by tests.
    hidStructInfoAll hidInfo() const { return m_hidInfo; }
    lightSupportInfo lightSupport() const { return m_lightSupport; }
    MainHidInterFace *hidInterface() const { return m_hidInterface; }
    keyboardButCustom *keyButton(int row, int column) const;
    QList<sideLightButtonCustom *> sideButtons() const;
    bool isLightPreviewEnabled() const { return m_previewEnabled; }
    bool isLightSynchronous() const { return m_isLightSynchronous; }
    int loadCount() const { return m_loadCount; }
    QColor keyPreviewColor(int row, int column) const { return m_keyPreviewColors[row * 22 + column]; }
    QColor sidePreviewColor(int index) const { return m_sidePreviewColors[index]; }
    colorInfoData keyboardColorInfo() const { return m_keyboardColorInfo; }
    colorInfoData sideColorInfo() const { return m_sideColorInfo; }
    int keyboardDarkenStep() const { return m_keyboardDarkening.step; }
    updateLightMainThread *keyboardThread() const { return m_keyboardThread; }
    updateLightMainThreadSide *sideThread() const { return m_sideThread; }
    updateLightMainThreadUI *previewThread() const { return m_previewThread; }
    sendLightUpdataThread *syncThread() const { return m_syncThread; }
    QMap<int, int> speedRespondPairs() const { return m_speedRespondPairs; }

public slots:
    void onDviceUpdateAllKeyColor();
    void onDviceUpdateAllSideLightColor();
    void onDviceUpdateAllKeyColorUI();
    void onDviceUpdateAllSideLightColorUI();
    void onDviceUpdateAllKeyColorSendKeyboardHid();
    void onSendLightSynchronize0x17Cmd();
    void onSendCaptureAudioData(BYTE *pData, int dataSize);
    void onSpectrumChanged(const FrequencySpectrum &spectrum);
    void onAudioOutputDevListChanging();

private:
    void updateRunningLightConfig(int part);
    void sendKeyboardColorInfoToSdk();
    void sendSideColorInfoToSdk();
    void clearKeyPreviewColors();
    void clearSidePreviewColors();
    void clearAllPreviewColors();
    void startLightThreads();
    void stopLightThreads();
    void dropQueuedTicks();
    // The light-sync stream (lightDealMainSync.cpp).
    void sendKeyboardColorStream();
    void sendLightSyncColorChunk(int part, int chunkIndex, QList<int> colourBytes);
    void sendLightSyncState();
    void sendCustomLightChunk(int slot, int chunkIndex, QList<int> colourBytes);
    void connectAudioCapture();
    void restartAudioCapture();
    void shutDownMusic();

    QPointer<keyboardButCustom> m_keyButtons[6][22];
    QList<QPointer<sideLightButtonCustom>> m_sideButtons;
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
    MainHidInterFace *m_hidInterface = nullptr;
    hidStructInfoAll m_hidInfo;
    lightSupportInfo m_lightSupport;
    QString m_modelCode;
    QTimer *m_syncRepeatTimer = nullptr;
    bool m_isLightSynchronous = false;
    bool m_hasSideLight = false;
    bool m_keyboardLightRunning = false;
    bool m_sideLightRunning = false;
    updateLightMainThread *m_keyboardThread = nullptr;
    updateLightMainThreadSide *m_sideThread = nullptr;
    updateLightMainThreadUI *m_previewThread = nullptr;
    sendLightUpdataThread *m_syncThread = nullptr;
    QColor m_keyPreviewColors[VARDEX_LIGHT_KEYS];
    QColor m_sidePreviewColors[VARDEX_LIGHT_SIDE_LEDS];
    ledFrameRecord m_keyFrameRecords[VARDEX_LIGHT_KEYS] = {};
    ledFrameRecord m_sideFrameRecords[VARDEX_LIGHT_SIDE_LEDS] = {};
    QList<int> m_sideValidStatusList;
    bool m_colorStreamBusy = false;
    bool m_colorChunkBusy = false;
    bool m_previewEnabled = false;
    int m_keyboardSpeedMax = 0;
    int m_sideSpeedMax = 0;
    lightRender::Darkening m_keyboardDarkening;
    lightRender::Darkening m_sideDarkening;
    colorInfoData m_keyboardColorInfo;
    lightRender::RunningValues m_keyboardRunning;
    colorInfoData m_sideColorInfo;
    lightRender::RunningValues m_sideRunning;
    struct BandLevel
    {
        double level = 0.0;
        bool clipped = false;
    };
    QByteArray m_audioBuffer;
    QAudioFormat m_analysisFormat;
    audioCaptureSource *m_audioCapture = nullptr;
    // Receives the capture's queued packets, apart from the engine's own
    // queued ticks, which a stop of the light threads drops wholesale.
    QObject *m_packetReceiver = nullptr;
    SpectrumAnalyser m_spectrumAnalyser;
    QVector<BandLevel> m_bandLevels;
    double m_bandLowHz = 30.0;
    double m_bandHighHz = 930.0;
    FrequencySpectrum m_lastSpectrum;
    QList<int> m_bandColumnCounts;
    QMap<int, int> m_columnBands;
    bool m_musicRunning = false;
    QTimer *m_deviceWatchTimer = nullptr;
    QString m_watchedDeviceName;
    QList<int> m_columnBarLevels;
    QList<int> m_columnBarIntensities;
    int m_captureRestartCount = 0;
    int m_interactX = -1;
    int m_interactY = -1;
    ledRgb m_interactRippleColor{-1, -1, -1};
    QMap<int, int> m_speedRespondPairs;
    int m_loadCount = 0;
};

#endif // LIGHTDEALMAIN_H
