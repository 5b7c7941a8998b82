// Times the program's start-up (settings read, main window built, shown and painted) against an
// empty window of the same size, and names the windows that exist once the main window is up:
// the main window and the dictionary, whose word-list files the main window lists at start.
// Every other window is made when it is first opened. Run by hand: build/bench/bench_startup [runs]
#include "fixture.h"
#include "platform/twips.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The median of the runs, in milliseconds; each run returns its own time.
double median(int runs, const std::function<double()>& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(run());
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

double emptyWindow() {
    QElapsedTimer timer;
    timer.start();
    QWidget window;
    window.resize(Twips::toPixels(Form0::ClientWidth), Twips::toPixels(Form0::ClientHeight));
    window.show();
    Fixture::settle();
    window.repaint();
    return timer.nsecsElapsed() / 1e6;
}

QStringList programWindows() {
    QStringList windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("MoxWindow"))
            windows.append(QString::fromLatin1(window->metaObject()->className()));
    }
    windows.sort();
    return windows;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 30;

    QStringList windowsAtStart;
    auto program = [&] {
        Fixture fx;
        fx.writeFile(QStringLiteral("MOXABC.TXT"), "Apfel\r\n12\r\nBaum\r\n15\r\n");
        QElapsedTimer timer;
        timer.start();
        fx.start();
        fx.main().repaint();
        const double time = timer.nsecsElapsed() / 1e6;
        windowsAtStart = programWindows();
        return time;
    };
    // The first of each pays for loading fonts, pictures and plugins: shown, but not in the
    // median.
    const double firstEmpty = emptyWindow();
    const double firstStart = program();
    const double empty = median(runs, emptyWindow);
    const double start = median(runs, program);
    std::printf("empty window shown       %7.2f ms first, %7.2f ms median of %d\n", firstEmpty,
                empty, runs);
    std::printf("program started          %7.2f ms first, %7.2f ms median of %d\n", firstStart,
                start, runs);
    std::printf("windows made at start-up   %s\n", qPrintable(windowsAtStart.join(u' ')));
    return windowsAtStart == QStringList{QStringLiteral("Form0"), QStringLiteral("Form3")} ? 0 : 1;
}
