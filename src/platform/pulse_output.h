#pragma once

#include <QByteArray>

#include <functional>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// The voice's way to the loudspeaker: one playback stream of 16-bit mono sound on the audio
// server (PulseAudio, or PipeWire in its place), fed from a queue whenever the server asks for
// more. The server's clock drives the writes and its buffer holds a quarter of a second ahead,
// so a busy computer does not cut holes into the sound. The connection lives on the audio
// library's own thread and nothing here ever waits for the server: one that stopped answering
// only keeps the sound queued, one that went away is looked for again with the next sound.
// Every call comes from one thread.
class PulseOutput {
public:
    // Called on the audio library's thread when the first bytes of a sound reach the server.
    using Started = std::function<void()>;

    PulseOutput() = default;
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Looks for the audio server, or for it again when the connection broke; false when none
    // can be reached. The answer comes later: true only means it is being asked.
    bool connect();
    // Replaces whatever is playing or queued by the sound that append() brings.
    void begin(int sampleRate, Started started);
    void append(const char* bytes, qsizetype size);
    // No more sound follows: the end is played even when it is too short to start on its own.
    void finish();
    void halt();

private:
    void openStream();
    void dropStream();
    void pump();
    void stopped();

    static void contextChanged(pa_context* context, void* output);
    static void streamChanged(pa_stream* stream, void* output);
    static void writable(pa_stream* stream, size_t bytes, void* output);
    static void underflow(pa_stream* stream, void* output);

    pa_threaded_mainloop* mainloop_ = nullptr;
    // Everything below is shared with the audio library's thread, under the mainloop's lock.
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    int sampleRate_ = 0;
    QByteArray queue_;
    qsizetype head_ = 0;
    qint64 written_ = 0;
    bool finished_ = false;
    bool triggered_ = false;
    Started started_;
};
