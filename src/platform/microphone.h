#pragma once

#include "platform/sound.h"

#include <QObject>

// Records the teacher's voice from the computer's microphone, at the rate of the program's
// voice, so that a recording and the synthetic voice play alike. Tests put a scripted one in
// its place.
class Microphone : public QObject {
    Q_OBJECT
public:
    static constexpr int kSampleRate = 22050;

    // Starts recording. opened() follows once the microphone is found, missing() when there is
    // none (or no audio server): then nothing is recorded and stop() gives an empty sound.
    virtual void start() = 0;
    // Ends recording and gives what was heard since start().
    virtual Sound stop() = 0;

signals:
    void opened();
    void missing();
};

// No microphone at all: the program's until the real one is put in its place.
class NoMicrophone final : public Microphone {
    Q_OBJECT
public:
    void start() override {
        QMetaObject::invokeMethod(this, &Microphone::missing, Qt::QueuedConnection);
    }
    Sound stop() override { return {}; }
};
