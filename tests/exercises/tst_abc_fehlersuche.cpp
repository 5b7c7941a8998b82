#include "exercises/abc_fehlersuche.h"
#include "fixture.h"

#include <QAccessible>
#include <QPushButton>

namespace {

const QString kFaultTitle = QStringLiteral("Fehler: Punktabzug");
const QString kReward = QStringLiteral("Prima, du bekommst zwei Punkte dazu!\r");

Form9& openFehlersuche(Fixture& fx) {
    Fixture::click(fx.main().Bild15);
    return fx.window<Form9>();
}

// The seven letters of a row as shown: blank, letter, blank each.
QString lettersOf(const QString& row) {
    QString letters;
    for (int i = 1; i < row.size(); i += 3)
        letters += row.at(i);
    return letters;
}

bool isFaulty(const Form9& form) {
    return form.Bezeichnung4->text() != form.Bezeichnung6->text();
}

// Deals new rows until one is (or is not) faulty, as "N e u" does, but leaves the focus where
// it is.
void dealUntil(Form9& form, bool faulty) {
    while (isFaulty(form) != faulty)
        form.Bild3_Click();
}

void decide(Form9& form, bool sayRight) {
    Fixture::click(sayRight ? form.Befehl2 : form.Befehl1);
}

} // namespace

class AbcFehlersucheTest : public QObject {
    Q_OBJECT
private slots:
    void openingShowsRowAndCounter();
    void rowsAreSlicesWithAtMostOneSwap();
    void decisions_data();
    void decisions();
    void keysDecide_data();
    void keysDecide();
    void tenthNetRightDecisionPaysTwoPoints();
    void reopeningLosesTheCounter();
};

void AbcFehlersucheTest::openingShowsRowAndCounter() {
    Fixture fx;
    fx.start();
    Form9& form = openFehlersuche(fx);
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("A B C - Fehlersuche"));
    QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("0"));
    QCOMPARE(form.Bezeichnung4->text().size(), 21);
    QVERIFY(form.Bezeichnung6->isHidden());
    QCOMPARE(form.focusWidget(), form.Befehl1);
    for (QLabel* shown : {form.Bezeichnung4, form.Bezeichnung5})
        QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name),
                 shown->text());
    QCOMPARE(form.Befehl1->text(), QStringLiteral("falsch"));
    QCOMPARE(form.Befehl2->text(), QStringLiteral("richtig"));
    const QList<QPair<PictureButton*, QString>> names{
        {form.Bild1, "Zurück"}, {form.Bild3, "Neu"}, {form.Bild2, "Info"}};
    for (const auto& [picture, name] : names) {
        QCOMPARE(picture->accessibleName(), name);
        QCOMPARE(picture->toolTip(), name);
    }
    fx.dialogs.expectMessage(QStringLiteral("Du sollst die ABC-Reihe kontrollieren\r"
                                            "und dann entscheiden, ob sie stimmt."),
                             QStringLiteral("A B C-Fehlersuche"), MsgBox::OkOnly);
    Fixture::click(form.Bild2);
    VERIFY_DIALOGS(fx);
}

// Every row: seven consecutive letters of one case, shown right or with exactly one pair of
// neighbours swapped; both cases, both kinds of row, every start from A to T and every pair
// occur, the middle pair the most.
void AbcFehlersucheTest::rowsAreSlicesWithAtMostOneSwap() {
    Fixture fx;
    fx.start();
    Form9& form = openFehlersuche(fx);
    QSet<QString> slices;
    QList<int> swappedPairs(6, 0);
    int faulty = 0;
    const int rows = 700;
    for (int row = 0; row < rows; ++row) {
        const QString correct = lettersOf(form.Bezeichnung6->text());
        const QString shown = lettersOf(form.Bezeichnung4->text());
        QCOMPARE(form.Bezeichnung6->text().size(), 21);
        const QString alphabet = correct.at(0).isUpper() ? kCapitals : kSmallLetters;
        QCOMPARE(alphabet.mid(alphabet.indexOf(correct), 7), correct);
        slices.insert(correct);
        if (shown != correct) {
            ++faulty;
            int pair = 0;
            while (shown.at(pair) == correct.at(pair))
                ++pair;
            QString swapped = correct;
            std::swap(swapped[pair], swapped[pair + 1]);
            QCOMPARE(shown, swapped);
            ++swappedPairs[pair];
        }
        Fixture::click(form.Bild3);
    }
    QCOMPARE(slices.size(), 40);
    QVERIFY(slices.contains(QStringLiteral("TUVWXYZ")));
    QVERIFY(slices.contains(QStringLiteral("tuvwxyz")));
    QVERIFY2(faulty > rows * 2 / 5 && faulty < rows * 3 / 5, qPrintable(QString::number(faulty)));
    for (int pair = 0; pair < 6; ++pair) {
        QVERIFY(swappedPairs[pair] > 0);
        QVERIFY(pair == 2 || swappedPairs[pair] < swappedPairs[2]);
    }
    VERIFY_DIALOGS(fx);
}

void AbcFehlersucheTest::decisions_data() {
    QTest::addColumn<bool>("faulty");
    QTest::addColumn<bool>("sayRight");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("correction");
    QTest::newRow("richtig, right") << false << true << "3"
                                    << "4" << QString();
    QTest::newRow("falsch, right") << true << false << "0"
                                   << "1" << QString();
    QTest::newRow("falsch to a right row") << false << false << "3"
                                           << "2"
                                           << "Die Reihe ist richtig!\r\r";
    QTest::newRow("richtig to a faulty row") << true << true << "3"
                                             << "2"
                                             << "Es muss richtig heißen:\r\r";
    QTest::newRow("wrong at 0 stays 0") << true << true << "0"
                                        << "0"
                                        << "Es muss richtig heißen:\r\r";
    QTest::newRow("wrong at the design caption") << false << false << "Pkt"
                                                 << "0"
                                                 << "Die Reihe ist richtig!\r\r";
}

// Each decision moves the window's counter, never below 0, shows the correct row when it was
// wrong, deals a new row and leaves the points total alone.
void AbcFehlersucheTest::decisions() {
    QFETCH(bool, faulty);
    QFETCH(bool, sayRight);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, correction);
    Fixture fx;
    fx.start();
    Form9& form = openFehlersuche(fx);
    dealUntil(form, faulty);
    form.Bezeichnung5->setText(before);
    const QString correct = form.Bezeichnung6->text();
    const QString shown = form.Bezeichnung4->text();
    if (!correction.isEmpty())
        fx.dialogs.expectMessage(correction + correct, kFaultTitle, MsgBox::OkOnly);
    decide(form, sayRight);
    VERIFY_DIALOGS(fx);
    QCOMPARE(form.Bezeichnung5->text(), after);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    QVERIFY(form.Bezeichnung6->text() != correct || form.Bezeichnung4->text() != shown);
}

void AbcFehlersucheTest::keysDecide_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("saysRight");
    QTest::addColumn<QString>("counter");
    // In a row of letters a typed letter means a letter, never a decision.
    QTest::newRow("R decides nothing") << QList<int>{Qt::Key_R} << true << "0";
    QTest::newRow("F decides nothing") << QList<int>{Qt::Key_F} << false << "0";
    QTest::newRow("Space on falsch") << QList<int>{Qt::Key_Space} << false << "1";
    QTest::newRow("Tab, Space on richtig") << QList<int>{Qt::Key_Tab, Qt::Key_Space} << true << "1";
    QTest::newRow("Tab, Return on richtig")
        << QList<int>{Qt::Key_Tab, Qt::Key_Return} << true << "1";
    QTest::newRow("Right, Return on richtig")
        << QList<int>{Qt::Key_Right, Qt::Key_Return} << true << "1";
}

void AbcFehlersucheTest::keysDecide() {
    QFETCH(QList<int>, keys);
    QFETCH(bool, saysRight);
    QFETCH(QString, counter);
    Fixture fx;
    fx.start();
    Form9& form = openFehlersuche(fx);
    dealUntil(form, !saysRight);
    for (const int key : keys)
        Fixture::key(form.focusWidget(), Qt::Key(key));
    VERIFY_DIALOGS(fx);
    QCOMPARE(form.Bezeichnung5->text(), counter);
}

void AbcFehlersucheTest::tenthNetRightDecisionPaysTwoPoints() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("4"));
    Form9& form = openFehlersuche(fx);
    auto rightDecision = [&] { decide(form, isFaulty(form) == false); };
    for (int i = 0; i < 9; ++i)
        rightDecision();
    QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("9"));
    dealUntil(form, false);
    fx.dialogs.expectMessage(QStringLiteral("Die Reihe ist richtig!\r\r") +
                                 form.Bezeichnung6->text(),
                             kFaultTitle, MsgBox::OkOnly);
    decide(form, false);
    rightDecision();
    QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("9"));
    QCOMPARE(fx.points(), QStringLiteral("4"));
    VERIFY_DIALOGS(fx);
    fx.dialogs.expectMessage(kReward, QStringLiteral("Belohnung"), MsgBox::OkOnly);
    rightDecision();
    VERIFY_DIALOGS(fx);
    QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("0"));
    QCOMPARE(fx.points(), QStringLiteral("6"));
}

void AbcFehlersucheTest::reopeningLosesTheCounter() {
    Fixture fx;
    fx.start();
    Form9& form = openFehlersuche(fx);
    for (int i = 0; i < 5; ++i)
        decide(form, !isFaulty(form));
    QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("5"));
    Fixture::click(form.Bild1);
    QVERIFY(fx.main().isVisible());
    QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("5"));
    const QString shown = form.Bezeichnung6->text() + form.Bezeichnung4->text();
    int newRows = 0;
    for (int opening = 0; opening < 5; ++opening) {
        openFehlersuche(fx);
        QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("0"));
        newRows += form.Bezeichnung6->text() + form.Bezeichnung4->text() != shown;
        Fixture::key(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }
    QVERIFY(newRows >= 4);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(AbcFehlersucheTest)
#include "tst_abc_fehlersuche.moc"
