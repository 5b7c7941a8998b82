// Times the teacher's word-list editor with a list of 100 000 pairs against its goals: opening
// under 1 s, sorting under 0.5 s, saving under 1 s, and scrolling through the table without a
// step that a teacher would see stutter (the slowest step of the scroll bar under 50 ms).
// Run by hand: build/bench/bench_word_list_editor [entries]
#include "editor/word_list_editor.h"
#include "editor/word_table.h"
#include "editor/word_table_model.h"
#include "fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double milliseconds(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    Fixture::settle();
    return double(timer.nsecsElapsed()) / 1e6;
}

bool report(const char* what, double ms, double goal) {
    std::printf("%-44s %8.1f ms (goal under %.0f ms)\n", what, ms, goal);
    return ms < goal;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int entries = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    std::printf("word list of %d pairs\n", entries);

    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), longWordList(entries));
    fx.start();
    WordListEditor& editor = fx.window<WordListEditor>();
    bool met = true;

    met &= report("opening it in the editor", milliseconds([&] {
                      editor.openLists();
                      fx.app().open(editor);
                      editor.repaint();
                  }),
                  1000);
    met &= report("sorting it", milliseconds([&] { editor.sortRows(); }), 500);

    // Page by page through the first pages, then jumps across the whole list, each step
    // painted as the teacher would see it.
    QScrollBar* bar = editor.table->verticalScrollBar();
    double slowest = 0;
    double total = 0;
    int steps = 0;
    const auto scrollTo = [&](int value) {
        const double ms = milliseconds([&] {
            bar->setValue(value);
            editor.table->viewport()->repaint();
        });
        slowest = std::max(slowest, ms);
        total += ms;
        ++steps;
    };
    for (int page = 0; page < 200; ++page)
        scrollTo(page * bar->pageStep());
    for (int jump = 0; jump <= 200; ++jump)
        scrollTo(int(qint64(bar->maximum()) * jump / 200));
    std::printf("%-44s %8.3f ms mean over %d steps\n", "scrolling", total / steps, steps);
    met &= report("  its slowest step", slowest, 50);

    editor.model().setData(editor.model().index(0, WordTableModel::PageColumn), "7", Qt::EditRole);
    met &= report("saving it", milliseconds([&] { editor.save(); }), 1000);
    std::printf("goal: %s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}
