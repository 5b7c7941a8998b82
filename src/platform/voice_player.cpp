#include "platform/voice_player.h"

VoicePlayer::VoicePlayer(std::shared_ptr<std::atomic<quint64>> current)
    : current_(std::move(current)) {}

// The audio server is looked for, and the voice loaded, the first time there is something to
// say; the voice only when there is a server to say it on. The library's data and buffers take
// about 3.5 MB, which waiting for the first words keeps out of the start. A server that went
// away is looked for again with every text.
bool VoicePlayer::ready() {
    if (voiceMissing_ || !output_.connect())
        return false;
    voiceMissing_ = !voice_.load();
    return !voiceMissing_;
}

void VoicePlayer::play(const QString& text, quint64 number, Clock::time_point asked) {
    if (number != current_->load() || !ready())
        return;
    output_.begin(voice_.sampleRate(), [this, asked] {
        emit soundStarted(
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - asked).count());
    });
    voice_.render(text, [&](const qint16* samples, int count) {
        if (number != current_->load())
            return false;
        output_.append(reinterpret_cast<const char*>(samples),
                       qsizetype(count) * qsizetype(sizeof(qint16)));
        return true;
    });
    if (number == current_->load())
        output_.finish();
    else
        output_.halt();
}

void VoicePlayer::halt() {
    output_.halt();
}
