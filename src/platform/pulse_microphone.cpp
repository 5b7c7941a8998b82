#include "platform/pulse_microphone.h"

#include "platform/pulse_connection.h"

#include <cstring>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace {
// The server hands the sound over in pieces this long, so that little of it is still on the
// way when the teacher stops.
constexpr pa_usec_t kPieceMicroseconds = 20'000;
} // namespace

PulseMicrophone::~PulseMicrophone() {
    if (!mainloop_)
        return;
    {
        PulseLock lock(mainloop_);
        ended();
        dropContext(context_);
    }
    pa_threaded_mainloop_stop(mainloop_);
    pa_threaded_mainloop_free(mainloop_);
}

void PulseMicrophone::start(int rate, std::function<void()> opened, std::function<void()> missing) {
    if (!mainloop_) {
        mainloop_ = pa_threaded_mainloop_new();
        if (!mainloop_ || pa_threaded_mainloop_start(mainloop_) < 0) {
            if (mainloop_)
                pa_threaded_mainloop_free(mainloop_);
            mainloop_ = nullptr;
            missing();
            return;
        }
    }
    PulseLock lock(mainloop_);
    ended();
    rate_ = rate;
    wanted_ = true;
    opened_ = std::move(opened);
    missing_ = std::move(missing);
    if (!connect())
        answer(false);
    else if (pa_context_get_state(context_) == PA_CONTEXT_READY)
        askForSource();
}

Sound PulseMicrophone::stop() {
    if (!mainloop_)
        return {};
    PulseLock lock(mainloop_);
    Sound heard{std::move(samples_), rate_};
    ended();
    return heard;
}

// The connection of an earlier recording is used again, unless the server went away since.
bool PulseMicrophone::connect() {
    if (context_ && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
        dropContext(context_);
    if (context_)
        return true;
    context_ = connectContext(mainloop_, &PulseMicrophone::contextChanged, this);
    return context_ != nullptr;
}

void PulseMicrophone::askForSource() {
    asking_ = pa_context_get_source_info_by_name(context_, "@DEFAULT_SOURCE@",
                                                 &PulseMicrophone::sourceTold, this);
    if (!asking_)
        answer(false);
}

void PulseMicrophone::openStream(const char* source) {
    const pa_sample_spec format{PA_SAMPLE_S16NE, uint32_t(rate_), 1};
    stream_ = pa_stream_new(context_, "Aufnahme", &format, nullptr);
    if (!stream_) {
        answer(false);
        return;
    }
    pa_stream_set_state_callback(stream_, &PulseMicrophone::streamChanged, this);
    pa_stream_set_read_callback(stream_, &PulseMicrophone::readable, this);
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(-1);
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(pa_usec_to_bytes(kPieceMicroseconds, &format));
    if (pa_stream_connect_record(stream_, source, &buffer, PA_STREAM_ADJUST_LATENCY) < 0) {
        dropStream();
        answer(false);
    }
}

void PulseMicrophone::answer(bool found) {
    if (!wanted_ || answered_)
        return;
    answered_ = true;
    const std::function<void()> told = found ? opened_ : missing_;
    if (told)
        told();
}

// Whatever a recording left running: the question to the server, the stream, what was heard.
void PulseMicrophone::ended() {
    if (asking_) {
        pa_operation_cancel(asking_);
        pa_operation_unref(asking_);
        asking_ = nullptr;
    }
    dropStream();
    wanted_ = false;
    answered_ = false;
    opened_ = nullptr;
    missing_ = nullptr;
    samples_.clear();
}

void PulseMicrophone::dropStream() {
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_read_callback(stream_, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))
        pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseMicrophone::contextChanged(pa_context* context, void* microphone) {
    auto* self = static_cast<PulseMicrophone*>(microphone);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && self->wanted_ && !self->asking_ && !self->stream_)
        self->askForSource();
    else if (!PA_CONTEXT_IS_GOOD(state))
        self->answer(false);
}

// Called with the default source, then once more with end set; end is negative when there is
// none.
void PulseMicrophone::sourceTold(pa_context*, const pa_source_info* source, int end,
                                 void* microphone) {
    auto* self = static_cast<PulseMicrophone*>(microphone);
    if (source && end == 0) {
        if (source->monitor_of_sink != PA_INVALID_INDEX)
            self->answer(false);
        else if (!self->stream_)
            self->openStream(source->name);
        return;
    }
    pa_operation_unref(self->asking_);
    self->asking_ = nullptr;
    if (!self->stream_)
        self->answer(false);
}

void PulseMicrophone::streamChanged(pa_stream* stream, void* microphone) {
    auto* self = static_cast<PulseMicrophone*>(microphone);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY)
        self->answer(true);
    else if (!PA_STREAM_IS_GOOD(state))
        self->answer(false);
}

void PulseMicrophone::readable(pa_stream* stream, size_t, void* microphone) {
    auto* self = static_cast<PulseMicrophone*>(microphone);
    const void* data = nullptr;
    size_t size = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &size) == 0 &&
           size > 0) {
        const auto count = qsizetype(size / sizeof(qint16));
        const qsizetype at = self->samples_.size();
        // A hole in what the server recorded is kept as silence, so the sound keeps its length.
        self->samples_.resize(at + count);
        if (data)
            std::memcpy(self->samples_.data() + at, data, size_t(count) * sizeof(qint16));
        pa_stream_drop(stream);
    }
}
