#include "exercises/abc_laute.h"
#include "fixture.h"
#include "platform/espeak_speech.h"
#include "platform/espeak_voice.h"
#include "platform/loaded_voice.h"
#include "platform/module_microphone.h"
#include "platform/recordings.h"
#include "platform/spoken_pieces.h"
#include "platform/wave_file.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <numbers>

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

// In 50 ms frames of 16-bit mono sound at 22 050 Hz: how many hold nothing but a tone of 440 Hz
// (a recording of the test's), and how many are loud but no such tone (the voice).
QPair<int, int> toneAndVoiceIn(const qint16* samples, qsizetype count) {
    constexpr qsizetype kLength = 1102;
    const double turn = 2 * std::numbers::pi * 440.0 / 22050.0;
    QPair<int, int> frames;
    for (qsizetype start = 0; start + kLength <= count; start += kLength) {
        double energy = 0, cosines = 0, sines = 0;
        for (qsizetype i = 0; i < kLength; ++i) {
            const double sample = samples[start + i];
            energy += sample * sample;
            cosines += sample * std::cos(turn * double(i));
            sines += sample * std::sin(turn * double(i));
        }
        if (energy < 300.0 * 300.0 * kLength)
            continue;
        const double share = 2 * (cosines * cosines + sines * sines) / (kLength * energy);
        share > 0.8 ? ++frames.first : ++frames.second;
    }
    return frames;
}

// A second of 440 Hz at twice the voice's rate, which the voice must bring to its own.
Sound tone() {
    Sound sound{{}, 44100};
    for (int i = 0; i < 44100; ++i)
        sound.samples.append(qint16(8000 * std::sin(2 * std::numbers::pi * 440.0 * i / 44100)));
    return sound;
}

// A command to the audio server, whatever it prints left out.
int pactl(const QStringList& arguments) {
    QProcess command;
    command.setStandardOutputFile(QProcess::nullDevice());
    command.start("pactl", arguments);
    return command.waitForFinished(5000) ? command.exitCode() : -1;
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
    void recordingHeardOrVoice_data();
    void recordingHeardOrVoice();
    void microphoneRecordsItsSource_data();
    void microphoneRecordsItsSource();
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

void VoiceOutputTest::recordingHeardOrVoice_data() {
    QTest::addColumn<QString>("said");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("toneHeard");
    QTest::addColumn<bool>("voiceHeard");
    const QByteArray recorded = WaveFile::encode(tone());
    QTest::newRow("a recorded word") << "Apfel" << recorded << true << false;
    QTest::newRow("between sentences") << "Richtig! Apfel. Weiter so." << recorded << true << true;
    QTest::newRow("inside a sentence") << "Ein Apfel fällt." << recorded << false << true;
    QTest::newRow("a damaged recording")
        << "Apfel" << recorded.left(recorded.size() / 2) << false << true;
    // Only a regular file of the folder is played.
    QTest::newRow("a link out of the folder") << "Apfel" << QByteArray() << false << true;
}

// A word the teacher recorded is heard as her recording, at its own pitch, in the order of what
// is said; a recording that cannot be played is said by the voice instead.
void VoiceOutputTest::recordingHeardOrVoice() {
    QFETCH(QString, said);
    QFETCH(QByteArray, file);
    QFETCH(bool, toneHeard);
    QFETCH(bool, voiceHeard);
    AudioServer server;
    if (!server.start())
        QSKIP("no PulseAudio server of the test's own could be started");
    const QTemporaryDir work;
    const Recordings recordings(work.filePath("Aufnahmen"));
    const QString path = recordings.path(Recordings::Kind::Word, "Apfel");
    QVERIFY(QDir().mkpath(recordings.folder()));
    QFile wave(file.isEmpty() ? work.filePath("Apfel.wav") : path);
    const QByteArray bytes = file.isEmpty() ? WaveFile::encode(tone()) : file;
    QVERIFY(wave.open(QIODevice::WriteOnly) && wave.write(bytes) == bytes.size());
    wave.close();
    if (file.isEmpty())
        QVERIFY(QFile::link(wave.fileName(), path));
    QProcess recorder;
    recorder.start("parecord", {"--raw", "--format=s16le", "--channels=1", "--rate=22050",
                                "--latency-msec=50", "--device=moxabc_silent.monitor"});
    QVERIFY(QTest::qWaitFor([&] { return recorder.bytesAvailable() > 0; }));
    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    voice.sayPieces(SpokenPieces::split(said, recordings));
    QVERIFY(sound.wait(10000));
    // Heard to its end: a second of silence after the sound.
    QByteArray heard;
    QVERIFY(QTest::qWaitFor(
        [&] {
            heard += recorder.readAllStandardOutput();
            const auto* samples = reinterpret_cast<const qint16*>(heard.constData());
            const qsizetype count = heard.size() / 2;
            const auto loud = [](qint16 sample) { return std::abs(sample) > 300; };
            return count > 22050 && std::any_of(samples, samples + count - 22050, loud) &&
                   std::none_of(samples + count - 22050, samples + count, loud);
        },
        15000));
    recorder.kill();
    const auto frames =
        toneAndVoiceIn(reinterpret_cast<const qint16*>(heard.constData()), heard.size() / 2);
    const QString figures =
        QString::asprintf("%d frames of the tone, %d of the voice", frames.first, frames.second);
    QVERIFY2((frames.first >= 15) == toneHeard && (frames.second >= 6) == voiceHeard,
             qPrintable(figures));
}

void VoiceOutputTest::microphoneRecordsItsSource_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("found");
    QTest::newRow("a sine source") << "sine" << true;
    QTest::newRow("only the output's monitor") << "monitor" << false;
    QTest::newRow("no audio server") << "" << false;
}

// The real microphone through the voice module: the default source of the audio server is
// recorded at the voice's rate; the monitor of an output, or no server, is no microphone.
void VoiceOutputTest::microphoneRecordsItsSource() {
    QFETCH(QString, source);
    QFETCH(bool, found);
    AudioServer server;
    if (source.isEmpty()) {
        qputenv("PULSE_SERVER", "unix:" + server.folder.filePath("none").toUtf8());
    } else {
        if (!server.start())
            QSKIP("no PulseAudio server of the test's own could be started");
        if (source == "sine")
            QCOMPARE(pactl({"load-module", "module-sine-source", "source_name=moxabc_sine",
                            "frequency=440"}),
                     0);
        QCOMPARE(pactl({"set-default-source",
                        source == "sine" ? "moxabc_sine" : "moxabc_silent.monitor"}),
                 0);
    }
    LoadedVoice voice(QStringLiteral(MOXABC_VOICE_MODULE_FILE));
    ModuleMicrophone microphone(voice);
    QSignalSpy opened(&microphone, &Microphone::opened);
    QSignalSpy missing(&microphone, &Microphone::missing);
    microphone.start();
    QVERIFY(QTest::qWaitFor([&] { return !opened.isEmpty() || !missing.isEmpty(); }, 5000));
    QCOMPARE(opened.count(), int(found));
    QTest::qWait(1000);
    const Sound heard = microphone.stop();
    QCOMPARE(opened.count() + missing.count(), 1);
    if (!found) {
        QVERIFY(heard.isEmpty());
        return;
    }
    QCOMPARE(heard.sampleRate, Microphone::kSampleRate);
    // The test's source hands over a second ahead at first, which a microphone cannot.
    QVERIFY2(heard.seconds() > 0.8, qPrintable(QString::number(heard.seconds())));
    const auto frames = toneAndVoiceIn(heard.samples.constData(), heard.samples.size());
    QVERIFY2(frames.first >= 15 && frames.second == 0,
             qPrintable(
                 QString::asprintf("%d frames of the tone, %d else", frames.first, frames.second)));
}

QTEST_MAIN(VoiceOutputTest)
#include "tst_voice_output.moc"
