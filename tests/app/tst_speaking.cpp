#include "app/speech_switch.h"
#include "exercises/abc_bilder.h"
#include "exercises/abc_fehlersuche.h"
#include "exercises/abc_folgen.h"
#include "exercises/abc_laute.h"
#include "exercises/abc_luecken.h"
#include "exercises/abc_reihe.h"
#include "exercises/abc_wortsuche.h"
#include "exercises/buchstabensuche.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "games/fang.h"
#include "games/galgen.h"
#include "games/memo.h"
#include "platform/twips.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>

#include <functional>

namespace {
const QString kHelp = QStringLiteral("Mit diesem Programm kannst du\rdas ABC trainieren. Wähle "
                                     "dazu\rÜbungen aus dem rechten Menü.\r");

void start(Fixture& fx) {
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}}));
    fx.start();
}

template <class W> W& opened(Fixture& fx, PictureButton* Form0::*entry) {
    Fixture::click(fx.main().*entry);
    return fx.window<W>();
}

// The user's stored choice as the settings file holds it: "true", "false" or "" when none.
QString storedChoice(const Fixture& fx) {
    return QSettings(fx.configPath() + QStringLiteral("/user/moxabc/moxabc.conf"),
                     QSettings::IniFormat)
        .value(QStringLiteral("Vorlesen"))
        .toString();
}

template <class... W> QList<MoxWindow*> windows(Fixture& fx) {
    return {&fx.window<W>()...};
}

// Opens, in turn, every window with a task to hear again, checks it and goes back.
void everyWindow(Fixture& fx, const std::function<void(MoxWindow&)>& check) {
    for (MoxWindow* window : windows<Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form9, Form10,
                                     galgen, memo, fang>(fx)) {
        fx.app().open(*window);
        Fixture::settle();
        check(*window);
        fx.app().backToMain(*window);
    }
}

// The picture stands inside the window and clear of every control it had before; only the band
// lies under it.
void verifyPictureClear(MoxWindow& window) {
    const QRect picture = window.hearAgainButton()->geometry();
    const char* name = window.metaObject()->className();
    QVERIFY2(window.hearAgainButton()->isVisible() && window.rect().contains(picture), name);
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool band = dynamic_cast<Shape*>(control) && control->geometry().contains(picture);
        if (control->isVisible() && !band && control != window.hearAgainButton() &&
            !control->inherits("FocusRing"))
            QVERIFY2(!control->geometry().intersects(picture), name);
    }
}

// Each drives one event of a window as a child would and returns what the child must hear then.
QList<QPair<const char*, std::function<QString(Fixture&)>>> events() {
    return {
        {"ABC-Laute: hear it again",
         [](Fixture& fx) {
             Form10& laute = opened<Form10>(fx, &Form0::Bild17);
             fx.speech.said.clear();
             Fixture::click(laute.hearAgainButton());
             return QStringLiteral("Apfel");
         }},
        {"Galgenspiel: hear it again by F5, the letters found",
         [](Fixture& fx) {
             galgen& game = opened<galgen>(fx, &Form0::Bild16);
             Fixture::key(&game, Qt::Key_P);
             Fixture::key(&game, Qt::Key_F5);
             return QStringLiteral("Lücke, p, Lücke, Lücke, Lücke");
         }},
        {"ABC-Lücken: the right letter, then the next row",
         [](Fixture& fx) {
             Form4& luecken = opened<Form4>(fx, &Form0::Bild8);
             const QChar letter = luecken.Bezeichnung3->text().at(0);
             Fixture::key(&luecken, Qt::Key(letter.unicode()));
             return letter + QStringLiteral("\n") + Spoken::letterRow(luecken.Bezeichnung1->text());
         }},
        {"Wörterbuch: the search word",
         [](Fixture& fx) {
             opened<Form3>(fx, &Form0::Bild9);
             return QStringLiteral("Apfel");
         }},
        {"ABC-Folgen: a line selected",
         [](Fixture& fx) {
             QListWidget* lines = opened<Form2>(fx, &Form0::Bild6).Liste1;
             QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier,
                               lines->visualItemRect(lines->item(2)).center());
             return lines->item(2)->text();
         }},
        {"ABC-Wortsuche: the task",
         [](Fixture& fx) {
             Form7& wortsuche = opened<Form7>(fx, &Form0::Bild5);
             QStringList words;
             for (const ClickLabel* word : wortsuche.words())
                 words.append(word->text());
             return wortsuche.Bezeichnung7->text() + u'\n' + words.join(QStringLiteral(", "));
         }},
        {"ABC-Fehlersuche: the row",
         [](Fixture& fx) {
             return Spoken::letterRow(opened<Form9>(fx, &Form0::Bild15).Bezeichnung4->text());
         }},
        {"ABC-Reihe: a tile dropped",
         [](Fixture& fx) {
             Form5& reihe = opened<Form5>(fx, &Form0::Bild10);
             const QString letter = reihe.Bezeichnung(7)->text();
             reihe.abcfeld_DragDrop(reihe.Bezeichnung(7));
             return letter;
         }},
        {"Buchstabensuche: the answer set",
         [](Fixture& fx) {
             opened<Form6>(fx, &Form0::Bild11).HBildlauf1->setValue(4);
             return QStringLiteral("D");
         }},
        {"ABC-Bilder: a dot joined",
         [](Fixture& fx) {
             Fixture::key(&opened<Form1>(fx, &Form0::Bild7), Qt::Key_K);
             return QStringLiteral("K");
         }},
        {"Memory: a card turned",
         [](Fixture& fx) {
             memo& game = fx.window<memo>();
             fx.app().open(game);
             Fixture::settle();
             Fixture::click(game.Bezeichnung(4));
             return game.Bezeichnung(4)->caption().trimmed();
         }},
        {"ABC-Fange: a letter caught",
         [](Fixture& fx) {
             fang& game = fx.window<fang>();
             fx.app().open(game);
             Fixture::settle();
             Fixture::click(game.Befehl4);
             game.posCol[0] = 13;
             game.posRow[0] = 9;
             Fixture::click(game.Bild1);
             return QStringLiteral("A");
         }},
    };
}
} // namespace

// What the program says aloud, through the recording voice of the fixture.
class SpeakingTest : public QObject {
    Q_OBJECT
private slots:
    void whatIsSaid_data();
    void whatIsSaid();
    void hangmanWordOnlyWhenOver_data();
    void hangmanWordOnlyWhenOver();
    void switchedOffNothingIsSaid();
    void switchStartsAsChosen_data();
    void switchStartsAsChosen();
    void linesArePauses_data();
    void linesArePauses();
};

void SpeakingTest::whatIsSaid_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < events().size(); ++i)
        QTest::newRow(events().at(i).first) << i;
}

void SpeakingTest::whatIsSaid() {
    QFETCH(int, index);
    Fixture fx;
    start(fx);
    const QString heard = events().at(index).second(fx);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.speech.last(), heard);
}

void SpeakingTest::hangmanWordOnlyWhenOver_data() {
    QTest::addColumn<QString>("guesses");
    QTest::addColumn<QString>("ending");
    QTest::newRow("won") << QString("APFEL") << QString("Du hast gewonnen!\r");
    QTest::newRow("lost") << QString("BCDGHIJKMN") << QString("Du hast verloren!\r");
}

// Hearing the word would give the game away: it is said once the game is over, not before.
void SpeakingTest::hangmanWordOnlyWhenOver() {
    QFETCH(QString, guesses);
    QFETCH(QString, ending);
    Fixture fx;
    start(fx);
    galgen& game = opened<galgen>(fx, &Form0::Bild16);
    fx.dialogs.expectMessage(ending, QStringLiteral("Galgenspiel"), MsgBox::OkOnly);
    QStringList heardBeforeEnd;
    fx.dialogs.onCall = [&](const ScriptedDialogs::Call&) { heardBeforeEnd = fx.speech.said; };
    for (const QChar letter : guesses)
        Fixture::key(&game, Qt::Key(letter.unicode()));
    VERIFY_DIALOGS(fx);
    QCOMPARE(heardBeforeEnd.last(), ending);
    QVERIFY(!heardBeforeEnd.join(u' ').contains(QStringLiteral("Apfel"), Qt::CaseInsensitive));
    QCOMPARE(fx.speech.last(), QStringLiteral("Apfel"));
}

// In every window the picture is clear of the controls. The switch, reached by Tab after the
// games entry and pressed with Space, keeps the choice: switched off, nothing at all is said and
// no window shows the picture. Its caption switches it on again.
void SpeakingTest::switchedOffNothingIsSaid() {
    Fixture fx;
    Twips::setScale(Twips::scaleForScreen(3840, 2160, Form0::ClientWidth, Form0::ClientHeight));
    start(fx);
    everyWindow(fx, verifyPictureClear);
    PictureButton* button = fx.main().speechSwitch()->button();
    fx.main().Bild13->setFocus();
    Fixture::key(&fx.main(), Qt::Key_Tab);
    Fixture::key(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!fx.speech.isOn() && !button->isChecked());
    QCOMPARE(storedChoice(fx), QStringLiteral("false"));
    fx.speech.said.clear();
    everyWindow(fx, [](MoxWindow& window) {
        QVERIFY2(!window.hearAgainButton()->isVisible(), window.metaObject()->className());
        Fixture::key(&window, Qt::Key_F5);
    });
    QCOMPARE(fx.speech.said, QStringList());
    VERIFY_DIALOGS(fx);
    Fixture::click(fx.main().speechSwitch()->caption());
    QVERIFY(fx.speech.isOn() && button->isChecked());
    QCOMPARE(storedChoice(fx), QStringLiteral("true"));
}

void SpeakingTest::switchStartsAsChosen_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<bool>("on");
    QTest::newRow("first start") << QString() << false << true;
    QTest::newRow("switched off before") << "false" << false << false;
    QTest::newRow("screen reader, on before") << "true" << true << false;
}

// A running screen reader switches the program's voice off for this start only: the stored
// choice stays as it was.
void SpeakingTest::switchStartsAsChosen() {
    QFETCH(QString, stored);
    QFETCH(bool, screenReader);
    QFETCH(bool, on);
    Fixture fx;
    if (!stored.isEmpty())
        fx.writeProgramSettings(QStringLiteral("user"), "Vorlesen=" + stored.toUtf8() + '\n');
    fx.screenReader.running = screenReader;
    start(fx);
    PictureButton* button = fx.main().speechSwitch()->button();
    QCOMPARE(button->isChecked(), on);
    QCOMPARE(storedChoice(fx), stored);
    // A box is heard from the moment it is there and no longer once it is closed.
    QStringList heardWhileOpen;
    int stopsWhileOpen = 0;
    fx.dialogs.onCall = [&](const ScriptedDialogs::Call&) {
        heardWhileOpen = fx.speech.said;
        stopsWhileOpen = fx.speech.stops;
    };
    fx.dialogs.expectMessage(kHelp, QStringLiteral("H i l f e"), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild4);
    VERIFY_DIALOGS(fx);
    QCOMPARE(heardWhileOpen, on ? QStringList{kHelp} : QStringList());
    QCOMPARE(fx.speech.said, heardWhileOpen);
    QCOMPARE(fx.speech.stops, stopsWhileOpen + 1);
}

void SpeakingTest::linesArePauses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("CR, CR LF, blank lines, blanks around")
        << "  Erst\r\n\r\n das Passwort  eingeben:\rdann OK\r\n"
        << "Erst, das Passwort eingeben: dann OK";
    QTest::newRow("only line breaks") << "\r\n\r" << QString();
}

void SpeakingTest::linesArePauses() {
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(Spoken::utterance(text), spoken);
}

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
