#include "app/speech_switch.h"
#include "exercises/abc_bilder.h"
#include "exercises/abc_fehlersuche.h"
#include "exercises/abc_folgen.h"
#include "exercises/abc_laute.h"
#include "exercises/abc_luecken.h"
#include "exercises/abc_reihe.h"
#include "exercises/abc_wortsuche.h"
#include "exercises/buchstabensuche.h"
#include "exercises/letter_panel.h"
#include "exercises/letters.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "games/fang.h"
#include "games/galgen.h"
#include "games/memo.h"
#include "platform/numbers.h"
#include "platform/program_settings.h"
#include "platform/speech.h"
#include "platform/twips.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSettings>

#include <functional>

namespace {
const QString kHelp = QStringLiteral("Mit diesem Programm kannst du\r"
                                     "das ABC trainieren. Wähle dazu\r"
                                     "Übungen aus dem rechten Menü.\r");

void expectHelp(Fixture& fx) {
    fx.dialogs.expectMessage(kHelp, QStringLiteral("H i l f e"), MsgBox::OkOnly);
}

// The user's stored choice, as the settings file holds it: "on", "off" or "" when none.
QString storedChoice(const Fixture& fx) {
    QSettings file(fx.configPath() + QStringLiteral("/user/moxabc/moxabc.conf"),
                   QSettings::IniFormat);
    const QVariant value = file.value(QStringLiteral("Vorlesen"));
    return value.isValid() ? (value.toBool() ? QStringLiteral("on") : QStringLiteral("off"))
                           : QString();
}
template <class W> W& opened(Fixture& fx, PictureButton* Form0::*entry) {
    Fixture::click(fx.main().*entry);
    return fx.window<W>();
}

template <class W> W& openedGame(Fixture& fx) {
    W& game = fx.window<W>();
    fx.app().open(game);
    Fixture::settle();
    return game;
}

QString chooseLetter(LetterPanel* panel, QChar letter) {
    const QList<QListWidgetItem*> entries =
        panel->findItems(QStringLiteral(" %1 ").arg(letter), Qt::MatchExactly);
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, Qt::NoModifier,
                      panel->visualItemRect(entries.value(0)).center());
    Fixture::settle();
    return QString(letter);
}

// A letter of the word that is not its last one still to find, so the word goes on.
QChar letterIn(const QString& word) {
    return word.at(0).toUpper();
}

QString say(const char* text) {
    return QString::fromUtf8(text);
}

// Drives one event of a window the way a child would and returns what the child must hear
// then, read from what the window shows.
using Event = std::function<QString(Fixture&)>;

QList<QPair<const char*, Event>> events() {
    return {
        {"main window: help message",
         [](Fixture& fx) {
             expectHelp(fx);
             Fixture::click(fx.main().Bild4);
             return kHelp;
         }},
        {"ABC-Laute: a word dealt",
         [](Fixture& fx) { return opened<Form10>(fx, &Form0::Bild17).Bezeichnung1->text(); }},
        {"ABC-Laute: a letter chosen",
         [](Fixture& fx) {
             Form10& laute = opened<Form10>(fx, &Form0::Bild17);
             return chooseLetter(laute.Liste1, u'X');
         }},
        {"ABC-Laute: hear it again",
         [](Fixture& fx) {
             Form10& laute = opened<Form10>(fx, &Form0::Bild17);
             fx.speech.clear();
             Fixture::click(laute.hearAgainButton());
             return laute.Bezeichnung1->text();
         }},
        {"ABC-Laute: hear it again by F5",
         [](Fixture& fx) {
             Form10& laute = opened<Form10>(fx, &Form0::Bild17);
             fx.speech.clear();
             Fixture::key(&laute, Qt::Key_F5);
             return laute.Bezeichnung1->text();
         }},
        {"Galgenspiel: a letter chosen",
         [](Fixture& fx) {
             galgen& game = opened<galgen>(fx, &Form0::Bild16);
             return chooseLetter(game.Liste1, letterIn(fx.app().shared().wordText));
         }},
        {"Galgenspiel: hear it again, the letters found",
         [](Fixture& fx) {
             galgen& game = opened<galgen>(fx, &Form0::Bild16);
             const QString word = fx.app().shared().wordText;
             chooseLetter(game.Liste1, letterIn(word));
             QString heard;
             for (const QChar letter : word)
                 heard += (heard.isEmpty() ? QString() : QStringLiteral(", ")) +
                          (Letters::sameLetter(letter, word.at(0)) ? QString(letter)
                                                                   : Spoken::gapWord());
             Fixture::key(&game, Qt::Key_F5);
             return heard;
         }},
        {"ABC-Lücken: a row dealt",
         [](Fixture& fx) {
             Form4& luecken = opened<Form4>(fx, &Form0::Bild8);
             return Spoken::letterRow(luecken.Bezeichnung1->text());
         }},
        {"ABC-Lücken: the right letter typed, then the next row",
         [](Fixture& fx) {
             Form4& luecken = opened<Form4>(fx, &Form0::Bild8);
             const QString letter = luecken.Bezeichnung3->text();
             Fixture::key(&luecken, Qt::Key(Qt::Key_A + (letter.at(0).unicode() - u'A')));
             return letter + u'\n' + Spoken::letterRow(luecken.Bezeichnung1->text());
         }},
        {"ABC-Lücken: a wrong letter typed",
         [](Fixture& fx) {
             Form4& luecken = opened<Form4>(fx, &Form0::Bild8);
             const bool isA = luecken.Bezeichnung3->text() == QStringLiteral("A");
             fx.dialogs.expectMessage(say("Fehler, bitte neu eingeben!\r"), say("A B C - Lücke"),
                                      MsgBox::OkOnly);
             Fixture::key(&luecken, isA ? Qt::Key_B : Qt::Key_A);
             return QStringLiteral("Fehler, bitte neu eingeben!\r");
         }},
        {"Wörterbuch: a search word dealt",
         [](Fixture& fx) { return opened<Form3>(fx, &Form0::Bild9).Bezeichnung4->text(); }},
        {"Wörterbuch: the right page, the next search word",
         [](Fixture& fx) {
             Form3& dictionary = opened<Form3>(fx, &Form0::Bild9);
             dictionary.HBildlauf1->setValue(int(textToNumber(dictionary.Bezeichnung3->text())));
             Fixture::click(dictionary.Befehl2);
             return dictionary.Bezeichnung4->text();
         }},
        {"ABC-Folgen: a list dealt",
         [](Fixture& fx) {
             Form2& folgen = opened<Form2>(fx, &Form0::Bild6);
             QStringList lines;
             for (int i = 0; i < folgen.Liste1->count(); ++i)
                 lines.append(folgen.Liste1->item(i)->text());
             return lines.join(QStringLiteral(", "));
         }},
        {"ABC-Folgen: a line selected",
         [](Fixture& fx) {
             Form2& folgen = opened<Form2>(fx, &Form0::Bild6);
             QListWidgetItem* line = folgen.Liste1->item(2);
             QTest::mouseClick(folgen.Liste1->viewport(), Qt::LeftButton, Qt::NoModifier,
                               folgen.Liste1->visualItemRect(line).center());
             return line->text();
         }},
        {"ABC-Wortsuche: the task dealt",
         [](Fixture& fx) {
             Form7& wortsuche = opened<Form7>(fx, &Form0::Bild5);
             QStringList words;
             for (const ClickLabel* word : wortsuche.words())
                 words.append(word->text());
             return wortsuche.Bezeichnung7->text() + u'\n' + words.join(QStringLiteral(", "));
         }},
        {"ABC-Wortsuche: a word reached by the keyboard",
         [](Fixture& fx) {
             Form7& wortsuche = opened<Form7>(fx, &Form0::Bild5);
             Fixture::key(wortsuche.Bezeichnung1, Qt::Key_Down);
             return wortsuche.Bezeichnung2->text();
         }},
        {"ABC-Fehlersuche: a row dealt",
         [](Fixture& fx) {
             Form9& fehlersuche = opened<Form9>(fx, &Form0::Bild15);
             return Spoken::letterRow(fehlersuche.Bezeichnung4->text());
         }},
        {"ABC-Reihe: a tile dropped",
         [](Fixture& fx) {
             Form5& reihe = opened<Form5>(fx, &Form0::Bild10);
             fx.speech.clear();
             reihe.abcfeld_DragDrop(reihe.Bezeichnung(7));
             return reihe.Bezeichnung(7)->text().isEmpty() ? QStringLiteral("A")
                                                           : reihe.Bezeichnung(7)->text();
         }},
        {"ABC-Reihe: a tile reached by the keyboard",
         [](Fixture& fx) {
             Form5& reihe = opened<Form5>(fx, &Form0::Bild10);
             Fixture::key(&reihe, Qt::Key_Right);
             return qobject_cast<QLabel*>(QApplication::focusWidget())->text();
         }},
        {"ABC-Reihe: hear it again",
         [](Fixture& fx) {
             Form5& reihe = opened<Form5>(fx, &Form0::Bild10);
             Fixture::click(reihe.hearAgainButton());
             return reihe.Bezeichnung27->text();
         }},
        {"Buchstabensuche: the answer set",
         [](Fixture& fx) {
             Form6& suche = opened<Form6>(fx, &Form0::Bild11);
             suche.HBildlauf1->setValue(4);
             return QStringLiteral("D");
         }},
        {"ABC-Bilder: a dot clicked",
         [](Fixture& fx) {
             Form1& bilder = opened<Form1>(fx, &Form0::Bild7);
             Fixture::key(&bilder, Qt::Key_K);
             return QStringLiteral("K");
         }},
        {"Memory: a card turned",
         [](Fixture& fx) {
             memo& game = openedGame<memo>(fx);
             Fixture::click(game.Bezeichnung(4));
             return game.Bezeichnung(4)->caption().trimmed();
         }},
        {"ABC-Fange: a letter caught",
         [](Fixture& fx) {
             fang& game = openedGame<fang>(fx);
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
    void hearAgainCoversNothing_data();
    void hearAgainCoversNothing();
    void voicePreparedOnlyOnceWindowIsUp();
    void switchStartsAsChosen_data();
    void switchStartsAsChosen();
    void switchKeepsTheChoice();
    void switchByKeyboard();
};

void SpeakingTest::whatIsSaid_data() {
    QTest::addColumn<int>("index");
    const auto all = events();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all.at(i).first) << i;
}

void SpeakingTest::whatIsSaid() {
    QFETCH(int, index);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}, {"Baum", 15}}));
    fx.start();
    const QString heard = events().at(index).second(fx);
    VERIFY_DIALOGS(fx);
    QVERIFY(!heard.trimmed().isEmpty());
    QCOMPARE(fx.speech.last(), heard);
}

void SpeakingTest::hangmanWordOnlyWhenOver_data() {
    QTest::addColumn<bool>("win");
    QTest::newRow("won") << true;
    QTest::newRow("lost") << false;
}

// Hearing the word would give the game away: it is said only once the game is over.
void SpeakingTest::hangmanWordOnlyWhenOver() {
    QFETCH(bool, win);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Uhu", 3}}));
    fx.start();
    galgen& game = opened<galgen>(fx, &Form0::Bild16);
    const QString ended = win ? say("Du hast gewonnen!\r") : say("Du hast verloren!\r");
    QStringList heardBeforeEnd;
    fx.dialogs.onCall = [&](const ScriptedDialogs::Call& call) {
        if (call.prompt == ended)
            heardBeforeEnd = fx.speech.said;
    };
    Fixture::key(&game, Qt::Key_F5);
    fx.dialogs.expectMessage(ended, say("Galgenspiel"), MsgBox::OkOnly);
    const QString guesses = win ? QStringLiteral("UH") : QStringLiteral("ABCDEFGIJK");
    for (const QChar letter : guesses)
        chooseLetter(game.Liste1, letter);
    VERIFY_DIALOGS(fx);
    QVERIFY(heardBeforeEnd.contains(say("Lücke, Lücke, Lücke")));
    QVERIFY(!heardBeforeEnd.isEmpty() && heardBeforeEnd.last() == ended);
    for (const QString& text : heardBeforeEnd)
        QVERIFY2(!text.contains(QStringLiteral("Uhu"), Qt::CaseInsensitive), qPrintable(text));
    QCOMPARE(fx.speech.last(), QStringLiteral("Uhu"));
}

// Switched off, the program says nothing at all, and the hear-again picture and its band are
// gone.
void SpeakingTest::switchedOffNothingIsSaid() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}, {"Baum", 15}}));
    fx.writeProgramSettings(QStringLiteral("user"), "Vorlesen=false\n");
    fx.start();
    const auto all = events();
    for (const auto& [name, event] : all) {
        event(fx);
        QWidget* window = QApplication::activeWindow();
        if (auto* shown = qobject_cast<MoxWindow*>(window); shown && shown != &fx.main()) {
            QVERIFY2(shown->hearAgainButton() && !shown->hearAgainButton()->isVisible(), name);
            Fixture::key(shown, Qt::Key_F5);
            fx.app().backToMain(*shown);
        }
        QVERIFY2(fx.speech.said.isEmpty(), name);
    }
    VERIFY_DIALOGS(fx);
}

void SpeakingTest::hearAgainCoversNothing_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1280 x 800") << QSize(1280, 800);
    QTest::newRow("3840 x 2160") << QSize(3840, 2160);
}

// The picture stands clear of every control the window had before, inside the window, and the
// window grows by its band only while the program reads aloud.
void SpeakingTest::hearAgainCoversNothing() {
    QFETCH(QSize, screen);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}, {"Baum", 15}}));
    Twips::setScale(Twips::scaleForScreen(screen.width(), screen.height(), Form0::ClientWidth,
                                          Form0::ClientHeight));
    fx.start();
    const QList<MoxWindow*> windows = {&opened<Form2>(fx, &Form0::Bild6),
                                       &opened<Form4>(fx, &Form0::Bild8),
                                       &opened<Form5>(fx, &Form0::Bild10),
                                       &opened<Form6>(fx, &Form0::Bild11),
                                       &opened<Form3>(fx, &Form0::Bild9),
                                       &opened<Form7>(fx, &Form0::Bild5),
                                       &opened<Form1>(fx, &Form0::Bild7),
                                       &opened<Form9>(fx, &Form0::Bild15),
                                       &opened<Form10>(fx, &Form0::Bild17),
                                       &opened<galgen>(fx, &Form0::Bild16),
                                       &openedGame<memo>(fx),
                                       &openedGame<fang>(fx)};
    for (MoxWindow* window : windows) {
        const char* name = window->metaObject()->className();
        PictureButton* picture = window->hearAgainButton();
        QVERIFY2(picture && picture->isVisible(), name);
        QVERIFY2(window->rect().contains(picture->geometry()), name);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control == picture || control->parentWidget() != window || !control->isVisible() ||
                control->inherits("FocusRing"))
                continue;
            // Only the band itself lies under the picture.
            const bool band =
                dynamic_cast<Shape*>(control) && control->geometry().contains(picture->geometry());
            QVERIFY2(band || !control->geometry().intersects(picture->geometry()),
                     qPrintable(QStringLiteral("%1 under the picture in %2")
                                    .arg(control->metaObject()->className(), name)));
        }
        const int wide = window->width();
        fx.speech.setOn(false);
        QVERIFY2(window->width() < wide && window->width() <= picture->x(), name);
        fx.speech.setOn(true);
        QCOMPARE(window->width(), wide);
    }
    Twips::setScale(1.0);
}

void SpeakingTest::voicePreparedOnlyOnceWindowIsUp() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.INI"), " 10 \r\n");
    ProgramSettings settings;
    MoxApp app(fx.dialogs, fx.random, QDir(fx.path()), settings);
    app.setSpeech(fx.speech);
    app.start();
    QVERIFY(app.mainWindow().isVisible());
    QVERIFY(!fx.speech.prepared);
    Fixture::settle();
    QVERIFY(fx.speech.prepared);
}

void SpeakingTest::switchStartsAsChosen_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<bool>("on");
    QTest::newRow("first start") << QString() << false << true;
    QTest::newRow("switched off before") << QStringLiteral("off") << false << false;
    QTest::newRow("switched on before") << QStringLiteral("on") << false << true;
    QTest::newRow("screen reader running") << QString() << true << false;
    QTest::newRow("screen reader, on before") << QStringLiteral("on") << true << false;
}

// The screen reader switches the program's voice off for this start only: the stored choice
// stays as it was.
void SpeakingTest::switchStartsAsChosen() {
    QFETCH(QString, stored);
    QFETCH(bool, screenReader);
    QFETCH(bool, on);
    Fixture fx;
    if (!stored.isEmpty())
        fx.writeProgramSettings(QStringLiteral("user"), stored == QStringLiteral("on")
                                                            ? QByteArray("Vorlesen=true\n")
                                                            : QByteArray("Vorlesen=false\n"));
    fx.screenReader.running = screenReader;
    fx.start();
    SpeechSwitch* speechSwitch = fx.main().speechSwitch();
    QCOMPARE(speechSwitch->button()->isChecked(), on);
    QCOMPARE(speechSwitch->button()->iconPath(), on ? QStringLiteral(":/icons/vorlesen.svg")
                                                    : QStringLiteral(":/icons/vorlesen_aus.svg"));
    QCOMPARE(fx.speech.isOn(), on);
    QCOMPARE(storedChoice(fx), stored);

    expectHelp(fx);
    Fixture::click(fx.main().Bild4);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.speech.said, on ? QStringList{kHelp} : QStringList());
}

void SpeakingTest::switchKeepsTheChoice() {
    Fixture fx;
    fx.start();
    SpeechSwitch* speechSwitch = fx.main().speechSwitch();
    Fixture::click(speechSwitch->button());
    QVERIFY(!fx.speech.isOn());
    QCOMPARE(storedChoice(fx), QStringLiteral("off"));
    QCOMPARE(speechSwitch->button()->toolTip(), QStringLiteral("Vorlesen (aus)"));
    // The caption beside the picture works the switch too.
    Fixture::click(speechSwitch->caption());
    QVERIFY(fx.speech.isOn());
    QVERIFY(speechSwitch->button()->isChecked());
    QCOMPARE(storedChoice(fx), QStringLiteral("on"));
}

void SpeakingTest::switchByKeyboard() {
    Fixture fx;
    fx.start();
    QAbstractButton* button = fx.main().speechSwitch()->button();
    // Reached by Tab from the games entry, the last of the menu before it.
    fx.main().Bild13->setFocus();
    Fixture::key(&fx.main(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);
    QCOMPARE(button->accessibleName(), QStringLiteral("Vorlesen"));
    Fixture::key(button, Qt::Key_Space);
    QVERIFY(!fx.speech.isOn());
    QVERIFY(!button->isChecked());
}

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
