#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "platform/controls.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
const QString kAllSolved = QStringLiteral("Es wurden alle Aufgaben gelöst!");
const QString kTitle = QStringLiteral("Wörterbuch");

QByteArray wordList(const QList<QPair<QByteArray, int>>& pairs) {
    QByteArray bytes;
    for (const auto& [word, page] : pairs)
        bytes += word + "\r\n" + QByteArray::number(page) + "\r\n";
    return bytes;
}

// Sets the slider to the page of the word on show and presses the page button.
void answerRight(Form3& dictionary) {
    dictionary.HBildlauf1->setValue(static_cast<int>(dictionary.Bezeichnung3->text().toInt()));
    Fixture::click(dictionary.Befehl2);
}
} // namespace

class DictionaryTest : public QObject {
    Q_OBJECT
private slots:
    void startUpLoadsFirstList();
    void openingDealsFreshTask();
    void oneEntryCycles();
    void threeEntriesEachOncePerCycle();
    void sliderShowsPageOnButton();
    void wrongPageChangesNothing();
    void rightAnswersCreditedOnLeaving();
    void closingWindowCreditsLikeBackButton();
    void wordWithCommaReadWhole();
    void readsSelectedFileThroughout();
    void longListDealsEveryEntryOnce();
    void backPictureNamed();
    void keyboardSetsAndChecksThePage();
};

void DictionaryTest::startUpLoadsFirstList() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"),
                 wordList({{"Apfel", 12}, {"Baum", 15}, {"Zug", 303}}));
    fx.writeFile(QStringLiteral("MOXABC2.TXT"), wordList({{"Hund", 108}}));
    fx.writeFile(QStringLiteral("ANDERE.TXT"), wordList({{"Maus", 162}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    QVERIFY(!dictionary.isVisible());
    QCOMPARE(dictionary.Datei1->count(), 2);
    QCOMPARE(dictionary.Datei1->listIndex(), 0);
    QCOMPARE(dictionary.Datei1->currentItem()->text(), QStringLiteral("MOXABC.TXT"));
    QCOMPARE(dictionary.Bezeichnung2->text(), QStringLiteral(" 3"));
    QCOMPARE(dictionary.HBildlauf1->maximum(), 303);
    QCOMPARE(dictionary.Bezeichnung5->text().count(QLatin1Char('+')), 1);
    QCOMPARE(dictionary.Bezeichnung5->text().size(), 3);
    QVERIFY(!dictionary.Bezeichnung4->text().isEmpty());
    VERIFY_DIALOGS(fx);
}

void DictionaryTest::openingDealsFreshTask() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList({{"Apfel", 12}, {"Baum", 15}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    dictionary.Label1->setText(QStringLiteral(" 5"));
    dictionary.HBildlauf1->setValue(9);
    Fixture::click(fx.main().Bild9);
    QVERIFY(dictionary.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(dictionary.Label1->text(), QStringLiteral("0"));
    QCOMPARE(dictionary.HBildlauf1->value(), 1);
    QCOMPARE(dictionary.Befehl2->text(), QStringLiteral("1"));
    QCOMPARE(dictionary.Bezeichnung5->text().count(QLatin1Char('+')), 1);
    VERIFY_DIALOGS(fx);
}

void DictionaryTest::oneEntryCycles() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList({{"Apfel", 12}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    QCOMPARE(dictionary.Bezeichnung4->text(), QStringLiteral("Apfel"));
    QCOMPARE(dictionary.Bezeichnung3->text(), QStringLiteral(" 12"));
    fx.dialogs.expectMessage(kAllSolved, kTitle, MsgBox::OkOnly);
    answerRight(dictionary);
    VERIFY_DIALOGS(fx);
    QCOMPARE(dictionary.Bezeichnung4->text(), QStringLiteral("Apfel"));
    QCOMPARE(dictionary.Bezeichnung5->text(), QStringLiteral("+"));
    QCOMPARE(dictionary.Label1->text(), QStringLiteral(" 1"));
}

void DictionaryTest::threeEntriesEachOncePerCycle() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"),
                 wordList({{"Apfel", 12}, {"Baum", 15}, {"Zug", 303}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    QSet<QString> dealt{dictionary.Bezeichnung4->text()};
    answerRight(dictionary);
    dealt.insert(dictionary.Bezeichnung4->text());
    answerRight(dictionary);
    dealt.insert(dictionary.Bezeichnung4->text());
    QCOMPARE(dealt, (QSet<QString>{"Apfel", "Baum", "Zug"}));
    QCOMPARE(dictionary.Bezeichnung5->text(), QStringLiteral("+++"));
    VERIFY_DIALOGS(fx);

    fx.dialogs.expectMessage(kAllSolved, kTitle, MsgBox::OkOnly);
    answerRight(dictionary);
    VERIFY_DIALOGS(fx);
    QCOMPARE(dictionary.Bezeichnung5->text().count(QLatin1Char('+')), 1);
    QCOMPARE(dictionary.Label1->text(), QStringLiteral(" 3"));
}

void DictionaryTest::sliderShowsPageOnButton() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList({{"Apfel", 12}, {"Baum", 30}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    QScrollBar* slider = dictionary.HBildlauf1;
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() - 3, slider->height() / 2));
    QCOMPARE(dictionary.Befehl2->text(), QStringLiteral(" 2"));
    dictionary.HBildlauf1->setValue(12);
    QCOMPARE(dictionary.Befehl2->text(), QStringLiteral(" 12"));
}

void DictionaryTest::wrongPageChangesNothing() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList({{"Apfel", 12}, {"Baum", 15}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    const QString word = dictionary.Bezeichnung4->text();
    const QString marks = dictionary.Bezeichnung5->text();
    dictionary.HBildlauf1->setValue(14);
    fx.dialogs.expectMessage(QStringLiteral("Fehler, bitte neu einstellen!"), kTitle,
                             MsgBox::OkOnly);
    Fixture::click(dictionary.Befehl2);
    VERIFY_DIALOGS(fx);
    QCOMPARE(dictionary.Bezeichnung4->text(), word);
    QCOMPARE(dictionary.Bezeichnung5->text(), marks);
    QCOMPARE(dictionary.HBildlauf1->value(), 14);
    QCOMPARE(dictionary.Label1->text(), QStringLiteral("0"));
}

void DictionaryTest::rightAnswersCreditedOnLeaving() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"),
                 wordList({{"Apfel", 12}, {"Baum", 15}, {"Zug", 303}}));
    fx.start();
    fx.setPoints(QStringLiteral("10"));
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    answerRight(dictionary);
    answerRight(dictionary);
    QCOMPARE(fx.points(), QStringLiteral("10"));
    Fixture::click(dictionary.Picture1);
    QCOMPARE(fx.points(), QStringLiteral(" 12"));
    QCOMPARE(dictionary.Label1->text(), QStringLiteral("0"));
    QVERIFY(fx.main().isVisible());
    QVERIFY(!dictionary.isVisible());
    VERIFY_DIALOGS(fx);
}

void DictionaryTest::closingWindowCreditsLikeBackButton() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList({{"Apfel", 12}, {"Baum", 15}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    answerRight(dictionary);
    QVERIFY(!dictionary.close());
    QCOMPARE(fx.points(), QStringLiteral(" 1"));
    QVERIFY(fx.main().isVisible());
    VERIFY_DIALOGS(fx);
}

void DictionaryTest::wordWithCommaReadWhole() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList({{"Bank, die", 17}}));
    fx.start();
    QCOMPARE(fx.window<Form3>().Bezeichnung4->text(), QStringLiteral("Bank, die"));
    QCOMPARE(fx.window<Form3>().Bezeichnung3->text(), QStringLiteral(" 17"));
}

void DictionaryTest::readsSelectedFileThroughout() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC1.TXT"), wordList({{"Hund", 108}}));
    fx.writeFile(QStringLiteral("MOXABC2.TXT"), wordList({{"Maus", 162}}));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    QCOMPARE(dictionary.Bezeichnung4->text(), QStringLiteral("Hund"));
    QCOMPARE(dictionary.HBildlauf1->maximum(), 108);
    dictionary.Datei1->setListIndex(1);
    QCOMPARE(dictionary.Bezeichnung4->text(), QStringLiteral("Maus"));
    QCOMPARE(dictionary.Bezeichnung3->text(), QStringLiteral(" 162"));
    VERIFY_DIALOGS(fx);
}

void DictionaryTest::longListDealsEveryEntryOnce() {
    QList<QPair<QByteArray, int>> pairs;
    for (int i = 1; i <= 500; ++i)
        pairs.append({"Wort" + QByteArray::number(i), i});
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList(pairs));
    fx.start();
    Form3& dictionary = fx.window<Form3>();
    Fixture::click(fx.main().Bild9);
    QSet<QString> dealt;
    for (int i = 0; i < 500; ++i) {
        dealt.insert(dictionary.Bezeichnung4->text());
        if (i < 499)
            answerRight(dictionary);
    }
    QCOMPARE(dealt.size(), 500);
    QCOMPARE(dictionary.Bezeichnung5->text(), QString(500, QLatin1Char('+')));
    VERIFY_DIALOGS(fx);
}

void DictionaryTest::backPictureNamed() {
    Fixture fx;
    fx.start();
    QCOMPARE(fx.window<Form3>().Picture1->accessibleName(), QStringLiteral("Zurück"));
    QCOMPARE(fx.window<Form3>().Picture1->toolTip(), QStringLiteral("Zurück"));
}

QTEST_MAIN(DictionaryTest)
#include "tst_woerterbuch.moc"

void DictionaryTest::keyboardSetsAndChecksThePage() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordList({{"Apfel", 12}, {"Zug", 30}}));
    fx.start();
    Fixture::click(fx.main().Bild9);
    Form3& dictionary = fx.window<Form3>();
    QScrollBar* pages = dictionary.HBildlauf1;
    QCOMPARE(QApplication::focusWidget(), pages);
    Fixture::key(pages, Qt::Key_End);
    QCOMPARE(dictionary.Befehl2->text(), QStringLiteral(" 30"));
    Fixture::key(pages, Qt::Key_Home);
    Fixture::key(pages, Qt::Key_PageUp);
    Fixture::key(pages, Qt::Key_Right);
    QCOMPARE(dictionary.Befehl2->text(), QStringLiteral(" 12"));
    const int page = dictionary.Bezeichnung3->text().toInt();
    if (page != 12) {
        fx.dialogs.expectMessage(QStringLiteral("Fehler, bitte neu einstellen!"), kTitle,
                                 MsgBox::OkOnly);
        Fixture::key(pages, Qt::Key_Return);
        VERIFY_DIALOGS(fx);
        for (int step = 12; step < page; ++step)
            Fixture::key(pages, Qt::Key_Right);
    }
    Fixture::key(pages, Qt::Key_Enter);
    QCOMPARE(dictionary.Label1->text(), QStringLiteral(" 1"));
    Fixture::key(&dictionary, Qt::Key_Escape);
    QCOMPARE(fx.points(), QStringLiteral(" 1"));
    VERIFY_DIALOGS(fx);
}
