// The FFT wrapper and the spectrum analyser: transform layout and scale,
// window, amplitude rule, and the analyser's busy/cancel states.
#include <QtTest>

#include <cmath>
#include <complex>
#include <random>

#include "platform/fftRealWrapper.h"
#include "ui/lightsConfig/spectrumAnalyser.h"

namespace {

const int N = FFTRealWrapper::PointCount;

QAudioFormat pcm16(int rate, int channels)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleSize(16);
    f.setCodec(QStringLiteral("audio/pcm"));
    f.setByteOrder(QAudioFormat::LittleEndian);
    f.setSampleType(QAudioFormat::SignedInt);
    return f;
}

// 4096 frames of a sine on channel 0 (the other channels carry noise that
// must not reach the analysis).
QByteArray toneBlock(double hz, double amplitude, int rate, int channels)
{
    QByteArray block(N * channels * 2, '\0');
    std::mt19937 noise(7);
    for (int i = 0; i < N; ++i)
        for (int ch = 0; ch < channels; ++ch) {
            const double v = ch == 0 ? amplitude * std::sin(2 * M_PI * hz * i / rate)
                                     : std::uniform_real_distribution<double>(-1, 1)(noise);
            const qint16 s = qint16(qBound(-32768.0, std::round(v * 32767.0), 32767.0));
            block[(i * channels + ch) * 2] = char(s & 0xFF);
            block[(i * channels + ch) * 2 + 1] = char((s >> 8) & 0xFF);
        }
    return block;
}

int loudestBin(const FrequencySpectrum &s)
{
    int best = 2;
    for (int i = 2; i <= N / 2; ++i)
        if (s[i].amplitude > s[best].amplitude)
            best = i;
    return best;
}

} // namespace

class tst_spectrumAnalyser : public QObject
{
    Q_OBJECT
private slots:
    void fftMatchesNaiveDft()
    {
        std::mt19937 rng(42);
        std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
        std::vector<float> in(N), out(N);
        for (float &v : in)
            v = dist(rng);
        const std::vector<float> kept = in;
        FFTRealWrapper fft;
        fft.calculateFFT(out.data(), in.data());
        QVERIFY(in == kept); // the input is left alone

        // The naive transform of a few bins across the range, bin 0 and the
        // Nyquist bin included, against the wrapper's layout.
        double worst = 0.0;
        for (int k : {0, 1, 2, 3, 93, 511, 1024, 2047, 2048}) {
            std::complex<double> sum = 0;
            for (int n = 0; n < N; ++n)
                sum += double(in[size_t(n)]) * std::polar(1.0, -2 * M_PI * double(k) * n / N);
            const double re = out[size_t(k)];
            const double im = (k > 0 && k < N / 2) ? double(out[size_t(N / 2 + k)]) : 0.0;
            const double err = std::abs(std::complex<double>(re, im) - sum) / std::max(1.0, std::abs(sum));
            worst = std::max(worst, err);
            if (k == 0 || k == N / 2)
                QVERIFY(std::abs(sum.imag()) < 1e-3);
        }
        QVERIFY2(worst < 1e-4, qPrintable(QString::number(worst)));
    }

    void fftSignOfImaginaryParts()
    {
        // sin at bin 5: X[5] = -i*N/2 with the forward sign convention.
        std::vector<float> in(N), out(N);
        for (int n = 0; n < N; ++n)
            in[size_t(n)] = float(std::sin(2 * M_PI * 5 * n / N));
        FFTRealWrapper fft;
        fft.calculateFFT(out.data(), in.data());
        QVERIFY(std::abs(out[5]) < 1e-2);
        QVERIFY(std::abs(out[size_t(N / 2 + 5)] + N / 2.0f) < 1e-1);
    }

    void hannWindow()
    {
        SpectrumAnalyserThread worker;
        const QVector<float> &w = worker.windowTable();
        QCOMPARE(w.size(), N);
        QCOMPARE(w.first(), 0.0f);
        QVERIFY(std::abs(w.last()) < 1e-7f);
        QVERIFY(std::abs(w[N / 2] - 1.0f) < 1e-5f);
        QVERIFY(std::abs(w[N / 4] - float(0.5 * (1 - std::cos(2 * M_PI * (N / 4) / (N - 1))))) < 1e-7f);
        worker.setWindowFunction(NoWindow);
        for (float v : w)
            QCOMPARE(v, 1.0f);
    }

    void samples()
    {
        QCOMPARE(int16SampleToReal(-32768), -1.0);
        QCOMPARE(int16SampleToReal(32767), 32767 / 32768.0);
        QCOMPARE(int16SampleToReal(0), 0.0);
    }

    void silenceGivesZeros()
    {
        SpectrumAnalyser analyser;
        QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
        analyser.calculate(QByteArray(16384, '\0'), pcm16(44100, 2));
        QCOMPARE(spy.count(), 1); // synchronous
        const FrequencySpectrum s = spy.at(0).at(0).value<FrequencySpectrum>();
        QCOMPARE(s.count(), N);
        for (int i = 0; i < N; ++i) {
            QCOMPARE(s[i].amplitude, 0.0);
            QVERIFY(!s[i].clipped);
        }
        QCOMPARE(s[2].frequency, 2 * 44100.0 / N);
        QCOMPARE(s[N / 2].frequency, 22050.0);
        QCOMPARE(s[1].frequency, 0.0); // never written
        QCOMPARE(s[N / 2 + 1].frequency, 0.0);
    }

    void toneFindsItsBin_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bin");
        QTest::addColumn<bool>("clipped");
        QTest::newRow("full scale 1000 Hz stereo") << 1000.0 << 1.0 << 44100 << 2 << 93 << true;
        QTest::newRow("full scale 1000 Hz mono") << 1000.0 << 1.0 << 44100 << 1 << 93 << true;
        QTest::newRow("1000 Hz at 48000, 6 channels") << 1000.0 << 1.0 << 48000 << 6 << 85 << true;
        QTest::newRow("quiet 500 Hz") << 500.0 << 0.25 << 44100 << 2 << 46 << false;
    }
    void toneFindsItsBin()
    {
        QFETCH(double, hz);
        QFETCH(double, amplitude);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, bin);
        QFETCH(bool, clipped);
        SpectrumAnalyser analyser;
        QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
        analyser.calculate(toneBlock(hz, amplitude, rate, channels), pcm16(rate, channels));
        QCOMPARE(spy.count(), 1);
        const FrequencySpectrum s = spy.at(0).at(0).value<FrequencySpectrum>();
        QCOMPARE(loudestBin(s), bin);
        QCOMPARE(s[bin].frequency, double(bin) * rate / N);
        QCOMPARE(s[bin].clipped, clipped);
        if (clipped) {
            QCOMPARE(s[bin].amplitude, 1.0);
        } else {
            // 0.25 full scale in the Hann window: magnitude about 256.
            QVERIFY(std::abs(s[bin].amplitude - 0.15 * std::log(0.25 * 32767 / 32768.0 * N / 4)) < 0.03);
        }
        // Far from the tone the spectrum is quiet.
        QVERIFY(s[bin * 3 + 40].amplitude < 0.35);
    }

    void requestWhileBusyIsDropped()
    {
        SpectrumAnalyser analyser;
        int received = 0;
        connect(&analyser, &SpectrumAnalyser::spectrumChanged, this, [&] {
            ++received;
            QVERIFY(!analyser.isIdle());
            analyser.calculate(QByteArray(16384, '\0'), pcm16(44100, 2)); // dropped
        });
        analyser.calculate(toneBlock(1000, 1, 44100, 2), pcm16(44100, 2));
        QCOMPARE(received, 1);
        QVERIFY(analyser.isIdle());
        analyser.calculate(QByteArray(16384, '\0'), pcm16(44100, 2));
        QCOMPARE(received, 2);
    }

    void cancelWhileIdleAndLateResults()
    {
        SpectrumAnalyser analyser;
        QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
        analyser.cancelPending(); // idle: nothing changes
        QVERIFY(analyser.isIdle());
        // A result that arrives while nothing was asked for is not passed on.
        QVERIFY(QMetaObject::invokeMethod(&analyser, "calculationComplete", Qt::DirectConnection,
                                          Q_ARG(FrequencySpectrum, FrequencySpectrum(N))));
        QCOMPARE(spy.count(), 0);
        analyser.calculate(QByteArray(16384, '\0'), pcm16(44100, 2));
        QCOMPARE(spy.count(), 1);
    }

    void shortOrOddFormatsAreSafe()
    {
        SpectrumAnalyser analyser;
        QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
        analyser.calculate(QByteArray(100, '\x7f'), pcm16(44100, 2)); // read as silence past its end
        QCOMPARE(spy.count(), 1);
        analyser.calculate(QByteArray(16384, '\0'), QAudioFormat()); // no format: nothing to analyse
        QCOMPARE(spy.count(), 1);
        QVERIFY(analyser.isIdle());
    }
};

QTEST_GUILESS_MAIN(tst_spectrumAnalyser)
#include "tst_spectrumAnalyser.moc"
