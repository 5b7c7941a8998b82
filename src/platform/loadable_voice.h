#pragma once

#include <QString>

// What the voice module offers the program. Plain virtual calls only, so that neither side
// needs a symbol of the other: the module is loaded into a program that exports none.
class LoadableVoice {
public:
    virtual ~LoadableVoice() = default;
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
};

// The module's one exported function, which makes its voice.
using MakeLoadableVoice = LoadableVoice* (*)();
inline constexpr char kMakeLoadableVoice[] = "moxabcMakeVoice";
