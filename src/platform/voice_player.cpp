#include "platform/voice_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

namespace {
// Room in the audio output for this much sound; what does not fit yet waits here.
constexpr int kBufferMilliseconds = 1500;
constexpr int kFeedMilliseconds = 20;
} // namespace

VoicePlayer::VoicePlayer(std::shared_ptr<std::atomic<quint64>> current)
    : current_(std::move(current)) {}

VoicePlayer::~VoicePlayer() {
    if (sink_)
        sink_->stop();
}

// The audio output is looked for, and the voice loaded, the first time there is something to
// say; the voice only when there is an output to say it on. The audio system and the library's
// data and buffers take about 3.5 MB, which waiting for the first words keeps out of the start.
bool VoicePlayer::ready() {
    if (!lookedForOutput_) {
        lookedForOutput_ = true;
        device_ = QMediaDevices::defaultAudioOutput();
    }
    if (sink_ || device_.isNull() || voiceMissing_)
        return sink_ != nullptr;
    QAudioFormat format;
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    voiceMissing_ = !voice_.load();
    if (!voiceMissing_)
        format.setSampleRate(voice_.sampleRate());
    if (voiceMissing_ || !device_.isFormatSupported(format)) {
        voiceMissing_ = true;
        return false;
    }
    sink_ = new QAudioSink(device_, format, this);
    sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    feeder_ = new QTimer(this);
    feeder_->setInterval(kFeedMilliseconds);
    connect(feeder_, &QTimer::timeout, this, &VoicePlayer::feed);
    return true;
}

void VoicePlayer::play(const QString& text, quint64 number, Clock::time_point asked) {
    if (number != current_->load() || !ready())
        return;
    halt();
    output_ = sink_->start();
    if (!output_ || sink_->error() != QAudio::NoError) {
        halt();
        return;
    }
    bool first = true;
    voice_.render(text, [&](const qint16* samples, int count) {
        if (number != current_->load())
            return false;
        deliver(reinterpret_cast<const char*>(samples), qint64(count) * qint64(sizeof(qint16)));
        if (first) {
            first = false;
            emit soundStarted(
                std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - asked).count());
        }
        return true;
    });
    if (number != current_->load())
        halt();
    else if (!waiting_.isEmpty())
        feeder_->start();
}

void VoicePlayer::deliver(const char* bytes, qint64 size) {
    if (waiting_.isEmpty() && output_) {
        const qint64 room = std::min<qint64>(sink_->bytesFree(), size);
        const qint64 written = room > 0 ? output_->write(bytes, room) : 0;
        if (written > 0) {
            bytes += written;
            size -= written;
        }
    }
    if (size > 0)
        waiting_.append(bytes, size);
}

void VoicePlayer::feed() {
    if (!output_ || sink_->error() != QAudio::NoError) {
        halt();
        return;
    }
    const qint64 room = std::min<qint64>(sink_->bytesFree(), waiting_.size());
    const qint64 written = room > 0 ? output_->write(waiting_.constData(), room) : 0;
    if (written > 0)
        waiting_.remove(0, written);
    if (waiting_.isEmpty())
        feeder_->stop();
}

void VoicePlayer::halt() {
    if (feeder_)
        feeder_->stop();
    waiting_.clear();
    if (sink_ && sink_->state() != QAudio::StoppedState)
        sink_->stop();
    output_ = nullptr;
}
