#pragma once

#include "platform/speech.h"

#include <QLibrary>

#include <memory>

class LoadableMicrophone;
class LoadableVoice;
class Recordings;

// The program's voice, kept in a module of its own: espeak-ng, PulseAudio's client and the audio
// libraries under them take longer to load than the main window to draw, and memory, so they
// are loaded the first time something is said. Without the module the program stays silent.
class LoadedVoice final : public Speech {
    Q_OBJECT
public:
    explicit LoadedVoice(const QString& modulePath);
    ~LoadedVoice() override;

    bool isLoaded() const { return voice_ != nullptr; }

    // The teacher's recordings, said in place of the voice where one has exactly the text of a
    // clause; they must outlive whatever this voice says.
    void setRecordings(const Recordings& recordings) { recordings_ = &recordings; }

    // The microphone of the module, which is loaded for it; nothing without the module.
    std::unique_ptr<LoadableMicrophone> makeMicrophone();

protected:
    void speak(const QString& text) override;
    void silence() override;

private:
    bool load();

    QLibrary module_;
    std::unique_ptr<LoadableVoice> voice_;
    const Recordings* recordings_ = nullptr;
    bool tried_ = false;
};
