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
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "games/fang.h"
#include "games/galgen.h"
#include "games/memo.h"
#include "platform/twips.h"

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

template <class W> W& openedGame(Fixture& fx) {
    fx.app().open(fx.window<W>());
    Fixture::settle();
    return fx.window<W>();
}

void chooseLetter(LetterPanel* panel, QChar letter) {
    const auto entry = panel->findItems(QStringLiteral(" %1 ").arg(letter), Qt::MatchExactly);
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, Qt::NoModifier,
                      panel->visualItemRect(entry.value(0)).center());
    Fixture::settle();
}

// The user's stored choice as the settings file holds it: "on", "off" or "" when none.
QString storedChoice(const Fixture& fx) {
    const QVariant value = QSettings(fx.configPath() + QStringLiteral("/user/moxabc/moxabc.conf"),
                                     QSettings::IniFormat)
                               .value(QStringLiteral("Vorlesen"));
    return value.isValid() ? QLatin1String(value.toBool() ? "on" : "off") : QString();
}

// Drives one event of a window as a child would and returns what the child must hear then.
using Event = std::function<QString(Fixture&)>;

QList<QPair<const char*, Event>> events() {
    return {
        {"ABC-Laute: hear it again",
         [](Fixture& fx) {
             Form10& laute = opened<Form10>(fx, &Form0::Bild17);
             fx.speech.clear();
             Fixture::click(laute.hearAgainButton());
             return QStringLiteral("Apfel");
         }},
        {"Galgenspiel: hear it again by F5, the letters found",
         [](Fixture& fx) {
             galgen& game = opened<galgen>(fx, &Form0::Bild16);
             chooseLetter(game.Liste1, u'P');
             Fixture::key(&game, Qt::Key_F5);
             return QStringLiteral("Lücke, p, Lücke, Lücke, Lücke");
         }},
        {"ABC-Lücken: the right letter, then the next row",
         [](Fixture& fx) {
             Form4& luecken = opened<Form4>(fx, &Form0::Bild8);
             const QChar letter = luecken.Bezeichnung3->text().at(0);
             Fixture::key(&luecken, Qt::Key(Qt::Key_A + (letter.unicode() - u'A')));
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
        {"ABC-Bilder: a dot joined",
         [](Fixture& fx) {
             Fixture::key(&opened<Form1>(fx, &Form0::Bild7), Qt::Key_K);
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
    QVERIFY(!heard.trimmed().isEmpty());
    QCOMPARE(fx.speech.last(), heard);
}

void SpeakingTest::hangmanWordOnlyWhenOver_data() {
    QTest::addColumn<QString>("guesses");
    QTest::addColumn<QString>("ending");
    QTest::newRow("won") << "APFEL"
                         << "Du hast gewonnen!\r";
    QTest::newRow("lost") << "BCDGHIJKMN"
                          << "Du hast verloren!\r";
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
        chooseLetter(game.Liste1, letter);
    VERIFY_DIALOGS(fx);
    QCOMPARE(heardBeforeEnd.last(), ending);
    QVERIFY(!heardBeforeEnd.join(u' ').contains(QStringLiteral("Apfel"), Qt::CaseInsensitive));
    QCOMPARE(fx.speech.last(), QStringLiteral("Apfel"));
}

// The switch, reached by Tab after the games entry and pressed with Space, keeps the choice:
// switched off, nothing at all is said and no window shows the hear-again picture. Its caption
// switches it on again.
void SpeakingTest::switchedOffNothingIsSaid() {
    Fixture fx;
    start(fx);
    PictureButton* button = fx.main().speechSwitch()->button();
    fx.main().Bild13->setFocus();
    Fixture::key(&fx.main(), Qt::Key_Tab);
    Fixture::key(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!fx.speech.isOn() && !button->isChecked());
    QCOMPARE(storedChoice(fx), QStringLiteral("off"));
    for (const auto& [name, event] : events()) {
        event(fx);
        if (auto* shown = qobject_cast<MoxWindow*>(QApplication::activeWindow());
            shown && shown != &fx.main()) {
            QVERIFY2(!shown->hearAgainButton()->isVisible(), name);
            Fixture::key(shown, Qt::Key_F5);
            fx.app().backToMain(*shown);
        }
        QVERIFY2(fx.speech.said.isEmpty(), name);
    }
    VERIFY_DIALOGS(fx);
    Fixture::click(fx.main().speechSwitch()->caption());
    QVERIFY(fx.speech.isOn() && button->isChecked());
    QCOMPARE(storedChoice(fx), QStringLiteral("on"));
}

void SpeakingTest::hearAgainCoversNothing_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1280 x 800") << QSize(1280, 800);
    QTest::newRow("3840 x 2160") << QSize(3840, 2160);
}

// The picture stands inside the window and clear of every control it had before.
void SpeakingTest::hearAgainCoversNothing() {
    QFETCH(QSize, screen);
    Fixture fx;
    Twips::setScale(Twips::scaleForScreen(screen.width(), screen.height(), Form0::ClientWidth,
                                          Form0::ClientHeight));
    start(fx);
    for (const auto& [name, event] : events()) {
        event(fx);
        auto* window = qobject_cast<MoxWindow*>(QApplication::activeWindow());
        if (!window || window == &fx.main())
            continue;
        const QRect picture = window->hearAgainButton()->geometry();
        QVERIFY2(window->hearAgainButton()->isVisible() && window->rect().contains(picture), name);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            // Only the band lies under the picture.
            const bool band =
                dynamic_cast<Shape*>(control) && control->geometry().contains(picture);
            if (control->parentWidget() == window && control->isVisible() && !band &&
                control != window->hearAgainButton() && !control->inherits("FocusRing"))
                QVERIFY2(!control->geometry().intersects(picture), name);
        }
        fx.app().backToMain(*window);
    }
    VERIFY_DIALOGS(fx);
    Twips::setScale(1.0);
}

void SpeakingTest::switchStartsAsChosen_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<bool>("on");
    QTest::newRow("first start") << QString() << false << true;
    QTest::newRow("switched off before") << "off" << false << false;
    QTest::newRow("screen reader running") << QString() << true << false;
    QTest::newRow("screen reader, on before") << "on" << true << false;
}

// A running screen reader switches the program's voice off for this start only: the stored
// choice stays as it was.
void SpeakingTest::switchStartsAsChosen() {
    QFETCH(QString, stored);
    QFETCH(bool, screenReader);
    QFETCH(bool, on);
    Fixture fx;
    if (!stored.isEmpty())
        fx.writeProgramSettings(QStringLiteral("user"),
                                "Vorlesen=" + QByteArray(stored == "on" ? "true\n" : "false\n"));
    fx.screenReader.running = screenReader;
    start(fx);
    PictureButton* button = fx.main().speechSwitch()->button();
    QCOMPARE(button->isChecked(), on);
    QCOMPARE(fx.speech.isOn(), on);
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
    QTest::newRow("a sentence across lines")
        << kHelp
        << "Mit diesem Programm kannst du, das ABC trainieren. "
           "Wähle dazu, Übungen aus dem rechten Menü.";
    QTest::newRow("CR LF, blank lines, blanks around")
        << "  Erst\r\n\r\n das Passwort  eingeben:\r\n"
        << "Erst, das Passwort eingeben:";
    QTest::newRow("only line breaks") << "\r\n\r" << QString();
}

void SpeakingTest::linesArePauses() {
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(Spoken::utterance(text), spoken);
}

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
