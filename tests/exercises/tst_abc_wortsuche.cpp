#include "exercises/abc_wortsuche.h"
#include "exercises/word_sets.h"
#include "fixture.h"
#include "platform/collation.h"

#include <QAccessible>
#include <QListWidget>
#include <QRegularExpression>

namespace {

const QString kRight = QStringLiteral("Prima, du bekommst 1 Punkt dazu!\r");
const QString kRightTitle = QStringLiteral("L ö s u n g");
const QString kWrong = QStringLiteral("Fehler, das gibt 1 Punkt Abzug!\r");
const QString kWrongTitle = QStringLiteral("F e h l e r");

Form7& openWortsuche(Fixture& fx) {
    Fixture::click(fx.main().Bild5);
    return fx.window<Form7>();
}

QStringList shownWords(const Form7& form) {
    QStringList words;
    for (const ClickLabel* word : form.words())
        words.append(word->text());
    return words;
}

// The place asked for (1 … 5), read off the instruction as the child reads it.
int askedPlace(const Form7& form) {
    static const QRegularExpression instruction(
        QStringLiteral("^Klicke auf das ([1-5])\\. Wort nach der ABC-Folge!$"));
    const QRegularExpressionMatch match = instruction.match(form.Bezeichnung7->text());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The word the child should click, worked out from the shown words alone.
QString rightWord(const Form7& form) {
    QStringList sorted = shownWords(form);
    std::sort(sorted.begin(), sorted.end(), abcLess);
    return sorted.at(askedPlace(form) - 1);
}

ClickLabel* labelOf(const Form7& form, const QString& text) {
    for (ClickLabel* word : form.words()) {
        if (word->text() == text)
            return word;
    }
    return nullptr;
}

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class AbcWortsucheTest : public QObject {
    Q_OBJECT
private slots:
    void openingShowsATask();
    void dealsFiveDifferentPoolWords();
    void collationDecides_data();
    void collationDecides();
    void scoring_data();
    void scoring();
    void keyboardChoosesAWord_data();
    void keyboardChoosesAWord();
    void leavingEmptiesTheListsAndReopeningDeals();
};

void AbcWortsucheTest::openingShowsATask() {
    Fixture fx;
    fx.start();
    Form7& form = openWortsuche(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("A B C - Wortsuche"));
    QVERIFY(askedPlace(form) > 0);
    QCOMPARE(form.focusWidget(), form.Bezeichnung1);
    for (QWidget* shown : {static_cast<QWidget*>(form.Bezeichnung1),
                           static_cast<QWidget*>(form.Bezeichnung5),  // the words and the
                           static_cast<QWidget*>(form.Bezeichnung7)}) // instruction are heard
        QCOMPARE(accessibleName(shown), static_cast<QLabel*>(shown)->text());
    const QList<QPair<PictureButton*, QString>> names{
        {form.Bild2, "Zurück"}, {form.Bild1, "Neu"}, {form.Bild3, "Hilfe"}};
    for (const auto& [picture, name] : names) {
        QCOMPARE(picture->accessibleName(), name);
        QCOMPARE(picture->toolTip(), name);
    }
    fx.dialogs.expectMessage(
        QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z\r"),
        QStringLiteral("ABC-Reihe"), MsgBox::OkOnly);
    Fixture::click(form.Bild3);
    VERIFY_DIALOGS(fx);
}

// Over many deals: five different pool words, the hidden list is their ABC order, the asked
// place is every one of 1 … 5, and the pool is drawn from as a whole.
void AbcWortsucheTest::dealsFiveDifferentPoolWords() {
    Fixture fx;
    fx.start();
    Form7& form = openWortsuche(fx);
    const QStringList pool = WordSets::nouns() + WordSets::verbs() + WordSets::adjectives();
    QCOMPARE(pool.size(), 78);
    QSet<QString> seen;
    QSet<int> places;
    for (int deal = 0; deal < 300; ++deal) {
        const QStringList words = shownWords(form);
        QCOMPARE(QSet<QString>(words.begin(), words.end()).size(), 5);
        for (const QString& word : words)
            QVERIFY2(pool.contains(word), qPrintable(word));
        QStringList sorted = words;
        std::sort(sorted.begin(), sorted.end(), abcLess);
        QCOMPARE(form.Liste2->texts(), sorted);
        seen.unite(QSet<QString>(words.begin(), words.end()));
        places.insert(askedPlace(form));
        Fixture::click(form.Bild1);
    }
    QCOMPARE(places, (QSet<int>{1, 2, 3, 4, 5}));
    QCOMPARE(seen.size(), 78);
    VERIFY_DIALOGS(fx);
}

void AbcWortsucheTest::collationDecides_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("wrong");
    QTest::newRow("case and umlaut")
        << QStringList{"Dorf", "Zebra", "doof", "Auto", "dröhnen"} << 1 << "doof"
        << "Dorf";
    QTest::newRow("umlaut as plain vowel")
        << QStringList{"wichtig", "Wasser", "wählen", "Auto", "Zebra"} << 1 << "wählen"
        << "Wasser";
    QTest::newRow("hyphen ignored")
        << QStringList{"Xylophon", "x-beliebig", "X-Beine machen", "Yen", "y-förmig"} << 0
        << "X-Beine machen"
        << "x-beliebig";
    QTest::newRow("beginning of another word first")
        << QStringList{"arbeiten", "Auto", "alt", "Bett", "zart"} << 0 << "alt"
        << "arbeiten";
}

void AbcWortsucheTest::collationDecides() {
    QFETCH(QStringList, words);
    QFETCH(int, k);
    QFETCH(QString, right);
    QFETCH(QString, wrong);
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("3"));
    Form7& form = openWortsuche(fx);
    form.showTask(words, k);
    QCOMPARE(askedPlace(form), k + 1);
    ClickLabel* rightLabel = labelOf(form, right);
    ClickLabel* wrongLabel = labelOf(form, wrong);
    QVERIFY(rightLabel && wrongLabel);
    fx.dialogs.expectMessage(kWrong, kWrongTitle, MsgBox::OkOnly);
    Fixture::click(wrongLabel);
    fx.dialogs.expectMessage(kRight, kRightTitle, MsgBox::OkOnly);
    Fixture::click(rightLabel);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("3"));
}

void AbcWortsucheTest::scoring_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("after");
    QTest::newRow("right from 0") << "0" << true << "1";
    QTest::newRow("right from 5") << "5" << true << "6";
    QTest::newRow("wrong from 3") << "3" << false << "2";
    QTest::newRow("wrong from 1 written with a blank") << " 1" << false << "0";
    QTest::newRow("wrong at 0 takes nothing") << "0" << false << "0";
}

// A right word earns 1 and deals anew; a wrong one costs 1 above 0 and the task stays.
void AbcWortsucheTest::scoring() {
    QFETCH(QString, before);
    QFETCH(bool, right);
    QFETCH(QString, after);
    Fixture fx;
    fx.start();
    fx.setPoints(before);
    Form7& form = openWortsuche(fx);
    const QStringList words = shownWords(form);
    const QString instruction = form.Bezeichnung7->text();
    const QString answer = rightWord(form);
    ClickLabel* chosen = labelOf(form, answer);
    if (!right)
        chosen = form.words().at(chosen == form.Bezeichnung1 ? 1 : 0);
    fx.dialogs.expectMessage(right ? kRight : kWrong, right ? kRightTitle : kWrongTitle,
                             MsgBox::OkOnly);
    Fixture::click(chosen);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), after);
    QCOMPARE(shownWords(form) == words && form.Bezeichnung7->text() == instruction, !right);
}

void AbcWortsucheTest::keyboardChoosesAWord_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("chosen"); // -1: no word
    // Digits would answer either by the place on the screen or by the place in ABC order:
    // a trap or the answer given away.
    QTest::newRow("key 3 answers nothing") << QList<int>{Qt::Key_3} << -1;
    QTest::newRow("key 1 answers nothing") << QList<int>{Qt::Key_1} << -1;
    QTest::newRow("Space on the first word") << QList<int>{Qt::Key_Space} << 0;
    QTest::newRow("Down twice, Return")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 2;
    QTest::newRow("Up goes round to the last, Enter") << QList<int>{Qt::Key_Up, Qt::Key_Enter} << 4;
    QTest::newRow("Tab, Right, Space")
        << QList<int>{Qt::Key_Tab, Qt::Key_Right, Qt::Key_Space} << 2;
}

void AbcWortsucheTest::keyboardChoosesAWord() {
    QFETCH(QList<int>, keys);
    QFETCH(int, chosen);
    Fixture fx;
    fx.start();
    Form7& form = openWortsuche(fx);
    const QStringList words{"Zebra", "Auto", "Mensch", "Dorf", "Onkel"};
    QStringList sorted = words;
    std::sort(sorted.begin(), sorted.end(), abcLess);
    // The third word on the screen is also the third in ABC order.
    form.showTask(words, static_cast<int>(sorted.indexOf(words.at(chosen < 0 ? 2 : chosen))));
    if (chosen >= 0)
        fx.dialogs.expectMessage(kRight, kRightTitle, MsgBox::OkOnly);
    for (const int key : keys)
        Fixture::key(form.focusWidget(), Qt::Key(key));
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), chosen < 0 ? QStringLiteral("0") : QStringLiteral("1"));
}

void AbcWortsucheTest::leavingEmptiesTheListsAndReopeningDeals() {
    Fixture fx;
    fx.start();
    Form7& form = openWortsuche(fx);
    const QStringList first = shownWords(form);
    Fixture::key(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(form.Liste1->count(), 0);
    QCOMPARE(form.Liste2->count(), 0);
    openWortsuche(fx);
    QCOMPARE(form.Liste1->count(), 78);
    QCOMPARE(form.Liste1->selectedItems().size(), 5);
    QVERIFY(shownWords(form) != first);
    Fixture::click(form.Bild2);
    QVERIFY(fx.main().isVisible());
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(AbcWortsucheTest)
#include "tst_abc_wortsuche.moc"
