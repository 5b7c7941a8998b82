#include "platform/sound_cleanup.h"

#include <QTest>

#include <cmath>

namespace {
constexpr int kRate = 16000;

// Stretches of a 440 Hz tone, each with its own peak (0 for silence), one after the other.
struct Stretch {
    double seconds;
    int peak;
};
Sound tones(const QList<Stretch>& stretches, int click = 0) {
    Sound sound{{}, kRate};
    for (const Stretch& stretch : stretches) {
        const auto count = qsizetype(std::lround(stretch.seconds * kRate));
        for (qsizetype i = 0; i < count; ++i)
            sound.samples.append(qint16(
                std::lround(stretch.peak * std::sin(2.0 * M_PI * 440.0 * double(i) / kRate))));
    }
    if (click != 0)
        sound.samples[sound.samples.size() / 2] = qint16(click);
    return sound;
}

double rms(const Sound& sound) {
    double sum = 0.0;
    for (const qint16 sample : sound.samples)
        sum += double(sample) * sample;
    return std::sqrt(sum / double(sound.samples.size()));
}

int peak(const Sound& sound) {
    int most = 0;
    for (const qint16 sample : sound.samples)
        most = std::max(most, std::abs(int(sample)));
    return most;
}
} // namespace

Q_DECLARE_METATYPE(Sound)

class SoundCleanupTest : public QObject {
    Q_OBJECT
private slots:
    void keptPart_data();
    void keptPart();
    void loudnessLevelled_data();
    void loudnessLevelled();
};

void SoundCleanupTest::keptPart_data() {
    QTest::addColumn<Sound>("raw");
    // Samples: the voice and 50 ms (800 samples) on either side, at most 5 s.
    QTest::addColumn<int>("kept");
    QTest::newRow("silence around the word") << tones({{0.5, 0}, {1.0, 8000}, {0.5, 0}}) << 17600;
    QTest::newRow("word at once") << tones({{1.0, 8000}, {0.5, 0}}) << 16800;
    QTest::newRow("hiss under the floor") << tones({{0.5, 200}, {1.0, 8000}, {0.5, 200}}) << 17600;
    QTest::newRow("hiss far below the voice")
        << tones({{0.5, 600}, {1.0, 8000}, {0.5, 600}}) << 17600;
    QTest::newRow("quiet voice") << tones({{0.5, 0}, {1.0, 1000}, {0.5, 0}}) << 17600;
    QTest::newRow("all silence") << tones({{2.0, 0}}) << 0;
    QTest::newRow("hiss alone") << tones({{2.0, 400}}) << 0;
    QTest::newRow("nothing") << Sound{{}, kRate} << 0;
    QTest::newRow("long word cut") << tones({{0.5, 0}, {7.0, 8000}, {0.5, 0}}) << 5 * kRate;
    QTest::newRow("margin cut") << tones({{5.0, 8000}, {1.0, 0}}) << 5 * kRate;
}

void SoundCleanupTest::keptPart() {
    QFETCH(Sound, raw);
    QFETCH(int, kept);
    const Sound cleaned = SoundCleanup::cleaned(raw);
    QCOMPARE(cleaned.samples.size(), kept);
    // A cut end fades out rather than clicks.
    if (kept == 5 * kRate)
        QVERIFY(peak(Sound{cleaned.samples.last(20), kRate}) < 3000);
}

void SoundCleanupTest::loudnessLevelled_data() {
    QTest::addColumn<Sound>("raw");
    QTest::addColumn<double>("expectedRms");
    QTest::addColumn<int>("expectedPeak");
    const int target = int(std::lround(SoundCleanup::kTargetRms * std::sqrt(2.0)));
    QTest::newRow("quiet voice raised") << tones({{1.0, 1000}}) << 3300.0 << target;
    QTest::newRow("loud voice lowered") << tones({{1.0, 20000}}) << 3300.0 << target;
    QTest::newRow("silence kept out of the level")
        << tones({{1.0, 0}, {1.0, 1000}}) << 3300.0 / std::sqrt(2.0) << target;
    // A knock on the desk would clip if the voice were raised fully.
    const Sound knocked = tones({{1.0, 1000}}, 30000);
    QTest::newRow("peak limited") << knocked << rms(knocked) * SoundCleanup::kPeakLimit / 30000
                                  << SoundCleanup::kPeakLimit;
}

void SoundCleanupTest::loudnessLevelled() {
    QFETCH(Sound, raw);
    QFETCH(double, expectedRms);
    QFETCH(int, expectedPeak);
    const Sound levelled = SoundCleanup::levelled(raw);
    QCOMPARE(levelled.samples.size(), raw.samples.size());
    QVERIFY2(std::abs(rms(levelled) - expectedRms) < expectedRms * 0.01,
             qPrintable(QString::number(rms(levelled))));
    QVERIFY2(std::abs(peak(levelled) - expectedPeak) <= 2,
             qPrintable(QString::number(peak(levelled))));
}

QTEST_GUILESS_MAIN(SoundCleanupTest)
#include "tst_sound_cleanup.moc"
