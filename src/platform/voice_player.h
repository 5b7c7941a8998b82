#pragma once

#include "platform/espeak_voice.h"
#include "platform/loadable_voice.h"
#include "platform/pulse_output.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>

// Lives on the speech thread: makes the sound of each text, or reads its recording, and hands it
// to the audio output as it is made, the pieces of a text one after the other in one stream.
// Every text has a number; a text whose number is no longer the current one is cut short (or
// never started), so new speech replaces old at once.
class VoicePlayer : public QObject {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;

    explicit VoicePlayer(std::shared_ptr<std::atomic<quint64>> current);

    void play(const QList<VoicePiece>& pieces, quint64 number, Clock::time_point asked);
    void halt();

signals:
    // Also sent from the audio library's thread.
    void soundStarted(qint64 nanoseconds);

private:
    bool ready();
    // False when the file is no recording that can be played.
    bool playRecording(const QString& path);
    void synthesise(const QString& text, quint64 number);

    std::shared_ptr<std::atomic<quint64>> current_;
    EspeakVoice voice_;
    // Ended before the voice and this player, as its thread may still call back.
    PulseOutput output_;
    bool voiceMissing_ = false;
};
