// Times what keeping a task costs the child's window, recording a task into a records file that
// already holds a school year of tasks, and drawing a task through the child's boxes then.
// Run by hand: build/bench/bench_task_records [tasks]
#include "fixture.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "klasse/exercise_names.h"
#include "klasse/letter_boxes.h"
#include "klasse/practice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

TaskRecord gapTask(int number) {
    const QChar letter(u'A' + number % 26);
    return {QDateTime(QDate(2025, 9, 1), QTime(8, 0)).addSecs(number * 60),
            QStringLiteral("pc1"),
            ExerciseName::abcLuecken(),
            QStringLiteral("A B _ D E"),
            letter,
            number % 5 == 0 ? QString(u'D') : QString(letter),
            number % 5 != 0,
            number % 5 != 0 ? 1.0 : 0.0,
            4.5};
}

void report(const char* what, std::vector<double> times) {
    std::ranges::sort(times);
    std::printf("%-44s median %7.3f ms, slowest %7.3f ms (%zu runs)\n", what,
                times.at(times.size() / 2), times.back(), times.size());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int tasks = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;

    Fixture fx;
    fx.start();
    ClassRoom& room = fx.app().classRoom();
    int child = 0;
    room.list().add(QStringLiteral("Lena"), &child);
    for (int number = 0; number < tasks; ++number)
        room.records().record(child, gapTask(number));
    std::printf("records file of %d tasks\n", tasks);
    fx.app().session().choose(child);

    std::vector<double> times;
    for (int run = 0; run < 1000; ++run) {
        QElapsedTimer timer;
        timer.start();
        fx.app().taskBegun();
        fx.app().recordTask(gapTask(run));
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("recording a task", times);

    room.list().setPractiseWeak(true);
    QChar last;
    times.clear();
    for (int run = 0; run < 1000; ++run) {
        QElapsedTimer timer;
        timer.start();
        last = practiceBoxes(fx.app())->drawLetter(fx.random, kCapitals, last);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("drawing a letter through the boxes", times);
    QStringList words;
    for (int number = 0; number < 500; ++number)
        words.append(QStringLiteral("Wort%1").arg(number) + QChar(u'A' + number % 26));
    times.clear();
    for (int run = 0; run < 1000; ++run) {
        QElapsedTimer timer;
        timer.start();
        practiceBoxes(fx.app())->drawWord(fx.random, words, run % 500);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("drawing one of 500 words through the boxes", times);
    return 0;
}
