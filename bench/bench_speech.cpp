// Times the real voice from say() to the first sound handed to the audio output: for the first
// words (which also load the voice), then for a letter, a word and the longest message of the
// program (the word-list help of the main window). Needs an audio server (any output, also a
// silent one). Run by hand: build/bench/bench_speech [runs]
#include "fixture.h"
#include "platform/espeak_speech.h"

#include <QApplication>
#include <QSignalSpy>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The text of the message box that an entry of the main window shows.
QString messageOf(PictureButton* Form0::*entry) {
    Fixture fx;
    fx.start();
    QString prompt;
    fx.dialogs.onCall = [&](const ScriptedDialogs::Call& call) { prompt = call.prompt; };
    Fixture::click(fx.main().*entry);
    return prompt;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    const QString longest = messageOf(&Form0::Bild18);

    EspeakSpeech voice;
    voice.prepare();
    QTest::qWait(500);
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    // The first words also load the voice.
    voice.say(QStringLiteral("Hallo"));
    if (!sound.wait(5000)) {
        std::puts("no audio output: nothing to time");
        return 1;
    }
    const double first = sound.first().first().toLongLong() / 1e6;
    std::printf("first words      %3d characters: first sound after %6.2f ms, voice loaded then\n",
                5, first);
    voice.stop();
    QTest::qWait(30);
    const QList<QPair<const char*, QString>> texts = {{"letter A", QStringLiteral("A")},
                                                      {"word Apfel", QStringLiteral("Apfel")},
                                                      {"longest message", longest}};
    bool fast = first < 50;
    for (const auto& [name, text] : texts) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            sound.clear();
            voice.say(text);
            if (!sound.wait(5000))
                return 1;
            times.push_back(sound.first().first().toLongLong() / 1e6);
            voice.stop();
            QTest::qWait(30);
        }
        std::sort(times.begin(), times.end());
        const double median = times.at(times.size() / 2);
        fast = fast && times.back() < 50;
        std::printf("%-16s %3lld characters: first sound after %6.2f ms median, %6.2f ms at most "
                    "(%d runs)\n",
                    name, static_cast<long long>(text.size()), median, times.back(), runs);
    }
    return fast ? 0 : 1;
}
