#include "exercises/abc_laute.h"
#include "exercises/letter_panel.h"
#include "fixture.h"
#include "platform/espeak_speech.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>

// The real voice all the way to an audio server. CI gives it a PulseAudio server with a silent
// output whose recording shows what was played; without a server the program must stay silent
// and go on as before.
namespace {

// Whether an audio server answers; if so, pinned to it, as the fixture moves the config folder.
bool audioServerRunning() {
    QProcess info;
    info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    if (!info.waitForFinished(5000) || info.exitStatus() != QProcess::NormalExit ||
        info.exitCode() != 0)
        return false;
    const QByteArray serverLine = "Server String: ";
    for (const QByteArray& line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith(serverLine) && qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            qputenv("PULSE_SERVER", line.mid(serverLine.size()).trimmed());
    }
    return true;
}

} // namespace

class VoiceOutputTest : public QObject {
    Q_OBJECT
private slots:
    void wordHeardOrSilence();
};

void VoiceOutputTest::wordHeardOrSilence() {
    const bool server = audioServerRunning();
    QTemporaryDir folder;
    const QString recordingPath = folder.filePath(QStringLiteral("heard.raw"));
    QProcess recorder;
    if (server) {
        recorder.start(QStringLiteral("parecord"),
                       QStringLiteral("--raw --format=s16le --channels=1 --rate=22050 "
                                      "--latency-msec=100 --device=@DEFAULT_MONITOR@")
                               .split(u' ')
                           << recordingPath);
        QVERIFY2(recorder.waitForStarted(5000), "parecord (pulseaudio-utils) does not start");
        // The silent output's recording runs once its first silence has arrived.
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(recordingPath).size() > 0; }, 5000));
    }

    EspeakSpeech voice;
    QSignalSpy sound(&voice, &EspeakSpeech::soundStarted);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}}));
    fx.voice = &voice;
    fx.start();
    // ABC-Laute says its word as it deals it.
    Fixture::click(fx.main().Bild17);
    Form10& laute = fx.window<Form10>();
    QCOMPARE(sound.wait(server ? 10000 : 1500), server);

    // Speech or not, the window answers the child at once.
    Fixture::key(&laute, Qt::Key_P);
    QCOMPARE(laute.Bezeichnung2->text(), QStringLiteral(" _ p _ _ _"));
    if (!server)
        return;
    QTest::qWait(1500);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(5000));
    QFile recording(recordingPath);
    QVERIFY(recording.open(QIODevice::ReadOnly));
    const QByteArray heard = recording.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(heard.constData());
    const auto loud = std::count_if(samples, samples + heard.size() / 2,
                                    [](qint16 sample) { return std::abs(sample) > 1000; });
    QVERIFY2(loud > 1000, qPrintable(QString::number(loud)));
}

QTEST_MAIN(VoiceOutputTest)
#include "tst_voice_output.moc"
