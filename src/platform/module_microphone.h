#pragma once

#include "platform/microphone.h"

#include <memory>

class LoadableMicrophone;
class LoadedVoice;

// The program's microphone: the one of the voice module, which is loaded for it, so that the
// audio libraries stay out of the start. Its answers come from the audio library's thread and
// are passed on from the thread of this object. Without the module there is no microphone.
class ModuleMicrophone final : public Microphone {
    Q_OBJECT
public:
    explicit ModuleMicrophone(LoadedVoice& voice);
    ~ModuleMicrophone() override;

    void start() override;
    Sound stop() override;

private:
    void answer(quint64 recording, bool found);

    LoadedVoice& voice_;
    std::unique_ptr<LoadableMicrophone> microphone_;
    bool tried_ = false;
    // Every start() is a new recording: an answer that comes after its recording was stopped
    // is not passed on.
    quint64 recording_ = 0;
};
