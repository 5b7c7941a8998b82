#pragma once

#include "platform/sound.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

// A stretch of what is said: the teacher's recording of its text where there is one (a file),
// else the synthetic voice. The text is said in place of a recording that cannot be played.
struct VoicePiece {
    QString text;
    QString recording;

    bool operator==(const VoicePiece&) const = default;
};

// The computer's microphone as the module offers it. Every call comes from one thread; the
// answers to start() come on the audio library's own thread.
class LoadableMicrophone {
public:
    virtual ~LoadableMicrophone() = default;
    // Starts recording 16-bit mono sound at rate samples a second. Then exactly one of opened
    // and missing is called, unless stop() or the end of the microphone comes first.
    virtual void start(int rate, std::function<void()> opened, std::function<void()> missing) = 0;
    // Ends recording and gives what was heard since it was opened.
    virtual Sound stop() = 0;
};

// What the voice module offers the program. Plain virtual calls only, so that neither side
// needs a symbol of the other: the module is loaded into a program that exports none.
class LoadableVoice {
public:
    virtual ~LoadableVoice() = default;
    // Says the pieces one after the other, replacing what is being said.
    virtual void say(const QList<VoicePiece>& pieces) = 0;
    virtual void stop() = 0;
    virtual std::unique_ptr<LoadableMicrophone> makeMicrophone() = 0;
};

// The module's one exported function, which makes its voice.
using MakeLoadableVoice = LoadableVoice* (*)();
inline constexpr char kMakeLoadableVoice[] = "moxabcMakeVoice";
