#include "platform/voice_player.h"

#include "platform/safe_file.h"
#include "platform/sound.h"
#include "platform/wave_file.h"

#include <QFile>

namespace {
// A recording is one letter or word: anything longer is not one of the teacher's.
constexpr double kLongestRecording = 10.0;
// Ten seconds at the highest rate and channels a sound program writes, and its header: a
// larger file is not read at all.
constexpr qint64 kLargestRecording = 10LL * 192'000 * 8 * 2 + 4096;
} // namespace

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

void VoicePlayer::play(const QList<VoicePiece>& pieces, quint64 number, Clock::time_point asked) {
    if (number != current_->load() || !ready())
        return;
    output_.begin(voice_.sampleRate(), [this, asked] {
        emit soundStarted(
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - asked).count());
    });
    for (const VoicePiece& piece : pieces) {
        if (number != current_->load())
            break;
        // A recording that cannot be played is said by the voice, and the child never knows.
        if (piece.recording.isEmpty() || !playRecording(piece.recording))
            synthesise(piece.text, number);
    }
    if (number == current_->load())
        output_.finish();
    else
        output_.halt();
}

bool VoicePlayer::playRecording(const QString& path) {
    QFile file;
    if (!SafeFile::openForReading(file, path) || file.size() > kLargestRecording)
        return false;
    const std::optional<Sound> recorded =
        WaveFile::decode(file.read(kLargestRecording), kLongestRecording);
    if (!recorded || recorded->isEmpty())
        return false;
    const Sound sound = resampled(*recorded, voice_.sampleRate());
    output_.append(reinterpret_cast<const char*>(sound.samples.constData()),
                   sound.samples.size() * qsizetype(sizeof(qint16)));
    return true;
}

void VoicePlayer::synthesise(const QString& text, quint64 number) {
    voice_.render(text, [&](const qint16* samples, int count) {
        if (number != current_->load())
            return false;
        output_.append(reinterpret_cast<const char*>(samples),
                       qsizetype(count) * qsizetype(sizeof(qint16)));
        return true;
    });
}

void VoicePlayer::halt() {
    output_.halt();
}
