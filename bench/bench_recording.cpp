// Times the teacher's recordings: from say() to the first sound of a recorded word handed to the
// audio output (the text split against the recordings, the file read, decoded and brought to the
// voice's rate). Needs an audio server (any output, also a silent one). Run by hand:
// build/bench/bench_recording [runs]
#include "platform/espeak_speech.h"
#include "platform/microphone.h"
#include "platform/recordings.h"
#include "platform/spoken_pieces.h"
#include "platform/wave_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// Half a second of a tone, as the teacher's recording of "Apfel".
bool recordApfel(const Recordings& recordings) {
    Sound sound{{}, Microphone::kSampleRate};
    for (int i = 0; i < Microphone::kSampleRate / 2; ++i)
        sound.samples.append(
            qint16(8000 * std::sin(2 * std::numbers::pi * 440.0 * i / Microphone::kSampleRate)));
    QFile file(recordings.path(Recordings::Kind::Word, QStringLiteral("Apfel")));
    const QByteArray bytes = WaveFile::encode(sound);
    return QDir().mkpath(recordings.folder()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    const QTemporaryDir work;
    const Recordings recordings(work.filePath(QStringLiteral("Aufnahmen")));
    if (!recordApfel(recordings)) {
        std::puts("the recording could not be written");
        return 1;
    }

    EspeakSpeech voice;
    voice.prepare();
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    // The first words load the voice, which a recording needs as well (its fallback).
    voice.say(QStringLiteral("Hallo"));
    if (!sound.wait(5000)) {
        std::puts("no audio output: nothing to time");
        return 1;
    }
    voice.stop();
    QTest::qWait(30);
    std::vector<double> played;
    for (int i = 0; i < runs; ++i) {
        sound.clear();
        QElapsedTimer split;
        split.start();
        const QList<VoicePiece> pieces = SpokenPieces::split(QStringLiteral("Apfel"), recordings);
        const double splitting = double(split.nsecsElapsed()) / 1e6;
        voice.sayPieces(pieces);
        if (!sound.wait(5000) || pieces.value(0).recording.isEmpty())
            return 1;
        played.push_back(splitting + sound.first().first().toLongLong() / 1e6);
        voice.stop();
        QTest::qWait(30);
    }
    std::printf("recorded word    first sound after %6.2f ms median, %6.2f ms at most (%d runs)\n",
                median(played), *std::max_element(played.begin(), played.end()), runs);

    return median(played) < 50 ? 0 : 1;
}
