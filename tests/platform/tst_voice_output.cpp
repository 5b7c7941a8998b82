#include "exercises/abc_laute.h"
#include "fixture.h"
#include "platform/espeak_speech.h"

#include <QProcess>
#include <QSignalSpy>

#include <algorithm>

// The real voice all the way to an audio server. CI gives it a PulseAudio server with a silent
// output whose recording shows what was played; without a server the program must stay silent
// and go on as before.
class VoiceOutputTest : public QObject {
    Q_OBJECT
private slots:
    void wordHeardOrSilence();
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

QTEST_MAIN(VoiceOutputTest)
#include "tst_voice_output.moc"
