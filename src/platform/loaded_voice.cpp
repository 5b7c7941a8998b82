#include "platform/loaded_voice.h"

#include "platform/loadable_voice.h"
#include "platform/spoken_pieces.h"

#include <cstdio>

LoadedVoice::LoadedVoice(const QString& modulePath)
    : module_(modulePath) {}

// The module stays loaded to the end of the process: its threads may outlive the voice.
LoadedVoice::~LoadedVoice() = default;

bool LoadedVoice::load() {
    if (!tried_) {
        tried_ = true;
        const auto make = reinterpret_cast<MakeLoadableVoice>(module_.resolve(kMakeLoadableVoice));
        if (make)
            voice_.reset(make());
        else
            std::fprintf(stderr, "moxabc: %s\n", qPrintable(module_.errorString()));
    }
    return voice_ != nullptr;
}

std::unique_ptr<LoadableMicrophone> LoadedVoice::makeMicrophone() {
    return load() ? voice_->makeMicrophone() : nullptr;
}

void LoadedVoice::speak(const QString& text) {
    if (!load())
        return;
    voice_->say(recordings_ ? SpokenPieces::split(text, *recordings_)
                            : QList<VoicePiece>{VoicePiece{text, {}}});
}

void LoadedVoice::silence() {
    if (voice_)
        voice_->stop();
}
