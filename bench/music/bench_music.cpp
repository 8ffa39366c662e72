// One spectrum analysis of a 4096-frame block (window, FFT, 2047 amplitudes)
// and one music frame of the engine (132 keys: fall, mix, darken).
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cmath>

#include "platform/fftRealWrapper.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/lightsConfig/spectrumAnalyser.h"

namespace {

QByteArray toneBlock()
{
    QByteArray block(16384, '\0');
    for (int i = 0; i < 4096; ++i) {
        const qint16 s = qint16(16000 * std::sin(2 * M_PI * 500.0 * i / 44100));
        block[i * 4] = char(s & 0xFF);
        block[i * 4 + 1] = char((s >> 8) & 0xFF);
    }
    return block;
}

void fft4096(benchmark::State &state)
{
    FFTRealWrapper fft;
    std::vector<float> in(4096), out(4096);
    for (int i = 0; i < 4096; ++i)
        in[size_t(i)] = float(std::sin(i * 0.1));
    for (auto _ : state) {
        fft.calculateFFT(out.data(), in.data());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(fft4096)->Unit(benchmark::kMicrosecond);

void analysis4096(benchmark::State &state)
{
    SpectrumAnalyser analyser;
    QAudioFormat f;
    f.setSampleRate(44100);
    f.setChannelCount(2);
    f.setSampleSize(16);
    f.setCodec(QStringLiteral("audio/pcm"));
    f.setByteOrder(QAudioFormat::LittleEndian);
    f.setSampleType(QAudioFormat::SignedInt);
    double sink = 0;
    QObject::connect(&analyser, &SpectrumAnalyser::spectrumChanged,
                     [&](const FrequencySpectrum &s) { sink += s[46].amplitude; });
    const QByteArray block = toneBlock();
    for (auto _ : state)
        analyser.calculate(block, f);
    benchmark::DoNotOptimize(sink);
}
BENCHMARK(analysis4096)->Unit(benchmark::kMicrosecond);

void musicFrame(benchmark::State &state)
{
    lightDealMain engine;
    lightSupportInfo support;
    support.keyboard.lightTypes = {100};
    support.keyboard.speedMax = 4;
    support.keyboard.brightnessMax = 4;
    engine.setLightSupportInfo(support);
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    int n = 0;
    for (auto _ : state) {
        if (++n % 8 == 0)
            for (int b = 0; b < 11; ++b)
                engine.setMusicBar((n / 8 + b) % 6, 2 * b, 2);
        engine.renderMusicFrame();
        benchmark::DoNotOptimize(engine.keyPreviewColor(5, 0));
    }
}
BENCHMARK(musicFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/bench"); // no capture needed here
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
