#include "platform/espeak_voice.h"

#include <QTest>

// The real voice, made into memory: no sound device is needed.
class EspeakVoiceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(voice_.load(), "espeak-ng or its German voice is missing"); }
    void soundOfPlausibleLength_data();
    void soundOfPlausibleLength();

private:
    EspeakVoice voice_;
};

void EspeakVoiceTest::soundOfPlausibleLength_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    QTest::newRow("a letter") << QStringLiteral("A") << 0.2 << 1.5;
    QTest::newRow("a word") << QStringLiteral("Apfel") << 0.3 << 2.0;
    QTest::newRow("a message of three lines")
        << QStringLiteral("Mit diesem Programm kannst du\rdas ABC trainieren. Wähle dazu\r"
                          "Übungen aus dem rechten Menü.\r")
        << 3.0 << 15.0;
}

// Seconds of sound, some of it clearly not silence.
void EspeakVoiceTest::soundOfPlausibleLength() {
    QFETCH(QString, text);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    qint64 samples = 0;
    int loudest = 0;
    QVERIFY(voice_.render(text, [&](const qint16* sound, int count) {
        samples += count;
        for (int i = 0; i < count; ++i)
            loudest = std::max(loudest, std::abs(int(sound[i])));
        return true;
    }));
    const double seconds = double(samples) / voice_.sampleRate();
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    QVERIFY(loudest > 3000);
}

QTEST_GUILESS_MAIN(EspeakVoiceTest)
#include "tst_espeak_voice.moc"
