#pragma once

#include <QString>

#include <functional>

// The German voice of espeak-ng, in this process: turns a text into 16-bit mono samples. The
// library keeps one state for the whole process, so one voice is used from one thread at a time,
// and what it loaded stays loaded until the process ends.
class EspeakVoice {
public:
    // Receives each piece of sound as it is made; returning false stops the rest.
    using Sink = std::function<bool(const qint16* samples, int count)>;

    EspeakVoice() = default;
    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;

    // Loads the library's data and the voice "de" at a calm pace; false when either is missing.
    bool load();
    int sampleRate() const { return sampleRate_; }

    // Says text (line breaks are pauses) into sink; false when nothing could be made or sink
    // stopped it.
    bool render(const QString& text, const Sink& sink);

private:
    bool loaded_ = false;
    int sampleRate_ = 0;
};
