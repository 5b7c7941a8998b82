// Times what a very long word list costs: start-up (which reads it), and the deals in the
// dictionary window. Run by hand: build/bench/bench_word_list [entries]
#include "exercises/woerterbuch.h"
#include "fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int entries = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;

    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), longWordList(entries));
    QElapsedTimer timer;
    timer.start();
    fx.start();
    std::printf("start-up with %d entries: %lld ms\n", entries, timer.elapsed());

    Form3& dictionary = fx.window<Form3>();
    timer.restart();
    const int answers = std::min(entries - 1, 2000);
    for (int i = 0; i < answers; ++i) {
        dictionary.HBildlauf1->setValue(dictionary.Bezeichnung3->text().toInt());
        dictionary.Befehl2_Click();
    }
    std::printf("%d right answers, each dealing the next word: %lld ms\n", answers,
                timer.elapsed());
    return 0;
}
