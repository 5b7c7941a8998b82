#pragma once

#include "platform/loadable_voice.h"
#include "platform/speech.h"

#include <atomic>
#include <memory>

class QThread;
class VoicePlayer;

// The program's real voice: espeak-ng's German voice, played through the default audio output.
// Everything that takes time (loading the voice, making the sound, talking to the audio server)
// happens on a thread of its own, so nothing a child does waits for it. Without an audio output
// or without the German voice it stays silent, and says nothing about it either.
class EspeakSpeech final : public Speech {
    Q_OBJECT
public:
    EspeakSpeech();
    ~EspeakSpeech() override;

    // Starts the speech thread; the voice is loaded there with the first words.
    void prepare() override;
    // Says the pieces one after the other, each recording as it was recorded, replacing what
    // is being said.
    void sayPieces(const QList<VoicePiece>& pieces);

signals:
    // The first sound of a text reached the audio output, so many nanoseconds after say().
    void soundStarted(qint64 nanoseconds);

protected:
    void speak(const QString& text) override;
    void silence() override;

private:
    // Left behind, not deleted, should it hang at the end.
    QThread* thread_;
    std::shared_ptr<std::atomic<quint64>> current_;
    VoicePlayer* player_;
};
