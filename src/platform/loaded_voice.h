#pragma once

#include "platform/speech.h"

#include <QLibrary>

#include <memory>

class LoadableVoice;

// The program's voice, kept in a module of its own: espeak-ng, PulseAudio's client and the audio
// libraries under them take longer to load than the main window to draw, and memory, so they
// are loaded the first time something is said. Without the module the program stays silent.
class LoadedVoice final : public Speech {
    Q_OBJECT
public:
    explicit LoadedVoice(const QString& modulePath);
    ~LoadedVoice() override;

    bool isLoaded() const { return voice_ != nullptr; }

protected:
    void speak(const QString& text) override;
    void silence() override;

private:
    QLibrary module_;
    std::unique_ptr<LoadableVoice> voice_;
    bool tried_ = false;
};
