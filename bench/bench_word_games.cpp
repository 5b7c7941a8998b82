// Times the windows that read the whole word list, with a very long list: opening the hangman
// game and ABC-Laute, dealing a word, filling the print window, and printing a worksheet and a
// solution sheet of 1000 entries as PDF. Run by hand: build/bench/bench_word_games [entries]
#include "exercises/abc_laute.h"
#include "fixture.h"
#include "games/galgen.h"
#include "print/worksheet_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double milliseconds(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    Fixture::settle();
    return timer.nsecsElapsed() / 1e6;
}

// The first run, then the mean and the slowest of the following ones.
void report(
    const char* what, int runs, const std::function<void()>& step,
    const std::function<void()>& between = [] {}) {
    const double first = milliseconds(step);
    between();
    double total = 0;
    double slowest = 0;
    for (int run = 1; run < runs; ++run) {
        const double time = milliseconds(step);
        total += time;
        slowest = std::max(slowest, time);
        between();
    }
    std::printf("%-42s first %8.2f ms, then mean %6.3f ms, slowest %6.3f ms (%d runs)\n", what,
                first, total / (runs - 1), slowest, runs - 1);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int entries = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    std::printf("word list of %d entries\n", entries);

    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), longWordList(entries));
    fx.start();
    Form0& main = fx.main();

    report(
        "opening the hangman game", 200, [&] { main.Bild16_Click(); },
        [&] { fx.window<galgen>().Bild1_Click(); });
    report(
        "opening ABC-Laute (deals a word)", 200, [&] { main.Bild17_Click(); },
        [&] { fx.window<Form10>().Bild1_Click(); });
    main.Bild17_Click();
    Form10& sounds = fx.window<Form10>();
    report("dealing the next word in ABC-Laute", 200, [&] { sounds.Bild2_Click(); });
    sounds.Bild1_Click();

    auto openPrinting = [&] {
        fx.dialogs.expectInput(QStringLiteral("Erst das Passwort eingeben:"),
                               QStringLiteral("Passwort"), QString(), fx.points());
        main.Bild12_Click();
    };
    Form8& printing = fx.window<Form8>();
    report("filling and opening the print window", 5, openPrinting,
           [&] { printing.Befehl1_Click(); });
    openPrinting();
    Fixture::settle();
    const int chosen = std::min(1000, printing.Liste1->count());
    for (int row = 0; row < chosen; ++row)
        printing.Liste1->item(row)->setSelected(true);
    auto printSheet = [&](const QString& question, void (Form8::*click)()) {
        fx.dialogs.expectMessage(question, QStringLiteral("M O X - A B C"), MsgBox::YesNoQuestion,
                                 MsgBox::Yes);
        (printing.*click)();
    };
    std::printf("(%d entries chosen)\n", chosen);
    report("worksheet as PDF", 3, [&] {
        printSheet(QStringLiteral("ABC-Arbeitsblatt jetzt ausdrucken?\r"), &Form8::Befehl2_Click);
    });
    report("solution sheet as PDF", 3, [&] {
        printSheet(QStringLiteral("ABC-Lösungsblatt jetzt ausdrucken?\r"), &Form8::Befehl5_Click);
    });
    if (!fx.dialogs.ok())
        std::printf("unexpected dialogs:\n%s\n", qPrintable(fx.dialogs.report()));
    return fx.dialogs.ok() ? 0 : 1;
}
