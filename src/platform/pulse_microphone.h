#pragma once

#include "platform/loadable_voice.h"

#include <QList>

#include <functional>

struct pa_context;
struct pa_operation;
struct pa_source_info;
struct pa_stream;
struct pa_threaded_mainloop;

// The computer's microphone: the audio server's default source (PulseAudio, or PipeWire in its
// place), recorded as 16-bit mono at the rate asked for, which the server converts to. A source
// that only listens to an output (the monitor of a sink, which a server without a microphone
// offers as its default) is no microphone. The connection lives on the audio library's own
// thread and is kept from one recording to the next; nothing here waits for the server.
class PulseMicrophone final : public LoadableMicrophone {
public:
    PulseMicrophone() = default;
    ~PulseMicrophone() override;
    PulseMicrophone(const PulseMicrophone&) = delete;
    PulseMicrophone& operator=(const PulseMicrophone&) = delete;

    void start(int rate, std::function<void()> opened, std::function<void()> missing) override;
    Sound stop() override;

private:
    bool connect();
    void askForSource();
    void openStream(const char* source);
    void answer(bool found);
    void ended();
    void dropStream();

    static void contextChanged(pa_context* context, void* microphone);
    static void sourceTold(pa_context* context, const pa_source_info* source, int end,
                           void* microphone);
    static void streamChanged(pa_stream* stream, void* microphone);
    static void readable(pa_stream* stream, size_t bytes, void* microphone);

    pa_threaded_mainloop* mainloop_ = nullptr;
    // Everything below is shared with the audio library's thread, under the mainloop's lock.
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_operation* asking_ = nullptr;
    int rate_ = 0;
    // Between start() and stop(), and whether opened or missing was called since start().
    bool wanted_ = false;
    bool answered_ = false;
    std::function<void()> opened_;
    std::function<void()> missing_;
    QList<qint16> samples_;
};
