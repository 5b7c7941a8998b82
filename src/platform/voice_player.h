#pragma once

#include "platform/espeak_voice.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>

class QAudioSink;
class QIODevice;
class QTimer;

// Lives on the speech thread: makes the sound of each text and hands it to the audio output as
// it is made. Every text has a number; a text whose number is no longer the current one is cut
// short (or never started), so new speech replaces old at once.
class VoicePlayer : public QObject {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;

    explicit VoicePlayer(std::shared_ptr<std::atomic<quint64>> current);
    ~VoicePlayer() override;

    void play(const QString& text, quint64 number, Clock::time_point asked);
    void halt();

signals:
    void soundStarted(qint64 nanoseconds);

private:
    bool ready();
    void deliver(const char* bytes, qint64 size);
    void feed();

    std::shared_ptr<std::atomic<quint64>> current_;
    EspeakVoice voice_;
    QAudioSink* sink_ = nullptr;
    QIODevice* output_ = nullptr;
    QTimer* feeder_ = nullptr;
    QByteArray waiting_;
    QAudioDevice device_;
    bool lookedForOutput_ = false;
    bool voiceMissing_ = false;
};
