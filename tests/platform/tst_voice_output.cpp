#include "exercises/abc_laute.h"
#include "fixture.h"
#include "platform/espeak_speech.h"
#include "platform/espeak_voice.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>

namespace {

// The program's longest spoken text of three lines, long enough for holes to show.
const QString kMessage = QStringLiteral("Mit diesem Programm kannst du\rdas ABC trainieren. "
                                        "Wähle dazu\rÜbungen aus dem rechten Menü.\r");
constexpr int kFrame = 220; // 10 ms at the voice's 22 050 Hz

// In 16-bit mono sound: the silent 10 ms frames between the first and the last sound, and all
// frames in between.
QPair<qsizetype, qsizetype> gapsIn(const QByteArray& sound) {
    const auto* samples = reinterpret_cast<const qint16*>(sound.constData());
    QList<bool> loud;
    for (qsizetype start = 0; start + kFrame <= sound.size() / 2; start += kFrame)
        loud.append(std::any_of(samples + start, samples + start + kFrame,
                                [](qint16 sample) { return std::abs(sample) > 500; }));
    const qsizetype first = loud.indexOf(true);
    const QList<bool> between = loud.mid(first, loud.lastIndexOf(true) + 1 - first);
    return first < 0 ? QPair<qsizetype, qsizetype>()
                     : qMakePair(between.count(false), between.size());
}

// An audio server of the test's own on a socket of its own, whose only output is silent, to be
// killed and frozen without touching the one of the other tests. This process, and every
// program it starts, speaks to the server last started.
struct AudioServer {
    bool start() {
        qputenv("PULSE_SERVER", "unix:" + folder.filePath("native").toUtf8());
        process.start("pulseaudio",
                      {"--daemonize=no", "--use-pid-file=no", "-n", "--exit-idle-time=-1",
                       "--load=module-null-sink sink_name=moxabc_silent",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                           folder.filePath("native")});
        // Asked with a command that answers without printing.
        return QTest::qWaitFor([] {
            return QProcess::execute("pactl", {"set-sink-mute", "moxabc_silent", "0"}) == 0;
        });
    }
    ~AudioServer() {
        process.kill();
        process.waitForFinished(5000);
    }
    QTemporaryDir folder;
    QProcess process;
};

// The program of endsWithServerFrozen: speaks, freezes its audio server, says more and ends.
int speakFreezeAndEnd(pid_t server) {
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    voice.say(kMessage);
    if (!sound.wait(10000))
        return 2;
    ::kill(server, SIGSTOP);
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
        if (qEnvironmentVariableIsSet("MOXABC_FREEZE"))
            std::exit(speakFreezeAndEnd(qEnvironmentVariableIntValue("MOXABC_FREEZE")));
    }

private slots:
    void wordHeardOrSilence();
    void heardWithoutHoles_data();
    void heardWithoutHoles();
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
    if (server) {
        // The window's instruction and word, heard before the child's letter cuts them short.
        QTest::qWait(1500);
        recorder.terminate();
        QVERIFY(recorder.waitForFinished(5000));
        const QByteArray heard = recorder.readAllStandardOutput();
        const auto* samples = reinterpret_cast<const qint16*>(heard.constData());
        const auto loud = std::count_if(samples, samples + heard.size() / 2,
                                        [](qint16 sample) { return std::abs(sample) > 1000; });
        QVERIFY2(loud > 1000, qPrintable(QString::number(loud)));
    }
    // Speech or not, the window answers the child at once.
    Fixture::key(&fx.window<Form10>(), Qt::Key_P);
    QCOMPARE(fx.window<Form10>().Bezeichnung2->text(), " _ p _ _ _");
}

void VoiceOutputTest::heardWithoutHoles_data() {
    QTest::addColumn<QString>("trouble");
    QTest::newRow("none") << "";
    QTest::newRow("two busy loops beside") << "busy";
    // Back later than a single quick retry would find it.
    QTest::newRow("server killed, started again 4 s later") << "killed";
}

// After twelve texts cut short (each a new start of the output) and some trouble on the way to
// the loudspeaker, the next text is heard whole: the voice adds no silence to what espeak-ng
// made, also on a busy computer.
void VoiceOutputTest::heardWithoutHoles() {
    QFETCH(QString, trouble);
    AudioServer server;
    if (!server.start())
        QSKIP("no PulseAudio server of the test's own could be started");
    QByteArray made;
    EspeakVoice maker;
    QVERIFY(maker.load());
    maker.render(kMessage, [&](const qint16* part, int count) {
        made.append(reinterpret_cast<const char*>(part), count * 2);
        return true;
    });
    const auto natural = gapsIn(made);
    QProcess loops[2];
    for (QProcess& loop : loops)
        if (trouble == "busy")
            loop.start("sha256sum", {"/dev/zero"});
    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    for (int i = 0; i < 12; ++i) {
        voice.say(kMessage);
        QVERIFY(sound.wait(10000));
        voice.stop();
    }
    if (trouble == "killed") {
        server.process.kill();
        server.process.waitForFinished(5000);
        voice.say(QStringLiteral("Niemand hört zu"));
        QTest::qWait(4000);
        QVERIFY(server.start());
    }
    QProcess recorder;
    recorder.start("parecord", {"--raw", "--format=s16le", "--channels=1", "--rate=22050",
                                "--latency-msec=50", "--device=moxabc_silent.monitor"});
    QVERIFY(QTest::qWaitFor([&] { return recorder.bytesAvailable() > 0; }));
    voice.say(kMessage);
    QTest::qWait(int(natural.second) * 15 + 1000);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(5000));
    for (QProcess& loop : loops)
        loop.kill();
    const auto heard = gapsIn(recorder.readAllStandardOutput());
    const QString figures = QString::asprintf("heard %lld of %lld frames silent, made %lld of %lld",
                                              qlonglong(heard.first), qlonglong(heard.second),
                                              qlonglong(natural.first), qlonglong(natural.second));
    QVERIFY2(heard.second > natural.second * 9 / 10 && heard.second < natural.second * 11 / 10 &&
                 heard.first <= natural.first + 10,
             qPrintable(figures));
}

// The audio server frozen while the program speaks, then the program says more and ends: it
// ends normally, and in a bounded time.
void VoiceOutputTest::endsWithServerFrozen() {
    AudioServer server;
    if (!server.start())
        QSKIP("no PulseAudio server of the test's own could be started");
    QProcess program;
    program.setEnvironment(QProcess::systemEnvironment()
                           << "MOXABC_FREEZE=" + QString::number(server.process.processId()));
    program.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY2(program.waitForFinished(20000), "the program did not end");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_MAIN(VoiceOutputTest)
#include "tst_voice_output.moc"
