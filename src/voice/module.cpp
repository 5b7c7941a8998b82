// The voice module: espeak-ng's voice played through PulseAudio's client, with every library they
// bring, loaded by the program only when it first has something to say.
#include "platform/espeak_speech.h"
#include "platform/loadable_voice.h"

namespace {

class ModuleVoice final : public LoadableVoice {
public:
    void say(const QString& text) override { speech_.say(text); }
    void stop() override { speech_.stop(); }

private:
    EspeakSpeech speech_;
};

} // namespace

extern "C" Q_DECL_EXPORT LoadableVoice* moxabcMakeVoice() {
    return new ModuleVoice;
}
