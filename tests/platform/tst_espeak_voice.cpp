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
    // The samples the voice makes of text.
    std::vector<qint16> rendered(const QString& text);

    EspeakVoice voice_;
};

std::vector<qint16> EspeakVoiceTest::rendered(const QString& text) {
    std::vector<qint16> sound;
    const bool made = voice_.render(text, [&](const qint16* part, int count) {
        sound.insert(sound.end(), part, part + count);
        return true;
    });
    return made ? sound : std::vector<qint16>{};
}

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
    const std::vector<qint16> sound = rendered(text);
    const double seconds = double(sound.size()) / voice_.sampleRate();
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    QVERIFY(std::ranges::any_of(sound, [](qint16 sample) { return std::abs(sample) > 3000; }));
}

void EspeakVoiceTest::letterSoundShorterThanName_data() {
    QTest::addColumn<QChar>("letter");
    for (const QChar letter : LetterSounds::letters())
        QTest::newRow(QString(letter).toUtf8().constData()) << letter;
}

// Every letter's sound is heard, and is over before its name would be: a held sound that
// outlasts "Em" is no longer a sound a child says along with.
void EspeakVoiceTest::letterSoundShorterThanName() {
    QFETCH(QChar, letter);
    const QString sound = LetterSounds::phonemes(letter);
    QVERIFY(sound.startsWith("[[") && sound.endsWith("]]"));
    QCOMPARE(LetterSounds::phonemes(letter.toLower()), sound);
    const std::vector<qint16> heard = rendered(sound);
    const std::vector<qint16> name = rendered(QString(letter));
    qInfo("%s: sound %.2f s, name %.2f s", qPrintable(QString(letter)),
          double(heard.size()) / voice_.sampleRate(), double(name.size()) / voice_.sampleRate());
    QVERIFY(heard.size() < name.size());
    // The voice makes its f, the quietest sound, about a twentieth as loud as a vowel.
    QVERIFY(std::ranges::any_of(heard, [](qint16 sample) { return std::abs(sample) > 800; }));
}

QTEST_GUILESS_MAIN(EspeakVoiceTest)
#include "tst_espeak_voice.moc"
