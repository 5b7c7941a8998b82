#include "exercises/letter_panel.h"
#include "fixture.h"
#include "games/galgen.h"
#include "platform/palette.h"
#include "platform/twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace {

const QString kTitle = QStringLiteral("Galgenspiel");
const QString kNoData = QStringLiteral("Es sind keine Daten vorhanden!\r");
const QString kLost = QStringLiteral("Du hast verloren!\r");
const QString kWon = QStringLiteral("Du hast gewonnen!\r");

const QColor kBrown(192, 64, 0);
const QColor kSkin(255, 192, 128);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 192);

galgen& openGame(Fixture& fx) {
    Fixture::click(fx.main().Bild16);
    return fx.window<galgen>();
}

void clickLetter(LetterPanel* panel, QChar letter) {
    const auto found = panel->findItems(QStringLiteral(" %1 ").arg(letter), Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(QString(letter)));
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, Qt::NoModifier,
                      panel->visualItemRect(found.first()).center());
    Fixture::settle();
}

// What the window shows at a design position (twips).
QColor colourAt(galgen& game, QPoint twips) {
    return game.grab().toImage().pixelColor(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()));
}

bool sameColour(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 &&
           qAbs(a.blue() - b.blue()) < 12;
}

struct PieceSpot {
    QPoint centre; // twips
    QColor colour;
};

// The middle of each piece of the hanging figure, in the order wrong letters add them.
const QList<PieceSpot> kHangingSpots = {
    {{367, 2767}, kBrown}, {{1147, 1327}, kBrown}, {{780, 1860}, kBrown}, {{1680, 1620}, Qt::black},
    {{1687, 1987}, kSkin}, {{1687, 2467}, kRed},   {{1380, 2400}, kRed},  {{1980, 2400}, kRed},
    {{1440, 3120}, kBlue}, {{1920, 3120}, kBlue}};

} // namespace

class GalgenTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWithoutWords_data();
    void refusesWithoutWords();
    void startsAFreshGame();
    void drawsEachWordOncePerRound();
    void letterRules_data();
    void letterRules();
    void tenthWrongLetterLoses();
    void winFreesTheFigure();
    void hints_data();
    void hints();
    void typedLettersChoose();
};

void GalgenTest::refusesWithoutWords_data() {
    QTest::addColumn<QByteArray>("list"); // "-": no word list at all
    QTest::newRow("no word list") << QByteArray("-");
    QTest::newRow("empty word list") << QByteArray("");
    QTest::newRow("no pair in it") << QByteArray("Apfel\r\n\r\n");
}

void GalgenTest::refusesWithoutWords() {
    QFETCH(QByteArray, list);
    Fixture fx;
    if (list != "-")
        fx.writeFile(QStringLiteral("MOXABC.TXT"), list);
    fx.start();
    fx.dialogs.expectMessage(kNoData, kTitle, MsgBox::OkOnly);
    Fixture::click(fx.main().Bild16);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
}

void GalgenTest::startsAFreshGame() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Tomate")}));
    fx.start();
    galgen& game = openGame(fx);
    QVERIFY(game.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(game.windowTitle(), kTitle);
    QCOMPARE(fx.app().shared().wordText, QStringLiteral("Tomate"));
    QCOMPARE(game.Bezeichnung1->text(), QStringLiteral(" _ _ _ _ _ _"));
    QCOMPARE(QAccessible::queryAccessibleInterface(game.Bezeichnung1)->text(QAccessible::Name),
             QStringLiteral(" _ _ _ _ _ _"));
    // The word handed over must not be readable during the game.
    QVERIFY(game.Bezeichnung2->text().isEmpty());
    QVERIFY(game.Bezeichnung2->isHidden());
    QCOMPARE(fx.app().shared().wrongGuesses, 0);
    QCOMPARE(game.Liste1->count(), 30);
    for (QWidget* piece : game.hangingPieces() + game.freedFigure())
        QVERIFY(piece->isHidden());
    QCOMPARE(QApplication::focusWidget(), game.Liste1);
    QCOMPARE(game.Bild1->accessibleName(), QStringLiteral("Zurück"));
    QCOMPARE(game.Bild2->accessibleName(), QStringLiteral("Tipp"));
    QCOMPARE(game.Bild2->toolTip(), QStringLiteral("Tipp"));
    QVERIFY(QFile::exists(game.Bild2->iconPath()));
    Fixture::click(game.Bild1);
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void GalgenTest::drawsEachWordOncePerRound() {
    Fixture fx;
    const QStringList words{QStringLiteral("Apfel"), QStringLiteral("Baum"),
                            QStringLiteral("Katze")};
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(words));
    fx.start();
    for (int round = 0; round < 2; ++round) {
        QStringList played;
        for (int game = 0; game < 3; ++game) {
            galgen& window = openGame(fx);
            played.append(fx.app().shared().wordText);
            QCOMPARE(window.Liste2->count(), 2 - game);
            Fixture::key(&window, Qt::Key_Escape);
        }
        played.sort();
        QCOMPARE(played, words);
    }
    VERIFY_DIALOGS(fx);
}

void GalgenTest::letterRules_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("wrong");
    QTest::newRow("A fills A and a") << "Anna"
                                     << "A"
                                     << " A _ _ a" << 0;
    QTest::newRow("found letter again costs nothing") << "Anna"
                                                      << "NN"
                                                      << " _ n n _" << 0;
    QTest::newRow("wrong letter twice counts twice") << "Anna"
                                                     << "XX"
                                                     << " _ _ _ _" << 2;
    QTest::newRow("Ö fills small ö") << "Möwe"
                                     << "Ö"
                                     << " _ ö _ _" << 0;
    QTest::newRow("ß is not S") << "Fuß"
                                << "FUS"
                                << " F u _" << 1;
    QTest::newRow("ß fills ß") << "Fuß"
                               << "ß"
                               << " _ _ ß" << 0;
    QTest::newRow("hyphen stays hidden") << "Ich-Form"
                                         << "ICHFORM"
                                         << " I c h _ F o r m" << 0;
}

void GalgenTest::letterRules() {
    QFETCH(QString, word);
    QFETCH(QString, letters);
    QFETCH(QString, mask);
    QFETCH(int, wrong);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({word}));
    fx.start();
    galgen& game = openGame(fx);
    for (const QChar letter : letters)
        clickLetter(game.Liste1, letter);
    QCOMPARE(game.Bezeichnung1->text(), mask);
    QCOMPARE(fx.app().shared().wordMask, mask);
    QCOMPARE(fx.app().shared().wrongGuesses, wrong);
    const QList<QWidget*> pieces = game.hangingPieces();
    for (int piece = 0; piece < pieces.size(); ++piece)
        QCOMPARE(pieces.at(piece)->isHidden(), piece >= wrong);
    QVERIFY(game.isVisible());
    VERIFY_DIALOGS(fx);
}

void GalgenTest::tenthWrongLetterLoses() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Ei")}));
    fx.start();
    galgen& game = openGame(fx);
    const QString wrongLetters = QStringLiteral("ABCDFGHJKL");
    for (int n = 1; n <= 9; ++n) {
        const PieceSpot& spot = kHangingSpots.at(n - 1);
        QVERIFY2(!sameColour(colourAt(game, spot.centre), spot.colour),
                 qPrintable(QString::number(n)));
        clickLetter(game.Liste1, wrongLetters.at(n - 1));
        QVERIFY2(sameColour(colourAt(game, spot.centre), spot.colour),
                 qPrintable(QString::number(n)));
        QCOMPARE(fx.app().shared().wrongGuesses, n);
    }
    QVERIFY(game.isVisible());
    VERIFY_DIALOGS(fx);

    fx.dialogs.expectMessage(kLost, kTitle, MsgBox::OkOnly);
    clickLetter(game.Liste1, wrongLetters.at(9));
    VERIFY_DIALOGS(fx);
    QVERIFY(!game.Linie5->isHidden());
    QVERIFY(sameColour(colourAt(game, kHangingSpots.last().centre), kBlue));
    QCOMPARE(game.Bezeichnung2->text(), QStringLiteral("Ei"));
    QVERIFY(!game.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("0"));
}

void GalgenTest::winFreesTheFigure() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Ei")}));
    fx.start();
    galgen& game = openGame(fx);
    for (const QChar wrong : QStringLiteral("ABCDFGHJK"))
        clickLetter(game.Liste1, wrong);
    clickLetter(game.Liste1, u'E');
    QCOMPARE(game.Bezeichnung1->text(), QStringLiteral(" E _"));
    fx.dialogs.expectMessage(kWon, kTitle, MsgBox::OkOnly);
    clickLetter(game.Liste1, u'I');
    VERIFY_DIALOGS(fx);
    QVERIFY(!game.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("0"));
    for (QWidget* piece : game.freedFigure())
        QVERIFY(!piece->isHidden());
    // The cover hides the hanging head and body; the freed figure stands in front of it, and
    // the gallows outside the cover stay.
    QVERIFY(sameColour(colourAt(game, {1687, 1987}), Colors::LightCyan));
    QVERIFY(sameColour(colourAt(game, {1687, 2467}), Colors::LightCyan));
    QVERIFY(sameColour(colourAt(game, {1687, 2827}), kSkin));
    QVERIFY(sameColour(colourAt(game, {1687, 3307}), kRed));
    QVERIFY(sameColour(colourAt(game, {1440, 2940}), kRed));
    QVERIFY(sameColour(colourAt(game, {1500, 3960}), kBlue));
    QVERIFY(sameColour(colourAt(game, {367, 2767}), kBrown));
}

void GalgenTest::hints_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("middle");
    QTest::newRow("six letters: the third") << "Tomate"
                                            << "m";
    QTest::newRow("five letters: the second") << "Mauer"
                                              << "a";
    QTest::newRow("one letter: that letter") << "A"
                                             << "A";
}

void GalgenTest::hints() {
    QFETCH(QString, word);
    QFETCH(QString, middle);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({word}));
    fx.start();
    galgen& game = openGame(fx);
    const QStringList hints{QStringLiteral("Der Wortanfang ist ein:  ") + word.front() + u'\r',
                            QStringLiteral("Die Wortmitte ist ein:  ") + middle + u'\r',
                            QStringLiteral("Das Wortende ist ein:  ") + word.back() + u'\r'};
    QSet<int> seen;
    for (int ask = 0; ask < 40 && seen.size() < 3; ++ask) {
        TimeSeededRandom upcoming = fx.random;
        const int kind = upcoming.uniform(1, 3);
        seen.insert(kind);
        fx.dialogs.expectMessage(hints.at(kind - 1), kTitle, MsgBox::OkOnly);
        Fixture::click(game.Bild2);
    }
    QCOMPARE(seen.size(), 3);
    VERIFY_DIALOGS(fx);
    QCOMPARE(game.Bezeichnung1->text(), QStringLiteral(" _").repeated(word.size()));
    QCOMPARE(fx.app().shared().wrongGuesses, 0);
}

void GalgenTest::typedLettersChoose() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Bär")}));
    fx.start();
    galgen& game = openGame(fx);
    Fixture::key(game.Liste1, Qt::Key_B);
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("ä"));
    QApplication::sendEvent(game.Bild2, &umlaut);
    QCOMPARE(game.Bezeichnung1->text(), QStringLiteral(" B ä _"));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), true);
    QApplication::sendEvent(game.Liste1, &held);
    QTest::keyClick(game.Liste1, Qt::Key_X, Qt::ControlModifier);
    Fixture::key(game.Liste1, Qt::Key_Z, Qt::ShiftModifier);
    QCOMPARE(fx.app().shared().wrongGuesses, 1);
    fx.dialogs.expectMessage(kWon, kTitle, MsgBox::OkOnly);
    Fixture::key(game.Bild1, Qt::Key_R);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
}

QTEST_MAIN(GalgenTest)
#include "tst_galgen.moc"
