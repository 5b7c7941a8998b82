#include "platform/espeak_voice.h"
#include "platform/letter_sounds.h"

#include <QTest>

#include <algorithm>
#include <vector>

// The real voice, made into memory: no sound device is needed.
class EspeakVoiceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(voice_.load(), "espeak-ng or its German voice is missing"); }
    void soundOfPlausibleLength_data();
    void soundOfPlausibleLength();
    void letterSoundShorterThanName_data();
    void letterSoundShorterThanName();

private:
    EspeakVoice voice_;
};

void EspeakVoiceTest::soundOfPlausibleLength_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    QTest::newRow("a letter") << "A" << 0.2 << 1.5;
    QTest::newRow("a word") << "Apfel" << 0.3 << 2.0;
    QTest::newRow("a message") << "Mit diesem Programm kannst du\rdas ABC trainieren. Wähle dazu\r"
                                  "Übungen aus dem rechten Menü.\r"
                               << 3.0 << 15.0;
}

// Seconds of sound, some of it clearly not silence.
void EspeakVoiceTest::soundOfPlausibleLength() {
    QFETCH(QString, text);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    std::vector<qint16> sound;
    QVERIFY(voice_.render(text, [&](const qint16* part, int count) {
        sound.insert(sound.end(), part, part + count);
        return true;
    }));
    const double seconds = double(sound.size()) / voice_.sampleRate();
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    QVERIFY(std::ranges::any_of(sound, [](qint16 sample) { return std::abs(sample) > 3000; }));
}

void EspeakVoiceTest::letterSoundShorterThanName_data() {
    QTest::addColumn<QChar>("letter");
    for (const QChar letter : LetterSounds::letters())
        QTest::newRow(QString(letter).toUtf8().constData()) << letter;
}

// Each sound is heard (the voice's f, its quietest, peaks near 900) and is over before the
// letter's name would be.
void EspeakVoiceTest::letterSoundShorterThanName() {
    QFETCH(QChar, letter);
    std::vector<qint16> sound;
    int name = 0;
    QVERIFY(
        voice_.render(LetterSounds::phonemes(letter.toLower()), [&](const qint16* part, int count) {
            sound.insert(sound.end(), part, part + count);
            return true;
        }));
    QVERIFY(voice_.render(letter, [&](const qint16*, int count) { return bool(name += count); }));
    QVERIFY2(int(sound.size()) < name, qPrintable(QString::number(sound.size())));
    QVERIFY(std::ranges::any_of(sound, [](qint16 sample) { return std::abs(sample) > 800; }));
}

QTEST_GUILESS_MAIN(EspeakVoiceTest)
#include "tst_espeak_voice.moc"
