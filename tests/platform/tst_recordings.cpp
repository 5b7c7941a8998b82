#include "platform/recordings.h"
#include "platform/wave_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Kind = Recordings::Kind;
Q_DECLARE_METATYPE(Recordings::Kind)

class RecordingsTest : public QObject {
    Q_OBJECT
private slots:
    void savedRecordingIsFoundUnderItsText_data();
    void savedRecordingIsFoundUnderItsText();
    void damagedWaveFilesAreRefused_data();
    void damagedWaveFilesAreRefused();
};

namespace {
const Sound kTone{{0, 1200, -1200, 32767, -32768, 5}, 22050};
}

void RecordingsTest::savedRecordingIsFoundUnderItsText_data() {
    QTest::addColumn<Kind>("savedAs");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<Kind>("askedAs");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("found");
    QTest::newRow("word") << Kind::Word << "Kuchen" << Kind::Word << "Kuchen"
                          << "Wort-kuchen.wav" << true;
    QTest::newRow("word in any case") << Kind::Word << "Rätsel" << Kind::Word << "RÄTSEL"
                                      << "Wort-rätsel.wav" << true;
    QTest::newRow("umlaut as two code points") << Kind::Word << "Ba\u0308r" << Kind::Word << "Bär"
                                               << "Wort-bär.wav" << true;
    QTest::newRow("no way out of the folder") << Kind::Word << "../a b" << Kind::Word << "../a b"
                                              << "Wort-%2E%2E%2Fa%20b.wav" << true;
    QTest::newRow("letter's name") << Kind::LetterName << "b" << Kind::LetterName << "B"
                                   << "Buchstabe-B.wav" << true;
    QTest::newRow("letter's sound is another")
        << Kind::LetterSound << "ß" << Kind::LetterName << "ß"
        << "Laut-ß.wav" << false;
    QTest::newRow("a word is not its letter") << Kind::Word << "A" << Kind::LetterName << "A"
                                              << "Wort-a.wav" << false;
}

void RecordingsTest::savedRecordingIsFoundUnderItsText() {
    QFETCH(Kind, savedAs);
    QFETCH(QString, saved);
    QFETCH(Kind, askedAs);
    QFETCH(QString, asked);
    QFETCH(QString, fileName);
    QFETCH(bool, found);
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("Aufnahmen"));
    QVERIFY(Recordings(folder).save(savedAs, saved, kTone));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{fileName});

    // Another computer of the class finds it in the folder.
    Recordings other(folder);
    QCOMPARE(other.find(askedAs, asked).isEmpty(), !found);
    QVERIFY(other.remove(savedAs, saved));
    QVERIFY(other.find(savedAs, saved).isEmpty());
    QVERIFY(QDir(folder).isEmpty());
}

void RecordingsTest::damagedWaveFilesAreRefused_data() {
    const QByteArray whole = WaveFile::encode(kTone);
    QByteArray eightBit = whole;
    eightBit[34] = 8;
    QByteArray hugeChunk = whole;
    hugeChunk[40] = char(0xFF);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::newRow("whole") << whole << true;
    QTest::newRow("cut off") << whole.left(whole.size() - 3) << false;
    QTest::newRow("header only") << whole.left(20) << false;
    QTest::newRow("8-bit samples") << eightBit << false;
    QTest::newRow("data beyond the end") << hugeChunk << false;
    QTest::newRow("not a WAV file") << QByteArray("Kuchen\n") << false;
}

void RecordingsTest::damagedWaveFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    const std::optional<Sound> sound = WaveFile::decode(bytes);
    QCOMPARE(sound.has_value(), read);
    if (read)
        QCOMPARE(*sound, kTone);
}

QTEST_GUILESS_MAIN(RecordingsTest)
#include "tst_recordings.moc"
