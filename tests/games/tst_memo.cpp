#include "fixture.h"
#include "games/memo.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("Memory");
const QString kGameOver = QStringLiteral("  Das Spiel ist beendet!\r");
const QString kEndQuestion = QStringLiteral("  Dieses Spiel jetzt beenden?");
// The three letter sets as they are dealt, and the same letters in order.
const QStringList kSets = {QStringLiteral("aabbccddeeffgghhii"),
                           QStringLiteral("jjkkllmmnnooppqqrr"),
                           QStringLiteral("ssttuuvvwwxxyyzzaa")};
const QStringList kSortedSets = {QStringLiteral("aabbccddeeffgghhii"),
                                 QStringLiteral("jjkkllmmnnooppqqrr"),
                                 QStringLiteral("aassttuuvvwwxxyyzz")};

memo& openMemo(Fixture& fx) {
    memo& game = fx.window<memo>();
    fx.app().open(game);
    Fixture::settle();
    return game;
}

QString layoutOf(const memo& game) {
    return game.Bezeichnung21->text();
}

// The other card with the same letter as card number.
int partnerOf(const memo& game, int number) {
    const QString layout = layoutOf(game);
    for (int other = 1; other <= memo::CardCount; ++other) {
        if (other != number && layout.at(other - 1) == layout.at(number - 1))
            return other;
    }
    return 0;
}

// A card whose letter is none of those of the given cards.
int cardWithNewLetter(const memo& game, const QList<int>& taken) {
    const QString layout = layoutOf(game);
    for (int number = 1; number <= memo::CardCount; ++number) {
        const bool newLetter = std::none_of(taken.begin(), taken.end(), [&](int card) {
            return layout.at(card - 1) == layout.at(number - 1);
        });
        if (newLetter)
            return number;
    }
    return 0;
}

// Cards by role: A1 is card 1, A2 its partner; B1, B2 and C1 are cards of two other letters.
using Roles = QHash<QString, int>;

Roles resolveRoles(const memo& game) {
    Roles roles;
    roles["A1"] = 1;
    roles["A2"] = partnerOf(game, 1);
    roles["B1"] = cardWithNewLetter(game, {1});
    roles["B2"] = partnerOf(game, roles["B1"]);
    roles["C1"] = cardWithNewLetter(game, {1, roles["B1"]});
    return roles;
}

// What the child sees of each card, as its accessible name tells it, card by card.
QStringList cardNames(const memo& game) {
    QStringList names;
    for (int number = 1; number <= memo::CardCount; ++number)
        names.append(game.Bezeichnung(number)->accessibleName());
    return names;
}

QStringList expectedNames(const memo& game, const Roles& roles, const QStringList& faceUp,
                          const QStringList& found) {
    QStringList names(memo::CardCount, QStringLiteral("verdeckt"));
    for (const QString& role : faceUp)
        names[roles[role] - 1] = layoutOf(game).at(roles[role] - 1);
    // A found card is named by its letter, which it keeps, and as found.
    for (const QString& role : found)
        names[roles[role] - 1] = layoutOf(game).at(roles[role] - 1) + QStringLiteral(", gefunden");
    return names;
}

QString roleOf(const Roles& roles, const QLabel* label) {
    const int number = label->text().toInt();
    return number == 0 ? QString() : roles.key(number);
}

QString sorted(QString text) {
    std::sort(text.begin(), text.end());
    return text;
}

void pressOnFocus(memo& game, Qt::Key key) {
    QWidget* focused = game.focusWidget();
    QVERIFY(focused);
    Fixture::key(focused, key);
}

} // namespace

class MemoTest : public QObject {
    Q_OBJECT
private slots:
    void looksAndNames();
    void firstClickDealsNinePairs();
    void everySetIsDealt();
    void moves_data();
    void moves();
    void ninthPairEndsGame();
    void earlyEndQuestion_data();
    void earlyEndQuestion();
    void keyboardOnly();
};

void MemoTest::looksAndNames() {
    Fixture fx;
    fx.start();
    memo& game = openMemo(fx);
    QCOMPARE(game.windowTitle(), kTitle);
    QCOMPARE(game.Bezeichnung19->text(),
             QStringLiteral(" Immer 2 Felder haben den gleichen Buchstaben, klicke die Felder an "
                            "und suche alle Kartenpaare."));
    QCOMPARE(game.Picture1->accessibleName(), QStringLiteral("Beenden"));
    QCOMPARE(game.Picture1->toolTip(), QStringLiteral("Beenden"));
    QCOMPARE(game.Picture1->iconPath(), QStringLiteral(":/icons/hand_links.svg"));
    for (QLabel* state : {game.Bezeichnung20, game.Bezeichnung21, game.Bezeichnung22,
                          game.Bezeichnung23, game.Bezeichnung24, game.Bezeichnung25})
        QVERIFY(state->isHidden());
    QCOMPARE(cardNames(game), QStringList(memo::CardCount, QStringLiteral("verdeckt")));
    // Screen readers hear each card as a button; the hidden answers are not in the window.
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(game.Bezeichnung(4));
    QCOMPARE(card->role(), QAccessible::Button);
    QCOMPARE(card->text(QAccessible::Name), QStringLiteral("verdeckt"));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&game);
    QList<QObject*> heard;
    for (int child = 0; child < window->childCount(); ++child)
        heard.append(window->child(child)->object());
    QVERIFY(heard.contains(game.Bezeichnung(4)));
    QVERIFY(heard.contains(game.Bezeichnung19));
    QVERIFY(!heard.contains(game.Bezeichnung21));
    QCOMPARE(QApplication::focusWidget(), game.Bezeichnung(1));
    VERIFY_DIALOGS(fx);
}

void MemoTest::firstClickDealsNinePairs() {
    Fixture fx;
    fx.start();
    memo& game = openMemo(fx);
    QCOMPARE(game.Bezeichnung20->text(), QStringLiteral("0"));

    Fixture::click(game.Bezeichnung(5));

    QCOMPARE(game.Bezeichnung20->text(), QStringLiteral("1"));
    const QString layout = layoutOf(game);
    QCOMPARE(layout.size(), memo::CardCount);
    QVERIFY2(kSortedSets.contains(sorted(layout)), qPrintable(layout));
    QVERIFY(kSets.contains(fx.app().shared().letterRow));
    QCOMPARE(sorted(fx.app().shared().letterRow), sorted(layout));
    QCOMPARE(game.Bezeichnung22->text(), QString(memo::CardCount, u'1'));
    QCOMPARE(game.Bezeichnung23->text(), QStringLiteral("5"));
    QCOMPARE(game.Bezeichnung24->text(), QStringLiteral("0"));
    QCOMPARE(game.Bezeichnung(5)->caption(), QString(u'\r') + layout.at(4));
    QCOMPARE(game.Bezeichnung(5)->accessibleName(), QString(layout.at(4)));
    QCOMPARE(game.Bezeichnung(6)->caption(), QString());
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void MemoTest::everySetIsDealt() {
    Fixture fx;
    fx.start();
    memo& game = openMemo(fx);
    QSet<QString> setsSeen;
    for (int visit = 0; visit < 30; ++visit) {
        Fixture::click(game.Bezeichnung(1));
        const QString letterRow = fx.app().shared().letterRow;
        QVERIFY2(kSets.contains(letterRow), qPrintable(letterRow));
        QCOMPARE(sorted(layoutOf(game)), sorted(letterRow));
        setsSeen.insert(letterRow);
        fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
        Fixture::click(game.Picture1);
        openMemo(fx);
    }
    QCOMPARE(setsSeen.size(), 3);
    VERIFY_DIALOGS(fx);
}

void MemoTest::moves_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("faceUp");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    using L = QStringList;
    QTest::newRow("one card") << L{"A1"} << L{"A1"} << L{} << "A1"
                              << "";
    QTest::newRow("first card again") << L{"A1", "A1"} << L{"A1"} << L{} << "A1"
                                      << "";
    QTest::newRow("failed pair stays open") << L{"A1", "B1"} << L{"A1", "B1"} << L{} << "A1"
                                            << "B1";
    QTest::newRow("third click elsewhere") << L{"A1", "B1", "C1"} << L{"C1"} << L{} << "C1"
                                           << "";
    QTest::newRow("third click on the first") << L{"A1", "B1", "A1"} << L{"A1"} << L{} << "A1"
                                              << "";
    QTest::newRow("third click on the second") << L{"A1", "B1", "B1"} << L{"B1"} << L{} << "B1"
                                               << "";
    QTest::newRow("pair found") << L{"A1", "A2"} << L{} << L{"A1", "A2"} << ""
                                << "";
    QTest::newRow("pair after a failed pair")
        << L{"A1", "B1", "B2", "B1"} << L{} << L{"B1", "B2"} << ""
        << "";
    QTest::newRow("found card while a failed pair is open")
        << L{"A1", "A2", "B1", "C1", "A2"} << L{"B1", "C1"} << L{"A1", "A2"} << "B1"
        << "C1";
    QTest::newRow("found card while one card is open")
        << L{"A1", "A2", "B1", "A1"} << L{"B1"} << L{"A1", "A2"} << "B1"
        << "";
    QTest::newRow("found card with nothing open")
        << L{"A1", "A2", "A1"} << L{} << L{"A1", "A2"} << ""
        << "";
}

void MemoTest::moves() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, faceUp);
    QFETCH(QStringList, found);
    QFETCH(QString, first);
    QFETCH(QString, second);
    Fixture fx;
    fx.start();
    memo& game = openMemo(fx);
    Fixture::click(game.Bezeichnung(1));
    const Roles roles = resolveRoles(game);

    for (const QString& role : clicks.mid(1))
        Fixture::click(game.Bezeichnung(roles[role]));

    QCOMPARE(cardNames(game), expectedNames(game, roles, faceUp, found));
    QCOMPARE(roleOf(roles, game.Bezeichnung23), first);
    QCOMPARE(roleOf(roles, game.Bezeichnung24), second);
    for (const QString& role : found) {
        QVERIFY(game.Bezeichnung(roles[role])->isFound());
        QCOMPARE(game.Bezeichnung22->text().at(roles[role] - 1), u'0');
    }
    QVERIFY(game.isVisible());
    VERIFY_DIALOGS(fx);
}

void MemoTest::ninthPairEndsGame() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("3"));
    memo& game = openMemo(fx);
    Fixture::click(game.Bezeichnung(1));
    Fixture::click(game.Bezeichnung(1));
    QList<int> done;
    for (int pair = 1; pair <= 9; ++pair) {
        const int card = cardWithNewLetter(game, done);
        done.append(card);
        if (pair == 9)
            fx.dialogs.expectMessage(kGameOver, kTitle, MsgBox::OkOnly);
        Fixture::click(game.Bezeichnung(card));
        Fixture::click(game.Bezeichnung(partnerOf(game, card)));
        QCOMPARE(game.isVisible(), pair < 9);
    }
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("3"));
    QCOMPARE(game.Bezeichnung20->text(), QStringLiteral("0"));
    QCOMPARE(cardNames(game), QStringList(memo::CardCount, QStringLiteral("verdeckt")));

    // The next visit starts face down and deals anew on its first card.
    openMemo(fx);
    Fixture::click(game.Bezeichnung(2));
    QCOMPARE(game.Bezeichnung22->text(), QString(memo::CardCount, u'1'));
    QCOMPARE(game.Bezeichnung23->text(), QStringLiteral("2"));
    QCOMPARE(cardNames(game).count(QStringLiteral("verdeckt")), memo::CardCount - 1);
    VERIFY_DIALOGS(fx);
}

void MemoTest::earlyEndQuestion_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("picture, No") << "picture" << MsgBox::No;
    QTest::newRow("picture, Yes") << "picture" << MsgBox::Yes;
    QTest::newRow("Escape, No") << "escape" << MsgBox::No;
    QTest::newRow("Escape, Yes") << "escape" << MsgBox::Yes;
    QTest::newRow("close button, No") << "close" << MsgBox::No;
}

void MemoTest::earlyEndQuestion() {
    QFETCH(QString, how);
    QFETCH(int, answer);
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("6"));
    memo& game = openMemo(fx);
    Fixture::click(game.Bezeichnung(1));
    const Roles roles = resolveRoles(game);
    for (const char* role : {"A2", "B1", "C1"})
        Fixture::click(game.Bezeichnung(roles[role]));
    const QStringList namesBefore = cardNames(game);
    const QStringList statesBefore = {game.Bezeichnung20->text(), game.Bezeichnung21->text(),
                                      game.Bezeichnung22->text(), game.Bezeichnung23->text(),
                                      game.Bezeichnung24->text()};
    fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoQuestion, answer);

    if (how == "picture")
        Fixture::click(game.Picture1);
    else if (how == "escape")
        pressOnFocus(game, Qt::Key_Escape);
    else
        game.close();
    Fixture::settle();

    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("6"));
    if (answer == MsgBox::No) {
        QVERIFY(game.isVisible());
        QCOMPARE(cardNames(game), namesBefore);
        const QStringList statesAfter = {game.Bezeichnung20->text(), game.Bezeichnung21->text(),
                                         game.Bezeichnung22->text(), game.Bezeichnung23->text(),
                                         game.Bezeichnung24->text()};
        QCOMPARE(statesAfter, statesBefore);
        return;
    }
    QVERIFY(!game.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(game.Bezeichnung20->text(), QStringLiteral("0"));
    QCOMPARE(cardNames(game), QStringList(memo::CardCount, QStringLiteral("verdeckt")));
}

void MemoTest::keyboardOnly() {
    Fixture fx;
    fx.start();
    memo& game = openMemo(fx);
    QCOMPARE(game.focusWidget(), game.Bezeichnung(1));
    // The edges hold the focus; the arrows walk the grid.
    pressOnFocus(game, Qt::Key_Left);
    pressOnFocus(game, Qt::Key_Up);
    QCOMPARE(game.focusWidget(), game.Bezeichnung(1));
    pressOnFocus(game, Qt::Key_Right);
    pressOnFocus(game, Qt::Key_Down);
    QCOMPARE(game.focusWidget(), game.Bezeichnung(8));
    for (int step = 0; step < 8; ++step) {
        pressOnFocus(game, Qt::Key_Right);
        pressOnFocus(game, Qt::Key_Down);
    }
    QCOMPARE(game.focusWidget(), game.Bezeichnung(18));

    // Space turns the focused card; Enter too, as a click would.
    pressOnFocus(game, Qt::Key_Space);
    QCOMPARE(game.Bezeichnung23->text(), QStringLiteral("18"));
    const int partner = partnerOf(game, 18);
    const int steps = 18 - partner;
    for (int row = 0; row < steps / memo::Columns; ++row)
        pressOnFocus(game, Qt::Key_Up);
    for (int column = 0; column < steps % memo::Columns; ++column)
        pressOnFocus(game, Qt::Key_Left);
    QCOMPARE(game.focusWidget(), game.Bezeichnung(partner));
    pressOnFocus(game, Qt::Key_Return);

    QVERIFY(game.Bezeichnung(18)->isFound());
    QVERIFY(game.Bezeichnung(partner)->isFound());
    QCOMPARE(game.Bezeichnung(partner)->accessibleName(),
             layoutOf(game).at(partner - 1) + QStringLiteral(", gefunden"));
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(MemoTest)
#include "tst_memo.moc"
