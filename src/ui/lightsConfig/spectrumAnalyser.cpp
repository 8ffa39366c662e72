#include "spectrumAnalyser.h"

#include <QtMath>

#include <cmath>
#include <cstdlib>

#include "platform/fftRealWrapper.h"

void registerSpectrumMetaTypes()
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
}

double int16SampleToReal(qint16 sample)
{
    return sample / 32768.0;
}

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject *parent)
    : QObject(parent)
    , m_fftWrapper(new FFTRealWrapper)
    , m_windowTable(SampleCount, 0.0f)
    , m_fftInput(SampleCount, 0.0f)
    , m_fftOutput(SampleCount, 0.0f)
    , m_result(SampleCount)
{
    static_assert(SampleCount == FFTRealWrapper::PointCount, "the FFT has a fixed length");
    rebuildWindowTable();
}

SpectrumAnalyserThread::~SpectrumAnalyserThread() = default;

void SpectrumAnalyserThread::setWindowFunction(WindowFunction type)
{
    m_windowType = type;
    rebuildWindowTable();
}

void SpectrumAnalyserThread::rebuildWindowTable()
{
    for (int i = 0; i < m_sampleCount; ++i) {
        double w = 1.0;
        if (m_windowType == HannWindow)
            w = 0.5 * (1.0 - std::cos(2.0 * M_PI * i / (m_sampleCount - 1)));
        m_windowTable[i] = float(w);
    }
}

void SpectrumAnalyserThread::calculateSpectrum(QByteArray buffer, int inputFrequency, int bytesPerSample)
{
    const int n = m_sampleCount;
    // A short block would be read past its end; analyse what is there as
    // if the rest were silence.
    const int available = buffer.size();
    const uchar *bytes = reinterpret_cast<const uchar *>(buffer.constData());
    for (int i = 0; i < n; ++i) {
        const int offset = i * bytesPerSample;
        qint16 sample = 0;
        if (offset + 2 <= available)
            sample = qint16(quint16(bytes[offset]) | (quint16(bytes[offset + 1]) << 8));
        m_fftInput[i] = float(int16SampleToReal(sample)) * m_windowTable[i];
    }

    m_fftWrapper->calculateFFT(m_fftOutput.data(), m_fftInput.constData());

    for (int i = 2; i <= n / 2; ++i) {
        FrequencySpectrum::Element &e = m_result[i];
        e.frequency = double(i) * inputFrequency / n;
        const double re = m_fftOutput[i];
        const double im = i < n / 2 ? double(m_fftOutput[n / 2 + i]) : 0.0;
        const double magnitude = std::sqrt(re * re + im * im);
        double amplitude = 0.15 * std::log(magnitude);
        e.clipped = amplitude > 1.0;
        e.amplitude = qBound(0.0, amplitude, 1.0); // -inf for silence becomes 0
    }
    emit calculationComplete(m_result);
}

SpectrumAnalyser::SpectrumAnalyser(QObject *parent)
    : QObject(parent)
    , m_worker(new SpectrumAnalyserThread(this))
{
    registerSpectrumMetaTypes();
    const bool ok = connect(m_worker, SIGNAL(calculationComplete(FrequencySpectrum)), this,
                            SLOT(calculationComplete(FrequencySpectrum)));
    if (!ok)
        qFatal("CHECKED_CONNECT failed");
}

void SpectrumAnalyser::calculate(const QByteArray &buffer, const QAudioFormat &format)
{
    if (m_analysisState != Idle)
        return;
    const int bytesPerSample = format.sampleSize() * format.channelCount() / 8;
    const int inputFrequency = format.sampleRate();
    if (bytesPerSample <= 0 || inputFrequency <= 0)
        return;
    m_analysisState = Busy;
    QMetaObject::invokeMethod(m_worker, "calculateSpectrum", Qt::AutoConnection, Q_ARG(QByteArray, buffer),
                              Q_ARG(int, inputFrequency), Q_ARG(int, bytesPerSample));
}

void SpectrumAnalyser::cancelPending()
{
    if (m_analysisState == Busy)
        m_analysisState = Cancelled;
}

void SpectrumAnalyser::calculationComplete(const FrequencySpectrum &spectrum)
{
    // Still busy while the receivers run: a block they hand in is dropped
    // rather than analysed inside this one.
    if (m_analysisState == Busy)
        emit spectrumChanged(spectrum);
    m_analysisState = Idle;
}
