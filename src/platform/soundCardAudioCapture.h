#ifndef SOUNDCARDAUDIOCAPTURE_H
#define SOUNDCARDAUDIOCAPTURE_H

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include <QByteArray>

#include "audioCaptureSource.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

// Loopback capture of what the computer plays: a PulseAudio record stream on
// the monitor of the default output (sink), 16-bit little-endian stereo at
// 44100 Hz in fragments of about 5 ms. The server converts from whatever the
// sink renders. The stream runs on libpulse's own event thread, which emits
// the packets.
//
// Without a sound server start() fails at once (no server is spawned) and
// every wait on the server is bounded, so a stalled server cannot hang the
// caller.
class DSoundCardAudioCapture : public audioCaptureSource
{
    Q_OBJECT
public:
    static constexpr int SampleRate = 44100;
    static constexpr int ChannelCount = 2;
    static constexpr int FragmentMs = 5;
    static constexpr int ServerTimeoutMs = 2000;

    explicit DSoundCardAudioCapture(QObject *parent = nullptr);
    ~DSoundCardAudioCapture() override;

    int start() override;
    int stop() override;
    bool isRunning() const override { return m_isRunning.load(); }
    QAudioFormat captureFormat() const override;
    QString boundOutputName() const override;
    QString defaultOutputName() const override;
    // The monitor source the running capture records.
    QString sourceName() const;
    // Why the last start failed, for the debug log.
    QString lastError() const;

    void release();

private:
    static void contextStateChanged(pa_context *context, void *self);
    static void streamStateChanged(pa_stream *stream, void *self);
    static void streamReadable(pa_stream *stream, size_t bytes, void *self);
    static void serverEvent(pa_context *context, unsigned eventType, uint32_t index, void *self);
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);
    bool queryDefaultSink(std::string *sink, std::string *monitor);
    void captureLoop(pa_stream *stream);
    void setError(const char *what);

    pa_threaded_mainloop *m_mainloop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    std::atomic<bool> m_isRunning{false};
    std::atomic<bool> m_stopping{false};
    // Captured bytes not yet handed over: less than a fragment, or the part
    // of a frame cut by a block boundary (event thread only).
    QByteArray m_pending;
    mutable std::mutex m_nameLock;
    std::string m_boundSink;
    std::string m_defaultSink;
    std::string m_source;
    std::string m_lastError;
};

#endif // SOUNDCARDAUDIOCAPTURE_H
