// The voice module: espeak-ng's voice and the microphone, through PulseAudio's client, with every
// library they bring, loaded by the program only when it first has something to say or record.
#include "platform/espeak_speech.h"
#include "platform/loadable_voice.h"
#include "platform/pulse_microphone.h"

namespace {

class ModuleVoice final : public LoadableVoice {
public:
    void say(const QList<VoicePiece>& pieces) override { speech_.sayPieces(pieces); }
    void stop() override { speech_.stop(); }
    std::unique_ptr<LoadableMicrophone> makeMicrophone() override {
        return std::make_unique<PulseMicrophone>();
    }

private:
    EspeakSpeech speech_;
};

} // namespace

extern "C" Q_DECL_EXPORT LoadableVoice* moxabcMakeVoice() {
    return new ModuleVoice;
}
