#include "platform/module_microphone.h"

#include "platform/loadable_voice.h"
#include "platform/loaded_voice.h"

ModuleMicrophone::ModuleMicrophone(LoadedVoice& voice)
    : voice_(voice) {}

ModuleMicrophone::~ModuleMicrophone() = default;

void ModuleMicrophone::start() {
    const quint64 recording = ++recording_;
    if (!tried_) {
        tried_ = true;
        microphone_ = voice_.makeMicrophone();
    }
    const auto told = [this, recording](bool found) {
        QMetaObject::invokeMethod(
            this, [this, recording, found] { answer(recording, found); }, Qt::QueuedConnection);
    };
    if (!microphone_) {
        told(false);
        return;
    }
    microphone_->start(
        kSampleRate, [told] { told(true); }, [told] { told(false); });
}

Sound ModuleMicrophone::stop() {
    ++recording_;
    return microphone_ ? microphone_->stop() : Sound{};
}

void ModuleMicrophone::answer(quint64 recording, bool found) {
    if (recording != recording_)
        return;
    if (found)
        emit opened();
    else
        emit missing();
}
