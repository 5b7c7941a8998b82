#include "fixture.h"
#include "games/fang.h"
#include "games/memo.h"

#include <QTest>

namespace {

// The game the gate opened: "memo", "fang", or empty when none is shown.
QString shownGame(Fixture& fx) {
    if (fx.window<memo>().isVisible())
        return QStringLiteral("memo");
    if (fx.window<fang>().isVisible())
        return QStringLiteral("fang");
    return {};
}

} // namespace

class RewardGateTest : public QObject {
    Q_OBJECT
private slots:
    void chargesExactlyTheThreshold_data();
    void chargesExactlyTheThreshold();
    void bothGamesOccur();
};

void RewardGateTest::chargesExactlyTheThreshold_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("left");
    QTest::newRow("exactly the threshold") << QByteArray(" 10 \r\n") << "10"
                                           << "0";
    QTest::newRow("more than the threshold") << QByteArray(" 30 \r\n") << "47"
                                             << "17";
    QTest::newRow("total with a leading blank") << QByteArray(" 12 \r\n") << " 20"
                                                << "8";
    QTest::newRow("threshold 0 at 0 points") << QByteArray(" 0 \r\n") << "0"
                                             << "0";
    QTest::newRow("threshold 0 keeps the total") << QByteArray(" 0 \r\n") << "5"
                                                 << "5";
}

void RewardGateTest::chargesExactlyTheThreshold() {
    QFETCH(QByteArray, settings);
    QFETCH(QString, points);
    QFETCH(QString, left);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.INI"), settings);
    fx.start();
    fx.setPoints(points);

    Fixture::click(fx.main().Bild13);

    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), left);
    QVERIFY(!fx.main().isVisible());
    QVERIFY(!shownGame(fx).isEmpty());
}

void RewardGateTest::bothGamesOccur() {
    Fixture fx(7);
    fx.start();
    int memoCount = 0;
    int fangCount = 0;
    constexpr int kVisits = 60;
    for (int visit = 0; visit < kVisits; ++visit) {
        fx.setPoints(QStringLiteral("10"));
        Fixture::click(fx.main().Bild13);
        const QString game = shownGame(fx);
        QVERIFY2(!game.isEmpty(), qPrintable(QString::number(visit)));
        QCOMPARE(fx.points(), QStringLiteral("0"));
        if (game == QStringLiteral("memo")) {
            ++memoCount;
            fx.app().backToMain(fx.window<memo>());
        } else {
            ++fangCount;
            fx.app().backToMain(fx.window<fang>());
        }
        QVERIFY(shownGame(fx).isEmpty());
    }
    VERIFY_DIALOGS(fx);
    // About half each: far from one-sided over sixty visits.
    QVERIFY2(memoCount >= 18 && fangCount >= 18,
             qPrintable(QStringLiteral("memo %1, fang %2").arg(memoCount).arg(fangCount)));
}

QTEST_MAIN(RewardGateTest)
#include "tst_reward_gate.moc"
