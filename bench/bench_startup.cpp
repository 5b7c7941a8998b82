// Times the program's start-up (settings read, main window built, shown and painted) against an
// empty window of the same size, and names the windows that exist once the main window is up:
// the main window and the dictionary, whose word-list files the main window lists at start.
// Every other window is made when it is first opened.
//
// Then, each in a process of its own, the program with its real voice against an empty Qt
// window: the time from starting the process until the window is on screen, and the resident
// memory 1.5 s later, when the speech has been prepared (the voice itself is loaded with the
// first words, also shown). Goals: 1.1 times the time and 1.3 times the memory of the empty
// window. On the screen given by DISPLAY (xvfb-run for a real one), else
// off screen. Run by hand: build/bench/bench_startup [runs]
#include "app/startup.h"
#include "fixture.h"
#include "platform/espeak_speech.h"
#include "platform/twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

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

const QByteArray kEmptyChild = "--empty-window";
const QByteArray kProgramChild = "--program";

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// The child's side: tells the parent when its window is on screen, then its memory 1.5 s later.
int runChild(const QByteArray& kind, int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    auto report = [](const QByteArray& line) {
        std::fputs(line.constData(), stdout);
        std::fflush(stdout);
    };
    QWidget empty;
    // The voice outlives the program that speaks with it.
    std::unique_ptr<EspeakSpeech> voice;
    std::unique_ptr<Fixture> fx;
    QWidget* window = &empty;
    if (kind == kProgramChild) {
        voice = std::make_unique<EspeakSpeech>();
        fx = std::make_unique<Fixture>();
        // As the program prepares itself: its scale from the screen and the fonts it substitutes.
        prepareApplication();
        fx->voice = voice.get();
        fx->writeFile(QStringLiteral("MOXABC.TXT"), "Apfel\r\n12\r\nBaum\r\n15\r\n");
        fx->start();
        window = &fx->main();
    } else {
        empty.resize(Twips::toPixels(Form0::ClientWidth), Twips::toPixels(Form0::ClientHeight));
        empty.show();
    }
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    report("mapped\n");
    QTest::qWait(1500);
    report("rss " + QByteArray::number(qlonglong(residentKilobytes())) + "\n");
    if (fx) {
        // The voice is loaded with the first words.
        fx->app().speech().say(QStringLiteral("Apfel"));
        QTest::qWait(1500);
    }
    report("spoken " + QByteArray::number(qlonglong(residentKilobytes())) + "\n");
    return 0;
}

struct ChildRun {
    double mappedMs = 0;
    long residentKb = 0;
    long spokenKb = 0;
};

long numberAfter(const QByteArray& output, const QByteArray& name) {
    const qsizetype at = output.indexOf(name + ' ');
    return at < 0 ? 0 : output.mid(at + name.size() + 1).split('\n').first().toLong();
}

ChildRun runInProcess(const QByteArray& kind) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kind)});
    ChildRun run;
    QByteArray output;
    while (child.waitForReadyRead(10000)) {
        output += child.readAllStandardOutput();
        if (run.mappedMs == 0 && output.contains("mapped\n"))
            run.mappedMs = timer.nsecsElapsed() / 1e6;
        if (output.contains("spoken ") && output.endsWith('\n'))
            break;
    }
    child.waitForFinished(10000);
    run.residentKb = numberAfter(output, "rss");
    run.spokenKb = numberAfter(output, "spoken");
    return run;
}

// Both kinds in turn, so that a busy machine weighs on both alike.
bool compareProcesses(int runs) {
    std::vector<double> emptyMs, programMs, emptyKb, programKb, spokenKb;
    for (int i = 0; i < runs; ++i) {
        const ChildRun empty = runInProcess(kEmptyChild);
        const ChildRun program = runInProcess(kProgramChild);
        emptyMs.push_back(empty.mappedMs);
        programMs.push_back(program.mappedMs);
        emptyKb.push_back(double(empty.residentKb));
        programKb.push_back(double(program.residentKb));
        spokenKb.push_back(double(program.spokenKb));
    }
    auto middle = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values.at(values.size() / 2);
    };
    const double timeRatio = middle(programMs) / middle(emptyMs);
    const double memoryRatio = middle(programKb) / middle(emptyKb);
    std::printf("empty window on screen   %7.1f ms, %6.0f kB resident 1.5 s later\n",
                middle(emptyMs), middle(emptyKb));
    std::printf("program with its voice   %7.1f ms, %6.0f kB resident 1.5 s later\n",
                middle(programMs), middle(programKb));
    std::printf("ratio                    %7.2f (goal 1.1), %5.2f (goal 1.3), medians of %d\n",
                timeRatio, memoryRatio, runs);
    std::printf("after its first words               %6.0f kB resident, %4.2f times\n",
                middle(spokenKb), middle(spokenKb) / middle(emptyKb));
    return timeRatio <= 1.1 && memoryRatio <= 1.3;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && (argv[1] == kEmptyChild || argv[1] == kProgramChild))
        return runChild(argv[1], argc, argv);
    const QByteArray display = qgetenv("DISPLAY");
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
    // The children choose their platform from DISPLAY themselves.
    qunsetenv("QT_QPA_PLATFORM");
    if (!display.isEmpty())
        qputenv("DISPLAY", display);
    const bool withinGoals = compareProcesses(std::max(3, runs / 3));
    return windowsAtStart == QStringList{QStringLiteral("Form0"), QStringLiteral("Form3")} &&
                   withinGoals
               ? 0
               : 1;
}
