#include "fixture.h"
#include "games/fang.h"
#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kTitle = QStringLiteral("A B C - Fange");
const QString kGameOver = QStringLiteral("  Das Spiel ist beendet!\r");
const QString kEndQuestion = QStringLiteral("Dieses Spiel jetzt beenden?\r");
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
constexpr int kCell = 280;

fang& openFang(Fixture& fx) {
    fang& game = fx.window<fang>();
    fx.app().open(game);
    Fixture::settle();
    return game;
}

// A key press as the child makes it: it goes to whatever control has the focus.
void press(fang& game, Qt::Key key) {
    QWidget* focused = game.focusWidget();
    QVERIFY(focused);
    Fixture::key(focused, key);
}

QPoint cursorCell(const fang& game) {
    return {game.cursorCol, game.cursorRow};
}

QPoint letterCell(const fang& game, int index) {
    return {game.posCol.at(static_cast<size_t>(index)), game.posRow.at(static_cast<size_t>(index))};
}

// What the field shows, text by text, as "text column,row".
QStringList field(const fang& game) {
    QStringList shown;
    for (const Canvas::PrintedText& printed : game.surface->printedTexts()) {
        shown.append(QStringLiteral("%1 %2,%3")
                         .arg(printed.text)
                         .arg(printed.position.x() / kCell)
                         .arg(printed.position.y() / kCell));
    }
    shown.sort();
    return shown;
}

QStringList expectedField(const fang& game) {
    QStringList shown;
    const QString inPlay = game.Bezeichnung4->text();
    for (int i = 0; i < inPlay.size(); ++i) {
        const QPoint cell = letterCell(game, i);
        shown.append(QStringLiteral("%1 %2,%3").arg(inPlay.at(i)).arg(cell.x()).arg(cell.y()));
    }
    shown.append(QStringLiteral("+ %1,%2").arg(game.cursorCol).arg(game.cursorRow));
    shown.sort();
    return shown;
}

// Pixels of the colour inside a cell on the window as painted, leaving a small margin to
// the neighbouring cells.
int pixelsInCell(const QImage& shown, QPoint cell, const std::function<bool(QColor)>& matches) {
    const int margin = 3;
    const QRect area(Twips::toPixels(cell.x() * kCell) + margin,
                     Twips::toPixels(cell.y() * kCell) + margin,
                     Twips::toPixels(kCell) - 2 * margin, Twips::toPixels(kCell) - 2 * margin);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += matches(shown.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

} // namespace

class FangTest : public QObject {
    Q_OBJECT
private slots:
    void looksAndNames();
    void startDeals();
    void cursorMoves_data();
    void cursorMoves();
    void paceFollowsTheBar_data();
    void paceFollowsTheBar();
    void moveCatchesOnlyTheNextLetter();
    void jumpsKeepLettersApartAndCatchOnlyTheNext();
    void nextLetterJumpingOntoCursorIsCaught();
    void fieldShowsLettersAndCursorCleanly();
    void catchingZEndsTheGame();
    void endTestWithoutLetters_data();
    void endTestWithoutLetters();
    void endQuestion_data();
    void endQuestion();
};

void FangTest::looksAndNames() {
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    QCOMPARE(game.windowTitle(), kTitle);
    QCOMPARE(game.Befehl1->text(), QStringLiteral("ENDE"));
    QCOMPARE(game.Befehl4->text(), QStringLiteral("START"));
    QCOMPARE(game.Bezeichnung1->text(), QStringLiteral("schnell"));
    QCOMPARE(game.Bezeichnung2->text(), QStringLiteral("langsam"));
    const QList<std::tuple<PictureButton*, QString, QString>> pictures = {
        {game.Bild1, "Links", ":/icons/dreieck_links.svg"},
        {game.Bild2, "Hoch", ":/icons/dreieck_hoch.svg"},
        {game.Bild3, "Runter", ":/icons/dreieck_runter.svg"},
        {game.Bild4, "Rechts", ":/icons/dreieck_rechts.svg"}};
    for (const auto& [picture, name, icon] : pictures) {
        QCOMPARE(picture->accessibleName(), name);
        QCOMPARE(picture->toolTip(), name);
        QCOMPARE(picture->iconPath(), icon);
    }
    QCOMPARE(game.HBildlauf1->accessibleName(), QStringLiteral("Tempo"));
    QCOMPARE(game.HBildlauf1->toolTip(), QStringLiteral("Tempo"));
    QCOMPARE(game.HBildlauf1->minimum(), 1);
    QCOMPARE(game.HBildlauf1->maximum(), 10);
    QCOMPARE(game.HBildlauf1->value(), 10);
    QCOMPARE(game.HBildlauf1->focusPolicy(), Qt::StrongFocus);
    QVERIFY(game.Bezeichnung4->isHidden());
    QVERIFY(!game.Zeit1->isActive());
    QCOMPARE(QApplication::focusWidget(), game.Befehl4);
    VERIFY_DIALOGS(fx);
}

void FangTest::startDeals() {
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    for (int round = 0; round < 2; ++round) {
        Fixture::click(game.Befehl4);

        QCOMPARE(game.Bezeichnung4->text(), kAlphabet);
        QCOMPARE(game.Bezeichnung3->text(), QString());
        QCOMPARE(cursorCell(game), QPoint(14, 9));
        for (int i = 0; i < fang::LetterCount; ++i) {
            const QPoint cell = letterCell(game, i);
            QVERIFY(cell.x() % 2 == 0 && cell.x() >= 2 && cell.x() <= 24);
            QVERIFY(cell.y() >= 3 && cell.y() <= 16);
        }
        QVERIFY(game.Zeit1->isActive());
        QCOMPARE(game.Zeit1->interval(), 10000);
        // The letters appear with their first jump; the cursor shows at once.
        QCOMPARE(field(game), QStringList{"+ 14,9"});
        QCOMPARE(QApplication::focusWidget(), game.Bild1);

        // A catch, then START again: a new game from the first letter.
        game.posCol[0] = 13;
        game.posRow[0] = 9;
        Fixture::click(game.Bild1);
        QCOMPARE(game.Bezeichnung3->text(), QStringLiteral("A"));
    }
    VERIFY_DIALOGS(fx);
}

void FangTest::cursorMoves_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("byPicture");
    QTest::addColumn<QPoint>("to");
    const QList<std::tuple<const char*, QPoint, int, QPoint>> moves = {
        {"left", {14, 9}, Qt::Key_Left, {13, 9}},
        {"left at column 1", {1, 9}, Qt::Key_Left, {1, 9}},
        {"up", {14, 9}, Qt::Key_Up, {14, 8}},
        {"up at row 3", {7, 3}, Qt::Key_Up, {7, 3}},
        {"down", {14, 9}, Qt::Key_Down, {14, 10}},
        {"down at row 16", {24, 16}, Qt::Key_Down, {24, 16}},
        {"right", {14, 9}, Qt::Key_Right, {15, 9}},
        {"right at column 24", {24, 3}, Qt::Key_Right, {24, 3}},
    };
    for (const auto& [name, from, key, to] : moves) {
        QTest::addRow("%s, picture", name) << from << key << true << to;
        QTest::addRow("%s, key", name) << from << key << false << to;
    }
}

void FangTest::cursorMoves() {
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(bool, byPicture);
    QFETCH(QPoint, to);
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    Fixture::click(game.Befehl4);
    game.posCol[0] = 0;
    game.posRow[0] = 0;
    game.cursorCol = from.x();
    game.cursorRow = from.y();

    if (byPicture) {
        const QMap<int, PictureButton*> pictures = {{Qt::Key_Left, game.Bild1},
                                                    {Qt::Key_Up, game.Bild2},
                                                    {Qt::Key_Down, game.Bild3},
                                                    {Qt::Key_Right, game.Bild4}};
        Fixture::click(pictures.value(key));
    } else {
        // The window sees the key first, even when the speed bar has the focus.
        game.HBildlauf1->setValue(5);
        game.HBildlauf1->setFocus();
        press(game, static_cast<Qt::Key>(key));
        QCOMPARE(game.HBildlauf1->value(), 5);
    }

    QCOMPARE(cursorCell(game), to);
    QCOMPARE(field(game), QStringList{QStringLiteral("+ %1,%2").arg(to.x()).arg(to.y())});
    QCOMPARE(game.Bezeichnung3->text(), QString());
    QCOMPARE(fx.dialogs.beeps, 0);
    VERIFY_DIALOGS(fx);
}

void FangTest::paceFollowsTheBar_data() {
    QTest::addColumn<int>("seconds");
    QTest::newRow("schnell") << 1;
    QTest::newRow("middle") << 4;
    QTest::newRow("langsam") << 10;
}

void FangTest::paceFollowsTheBar() {
    QFETCH(int, seconds);
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    game.HBildlauf1->setValue(seconds == 1 ? 2 : 1);
    game.HBildlauf1->setValue(seconds);
    QVERIFY(!game.Zeit1->isActive());
    Fixture::click(game.Befehl4);
    QCOMPARE(game.Zeit1->interval(), seconds * 1000);

    // During a game, at once; and the arrows have the keyboard again.
    game.HBildlauf1->setFocus();
    game.HBildlauf1->setValue(seconds == 7 ? 6 : 7);
    QCOMPARE(game.Zeit1->interval(), 7000);
    QVERIFY(game.Zeit1->isActive());
    QCOMPARE(QApplication::focusWidget(), game.Bild1);
    QCOMPARE(game.Bezeichnung4->text(), kAlphabet);
}

void FangTest::moveCatchesOnlyTheNextLetter() {
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    Fixture::click(game.Befehl4);
    game.posCol[0] = 4;
    game.posRow[0] = 5;
    game.posCol[1] = 14;
    game.posRow[1] = 8;
    game.posCol[2] = 6;
    game.posRow[2] = 7;

    press(game, Qt::Key_Up);
    QCOMPARE(cursorCell(game), QPoint(14, 8));
    QCOMPARE(game.Bezeichnung4->text(), kAlphabet);
    QCOMPARE(game.Bezeichnung3->text(), QString());
    QCOMPARE(fx.dialogs.beeps, 0);

    game.cursorCol = 5;
    game.cursorRow = 5;
    Fixture::click(game.Bild1);
    QCOMPARE(game.Bezeichnung3->text(), QStringLiteral("A"));
    QCOMPARE(game.Bezeichnung4->text(), kAlphabet.mid(1));
    QCOMPARE(fx.dialogs.beeps, 1);
    // The others move up one place and keep their cells.
    QCOMPARE(letterCell(game, 0), QPoint(14, 8));
    QCOMPARE(letterCell(game, 1), QPoint(6, 7));
    QCOMPARE(field(game), expectedField(game));

    VERIFY_DIALOGS(fx);
}

void FangTest::jumpsKeepLettersApartAndCatchOnlyTheNext() {
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    Fixture::click(game.Befehl4);
    int othersOnCursor = 0;
    int catches = 0;
    for (int tick = 0; tick < 300; ++tick) {
        const QString before = game.Bezeichnung4->text();
        const int beepsBefore = fx.dialogs.beeps;

        game.Zeit1_Timer();

        const QString inPlay = game.Bezeichnung4->text();
        QSet<QPoint> cells;
        for (int i = 0; i < inPlay.size(); ++i) {
            const QPoint cell = letterCell(game, i);
            QVERIFY(cell.x() % 2 == 0 && cell.x() >= 2 && cell.x() <= 24);
            QVERIFY(cell.y() >= 3 && cell.y() <= 16);
            cells.insert(cell);
            if (i > 0 && cell == cursorCell(game))
                ++othersOnCursor;
        }
        QCOMPARE(cells.size(), inPlay.size());
        if (inPlay == before) {
            QCOMPARE(fx.dialogs.beeps, beepsBefore);
        } else {
            // The next letter landed on the cursor: caught, with a beep.
            ++catches;
            QCOMPARE(inPlay, before.mid(1));
            QVERIFY(game.Bezeichnung3->text().endsWith(before.front()));
            QCOMPARE(fx.dialogs.beeps, beepsBefore + 1);
        }
        QCOMPARE(field(game), expectedField(game));
    }
    QVERIFY(othersOnCursor > 0);
    QCOMPARE(game.Bezeichnung3->text(), kAlphabet.left(catches));
    VERIFY_DIALOGS(fx);
}

void FangTest::nextLetterJumpingOntoCursorIsCaught() {
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    Fixture::click(game.Befehl4);
    // The next letter takes the first draws of the jump.
    TimeSeededRandom predictor = fx.random;
    game.cursorCol = 2 * predictor.uniform(1, 12);
    game.cursorRow = predictor.uniform(3, 14);

    game.Zeit1_Timer();

    QCOMPARE(game.Bezeichnung3->text(), QStringLiteral("A"));
    QCOMPARE(game.Bezeichnung4->text(), kAlphabet.mid(1));
    QCOMPARE(fx.dialogs.beeps, 1);
    QVERIFY(game.isVisible());
    VERIFY_DIALOGS(fx);
}

void FangTest::fieldShowsLettersAndCursorCleanly() {
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    Fixture::click(game.Befehl4);
    game.Zeit1_Timer();
    QList<QPoint> before;
    for (int i = 0; i < game.Bezeichnung4->text().size(); ++i)
        before.append(letterCell(game, i));

    game.Zeit1_Timer();

    const QImage shown = game.grab().toImage();
    const QColor letterColour = paletteColor(1);
    const auto isLetter = [&](QColor pixel) { return pixel.rgb() == letterColour.rgb(); };
    const auto isRed = [](QColor pixel) {
        return pixel.red() > 180 && pixel.green() < 80 && pixel.blue() < 80;
    };
    const auto isWhite = [](QColor pixel) { return pixel.rgb() == qRgb(255, 255, 255); };
    QSet<QPoint> now;
    for (int i = 0; i < game.Bezeichnung4->text().size(); ++i) {
        now.insert(letterCell(game, i));
        if (letterCell(game, i) != cursorCell(game))
            QVERIFY(pixelsInCell(shown, letterCell(game, i), isLetter) > 0);
    }
    QVERIFY(pixelsInCell(shown, cursorCell(game), isRed) > 0);
    int vacated = 0;
    for (const QPoint cell : before) {
        const QPoint offset = cell - cursorCell(game);
        if (now.contains(cell) || (qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1))
            continue;
        ++vacated;
        const int total = (Twips::toPixels(kCell) - 6) * (Twips::toPixels(kCell) - 6);
        QCOMPARE(pixelsInCell(shown, cell, isWhite), total);
    }
    QVERIFY(vacated > 0);
}

void FangTest::catchingZEndsTheGame() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("8"));
    fang& game = openFang(fx);
    Fixture::click(game.Befehl4);
    QString caughtAtTheEnd;
    bool jumpingAtTheEnd = true;
    for (int letter = 0; letter < fang::LetterCount; ++letter) {
        const bool up = game.cursorRow == 9;
        game.posCol[0] = game.cursorCol;
        game.posRow[0] = up ? 8 : 9;
        if (letter == fang::LetterCount - 1) {
            QCOMPARE(game.Bezeichnung3->text(), kAlphabet.left(25));
            fx.dialogs.expectMessage(kGameOver, kTitle, MsgBox::OkOnly);
            fx.dialogs.onCall = [&](const ScriptedDialogs::Call&) {
                caughtAtTheEnd = game.Bezeichnung3->text();
                jumpingAtTheEnd = game.Zeit1->isActive();
            };
        }
        press(game, up ? Qt::Key_Up : Qt::Key_Down);
    }
    VERIFY_DIALOGS(fx);
    // The message stands over the whole alphabet caught, and no jump comes behind it.
    QCOMPARE(caughtAtTheEnd, kAlphabet);
    QVERIFY(!jumpingAtTheEnd);
    QCOMPARE(fx.dialogs.beeps, 26);
    QVERIFY(!game.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(game.Bezeichnung3->text(), QString());
    QCOMPARE(game.Bezeichnung4->text(), QString());
    QVERIFY(!game.Zeit1->isActive());
    QCOMPARE(game.Zeit1->interval(), 1000);
    QCOMPARE(fx.points(), QStringLiteral("8"));
}

void FangTest::endTestWithoutLetters_data() {
    QTest::addColumn<bool>("afterGame");
    QTest::addColumn<bool>("byPicture");
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("before START, key down") << false << false << QPoint(0, 1);
    QTest::newRow("before START, picture left") << false << true << QPoint(1, 0);
    QTest::newRow("after a game, key down") << true << false << QPoint(14, 10);
    QTest::newRow("after a game, picture left") << true << true << QPoint(13, 9);
}

void FangTest::endTestWithoutLetters() {
    QFETCH(bool, afterGame);
    QFETCH(bool, byPicture);
    QFETCH(QPoint, cursor);
    Fixture fx;
    fx.start();
    fang& game = openFang(fx);
    if (afterGame) {
        // Z is caught at column 13; the cursor then stands beside the cell where it was.
        Fixture::click(game.Befehl4);
        game.Bezeichnung4->setText(QStringLiteral("Z"));
        game.posCol[0] = 13;
        game.posRow[0] = 9;
        fx.dialogs.expectMessage(kGameOver, kTitle, MsgBox::OkOnly);
        Fixture::click(game.Bild1);
        game.cursorCol = 14;
        openFang(fx);
    }
    const int beeps = fx.dialogs.beeps;
    fx.dialogs.expectMessage(kGameOver, kTitle, MsgBox::OkOnly);

    if (byPicture)
        Fixture::click(game.Bild1);
    else
        press(game, Qt::Key_Down);

    VERIFY_DIALOGS(fx);
    QCOMPARE(cursorCell(game), cursor);
    QCOMPARE(fx.dialogs.beeps, beeps);
    QVERIFY(!game.isVisible());
    QVERIFY(fx.main().isVisible());
    QVERIFY(!game.Zeit1->isActive());
}

void FangTest::endQuestion_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    for (const char* how : {"ENDE", "Escape", "close"}) {
        QTest::addRow("%s, No", how) << how << MsgBox::No;
        QTest::addRow("%s, Yes", how) << how << MsgBox::Yes;
    }
}

void FangTest::endQuestion() {
    QFETCH(QString, how);
    QFETCH(int, answer);
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("2"));
    fang& game = openFang(fx);
    game.HBildlauf1->setValue(6);
    Fixture::click(game.Befehl4);
    game.posCol[0] = 13;
    game.posRow[0] = 9;
    Fixture::click(game.Bild1);
    game.Zeit1_Timer();
    const QStringList fieldBefore = field(game);
    const QPoint cursorBefore = cursorCell(game);
    fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoStop, answer);

    if (how == "ENDE") {
        Fixture::click(game.Befehl1);
    } else if (how == "Escape") {
        game.HBildlauf1->setFocus();
        press(game, Qt::Key_Escape);
    } else {
        game.close();
        Fixture::settle();
    }

    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("2"));
    QCOMPARE(game.Bezeichnung4->text(), kAlphabet.mid(1));
    QCOMPARE(cursorCell(game), cursorBefore);
    QCOMPARE(field(game), fieldBefore);
    if (answer == MsgBox::No) {
        QVERIFY(game.isVisible());
        QVERIFY(game.Zeit1->isActive());
        QCOMPARE(game.Zeit1->interval(), 6000);
        QCOMPARE(game.Bezeichnung3->text(), QStringLiteral("A"));
        return;
    }
    QVERIFY(!game.isVisible());
    QVERIFY(fx.main().isVisible());
    QVERIFY(!game.Zeit1->isActive());
    QCOMPARE(game.Zeit1->interval(), 1000);
    QCOMPARE(game.Bezeichnung3->text(), QString());
    QCOMPARE(game.HBildlauf1->value(), 6);
}

QTEST_MAIN(FangTest)
#include "tst_fang.moc"
