#include "exercises/abc_laute.h"
#include "exercises/letter_panel.h"
#include "fixture.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace {

const QString kPraise = QStringLiteral("Ohne Fehler, das gibt 1 Punkt dazu!\r");
const QString kNoWords = QStringLiteral("In der Wörterliste stehen keine Wörter!\r");

Form10& openLaute(Fixture& fx) {
    Fixture::click(fx.main().Bild17);
    return fx.window<Form10>();
}

QListWidgetItem* entryOf(LetterPanel* panel, QChar letter) {
    const auto found = panel->findItems(QStringLiteral(" %1 ").arg(letter), Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void clickLetter(LetterPanel* panel, QChar letter) {
    QListWidgetItem* entry = entryOf(panel, letter);
    QVERIFY2(entry, qPrintable(QString(letter)));
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, Qt::NoModifier,
                      panel->visualItemRect(entry).center());
    Fixture::settle();
}

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The words dealt in a row: the first on opening, the others by the next-word picture.
QStringList dealWords(Form10& form, int count) {
    QStringList dealt{form.Bezeichnung1->text()};
    while (dealt.size() < count) {
        Fixture::click(form.Bild2);
        dealt.append(form.Bezeichnung1->text());
    }
    return dealt;
}

} // namespace

class AbcLauteTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWithoutWordList();
    void opensWithWordBlanksAndPanel();
    void letterRules_data();
    void letterRules();
    void eachWordOncePerRound();
    void newWordOnEveryActivation();
    void fallsBackToSelectedList_data();
    void fallsBackToSelectedList();
    void keyboardChoosesLetters();
};

void AbcLauteTest::refusesWithoutWordList() {
    Fixture fx;
    fx.start();
    fx.dialogs.expectMessage(QStringLiteral("Es sind keine Daten vorhanden!\r"),
                             QStringLiteral("Wörterbuch fehlt"), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild17);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
}

void AbcLauteTest::opensWithWordBlanksAndPanel() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Ball")}));
    fx.start();
    Form10& form = openLaute(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("A B C - Laute"));
    QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("Ball"));
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" _ _ _ _"));
    QCOMPARE(accessibleName(form.Bezeichnung1), QStringLiteral("Ball"));
    QCOMPARE(accessibleName(form.Bezeichnung2), QStringLiteral(" _ _ _ _"));
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("0"));
    QCOMPARE(fx.app().shared().wordText, QStringLiteral("Ball"));

    LetterPanel* panel = form.Liste1;
    QCOMPARE(panel->count(), 30);
    QString topRow;
    QString bottomRow;
    const int top = panel->visualItemRect(panel->item(0)).top();
    for (int row = 0; row < panel->count(); ++row) {
        const QString entry = panel->item(row)->text();
        QCOMPARE(entry.size(), 3);
        QVERIFY(entry.startsWith(u' ') && entry.endsWith(u' '));
        const QRect place = panel->visualItemRect(panel->item(row));
        QVERIFY2(panel->viewport()->rect().contains(place), qPrintable(entry));
        (place.top() == top ? topRow : bottomRow) += entry.at(1);
    }
    QCOMPARE(topRow, QStringLiteral("ABCDEFGHIJKLMNO"));
    QCOMPARE(bottomRow, QStringLiteral("PQRSTUVWXYZÄÖÜß"));
    QVERIFY(panel->selectedItems().isEmpty());
    QCOMPARE(QApplication::focusWidget(), panel);

    QCOMPARE(form.Bild1->accessibleName(), QStringLiteral("Zurück"));
    QCOMPARE(form.Bild1->toolTip(), QStringLiteral("Zurück"));
    QCOMPARE(form.Bild2->accessibleName(), QStringLiteral("Neu"));
    QCOMPARE(form.Bild2->toolTip(), QStringLiteral("Neu"));
    QVERIFY(QFile::exists(form.Bild2->iconPath()));
    Fixture::click(form.Bild1);
    QVERIFY(!form.isVisible());
    QVERIFY(fx.main().isVisible());
    VERIFY_DIALOGS(fx);
}

void AbcLauteTest::letterRules_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("mask"); // after the letters, unless the word was finished
    QTest::addColumn<int>("misses");
    QTest::addColumn<QString>("points"); // empty: the word is not finished

    QTest::newRow("one L fills both") << "Ball"
                                      << "L"
                                      << " _ _ l l" << 0 << "";
    QTest::newRow("Ball in three letters") << "Ball"
                                           << "BAL"
                                           << "" << 0 << "1";
    QTest::newRow("A fills A and a") << "Anna"
                                     << "A"
                                     << " A _ _ a" << 0 << "";
    QTest::newRow("Ö fills small ö") << "Möwe"
                                     << "Ö"
                                     << " _ ö _ _" << 0 << "";
    QTest::newRow("ß fills ß") << "Straße"
                               << "ß"
                               << " _ _ _ _ ß _" << 0 << "";
    QTest::newRow("S is no ß") << "Fuß"
                               << "FUS"
                               << " F u _" << 1 << "";
    QTest::newRow("Fuß with ß") << "Fuß"
                                << "FUß"
                                << "" << 0 << "1";
    QTest::newRow("found letter again costs nothing") << "Ball"
                                                      << "BB"
                                                      << " B _ _ _" << 0 << "";
    QTest::newRow("wrong letter twice counts twice") << "Ball"
                                                     << "XX"
                                                     << " _ _ _ _" << 2 << "";
    QTest::newRow("finished after a miss") << "Ball"
                                           << "XBAL"
                                           << "" << 1 << "0";
    QTest::newRow("hyphen never completes") << "Ich-Form"
                                            << "ICHFORM"
                                            << " I c h _ F o r m" << 0 << "";
    QTest::newRow("blank never completes") << "Bank, die"
                                           << "BANKDIE"
                                           << " B a n k _ _ d i e" << 0 << "";
}

void AbcLauteTest::letterRules() {
    QFETCH(QString, word);
    QFETCH(QString, letters);
    QFETCH(QString, mask);
    QFETCH(int, misses);
    QFETCH(QString, points);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({word}));
    fx.start();
    Form10& form = openLaute(fx);
    QCOMPARE(form.Bezeichnung1->text(), word);
    if (points == QStringLiteral("1"))
        fx.dialogs.expectMessage(kPraise, QStringLiteral("ABC-Laute"), MsgBox::OkOnly);
    for (const QChar letter : letters)
        clickLetter(form.Liste1, letter);
    VERIFY_DIALOGS(fx);
    if (points.isEmpty()) {
        QCOMPARE(form.Bezeichnung2->text(), mask);
        QCOMPARE(fx.app().shared().wordMask, mask);
        QCOMPARE(form.Bezeichnung3->text(), QString::number(misses));
        QCOMPARE(fx.points(), QStringLiteral("0"));
        return;
    }
    // Finished: the next word follows at once (the same one, the list holding only it).
    QCOMPARE(fx.points(), points);
    QCOMPARE(form.Bezeichnung1->text(), word);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" _").repeated(word.size()));
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("0"));
    QVERIFY(form.Liste1->selectedItems().isEmpty());
}

void AbcLauteTest::eachWordOncePerRound() {
    Fixture fx;
    const QStringList words{QStringLiteral("Apfel"), QStringLiteral("Baum"),
                            QStringLiteral("Katze")};
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(words));
    fx.start();
    Form10& form = openLaute(fx);
    for (int round = 0; round < 3; ++round) {
        QStringList dealt = dealWords(form, 3);
        dealt.sort();
        QCOMPARE(dealt, words);
        if (round < 2)
            Fixture::click(form.Bild2);
    }
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcLauteTest::newWordOnEveryActivation() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"),
                 wordListBytes({QStringLiteral("Apfel"), QStringLiteral("Baum")}));
    fx.start();
    Form10& form = openLaute(fx);
    const QString first = form.Bezeichnung1->text();
    clickLetter(form.Liste1, u'A');
    Fixture::key(&form, Qt::Key_Escape);
    QVERIFY(fx.main().isVisible());
    Form10& again = openLaute(fx);
    QVERIFY(again.Bezeichnung1->text() != first);
    QCOMPARE(again.Bezeichnung2->text(),
             QStringLiteral(" _").repeated(again.Bezeichnung1->text().size()));
    QVERIFY(again.Liste1->selectedItems().isEmpty());
    VERIFY_DIALOGS(fx);
}

void AbcLauteTest::fallsBackToSelectedList_data() {
    QTest::addColumn<QByteArray>("moxabc");  // "-": no such file
    QTest::addColumn<QByteArray>("moxabc2"); // "-": no such file
    QTest::addColumn<QString>("word");       // empty: no word anywhere
    QTest::newRow("MOXABC.TXT missing")
        << QByteArray("-") << QByteArray("Zebra\r\n40\r\n") << "Zebra";
    QTest::newRow("MOXABC.TXT without word, the only list")
        << QByteArray("\r\n\r\nnur ein Wort ohne Seite\r\n") << QByteArray("-") << "";
    QTest::newRow("empty list, MOXABC.TXT missing") << QByteArray("-") << QByteArray("") << "";
}

void AbcLauteTest::fallsBackToSelectedList() {
    QFETCH(QByteArray, moxabc);
    QFETCH(QByteArray, moxabc2);
    QFETCH(QString, word);
    Fixture fx;
    if (moxabc != "-")
        fx.writeFile(QStringLiteral("MOXABC.TXT"), moxabc);
    if (moxabc2 != "-")
        fx.writeFile(QStringLiteral("MOXABC2.TXT"), moxabc2);
    fx.start();
    if (word.isEmpty())
        fx.dialogs.expectMessage(kNoWords, QStringLiteral("ABC-Laute"), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild17);
    VERIFY_DIALOGS(fx);
    Form10& form = fx.window<Form10>();
    QCOMPARE(form.isVisible(), !word.isEmpty());
    QCOMPARE(fx.main().isVisible(), word.isEmpty());
    if (!word.isEmpty())
        QCOMPARE(form.Bezeichnung1->text(), word);
}

void AbcLauteTest::keyboardChoosesLetters() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Möwe")}));
    fx.start();
    Form10& form = openLaute(fx);
    LetterPanel* panel = form.Liste1;
    Fixture::key(panel, Qt::Key_M);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" M _ _ _"));
    QVERIFY(entryOf(panel, u'M')->isSelected());
    // Typed with Shift, sent to another control, or as an umlaut key: all choose the letter.
    QTest::keyClick(panel, Qt::Key_W, Qt::ShiftModifier);
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Odiaeresis, Qt::NoModifier, QStringLiteral("ö"));
    QApplication::sendEvent(form.Bild2, &umlaut);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" M ö w _"));
    // A held key, or a letter with Ctrl, chooses nothing.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), true);
    QApplication::sendEvent(panel, &held);
    QTest::keyClick(panel, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("0"));
    // The arrows move to a letter, Space and Enter choose it: from M right to N, down to Ü.
    panel->setCurrentItem(entryOf(panel, u'M'), QItemSelectionModel::NoUpdate);
    QTest::keyClick(panel, Qt::Key_Right);
    QTest::keyClick(panel, Qt::Key_Space);
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("1"));
    QVERIFY(entryOf(panel, u'N')->isSelected());
    QTest::keyClick(panel, Qt::Key_Down);
    QCOMPARE(panel->currentItem(), entryOf(panel, u'Ü'));
    QTest::keyClick(panel, Qt::Key_Return);
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("2"));
    // The last letter finishes the word, but after two misses without the point.
    QTest::keyClick(panel, Qt::Key_E);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" _ _ _ _"));
    Fixture::key(panel, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QVERIFY(fx.main().isVisible());
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(AbcLauteTest)
#include "tst_abc_laute.moc"
