#include "platform/espeak_speech.h"

#include "platform/voice_player.h"

#include <QThread>

namespace {
// How long the end of the program waits for the speech thread; an audio server that no longer
// answers must not keep the program from ending.
constexpr int kEndWaitMilliseconds = 500;
} // namespace

EspeakSpeech::EspeakSpeech()
    : thread_(new QThread)
    , current_(std::make_shared<std::atomic<quint64>>(0))
    , player_(new VoicePlayer(current_)) {
    thread_->setObjectName(QStringLiteral("speech"));
    player_->moveToThread(thread_);
    connect(thread_, &QThread::finished, player_, &QObject::deleteLater);
    connect(player_, &VoicePlayer::soundStarted, this, &EspeakSpeech::soundStarted);
}

EspeakSpeech::~EspeakSpeech() {
    if (!thread_->isRunning()) {
        delete player_;
        delete thread_;
        return;
    }
    ++*current_;
    thread_->quit();
    // A thread that hangs in the audio server's hands is left to the end of the process.
    if (thread_->wait(kEndWaitMilliseconds))
        delete thread_;
}

void EspeakSpeech::prepare() {
    if (thread_->isRunning())
        return;
    thread_->start(QThread::LowPriority);
}

void EspeakSpeech::sayPieces(const QList<VoicePiece>& pieces) {
    prepare();
    const quint64 number = ++*current_;
    const VoicePlayer::Clock::time_point asked = VoicePlayer::Clock::now();
    QMetaObject::invokeMethod(
        player_, [player = player_, pieces, number, asked] { player->play(pieces, number, asked); },
        Qt::QueuedConnection);
}

void EspeakSpeech::speak(const QString& text) {
    sayPieces({VoicePiece{text, {}}});
}

void EspeakSpeech::silence() {
    ++*current_;
    if (thread_->isRunning())
        QMetaObject::invokeMethod(player_, &VoicePlayer::halt, Qt::QueuedConnection);
}
