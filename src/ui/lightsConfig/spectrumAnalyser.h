#ifndef SPECTRUMANALYSER_H
#define SPECTRUMANALYSER_H

#include <QAudioFormat>
#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QVector>

#include <memory>

class FFTRealWrapper;

// The strength of each frequency bin of one analysed block.
class FrequencySpectrum
{
public:
    struct Element
    {
        double frequency = 0.0; // centre of the bin, Hz
        double amplitude = 0.0; // 0..1, logarithmic
        double phase = 0.0;     // always 0
        bool clipped = false;   // the amplitude was above 1 before it was limited
    };

    explicit FrequencySpectrum(int numPoints = 0) : m_elements(numPoints) {}
    int count() const { return m_elements.size(); }
    Element &operator[](int index) { return m_elements[index]; }
    const Element &operator[](int index) const { return m_elements[index]; }
    QVector<Element>::const_iterator begin() const { return m_elements.cbegin(); }
    QVector<Element>::const_iterator end() const { return m_elements.cend(); }

private:
    QVector<Element> m_elements;
};

enum WindowFunction {
    NoWindow = 0,
    HannWindow = 1,
};

Q_DECLARE_METATYPE(FrequencySpectrum)
Q_DECLARE_METATYPE(WindowFunction)

// Registers "FrequencySpectrum" and "WindowFunction" with the meta-type
// system; safe to call more than once.
void registerSpectrumMetaTypes();

double int16SampleToReal(qint16 sample);

// The calculation: window, FFT and amplitudes. Lives in the thread of its
// front (SpectrumAnalyser), so every calculation runs inside the request.
class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT
public:
    static constexpr int SampleCount = 4096;

    explicit SpectrumAnalyserThread(QObject *parent = nullptr);
    ~SpectrumAnalyserThread() override;

    const QVector<float> &windowTable() const { return m_windowTable; }

public slots:
    void setWindowFunction(WindowFunction type);
    void calculateSpectrum(QByteArray buffer, int inputFrequency, int bytesPerSample);

signals:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    void rebuildWindowTable();

    std::unique_ptr<FFTRealWrapper> m_fftWrapper;
    int m_sampleCount = SampleCount;
    WindowFunction m_windowType = HannWindow;
    QVector<float> m_windowTable;
    QVector<float> m_fftInput;
    QVector<float> m_fftOutput;
    FrequencySpectrum m_result;
};

// Turns one block of 16-bit PCM into a FrequencySpectrum (first channel,
// 4096 samples, Hann window). A request while a calculation runs is dropped.
class SpectrumAnalyser : public QObject
{
    Q_OBJECT
public:
    explicit SpectrumAnalyser(QObject *parent = nullptr);

    // The buffer must hold 4096 frames of the format (16-bit samples).
    void calculate(const QByteArray &buffer, const QAudioFormat &format);
    bool isIdle() const { return m_analysisState == Idle; }
    void cancelPending();
    SpectrumAnalyserThread *worker() const { return m_worker; }

signals:
    void spectrumChanged(const FrequencySpectrum &spectrum);

private slots:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    enum State { Idle = 0, Busy = 1, Cancelled = 2 };
    SpectrumAnalyserThread *m_worker = nullptr;
    int m_analysisState = Idle;
};

#endif // SPECTRUMANALYSER_H
