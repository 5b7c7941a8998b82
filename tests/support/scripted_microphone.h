#pragma once

#include "platform/microphone.h"

#include <utility>

// Stands in for the microphone: hears what the test gives it, or is not there at all. It
// answers start() a moment later, as the real one does from its own thread.
class ScriptedMicrophone final : public Microphone {
public:
    Sound heard{{}, kSampleRate};
    bool present = true;
    int starts = 0;
    bool running = false;

    void start() override {
        ++starts;
        running = present;
        QMetaObject::invokeMethod(this, present ? &Microphone::opened : &Microphone::missing,
                                  Qt::QueuedConnection);
    }
    Sound stop() override { return std::exchange(running, false) ? heard : Sound{{}, kSampleRate}; }
};
