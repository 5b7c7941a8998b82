#include "exercises/abc_reihe.h"
#include "fixture.h"
#include "platform/controls.h"

#include <QApplication>
#include <QTest>

#include <algorithm>

namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kPraise =
    QStringLiteral("Prima, du hast es richtig gemacht!\rZur Belohnung gibt es zwei Punkte!");

QString tileLetters(const Form5& form) {
    QString letters;
    for (int number = 1; number <= Form5::TileCount; ++number)
        letters += form.Bezeichnung(number)->text();
    return letters;
}

bool isPermutationOfAlphabet(const QString& letters) {
    QString sorted = letters;
    std::sort(sorted.begin(), sorted.end());
    return sorted == kAlphabet;
}

LetterTile* tileShowing(const Form5& form, const QString& letter) {
    for (int number = 1; number <= Form5::TileCount; ++number) {
        if (form.Bezeichnung(number)->text() == letter)
            return form.Bezeichnung(number);
    }
    return nullptr;
}

// What is dragged onto the hole; Nothing stands for a drag from outside the program.
enum class DropSource { Picture, Instruction, Tile, Nothing };

Form5& openReihe(Fixture& fx) {
    Fixture::click(fx.main().Bild10);
    return fx.window<Form5>();
}

} // namespace

class AbcReiheTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromMainWindowWithDesignLetters();
    void pictureButtonsAreNamed_data();
    void pictureButtonsAreNamed();
    void everyDealIsAPermutation();
    void lettersGoIntoTheHoleInOrderOnly();
    void dropsThatChangeNothing_data();
    void dropsThatChangeNothing();
    void fullRowEarnsTwoPointsAndDealsAnew();
    void backDealsAndAwardsNothing_data();
    void backDealsAndAwardsNothing();
    void typingTheAlphabetFillsTheHole();
    void spaceOnAFocusedTileDropsIt();
};

void AbcReiheTest::opensFromMainWindowWithDesignLetters() {
    Fixture fx;
    fx.start();
    Form5& form = openReihe(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("A B C - Reihe"));
    QCOMPARE(form.Bezeichnung(3)->text(), QStringLiteral("D"));
    QCOMPARE(form.Bezeichnung(4)->text(), QStringLiteral("C"));
    QCOMPARE(tileLetters(form), QStringLiteral("ABDCEFGHIJKLMNOPQRSTUVWXYZ"));
    QCOMPARE(form.abcfeld->text(), QString());
    VERIFY_DIALOGS(fx);
}

void AbcReiheTest::pictureButtonsAreNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("icon");
    QTest::newRow("Bild1") << "Neu" << 1 << ":/icons/neu.svg";
    QTest::newRow("Bild2") << "Zurück" << 2 << ":/icons/zurueck.svg";
}

void AbcReiheTest::pictureButtonsAreNamed() {
    QFETCH(QString, name);
    QFETCH(int, picture);
    QFETCH(QString, icon);
    Fixture fx;
    fx.start();
    Form5& form = openReihe(fx);
    const PictureButton* button = picture == 1 ? form.Bild1 : form.Bild2;
    QCOMPARE(button->accessibleName(), name);
    QCOMPARE(button->toolTip(), name);
    QCOMPARE(button->iconPath(), icon);
}

void AbcReiheTest::everyDealIsAPermutation() {
    Fixture fx;
    fx.start();
    Form5& form = openReihe(fx);
    QStringList deals;
    for (int deal = 0; deal < 20; ++deal) {
        form.abcfeld->setText(QStringLiteral("ABC"));
        Fixture::click(form.Bild1);
        const QString letters = tileLetters(form);
        QVERIFY2(isPermutationOfAlphabet(letters), qPrintable(letters));
        QCOMPARE(form.abcfeld->text(), QString());
        QCOMPARE(fx.app().shared().letterRow, kAlphabet);
        deals.append(letters);
    }
    deals.removeDuplicates();
    QVERIFY(deals.size() > 1);
    VERIFY_DIALOGS(fx);
}

void AbcReiheTest::lettersGoIntoTheHoleInOrderOnly() {
    Fixture fx;
    fx.start();
    Form5& form = openReihe(fx);
    Fixture::click(form.Bild1);
    LetterTile* a = tileShowing(form, QStringLiteral("A"));
    LetterTile* b = tileShowing(form, QStringLiteral("B"));
    LetterTile* c = tileShowing(form, QStringLiteral("C"));

    form.abcfeld_DragDrop(a);
    QCOMPARE(form.abcfeld->text(), QStringLiteral("A"));
    QCOMPARE(a->text(), QString());

    form.abcfeld_DragDrop(c);
    QCOMPARE(form.abcfeld->text(), QStringLiteral("A"));
    QCOMPARE(c->text(), QStringLiteral("C"));

    form.abcfeld_DragDrop(b);
    QCOMPARE(form.abcfeld->text(), QStringLiteral("AB"));
    QCOMPARE(b->text(), QString());
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcReiheTest::dropsThatChangeNothing_data() {
    QTest::addColumn<QString>("hole");
    QTest::addColumn<DropSource>("source");
    QTest::addColumn<QString>("tileCaption"); // of Bezeichnung5
    QTest::newRow("picture button") << "" << DropSource::Picture << "A";
    QTest::newRow("instruction line") << "" << DropSource::Instruction << "A";
    QTest::newRow("no control") << "ABC" << DropSource::Nothing << "D";
    QTest::newRow("emptied tile") << "A" << DropSource::Tile << "";
    QTest::newRow("emptied tile, empty hole") << "" << DropSource::Tile << "";
    QTest::newRow("small letter") << "" << DropSource::Tile << "a";
    QTest::newRow("letter after next") << "AB" << DropSource::Tile << "D";
    QTest::newRow("letter already in") << "AB" << DropSource::Tile << "B";
}

void AbcReiheTest::dropsThatChangeNothing() {
    QFETCH(QString, hole);
    QFETCH(DropSource, source);
    QFETCH(QString, tileCaption);
    Fixture fx;
    fx.start();
    Form5& form = openReihe(fx);
    form.abcfeld->setText(hole);
    form.Bezeichnung(5)->setText(tileCaption);
    const QString tilesBefore = tileLetters(form);
    QWidget* dropped = nullptr;
    switch (source) {
    case DropSource::Picture:
        dropped = form.Bild1;
        break;
    case DropSource::Instruction:
        dropped = form.Bezeichnung27;
        break;
    case DropSource::Tile:
        dropped = form.Bezeichnung(5);
        break;
    case DropSource::Nothing:
        break;
    }

    form.abcfeld_DragDrop(dropped);

    QCOMPARE(form.abcfeld->text(), hole);
    QCOMPARE(tileLetters(form), tilesBefore);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcReiheTest::fullRowEarnsTwoPointsAndDealsAnew() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("5"));
    Form5& form = openReihe(fx);
    // The design layout can be played as it stands; the second row is a dealt one.
    for (int row = 0; row < 2; ++row) {
        for (const QChar letter : kAlphabet.first(25)) {
            form.abcfeld_DragDrop(tileShowing(form, letter));
            QVERIFY(fx.dialogs.calls.isEmpty());
        }
        QCOMPARE(form.abcfeld->text(), kAlphabet.first(25));
        QCOMPARE(tileLetters(form), QStringLiteral("Z"));

        fx.dialogs.expectMessage(kPraise, QStringLiteral("ABC-Reihe"), MsgBox::OkOnly);
        form.abcfeld_DragDrop(tileShowing(form, QStringLiteral("Z")));
        VERIFY_DIALOGS(fx);
        QCOMPARE(fx.dialogs.calls.size(), 1);
        QCOMPARE(fx.points(), QString::number(5 + 2 * (row + 1)));
        QCOMPARE(form.abcfeld->text(), QString());
        QVERIFY(isPermutationOfAlphabet(tileLetters(form)));
        fx.dialogs.reset();
    }
}

void AbcReiheTest::backDealsAndAwardsNothing_data() {
    QTest::addColumn<bool>("byCloseButton");
    QTest::newRow("back picture") << false;
    QTest::newRow("title bar close button") << true;
}

void AbcReiheTest::backDealsAndAwardsNothing() {
    QFETCH(bool, byCloseButton);
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("3"));
    Form5& form = openReihe(fx);
    form.abcfeld_DragDrop(tileShowing(form, QStringLiteral("A")));
    form.abcfeld_DragDrop(tileShowing(form, QStringLiteral("B")));
    QCOMPARE(form.abcfeld->text(), QStringLiteral("AB"));

    if (byCloseButton)
        form.close();
    else
        Fixture::click(form.Bild2);
    QVERIFY(!form.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("3"));

    Fixture::click(fx.main().Bild10);
    QVERIFY(form.isVisible());
    QCOMPARE(form.abcfeld->text(), QString());
    const QString letters = tileLetters(form);
    QVERIFY2(isPermutationOfAlphabet(letters), qPrintable(letters));
    QVERIFY(letters != QStringLiteral("ABDCEFGHIJKLMNOPQRSTUVWXYZ"));
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(AbcReiheTest)
#include "tst_abc_reihe.moc"

void AbcReiheTest::typingTheAlphabetFillsTheHole() {
    Fixture fx;
    fx.start();
    Form5& form = openReihe(fx);
    QVERIFY(qobject_cast<LetterTile*>(QApplication::focusWidget()));
    Fixture::key(&form, Qt::Key_B);
    QCOMPARE(form.abcfeld->text(), QString());
    for (const QChar letter : kAlphabet.first(25))
        Fixture::key(&form, Qt::Key(Qt::Key_A + (letter.unicode() - u'A')));
    QCOMPARE(form.abcfeld->text(), kAlphabet.first(25));
    fx.dialogs.expectMessage(kPraise, QStringLiteral("ABC-Reihe"), MsgBox::OkOnly);
    Fixture::key(&form, Qt::Key_Z);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("2"));
    QVERIFY(isPermutationOfAlphabet(tileLetters(form)));
}

void AbcReiheTest::spaceOnAFocusedTileDropsIt() {
    Fixture fx;
    fx.start();
    Form5& form = openReihe(fx);
    LetterTile* b = tileShowing(form, QStringLiteral("B"));
    b->setFocus();
    Fixture::key(b, Qt::Key_Space);
    QCOMPARE(form.abcfeld->text(), QString());
    LetterTile* a = tileShowing(form, QStringLiteral("A"));
    a->setFocus();
    Fixture::key(a, Qt::Key_Space);
    QCOMPARE(form.abcfeld->text(), QStringLiteral("A"));
    // The emptied tile hands the focus on to a tile that still has a letter.
    auto* focused = qobject_cast<LetterTile*>(QApplication::focusWidget());
    QVERIFY(focused && focused != a && !focused->text().isEmpty());
    QCOMPARE(a->focusPolicy(), Qt::NoFocus);
    Fixture::key(focused, Qt::Key_Right);
    QVERIFY(QApplication::focusWidget() != focused);
    QVERIFY(qobject_cast<LetterTile*>(QApplication::focusWidget()));
}
