#include "platform/espeak_voice.h"

#include <QTest>

// The real voice, made into memory: no sound device is needed.
class EspeakVoiceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void soundOfPlausibleLength_data();
    void soundOfPlausibleLength();
    void stoppedHalfway();

private:
    EspeakVoice voice_;
};

void EspeakVoiceTest::initTestCase() {
    QVERIFY2(voice_.load(), "espeak-ng with its German voice (espeak-ng-data) is not installed");
    QVERIFY(voice_.sampleRate() >= 8000);
}

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

// Seconds of sound, and of it some that is not near silence.
void EspeakVoiceTest::soundOfPlausibleLength() {
    QFETCH(QString, text);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    qint64 samples = 0;
    int loudest = 0;
    const bool done = voice_.render(text, [&](const qint16* sound, int count) {
        samples += count;
        for (int i = 0; i < count; ++i)
            loudest = std::max(loudest, std::abs(int(sound[i])));
        return true;
    });
    QVERIFY(done);
    const double seconds = double(samples) / voice_.sampleRate();
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    QVERIFY2(loudest > 3000, qPrintable(QString::number(loudest)));
}

void EspeakVoiceTest::stoppedHalfway() {
    int pieces = 0;
    QVERIFY(!voice_.render(QStringLiteral("Schlage erst das Wort im Wörterbuch nach."),
                           [&](const qint16*, int) { return ++pieces < 2; }));
    QCOMPARE(pieces, 2);
    // The next text is whole again.
    QVERIFY(voice_.render(QStringLiteral("Baum"), [](const qint16*, int) { return true; }));
}

QTEST_GUILESS_MAIN(EspeakVoiceTest)
#include "tst_espeak_voice.moc"
