// Times the program's start to its first whole frame on an X screen, and its resident memory
// then, against two plain Qt windows of the same size: an empty one, and one that shows a
// caption, a number and a button. Each start is a fresh process, the three take turns, and the
// medians are compared. Goals against the window with text: 1.25 times the time to the first
// whole frame and 1.3 times the memory.
//
// "Mapped" is when the window appears; "painted" when drawing on the screen stops after that,
// read from the X server's damage events (whatever the process draws later, up to a second
// after its last drawing, counts as part of the frame). The memory is read a second after that.
// The program's first start ever (no cache, the sample files copied) is shown on its own.
//
// A class of 30 children in the working folder: the program starts with "Wer bist du?" instead
// of the main window; goal 1.1 times the program's start without a class.
//
// Also, in this process and off screen: the windows that exist once the main window is up (the
// main window and the dictionary, whose word-list files the main window lists at start).
//
// Run by hand: xvfb-run -s '-screen 0 1280x800x24' build/bench/bench_startup [rounds [program]]
#include "fixture.h"
#include "klasse/class_list.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <poll.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

// Drawing that stops for this long has finished the frame.
constexpr qint64 kQuietMs = 1000;
constexpr qint64 kGiveUpMs = 20000;

struct Start {
    double mappedMs = 0;
    double paintedMs = 0;
    long residentKb = 0;
    int width = 0;
    int height = 0;
};

long residentKilobytes(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Watches the whole screen: windows that appear, and every drawing on it.
class Screen {
public:
    Screen() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            return;
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
        const xcb_damage_damage_t watch = xcb_generate_id(connection_);
        xcb_damage_create(connection_, watch, root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(connection_);
        usable_ = true;
    }
    ~Screen() { xcb_disconnect(connection_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool usable() const { return usable_; }

    // Starts the command and watches it until its first frame is whole, then ends it.
    std::optional<Start> watch(const QString& program, const QStringList& arguments,
                               const QProcessEnvironment& environment) {
        drain();
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QElapsedTimer clock;
        clock.start();
        child.start(program, arguments);
        if (!child.waitForStarted())
            return std::nullopt;
        Start start;
        qint64 lastDrawing = -1;
        pollfd screen{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (clock.elapsed() < kGiveUpMs) {
            const bool quiet = lastDrawing >= 0 && clock.elapsed() - lastDrawing >= kQuietMs;
            if (quiet)
                break;
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const int type = event->response_type & 0x7f;
                const qint64 now = clock.nsecsElapsed();
                if (type == XCB_MAP_NOTIFY && start.mappedMs == 0) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    if (!map->override_redirect) {
                        start.mappedMs = now / 1e6;
                        sizeOf(map->window, start);
                    }
                } else if (type == damageEvent_ && start.mappedMs > 0) {
                    start.paintedMs = now / 1e6;
                    lastDrawing = now / 1000000;
                }
                std::free(event);
            }
            if (xcb_connection_has_error(connection_))
                return std::nullopt;
            poll(&screen, 1, 10);
        }
        start.residentKb = residentKilobytes(child.processId());
        child.terminate();
        if (!child.waitForFinished(5000))
            child.kill();
        child.waitForFinished(5000);
        if (start.paintedMs == 0)
            return std::nullopt;
        return start;
    }

private:
    void drain() {
        xcb_flush(connection_);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    void sizeOf(xcb_window_t window, Start& start) {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        if (!geometry)
            return;
        start.width = geometry->width;
        start.height = geometry->height;
        std::free(geometry);
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    int damageEvent_ = -1;
    bool usable_ = false;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values.at(values.size() / 2);
}

struct Series {
    const char* name;
    std::vector<double> mapped, painted, resident;

    void add(const Start& start) {
        mapped.push_back(start.mappedMs);
        painted.push_back(start.paintedMs);
        resident.push_back(start.residentKb / 1024.0);
    }
    void print() const {
        std::printf("%-32s %8.1f %9.1f %9.1f\n", name, median(mapped), median(painted),
                    median(resident));
    }
};

// A working folder for the class series: the sample files of a first start, then the class.
bool writeClassOf30(const QString& folder) {
    const QStringList names = {
        "Ali", "Ben",  "Clara", "Dana",  "Emil", "Finn",  "Greta",  "Hanna", "Ida",  "Jonas",
        "Kai", "Lena", "Mia",   "Noah",  "Ole",  "Paula", "Quirin", "Rosa",  "Sami", "Tim",
        "Ute", "Vera", "Wim",   "Xenia", "Yara", "Zoe",   "Anton",  "Bea",   "Cem",  "Dilara"};
    ClassList list;
    for (const QString& name : names) {
        if (!list.add(name).isEmpty())
            return false;
    }
    return bool(writeClassList(QDir(folder).filePath(ClassList::fileName()), list));
}

// The windows that the program makes at start; only the main window and the dictionary.
bool onlyTwoWindowsAtStart() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), "Apfel\r\n12\r\nBaum\r\n15\r\n");
    fx.start();
    QStringList windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("MoxWindow"))
            windows.append(QString::fromLatin1(window->metaObject()->className()));
    }
    windows.sort();
    std::printf("windows made at start-up         %s\n", qPrintable(windows.join(u' ')));
    return windows == QStringList{QStringLiteral("Form0"), QStringLiteral("Form3")};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fputs("bench_startup: needs an X screen, e.g. xvfb-run -s '-screen 0 1280x800x24' "
                   "bench_startup\n",
                   stderr);
        return 2;
    }
    Screen screen;
    if (!screen.usable()) {
        std::fputs("bench_startup: the X server has no DAMAGE extension\n", stderr);
        return 2;
    }
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const bool twoWindows = onlyTwoWindowsAtStart();

    // The program's own folders, new for this run: its first start makes them.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(display));
    environment.insert(QStringLiteral("HOME"), home.path());
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        const QString path = home.filePath(QString::fromLatin1(folder).toLower());
        QDir().mkpath(path);
        environment.insert(QString::fromLatin1(folder), path);
    }
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    // Another build of the program may be named, to compare it under the same load.
    const QString program =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(MOXABC_PROGRAM);
    const QString plain = QStringLiteral(PLAIN_WINDOW);

    const std::optional<Start> firstStart = screen.watch(program, {}, environment);
    if (!firstStart) {
        std::fputs("bench_startup: the program showed no window\n", stderr);
        return 2;
    }
    const QStringList size = {QString::number(firstStart->width),
                              QString::number(firstStart->height)};
    // Once each unmeasured, so that every series reads its files from the page cache.
    screen.watch(plain, size, environment);
    screen.watch(plain, QStringList{QStringLiteral("--empty")} + size, environment);

    QTemporaryDir classFolder;
    QProcessEnvironment classEnvironment = environment;
    classEnvironment.insert(QStringLiteral("MOXABC_HOME"), classFolder.path());
    screen.watch(program, {}, classEnvironment);
    if (!writeClassOf30(classFolder.path())) {
        std::fputs("bench_startup: the class list could not be written\n", stderr);
        return 2;
    }

    Series empty{"empty window", {}, {}, {}};
    Series text{"caption, number and button", {}, {}, {}};
    Series moxabc{"program", {}, {}, {}};
    Series withClass{"program, class of 30", {}, {}, {}};
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [series, command, arguments, processEnvironment] :
             {std::tuple(&moxabc, program, QStringList(), environment),
              std::tuple(&withClass, program, QStringList(), classEnvironment),
              std::tuple(&text, plain, size, environment),
              std::tuple(&empty, plain, QStringList{QStringLiteral("--empty")} + size,
                         environment)}) {
            if (const std::optional<Start> start =
                    screen.watch(command, arguments, processEnvironment))
                series->add(*start);
        }
    }
    std::printf("window %d x %d; medians of %d fresh processes each\n", firstStart->width,
                firstStart->height, rounds);
    std::printf("%-32s %8s %9s %9s\n", "", "mapped", "painted", "resident");
    std::printf("%-32s %8s %9s %9s\n", "", "ms", "ms", "MB");
    std::printf("%-32s %8.1f %9.1f %9.1f\n", "program, first start ever", firstStart->mappedMs,
                firstStart->paintedMs, firstStart->residentKb / 1024.0);
    for (const Series* series : {&moxabc, &withClass, &text, &empty})
        series->print();
    const double paintedRatio = median(moxabc.painted) / median(text.painted);
    const double memoryRatio = median(moxabc.resident) / median(text.resident);
    std::printf("program / caption window        painted %.2f (goal 1.25), resident %.2f (goal "
                "1.3)\n",
                paintedRatio, memoryRatio);
    std::printf("class of 30 / program           painted %.2f (goal 1.1), resident %.2f\n",
                median(withClass.painted) / median(moxabc.painted),
                median(withClass.resident) / median(moxabc.resident));
    std::printf("program / empty window          painted %.2f, resident %.2f\n",
                median(moxabc.painted) / median(empty.painted),
                median(moxabc.resident) / median(empty.resident));
    return twoWindows && paintedRatio <= 1.25 && memoryRatio <= 1.3 ? 0 : 1;
}
