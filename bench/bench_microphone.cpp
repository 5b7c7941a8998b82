// Times the record button: from the microphone's start() to its opened(), the first time (which
// loads the voice module with its audio libraries, as the program does, and reaches the audio
// server) and then again. Linked without the voice, as the program is. Needs an audio server
// whose default source is not a monitor (module-sine-source will do). Run by hand:
// build/bench/bench_microphone [runs]
#include "platform/loaded_voice.h"
#include "platform/module_microphone.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    LoadedVoice module(QStringLiteral(MOXABC_VOICE_MODULE_FILE));
    ModuleMicrophone microphone(module);
    QSignalSpy opened(&microphone, &Microphone::opened);
    std::vector<double> starts;
    double first = 0;
    for (int i = 0; i <= runs; ++i) {
        opened.clear();
        QElapsedTimer clock;
        clock.start();
        microphone.start();
        if (!opened.wait(5000)) {
            std::puts("no microphone (a source that is not a monitor): nothing to time");
            return 1;
        }
        const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
        (i == 0 ? first : starts.emplace_back()) = milliseconds;
        QTest::qWait(100);
        microphone.stop();
    }
    std::sort(starts.begin(), starts.end());
    std::printf("microphone       open after %6.2f ms the first time (module loaded, server "
                "reached), then %6.2f ms median, %6.2f ms at most (%d runs)\n",
                first, starts.at(starts.size() / 2), starts.back(), runs);
    return first < 100 && starts.at(starts.size() / 2) < 100 ? 0 : 1;
}
