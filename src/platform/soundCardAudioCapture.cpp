#include "soundCardAudioCapture.h"

#include <pulse/pulseaudio.h>

#include <QMetaType>

#include <cstring>

namespace {

const char *kClientName = "vardex-keyboard";

pa_sample_spec captureSpec()
{
    pa_sample_spec spec;
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = DSoundCardAudioCapture::SampleRate;
    spec.channels = DSoundCardAudioCapture::ChannelCount;
    return spec;
}

struct SinkQuery
{
    pa_threaded_mainloop *mainloop = nullptr;
    std::string name;
    std::string monitor;
    bool done = false;
};

void serverInfoReceived(pa_context *, const pa_server_info *info, void *userdata)
{
    auto *q = static_cast<SinkQuery *>(userdata);
    if (info && info->default_sink_name)
        q->name = info->default_sink_name;
    q->done = true;
    pa_threaded_mainloop_signal(q->mainloop, 0);
}

void sinkInfoReceived(pa_context *, const pa_sink_info *info, int eol, void *userdata)
{
    auto *q = static_cast<SinkQuery *>(userdata);
    if (eol == 0 && info && info->monitor_source_name)
        q->monitor = info->monitor_source_name;
    if (eol != 0) {
        q->done = true;
        pa_threaded_mainloop_signal(q->mainloop, 0);
    }
}

} // namespace

void registerAudioCaptureMetaTypes()
{
    qRegisterMetaType<BYTE *>("BYTE*");
}

DSoundCardAudioCapture::DSoundCardAudioCapture(QObject *parent)
    : audioCaptureSource(parent)
{
    registerAudioCaptureMetaTypes();
}

DSoundCardAudioCapture::~DSoundCardAudioCapture()
{
    stop();
}

QAudioFormat DSoundCardAudioCapture::captureFormat() const
{
    QAudioFormat f;
    f.setSampleRate(SampleRate);
    f.setChannelCount(ChannelCount);
    f.setSampleSize(16);
    f.setCodec(QStringLiteral("audio/pcm"));
    f.setByteOrder(QAudioFormat::LittleEndian);
    f.setSampleType(QAudioFormat::SignedInt);
    return f;
}

QString DSoundCardAudioCapture::boundOutputName() const
{
    std::lock_guard<std::mutex> guard(m_nameLock);
    return QString::fromStdString(m_boundSink);
}

QString DSoundCardAudioCapture::defaultOutputName() const
{
    std::lock_guard<std::mutex> guard(m_nameLock);
    return QString::fromStdString(m_defaultSink);
}

QString DSoundCardAudioCapture::sourceName() const
{
    std::lock_guard<std::mutex> guard(m_nameLock);
    return QString::fromStdString(m_source);
}

QString DSoundCardAudioCapture::lastError() const
{
    std::lock_guard<std::mutex> guard(m_nameLock);
    return QString::fromStdString(m_lastError);
}

void DSoundCardAudioCapture::setError(const char *what)
{
    std::string text = what;
    if (m_context)
        text += std::string(": ") + pa_strerror(pa_context_errno(m_context));
    std::lock_guard<std::mutex> guard(m_nameLock);
    m_lastError = text;
}

void DSoundCardAudioCapture::contextStateChanged(pa_context *context, void *self)
{
    auto *capture = static_cast<DSoundCardAudioCapture *>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
        capture->m_isRunning = false; // the server went away
    pa_threaded_mainloop_signal(capture->m_mainloop, 0);
}

void DSoundCardAudioCapture::streamStateChanged(pa_stream *stream, void *self)
{
    auto *capture = static_cast<DSoundCardAudioCapture *>(self);
    // A stream ends on its own when its sink is removed (it is not allowed
    // to move, or it would record from whatever source the server picks).
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        capture->m_isRunning = false;
    pa_threaded_mainloop_signal(capture->m_mainloop, 0);
}

void DSoundCardAudioCapture::streamReadable(pa_stream *stream, size_t, void *self)
{
    static_cast<DSoundCardAudioCapture *>(self)->captureLoop(stream);
}

void DSoundCardAudioCapture::serverEvent(pa_context *context, unsigned eventType, uint32_t, void *self)
{
    auto *capture = static_cast<DSoundCardAudioCapture *>(self);
    if ((eventType & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SERVER)
        return;
    // The default sink may have changed: note the new one for the watch.
    pa_operation *op = pa_context_get_server_info(
        context,
        [](pa_context *, const pa_server_info *info, void *userdata) {
            auto *c = static_cast<DSoundCardAudioCapture *>(userdata);
            if (!info || !info->default_sink_name)
                return;
            std::lock_guard<std::mutex> guard(c->m_nameLock);
            c->m_defaultSink = info->default_sink_name;
        },
        capture);
    if (op)
        pa_operation_unref(op);
}

// Runs on the event thread each time the stream has data. The server hands
// the monitor's data over in whatever blocks its sink renders (a null sink:
// 2.5 ms); they are gathered into packets of at least one fragment of whole
// frames, which halves the hand-overs to the interface thread.
void DSoundCardAudioCapture::captureLoop(pa_stream *stream)
{
    while (pa_stream_readable_size(stream) > 0) {
        const void *data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0) {
            m_isRunning = false;
            return;
        }
        if (bytes == 0)
            break;
        if (data) // a hole (data lost by the server) is skipped
            m_pending.append(static_cast<const char *>(data), int(bytes));
        pa_stream_drop(stream);
    }
    const int frameBytes = 2 * ChannelCount;
    const int fragmentBytes = SampleRate * FragmentMs / 1000 * frameBytes;
    if (m_stopping || m_pending.size() < fragmentBytes)
        return;
    const int whole = m_pending.size() / frameBytes * frameBytes;
    BYTE *copy = new BYTE[size_t(whole)];
    std::memcpy(copy, m_pending.constData(), size_t(whole));
    m_pending.remove(0, whole);
    emit sigSendCaptureAudioData(copy, whole);
}

bool DSoundCardAudioCapture::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    // Called with the event loop locked. A timer event wakes the wait when
    // the server does not answer in time.
    bool timedOut = false;
    struct Wake
    {
        pa_threaded_mainloop *mainloop;
        bool *timedOut;
    } wake{m_mainloop, &timedOut};
    pa_time_event *timer = pa_context_rttime_new(
        m_context, pa_rtclock_now() + pa_usec_t(timeoutMs) * PA_USEC_PER_MSEC,
        [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *userdata) {
            auto *w = static_cast<Wake *>(userdata);
            *w->timedOut = true;
            pa_threaded_mainloop_signal(w->mainloop, 0);
        },
        &wake);
    if (!timer)
        return false;
    bool ok = true;
    while (!done()) {
        if (timedOut || !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) {
            ok = false;
            break;
        }
        pa_threaded_mainloop_wait(m_mainloop);
    }
    pa_threaded_mainloop_get_api(m_mainloop)->time_free(timer);
    return ok;
}

bool DSoundCardAudioCapture::queryDefaultSink(std::string *sink, std::string *monitor)
{
    SinkQuery server;
    server.mainloop = m_mainloop;
    pa_operation *op = pa_context_get_server_info(m_context, serverInfoReceived, &server);
    if (!op)
        return false;
    const bool answered = waitUntil([&] { return server.done; }, ServerTimeoutMs);
    if (!answered)
        pa_operation_cancel(op);
    pa_operation_unref(op);
    if (!answered || server.name.empty())
        return false;

    SinkQuery sinkInfo;
    sinkInfo.mainloop = m_mainloop;
    op = pa_context_get_sink_info_by_name(m_context, server.name.c_str(), sinkInfoReceived, &sinkInfo);
    if (!op)
        return false;
    const bool listed = waitUntil([&] { return sinkInfo.done; }, ServerTimeoutMs);
    if (!listed)
        pa_operation_cancel(op);
    pa_operation_unref(op);
    if (!listed)
        return false;
    *sink = server.name;
    *monitor = sinkInfo.monitor.empty() ? server.name + ".monitor" : sinkInfo.monitor;
    return true;
}

int DSoundCardAudioCapture::start()
{
    if (m_isRunning)
        return 0;
    release(); // what a capture that ended by itself still holds
    m_stopping = false;
    m_pending.clear();

    m_mainloop = pa_threaded_mainloop_new();
    if (!m_mainloop) {
        setError("no event loop");
        return -1;
    }
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), kClientName);
    if (!m_context) {
        setError("no context");
        release();
        return -1;
    }
    pa_context_set_state_callback(m_context, contextStateChanged, this);
    // Never spawn a server of our own: no server means no music.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        setError("no sound server");
        release();
        return -1;
    }
    if (pa_threaded_mainloop_start(m_mainloop) < 0) {
        setError("no event thread");
        release();
        return -1;
    }

    pa_threaded_mainloop_lock(m_mainloop);
    bool ok = waitUntil([this] { return pa_context_get_state(m_context) == PA_CONTEXT_READY; }, ServerTimeoutMs);
    if (!ok)
        setError("sound server did not answer");

    std::string sink, monitor;
    if (ok) {
        ok = queryDefaultSink(&sink, &monitor);
        if (!ok)
            setError("no default output");
    }
    if (ok) {
        pa_context_set_subscribe_callback(
            m_context,
            [](pa_context *c, pa_subscription_event_type_t t, uint32_t i, void *self) {
                serverEvent(c, unsigned(t), i, self);
            },
            this);
        pa_operation *op = pa_context_subscribe(m_context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr);
        if (op)
            pa_operation_unref(op);

        const pa_sample_spec spec = captureSpec();
        m_stream = pa_stream_new(m_context, "Music rhythm", &spec, nullptr);
        ok = m_stream != nullptr;
        if (!ok)
            setError("no record stream");
    }
    if (ok) {
        pa_stream_set_state_callback(m_stream, streamStateChanged, this);
        pa_stream_set_read_callback(m_stream, streamReadable, this);
        const pa_sample_spec spec = captureSpec();
        pa_buffer_attr attr;
        std::memset(&attr, 0xff, sizeof attr); // server defaults for the rest
        attr.fragsize = uint32_t(pa_usec_to_bytes(pa_usec_t(FragmentMs) * PA_USEC_PER_MSEC, &spec));
        // Without ADJUST_LATENCY the fragment size is only how the server
        // cuts what it already has: the monitor then follows the latency of
        // the player, and a player at its default (about 2 s of buffer) has
        // its sink render, and so its monitor deliver, in bursts seconds
        // apart. With it the server lowers the monitor's (and so the sink's)
        // latency to the fragment, whatever the player asked for.
        const auto flags = pa_stream_flags_t(PA_STREAM_DONT_MOVE | PA_STREAM_ADJUST_LATENCY);
        ok = pa_stream_connect_record(m_stream, monitor.c_str(), &attr, flags) == 0;
        if (ok)
            ok = waitUntil(
                [this] {
                    const pa_stream_state_t s = pa_stream_get_state(m_stream);
                    return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
                },
                ServerTimeoutMs)
                && pa_stream_get_state(m_stream) == PA_STREAM_READY;
        if (!ok)
            setError("monitor could not be recorded");
    }
    if (ok) {
        std::lock_guard<std::mutex> guard(m_nameLock);
        m_boundSink = sink;
        m_defaultSink = sink;
        m_source = monitor;
        m_lastError.clear();
        m_isRunning = true;
    }
    pa_threaded_mainloop_unlock(m_mainloop);
    if (!ok) {
        release();
        return -1;
    }
    return 0;
}

int DSoundCardAudioCapture::stop()
{
    m_isRunning = false;
    if (!m_mainloop)
        return 0;
    m_stopping = true;
    release();
    return 0;
}

void DSoundCardAudioCapture::release()
{
    if (!m_mainloop)
        return;
    // Joins the event thread: after this no callback runs and nothing is
    // emitted.
    pa_threaded_mainloop_stop(m_mainloop);
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa_threaded_mainloop_free(m_mainloop);
    m_mainloop = nullptr;
    m_isRunning = false;
    std::lock_guard<std::mutex> guard(m_nameLock);
    m_boundSink.clear();
    m_defaultSink.clear();
    m_source.clear();
}
