#include "platform/random.h"

#include <QTest>

#include <set>

class RandomTest : public QObject {
    Q_OBJECT
private slots:
    void staysInUnitInterval();
    void uniformCoversWholeRangeEvenly();
    void sameSeedSameSequence();
    void reseedingWithSameTimeMovesOn();
    void reseedingDependsOnTime();
};

void RandomTest::staysInUnitInterval() {
    TimeSeededRandom random([] { return 0.0; }, 7);
    for (int i = 0; i < 10000; ++i) {
        const double r = random.rnd();
        QVERIFY(r >= 0.0 && r < 1.0);
    }
}

void RandomTest::uniformCoversWholeRangeEvenly() {
    TimeSeededRandom random([] { return 0.0; }, 11);
    std::array<int, 5> counts{};
    for (int i = 0; i < 50000; ++i) {
        const int value = random.uniform(1, 5);
        QVERIFY(value >= 1 && value <= 5);
        ++counts[static_cast<size_t>(value - 1)];
    }
    for (const int count : counts)
        QVERIFY2(count > 9000 && count < 11000, qPrintable(QString::number(count)));
    QCOMPARE(random.uniform(3, 1), 3);
}

void RandomTest::sameSeedSameSequence() {
    TimeSeededRandom first([] { return 100.0; }, 42);
    TimeSeededRandom second([] { return 100.0; }, 42);
    first.randomize();
    second.randomize();
    for (int i = 0; i < 100; ++i)
        QCOMPARE(first.rnd(), second.rnd());
}

void RandomTest::reseedingWithSameTimeMovesOn() {
    // A deal loop re-seeds before every draw within the same second: it must still find
    // every value, or it would spin for ever.
    TimeSeededRandom random([] { return 4711.25; }, 3);
    std::set<int> seen;
    for (int i = 0; i < 200 && seen.size() < 10; ++i) {
        random.randomize();
        seen.insert(random.uniform(1, 10));
    }
    QCOMPARE(seen.size(), size_t(10));
}

void RandomTest::reseedingDependsOnTime() {
    double now = 10.0;
    TimeSeededRandom first([&] { return now; }, 5);
    TimeSeededRandom second([] { return 20.0; }, 5);
    first.randomize();
    second.randomize();
    QVERIFY(first.rnd() != second.rnd());
}

QTEST_APPLESS_MAIN(RandomTest)
#include "tst_random.moc"
