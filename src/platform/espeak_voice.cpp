#include "platform/espeak_voice.h"

#include "platform/speech.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace {

// Words per minute: slower than the library's 175, which is quick for a child learning to read.
constexpr int kRate = 135;
// The library hands the sound over in pieces of this many milliseconds: short pieces reach the
// loudspeaker early.
constexpr int kPieceMilliseconds = 40;

struct Rendering {
    const EspeakVoice::Sink* sink;
    bool stopped = false;
};

int receive(short* samples, int count, espeak_EVENT* events) {
    auto* rendering = static_cast<Rendering*>(events ? events->user_data : nullptr);
    if (!rendering || rendering->stopped)
        return 1;
    if (samples && count > 0 && !(*rendering->sink)(samples, count)) {
        rendering->stopped = true;
        return 1;
    }
    return 0;
}

// The library's data is read once for the whole process and kept to its end: the library cannot
// be set up again once ended (a second espeak_ng_Terminate() waits for ever).
bool libraryReady() {
    static const bool ready = [] {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        if (espeak_ng_Initialize(&context) == ENS_OK)
            return true;
        espeak_ng_ClearErrorContext(&context);
        return false;
    }();
    return ready;
}

} // namespace

bool EspeakVoice::load() {
    if (loaded_)
        return true;
    if (!libraryReady() ||
        espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, kPieceMilliseconds, nullptr) !=
            ENS_OK ||
        espeak_ng_SetVoiceByName("de") != ENS_OK)
        return false;
    espeak_SetSynthCallback(receive);
    espeak_SetParameter(espeakRATE, kRate, 0);
    sampleRate_ = espeak_ng_GetSampleRate();
    loaded_ = true;
    return true;
}

bool EspeakVoice::render(const QString& text, const Sink& sink) {
    if (!loaded_)
        return false;
    const QByteArray utf8 = Spoken::utterance(text).toUtf8();
    if (utf8.isEmpty())
        return false;
    Rendering rendering{&sink};
    // Phonemes between double brackets are said as written: that is how a letter's sound is
    // asked for.
    const espeak_ERROR result =
        espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &rendering);
    return result == EE_OK && !rendering.stopped;
}
