#include "platform/loaded_voice.h"

#include "platform/loadable_voice.h"

#include <cstdio>

LoadedVoice::LoadedVoice(const QString& modulePath)
    : module_(modulePath) {}

// The module stays loaded to the end of the process: its threads may outlive the voice.
LoadedVoice::~LoadedVoice() = default;

void LoadedVoice::speak(const QString& text) {
    if (!tried_) {
        tried_ = true;
        const auto make = reinterpret_cast<MakeLoadableVoice>(module_.resolve(kMakeLoadableVoice));
        if (make)
            voice_.reset(make());
        else
            std::fprintf(stderr, "moxabc: %s\n", qPrintable(module_.errorString()));
    }
    if (voice_)
        voice_->say(text);
}

void LoadedVoice::silence() {
    if (voice_)
        voice_->stop();
}
