#include "lightDealMain.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

#include "data/DDataManager.h"
#include "lightPacingThreads.h"
#include "platform/soundCardAudioCapture.h"
#include "ui/keyboardView/keyBackdrop.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/sideLightButtonCustom.h"

namespace {

// The device library's frame callbacks carry no context; they reach the
// engine through this pointer, set once the engine's members exist.
lightDealMain *g_lightEngine = nullptr;

void keyboardFrameCallback(ledFrameRecord *frame)
{
    if (g_lightEngine)
        g_lightEngine->onKeyboardFrame(frame);
}

void sideFrameCallback(ledFrameRecord *frame)
{
    if (g_lightEngine)
        g_lightEngine->onSideFrame(frame);
}

// Until a profile's record arrives: white, full brightness, middle speed.
colorInfoData startingRecord(int part)
{
    colorInfoData r{};
    r.hidType = part;
    r.ledType = 0;
    r.ledBrightness = 5;
    r.ledSpeed = 3;
    r.ledTopColor[0] = r.ledTopColor[1] = r.ledTopColor[2] = 255;
    return r;
}

const int kTypeCustom = 10;
const int kTypeMusicalRhythm = 100;

} // namespace

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent)
    , m_keyboardColorInfo(startingRecord(0))
    , m_sideColorInfo(startingRecord(1))
{
    m_keyboardRunning = lightRender::runningFrom(m_keyboardColorInfo);
    m_sideRunning = lightRender::runningFrom(m_sideColorInfo);
    m_keyboardDarkening.step = m_sideDarkening.step = 22;
    g_lightEngine = this;

    m_syncRepeatTimer = new QTimer(this);
    m_syncRepeatTimer->setInterval(3000);
    m_syncRepeatTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 150 ms early
    connect(m_syncRepeatTimer, &QTimer::timeout, this, &lightDealMain::onSendLightSynchronize0x17Cmd);

    if (!m_keyboardThread) {
        m_keyboardThread = new updateLightMainThread(this);
        connect(m_keyboardThread, &updateLightMainThread::sigDviceUpdateAllKeyColor, this,
                &lightDealMain::onDviceUpdateAllKeyColor);
    }
    if (!m_sideThread) {
        m_sideThread = new updateLightMainThreadSide(this);
        connect(m_sideThread, &updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide, this,
                &lightDealMain::onDviceUpdateAllSideLightColor);
    }
    if (!m_previewThread) {
        m_previewThread = new updateLightMainThreadUI(nullptr);
        connect(m_previewThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
                &lightDealMain::onDviceUpdateAllKeyColorUI);
        connect(m_previewThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
                &lightDealMain::onDviceUpdateAllSideLightColorUI);
    }
    if (!m_syncThread) {
        m_syncThread = new sendLightUpdataThread(this, nullptr);
        connect(m_syncThread, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, this,
                &lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid);
    }

    m_analysisFormat.setSampleRate(44100);
    m_analysisFormat.setChannelCount(2);
    m_analysisFormat.setSampleSize(16);
    m_analysisFormat.setCodec(QStringLiteral("audio/pcm"));
    m_analysisFormat.setByteOrder(QAudioFormat::LittleEndian);
    m_analysisFormat.setSampleType(QAudioFormat::SignedInt);
    m_packetReceiver = new QObject(this);
    m_audioCapture = new DSoundCardAudioCapture;
    connectAudioCapture();
    registerSpectrumMetaTypes();
    if (!connect(&m_spectrumAnalyser, SIGNAL(spectrumChanged(FrequencySpectrum)), this,
                 SLOT(onSpectrumChanged(FrequencySpectrum))))
        qFatal("CHECKED_CONNECT failed");
    m_deviceWatchTimer = new QTimer(this);
    m_deviceWatchTimer->setInterval(1000);
    connect(m_deviceWatchTimer, &QTimer::timeout, this, &lightDealMain::onAudioOutputDevListChanging);
}

lightDealMain::~lightDealMain()
{
    shutDownMusic();
    setLightSynchronous(false);
    stopLightThreads();
    delete m_previewThread;
    delete m_syncThread;
    if (g_lightEngine == this)
        g_lightEngine = nullptr;
}

void lightDealMain::setHidInfo(hidStructInfoAll info)
{
    m_hidInfo = info;
    m_modelCode = QString::fromLatin1(info.hidName);
}

void lightDealMain::setLightSupportInfo(lightSupportInfo info)
{
    m_lightSupport = info;
    m_keyboardSpeedMax = info.keyboard.speedMax;
    m_keyboardDarkening = lightRender::darkeningFor(info.keyboard.brightnessMax);
    m_hasSideLight = !info.side.lightTypes.isEmpty();
    m_sideSpeedMax = info.side.speedMax;
    m_sideDarkening = lightRender::darkeningFor(info.side.brightnessMax);
}

void lightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void lightDealMain::setKeyButtons(keyboardButCustom *const buttons[6][22])
{
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 22; ++column)
            m_keyButtons[row][column] = buttons[row][column];
}

void lightDealMain::setSideButtons(const QList<sideLightButtonCustom *> &buttons)
{
    m_sideButtons.clear();
    for (sideLightButtonCustom *b : buttons)
        m_sideButtons.append(b);
}

keyboardButCustom *lightDealMain::keyButton(int row, int column) const
{
    if (row < 0 || row >= 6 || column < 0 || column >= 22)
        return nullptr;
    return m_keyButtons[row][column];
}

QList<sideLightButtonCustom *> lightDealMain::sideButtons() const
{
    QList<sideLightButtonCustom *> list;
    for (const QPointer<sideLightButtonCustom> &b : m_sideButtons)
        list.append(b.data());
    return list;
}

void lightDealMain::updateRunningLightConfig(int part)
{
    if (part == 0) {
        m_keyboardRunning = lightRender::runningFrom(m_keyboardColorInfo);
        if (m_keyboardThread)
            m_keyboardThread->setPeriod(lightRender::keyboardPeriod(m_keyboardSpeedMax, m_keyboardRunning.speedIndex));
        if (m_keyboardRunning.type == kTypeMusicalRhythm) {
            resetMusicFrame();
            setMusicalRhythmRunning(true);
        } else {
            setMusicalRhythmRunning(false);
        }
    } else if (part == 1 && m_hasSideLight) {
        m_sideRunning = lightRender::runningFrom(m_sideColorInfo);
        if (m_sideThread)
            m_sideThread->setPeriod(lightRender::sidePeriod(m_sideSpeedMax, m_sideRunning.speedIndex));
    }
}

void lightDealMain::sendKeyboardColorInfoToSdk()
{
    CVardexHid_SetKeyboardColorInfoDataStu(m_keyboardColorInfo, m_hidInfo.keyCount, m_modelCode.toLatin1().constData(),
                                           m_hasSideLight ? 1 : 0);
}

void lightDealMain::sendSideColorInfoToSdk()
{
    const std::vector<int> valid(m_sideValidStatusList.begin(), m_sideValidStatusList.end());
    CVardexHid_SetSideColorInfoDataStu(m_sideColorInfo, int(valid.size()), valid);
}

void lightDealMain::clearKeyPreviewColors()
{
    for (QColor &c : m_keyPreviewColors)
        c = QColor(0, 0, 0, 255);
}

void lightDealMain::clearSidePreviewColors()
{
    for (QColor &c : m_sidePreviewColors)
        c = QColor(0, 0, 0, 255);
}

void lightDealMain::clearAllPreviewColors()
{
    clearKeyPreviewColors();
    clearSidePreviewColors();
}

void lightDealMain::loadProfileLightConfig()
{
    ++m_loadCount;
    clearAllPreviewColors();
    DDataManager *data = DDataManager::instance();
    m_profileIndex = data->currentProfileIndex();
    std::fill(std::begin(m_profileXmlPath), std::end(m_profileXmlPath), '\0');
    data->copyProfileXmlPath(m_profileXmlPath);
    m_profileXmlPath[sizeof m_profileXmlPath - 1] = '\0';
    const QByteArray index = QByteArray::number(m_profileIndex);

    if (m_profileXmlPath[0]) {
        for (int part = 0; part < 2; ++part) {
            const int type = CVardexXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, index.constData(), part);
            colorInfoData record = part == 0 ? m_keyboardColorInfo : m_sideColorInfo;
            if (!CVardexXML_SelectProfileColorDataInfo(m_profileXmlPath, index.constData(), part, type, &record))
                continue;
            (part == 0 ? m_keyboardColorInfo : m_sideColorInfo) = record;
            updateRunningLightConfig(part);
        }
    }
    sendKeyboardColorInfoToSdk();
    if (m_hasSideLight) {
        m_sideValidStatusList.clear();
        for (const QPointer<sideLightButtonCustom> &b : m_sideButtons)
            m_sideValidStatusList.append(b ? b->validStatus() : 0);
        sendSideColorInfoToSdk();
    }
}

void lightDealMain::setLightPreviewEnabled(bool on)
{
    m_previewEnabled = on;
}

void lightDealMain::startLightThreads()
{
    if (m_keyboardThread && !m_keyboardThread->isRunning()) {
        m_keyboardLightRunning = true;
        m_keyboardThread->startPacing();
    }
    if (m_sideThread && !m_sideThread->isRunning()) {
        m_sideLightRunning = true;
        m_sideThread->startPacing();
    }
    if (m_previewThread && !m_previewThread->isRunning())
        m_previewThread->startPacing();
}

void lightDealMain::stopLightThreads()
{
    // stopPacing waits for each thread, so a start right after finds them
    // stopped; ticks they queued before ending are dropped with the drawing
    // they were meant for.
    if (m_previewThread)
        m_previewThread->stopPacing();
    m_keyboardLightRunning = false;
    m_sideLightRunning = false;
    if (m_keyboardThread)
        m_keyboardThread->stopPacing();
    if (m_sideThread)
        m_sideThread->stopPacing();
    dropQueuedTicks();
}

void lightDealMain::dropQueuedTicks()
{
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

void lightDealMain::setLightThreadsRunning(bool on)
{
    if (on)
        startLightThreads();
    else
        stopLightThreads();
}

void lightDealMain::setKeyboardColorInfoData(colorInfoData info)
{
    m_keyboardColorInfo = info;
    updateRunningLightConfig(0);
    sendKeyboardColorInfoToSdk();
}

void lightDealMain::setSideColorInfoData(colorInfoData info)
{
    m_sideColorInfo = info;
    updateRunningLightConfig(1);
    sendSideColorInfoToSdk();
}

void lightDealMain::keyboardColorInfoDataChanged(colorInfoData info)
{
    m_keyboardColorInfo = info;
    clearKeyPreviewColors();
    updateRunningLightConfig(0);
    CVardexHid_SetKeyboardColorInfoDataStuHaveChanged(info);
}

void lightDealMain::sideColorInfoDataChanged(colorInfoData info)
{
    m_sideColorInfo = info;
    clearSidePreviewColors();
    updateRunningLightConfig(1);
    CVardexHid_SetSideColorInfoDataStuHaveChanged(info);
}

void lightDealMain::setInteractLightsPointXY(int indexX, int indexY)
{
    if (m_hidInfo.hidUsbOrDongle != 1)
        return;
    m_interactX = indexX;
    m_interactY = indexY;
    m_interactRippleColor = CVardexHid_GetCurrentRippleLightColor();
    qDebug() << "------------------------------- indexX:" << indexX << " indexY:" << indexY
             << " R:" << m_interactRippleColor.red << " G:" << m_interactRippleColor.green
             << " B:" << m_interactRippleColor.blue;
}

void lightDealMain::onDviceUpdateAllKeyColor()
{
    // A tick that outlived a stop asks for no frame.
    if (!m_keyboardLightRunning)
        return;
    if (m_keyboardColorInfo.ledType == kTypeMusicalRhythm) {
        renderMusicFrame();
        return;
    }
    CVardexHid_keyboardLightColorRuning(keyboardFrameCallback);
}

void lightDealMain::onDviceUpdateAllSideLightColor()
{
    if (!m_sideLightRunning)
        return;
    CVardexHid_sideLightColorRuning(sideFrameCallback);
}

void lightDealMain::onKeyboardFrame(ledFrameRecord *frame)
{
    if (m_keyboardRunning.type == kTypeCustom) {
        const int factor = m_keyboardDarkening.factor(m_keyboardRunning.brightness);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 22; ++column) {
                const int i = row * 22 + column;
                const ledFrameRecord &rec = m_keyFrameRecords[i];
                QColor c(qBound(0, rec.red, 255), qBound(0, rec.green, 255), qBound(0, rec.blue, 255), 255);
                if (keyboardButCustom *b = m_keyButtons[row][column])
                    b->setCustomLightColor(c);
                c.setAlpha(rec.red || rec.green || rec.blue ? 180 : 0);
                m_keyPreviewColors[i] = factor == 100 ? c : c.darker(factor);
            }
        return;
    }
    std::copy(frame, frame + VARDEX_LIGHT_KEYS, m_keyFrameRecords);
    lightRender::renderKeyFrame(m_keyboardColorInfo.ledType, m_keyFrameRecords, m_keyboardRunning,
                                m_keyboardDarkening, m_keyPreviewColors, &m_speedRespondPairs);
}

void lightDealMain::onSideFrame(ledFrameRecord *frame)
{
    std::copy(frame, frame + VARDEX_LIGHT_SIDE_LEDS, m_sideFrameRecords);
    lightRender::renderSideFrame(m_sideColorInfo.ledType, m_sideFrameRecords, m_sideValidStatusList.size(),
                                 m_sideRunning, m_sideDarkening, m_sidePreviewColors);
}

void lightDealMain::onDviceUpdateAllKeyColorUI()
{
    if (!m_keyboardLightRunning || !m_previewEnabled)
        return;
    const keyBackdrop::UpdateBatch frame;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 22; ++column)
            if (keyboardButCustom *b = m_keyButtons[row][column])
                b->setKeyColor(m_keyPreviewColors[row * 22 + column]);
}

void lightDealMain::onDviceUpdateAllSideLightColorUI()
{
    if (!m_sideLightRunning || !m_hasSideLight || !m_previewEnabled)
        return;
    const keyBackdrop::UpdateBatch frame;
    const int n = qMin(m_sideButtons.size(), int(VARDEX_LIGHT_SIDE_LEDS));
    for (int i = 0; i < n; ++i)
        if (sideLightButtonCustom *b = m_sideButtons[i])
            b->setColor(m_sidePreviewColors[i]);
}

