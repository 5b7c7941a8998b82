#include "exercises/abc_laute.h"
#include "fixture.h"
#include "platform/espeak_speech.h"
#include "platform/espeak_voice.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The program's longest spoken text of three lines, long enough for holes to show.
const QString kMessage = QStringLiteral("Mit diesem Programm kannst du\rdas ABC trainieren. "
                                        "Wähle dazu\rÜbungen aus dem rechten Menü.\r");
constexpr int kRate = 22050;

// Silent 10 ms frames between the first and the last sound, and all frames in between.
struct Gaps {
    qsizetype silent = 0;
    qsizetype frames = 0;
};

Gaps gapsIn(const qint16* samples, qsizetype count) {
    std::vector<bool> loud;
    for (qsizetype start = 0; start + kRate / 100 <= count; start += kRate / 100)
        loud.push_back(std::any_of(samples + start, samples + start + kRate / 100,
                                   [](qint16 sample) { return std::abs(sample) > 500; }));
    const auto first = std::find(loud.begin(), loud.end(), true);
    const auto last = std::find(loud.rbegin(), loud.rend(), true).base();
    if (first >= last)
        return {};
    return {std::count(first, last, false), last - first};
}

// An audio server of the test's own, on a socket of its own, whose only output is silent: it
// can be killed, frozen and started again without touching the one the other tests use.
class AudioServer {
public:
    bool start() {
        process_.start("pulseaudio",
                       {"--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "-n",
                        "--load=module-null-sink sink_name=moxabc_silent",
                        "--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                            folder_.filePath("native")});
        return process_.waitForStarted(5000) &&
               QTest::qWaitFor([&] { return pactl({"info"}); }, 10000);
    }
    QString address() const { return "unix:" + folder_.filePath("native"); }
    void kill() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    void freeze(bool frozen) { ::kill(pid_t(process_.processId()), frozen ? SIGSTOP : SIGCONT); }
    ~AudioServer() {
        freeze(false);
        kill();
    }

    // What the silent output played while during() ran and milliseconds after, as 16-bit mono
    // samples at kRate.
    QByteArray record(const std::function<void()>& during, int milliseconds) {
        QProcess recorder;
        recorder.setEnvironment(environment());
        recorder.start("parecord", {"--raw", "--format=s16le", "--channels=1",
                                    "--rate=" + QString::number(kRate), "--latency-msec=50",
                                    "--device=moxabc_silent.monitor"});
        if (!recorder.waitForStarted(5000) ||
            !QTest::qWaitFor([&] { return recorder.bytesAvailable() > 0; }, 5000))
            return {};
        during();
        QTest::qWait(milliseconds);
        recorder.terminate();
        recorder.waitForFinished(5000);
        return recorder.readAllStandardOutput();
    }
    QStringList environment() const {
        return QProcess::systemEnvironment() << "PULSE_SERVER=" + address();
    }

    bool pactl(const QStringList& arguments) {
        QProcess command;
        command.setEnvironment(environment());
        command.start("pactl", arguments);
        return command.waitForFinished(5000) && command.exitStatus() == QProcess::NormalExit &&
               command.exitCode() == 0;
    }

private:
    QTemporaryDir folder_;
    QProcess process_;
};

// This process speaks to server while it lives.
class Served {
public:
    explicit Served(const AudioServer& server)
        : before_(qgetenv("PULSE_SERVER")) {
        qputenv("PULSE_SERVER", server.address().toUtf8());
    }
    ~Served() {
        if (before_.isNull())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", before_);
    }
    Served(const Served&) = delete;
    Served& operator=(const Served&) = delete;

private:
    QByteArray before_;
};

// The child of endsWithServerFrozen: speaks until told that the server is frozen, then says
// more and ends as the program does.
int speakAndEnd() {
    int argc = 1;
    char name[] = "speaker";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    voice.say(kMessage);
    if (!sound.wait(10000))
        return 2;
    std::puts("speaking");
    std::fflush(stdout);
    char line[8];
    if (!std::fgets(line, sizeof line, stdin))
        return 3;
    voice.say(QStringLiteral("Auf Wiedersehen"));
    QTest::qWait(300);
    return 0;
}

} // namespace

// The real voice all the way to an audio server. CI gives it a PulseAudio server with a silent
// output whose recording shows what was played; without a server the program must stay silent
// and go on as before.
class VoiceOutputTest : public QObject {
    Q_OBJECT
public:
    static void initMain() {
        if (qEnvironmentVariableIsSet("MOXABC_SPEAK_AND_END"))
            std::exit(speakAndEnd());
    }

private slots:
    void wordHeardOrSilence();
    void soundWithoutHoles_data();
    void soundWithoutHoles();
    void heardAgainAfterOutputCameBack_data();
    void heardAgainAfterOutputCameBack();
    void endsWithServerFrozen();
};
void VoiceOutputTest::wordHeardOrSilence() {
    QProcess info;
    info.setEnvironment(QProcess::systemEnvironment() << "LC_ALL=C"); // its labels untranslated
    info.start("pactl", {"info"});
    const bool server = info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit &&
                        info.exitCode() == 0;
    // Pinned to the server that answered, as the fixture moves the configuration folder.
    if (server && qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        qputenv("PULSE_SERVER", QString(info.readAllStandardOutput())
                                    .section("Server String: ", 1)
                                    .section('\n', 0, 0)
                                    .toUtf8());
    QProcess recorder;
    if (server) {
        recorder.start("parecord", QString("--raw --format=s16le --channels=1 --rate=22050 "
                                           "--latency-msec=100 --device=@DEFAULT_MONITOR@")
                                       .split(' '));
        QVERIFY2(recorder.waitForStarted(5000), "parecord (pulseaudio-utils) does not start");
        // The silent output's recording runs once its first silence has arrived.
        QVERIFY(QTest::qWaitFor([&] { return recorder.bytesAvailable() > 0; }, 5000));
    }

    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    Fixture fx;
    fx.writeFile("MOXABC.TXT", wordListBytes({{"Apfel", 12}}));
    fx.voice = &voice;
    fx.start();
    // ABC-Laute says its word as it deals it.
    Fixture::click(fx.main().Bild17);
    QCOMPARE(sound.wait(server ? 10000 : 1500), server);
    // Speech or not, the window answers the child at once.
    Fixture::key(&fx.window<Form10>(), Qt::Key_P);
    QCOMPARE(fx.window<Form10>().Bezeichnung2->text(), " _ p _ _ _");
    if (!server)
        return;
    QTest::qWait(1500);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(5000));
    const QByteArray heard = recorder.readAllStandardOutput();
    const auto* samples = reinterpret_cast<const qint16*>(heard.constData());
    const auto loud = std::count_if(samples, samples + heard.size() / 2,
                                    [](qint16 sample) { return std::abs(sample) > 1000; });
    QVERIFY2(loud > 1000, qPrintable(QString::number(loud)));
}

void VoiceOutputTest::soundWithoutHoles_data() {
    QTest::addColumn<bool>("busy");
    QTest::newRow("after twelve texts cut short") << false;
    QTest::newRow("the same beside two busy loops") << true;
}

// The voice must not add silence to what espeak-ng made, also when the computer is busy and
// after many texts cut short (each one a new start of the output).
void VoiceOutputTest::soundWithoutHoles() {
    QFETCH(bool, busy);
    AudioServer server;
    if (!server.start())
        QSKIP("no PulseAudio server of the test's own could be started");
    std::vector<qint16> made;
    {
        EspeakVoice voice;
        QVERIFY(voice.load());
        voice.render(kMessage, [&](const qint16* part, int count) {
            made.insert(made.end(), part, part + count);
            return true;
        });
    }
    const Gaps natural = gapsIn(made.data(), qsizetype(made.size()));
    std::vector<std::unique_ptr<QProcess>> loops;
    for (int i = 0; busy && i < 2; ++i) {
        loops.push_back(std::make_unique<QProcess>());
        loops.back()->setStandardOutputFile(QProcess::nullDevice());
        loops.back()->start("yes");
    }
    const Served served(server);
    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    for (int i = 0; i < 12; ++i) {
        voice.say(kMessage);
        QVERIFY(sound.wait(5000));
        voice.stop();
    }
    const QByteArray heard =
        server.record([&] { voice.say(kMessage); }, int(natural.frames) * 15 + 1000);
    for (const auto& loop : loops) {
        loop->kill();
        loop->waitForFinished(5000);
    }
    const Gaps gaps = gapsIn(reinterpret_cast<const qint16*>(heard.constData()), heard.size() / 2);
    const QString figures = QString("heard %1 of %2 frames silent, made %3 of %4")
                                .arg(gaps.silent)
                                .arg(gaps.frames)
                                .arg(natural.silent)
                                .arg(natural.frames);
    QVERIFY2(gaps.frames > natural.frames / 2, qPrintable(figures));
    QVERIFY2(gaps.silent <= natural.silent + 10 && gaps.frames <= natural.frames * 11 / 10 + 10,
             qPrintable(figures));
}

void VoiceOutputTest::heardAgainAfterOutputCameBack_data() {
    QTest::addColumn<bool>("serverKilled");
    // Later than a single quick retry would find it.
    QTest::newRow("server killed, started again 4 s later") << true;
    QTest::newRow("the silent output removed and added again") << false;
}

// The way to the loudspeaker breaks in the middle of a text and comes back: the next words are
// heard.
void VoiceOutputTest::heardAgainAfterOutputCameBack() {
    QFETCH(bool, serverKilled);
    AudioServer server;
    if (!server.start())
        QSKIP("no PulseAudio server of the test's own could be started");
    const Served served(server);
    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    voice.say(kMessage);
    QVERIFY(sound.wait(10000));
    if (serverKilled) {
        server.kill();
        voice.say(QStringLiteral("Niemand hört zu"));
        QTest::qWait(4000);
        QVERIFY(server.start());
    } else {
        QVERIFY(server.pactl({"unload-module", "module-null-sink"}));
        voice.say(QStringLiteral("Niemand hört zu"));
        QVERIFY(server.pactl({"load-module", "module-null-sink", "sink_name=moxabc_silent"}));
    }
    sound.clear();
    const QByteArray heard = server.record([&] { voice.say(QStringLiteral("Apfel")); }, 2000);
    QCOMPARE(sound.size(), 1);
    const Gaps gaps = gapsIn(reinterpret_cast<const qint16*>(heard.constData()), heard.size() / 2);
    QVERIFY2(gaps.frames > 20, qPrintable(QString::number(gaps.frames)));
}

// The audio server frozen while the program speaks, then the program says more and ends: it
// ends in a bounded time and normally.
void VoiceOutputTest::endsWithServerFrozen() {
    AudioServer server;
    if (!server.start())
        QSKIP("no PulseAudio server of the test's own could be started");
    QProcess child;
    child.setEnvironment(server.environment() << "MOXABC_SPEAK_AND_END=1");
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForReadyRead(15000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("speaking"));
    server.freeze(true);
    child.write("\n");
    const bool ended = child.waitForFinished(10000);
    server.freeze(false);
    QVERIFY2(ended, "the program did not end");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

QTEST_MAIN(VoiceOutputTest)
#include "tst_voice_output.moc"
