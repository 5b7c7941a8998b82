#pragma once

#include <QList>
#include <QtGlobal>

// A stretch of sound as the program keeps it: 16-bit mono samples at one rate.
struct Sound {
    QList<qint16> samples;
    int sampleRate = 0;

    bool isEmpty() const { return samples.isEmpty() || sampleRate <= 0; }
    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
    bool operator==(const Sound&) const = default;
};

// The same sound at another rate, by linear interpolation: good enough for a voice, whose
// recordings are made at the voice's own rate anyway.
Sound resampled(const Sound& sound, int sampleRate);
