#include "platform/pulse_output.h"

#include "platform/pulse_connection.h"

#include <QLoggingCategory>

#include <algorithm>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace {

// The server keeps this much sound ahead of the loudspeaker: enough to ride out a computer too
// busy to answer for a while, and still dropped at once when new words cut the old ones short.
constexpr pa_usec_t kAheadMicroseconds = 250'000;
// Playback starts, and starts again after running dry, once this much sound is there.
constexpr pa_usec_t kStartMicroseconds = 40'000;

// QT_LOGGING_RULES="moxabc.voice.debug=true" shows how the server buffers the voice and every
// time it ran dry before the end of a text.
Q_LOGGING_CATEGORY(voiceLog, "moxabc.voice", QtWarningMsg)

void forget(pa_operation* operation) {
    if (operation)
        pa_operation_unref(operation);
}

double milliseconds(size_t bytes, const pa_sample_spec* format) {
    return double(pa_bytes_to_usec(bytes, format)) / 1000.0;
}

} // namespace

PulseOutput::~PulseOutput() {
    if (!mainloop_)
        return;
    {
        PulseLock lock(mainloop_);
        started_ = nullptr;
        dropStream();
        dropContext(context_);
    }
    // Leaving the server is one message into the socket: a server that stopped answering does
    // not hold this up.
    pa_threaded_mainloop_stop(mainloop_);
    pa_threaded_mainloop_free(mainloop_);
}

bool PulseOutput::connect() {
    if (!mainloop_) {
        mainloop_ = pa_threaded_mainloop_new();
        if (!mainloop_)
            return false;
        if (pa_threaded_mainloop_start(mainloop_) < 0) {
            pa_threaded_mainloop_free(mainloop_);
            mainloop_ = nullptr;
            return false;
        }
    }
    PulseLock lock(mainloop_);
    if (context_ && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
        dropStream();
        dropContext(context_);
    }
    if (context_)
        return true;
    context_ = connectContext(mainloop_, &PulseOutput::contextChanged, this);
    return context_ != nullptr;
}

void PulseOutput::begin(int sampleRate, Started started) {
    if (!mainloop_)
        return;
    PulseLock lock(mainloop_);
    stopped();
    started_ = std::move(started);
    // A stream the server ended (its device went away) or of another rate is replaced.
    if (stream_ && (sampleRate != sampleRate_ || !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))))
        dropStream();
    sampleRate_ = sampleRate;
    if (!stream_ && context_ && pa_context_get_state(context_) == PA_CONTEXT_READY)
        openStream();
}

void PulseOutput::append(const char* bytes, qsizetype size) {
    if (!mainloop_)
        return;
    PulseLock lock(mainloop_);
    queue_.append(bytes, size);
    pump();
}

void PulseOutput::finish() {
    if (!mainloop_)
        return;
    PulseLock lock(mainloop_);
    finished_ = true;
    pump();
}

void PulseOutput::halt() {
    if (!mainloop_)
        return;
    PulseLock lock(mainloop_);
    stopped();
}

void PulseOutput::stopped() {
    queue_.clear();
    head_ = 0;
    finished_ = false;
    triggered_ = false;
    started_ = nullptr;
    if (written_ > 0 && stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY)
        forget(pa_stream_flush(stream_, nullptr, nullptr));
    written_ = 0;
}

void PulseOutput::openStream() {
    const pa_sample_spec format{PA_SAMPLE_S16NE, uint32_t(sampleRate_), 1};
    stream_ = pa_stream_new(context_, "Vorlesen", &format, nullptr);
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, &PulseOutput::streamChanged, this);
    pa_stream_set_write_callback(stream_, &PulseOutput::writable, this);
    pa_stream_set_underflow_callback(stream_, &PulseOutput::underflow, this);
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(kAheadMicroseconds, &format));
    buffer.prebuf = uint32_t(pa_usec_to_bytes(kStartMicroseconds, &format));
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) <
        0)
        dropStream();
}

void PulseOutput::dropStream() {
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))
        pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    written_ = 0;
}

// Hands the server as much of the queue as it has room for; its requests call this again.
void PulseOutput::pump() {
    if (!stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY)
        return;
    const size_t room = pa_stream_writable_size(stream_);
    const size_t size = room == size_t(-1) ? 0 : std::min(room, size_t(queue_.size() - head_));
    if (size > 0) {
        if (pa_stream_write(stream_, queue_.constData() + head_, size, nullptr, 0,
                            PA_SEEK_RELATIVE) < 0)
            return;
        head_ += qsizetype(size);
        written_ += qint64(size);
        if (started_) {
            const Started started = std::move(started_);
            started_ = nullptr;
            started();
        }
    }
    if (head_ == queue_.size()) {
        queue_.clear();
        head_ = 0;
    }
    // The end of a text may be shorter than what starts playback.
    if (finished_ && queue_.isEmpty() && written_ > 0 && !triggered_) {
        triggered_ = true;
        forget(pa_stream_trigger(stream_, nullptr, nullptr));
    }
}

void PulseOutput::contextChanged(pa_context* context, void* output) {
    auto* self = static_cast<PulseOutput*>(output);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && !self->stream_ && self->sampleRate_ > 0)
        self->openStream();
    else if (state == PA_CONTEXT_FAILED)
        qCDebug(voiceLog) << "audio server lost:" << pa_strerror(pa_context_errno(context));
}

void PulseOutput::streamChanged(pa_stream* stream, void* output) {
    auto* self = static_cast<PulseOutput*>(output);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        if (voiceLog().isDebugEnabled()) {
            const pa_buffer_attr* buffer = pa_stream_get_buffer_attr(stream);
            const pa_sample_spec* format = pa_stream_get_sample_spec(stream);
            qCDebug(voiceLog) << "stream ready, ms ahead:" << milliseconds(buffer->tlength, format)
                              << "start at:" << milliseconds(buffer->prebuf, format)
                              << "least request:" << milliseconds(buffer->minreq, format);
        }
        self->pump();
    } else if (state == PA_STREAM_FAILED) {
        qCDebug(voiceLog) << "stream ended by the server:"
                          << pa_strerror(pa_context_errno(pa_stream_get_context(stream)));
    }
}

void PulseOutput::writable(pa_stream*, size_t, void* output) {
    static_cast<PulseOutput*>(output)->pump();
}

void PulseOutput::underflow(pa_stream* stream, void* output) {
    const auto* self = static_cast<PulseOutput*>(output);
    if (self->finished_ && self->queue_.isEmpty())
        return;
    qCDebug(voiceLog) << "ran dry before the end of a text (or as new words replaced it), ms "
                         "still queued:"
                      << milliseconds(size_t(self->queue_.size() - self->head_),
                                      pa_stream_get_sample_spec(stream));
}
