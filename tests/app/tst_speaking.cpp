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

// An event driven as a child would; returns all the child must have heard, a box as [its title].
using Event = std::function<QString(Fixture&)>;
Q_DECLARE_METATYPE(Event)

namespace {
const QString kHelp = "Mit diesem Programm kannst du\rdas ABC trainieren. Wähle dazu\rÜbungen aus "
                      "dem rechten Menü.\r";

void start(Fixture& fx) {
    fx.writeFile("MOXABC.TXT", wordListBytes({{"Apfel", 12}}));
    fx.start();
}

// The window shown through its entry in the main window, or as the games gate shows it.
template <class W> W& opened(Fixture& fx, PictureButton* Form0::*entry = nullptr) {
    if (entry)
        Fixture::click(fx.main().*entry);
    else
        fx.app().open(fx.window<W>());
    Fixture::settle();
    return fx.window<W>();
}

// The Galgenspiel played to its end: each letter heard as it is guessed, the word only after.
QString playedOut(Fixture& fx, const QString& guesses, const QString& ending) {
    galgen& game = opened<galgen>(fx, &Form0::Bild16);
    fx.dialogs.expectMessage(ending, "Galgenspiel", MsgBox::OkOnly);
    for (const QChar letter : guesses)
        Fixture::key(&game, Qt::Key(letter.unicode()));
    return guesses.split(QString(), Qt::SkipEmptyParts).join(" | ") + " | " + ending +
           " | [Galgenspiel] | (stop) | Apfel";
}

// Shown, the picture stands inside the window and clear of every control it had before; only the
// band lies under it.
void verifyPicture(MoxWindow& window, bool shown) {
    const QRect picture = window.hearAgainButton()->geometry();
    const char* name = window.metaObject()->className();
    QVERIFY2(window.hearAgainButton()->isVisible() == shown, name);
    QVERIFY2(!shown || window.rect().contains(picture), name);
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool band = dynamic_cast<Shape*>(control) && control->geometry().contains(picture);
        if (shown && control->isVisible() && !band && control != window.hearAgainButton() &&
            !control->inherits("FocusRing"))
            QVERIFY2(!control->geometry().intersects(picture), name);
    }
}
} // namespace

// What the program says aloud, through the recording voice of the fixture.
class SpeakingTest : public QObject {
    Q_OBJECT
private slots:
    void whatIsSaid_data();
    void whatIsSaid();
    void switchKeepsTheChoice_data();
    void switchKeepsTheChoice();
    void linesArePauses();
};

void SpeakingTest::whatIsSaid_data() {
    QTest::addColumn<Event>("event");
    QTest::newRow("Hilfe: a box, said while it is open") << Event([](Fixture& fx) {
        fx.dialogs.expectMessage(kHelp, "H i l f e", MsgBox::OkOnly);
        Fixture::click(fx.main().Bild4);
        return kHelp + " | [H i l f e] | (stop)";
    });
    QTest::newRow("ABC-Laute: the word dealt, heard again") << Event([](Fixture& fx) {
        Fixture::click(opened<Form10>(fx, &Form0::Bild17).hearAgainButton());
        return "Apfel | Apfel";
    });
    QTest::newRow("Galgenspiel: a letter chosen, F5") << Event([](Fixture& fx) {
        galgen& game = opened<galgen>(fx, &Form0::Bild16);
        Fixture::key(&game, Qt::Key_P);
        Fixture::key(&game, Qt::Key_F5);
        return "P | Lücke, p, Lücke, Lücke, Lücke";
    });
    QTest::newRow("Galgenspiel: won")
        << Event([](Fixture& fx) { return playedOut(fx, "APFEL", "Du hast gewonnen!\r"); });
    QTest::newRow("Galgenspiel: lost")
        << Event([](Fixture& fx) { return playedOut(fx, "BCDGHIJKMN", "Du hast verloren!\r"); });
    QTest::newRow("ABC-Lücken: the row, the right letter, the next row") << Event([](Fixture& fx) {
        Form4& luecken = opened<Form4>(fx, &Form0::Bild8);
        const QString letter = luecken.Bezeichnung3->text().left(1);
        const QString row = Spoken::letterRow(luecken.Bezeichnung1->text());
        Fixture::key(&luecken, Qt::Key(letter.at(0).unicode()));
        return row + " | " + letter + " | " + letter + '\n' +
               Spoken::letterRow(luecken.Bezeichnung1->text());
    });
    QTest::newRow("Wörterbuch: the search word") << Event([](Fixture& fx) {
        opened<Form3>(fx, &Form0::Bild9);
        return "Apfel";
    });
    QTest::newRow("ABC-Folgen: a line selected") << Event([](Fixture& fx) {
        QListWidget* lines = opened<Form2>(fx, &Form0::Bild6).Liste1;
        fx.speech.said.clear();
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier,
                          lines->visualItemRect(lines->item(2)).center());
        return lines->item(2)->text();
    });
    QTest::newRow("ABC-Wortsuche: the task") << Event([](Fixture& fx) {
        Form7& wortsuche = opened<Form7>(fx, &Form0::Bild5);
        QStringList words;
        for (const ClickLabel* word : wortsuche.words())
            words.append(word->text());
        return wortsuche.Bezeichnung7->text() + '\n' + words.join(", ");
    });
    QTest::newRow("ABC-Fehlersuche: the row") << Event([](Fixture& fx) {
        return Spoken::letterRow(opened<Form9>(fx, &Form0::Bild15).Bezeichnung4->text());
    });
    QTest::newRow("ABC-Reihe: a tile dropped") << Event([](Fixture& fx) {
        Form5& reihe = opened<Form5>(fx, &Form0::Bild10);
        reihe.abcfeld_DragDrop(reihe.Bezeichnung(7));
        return reihe.Bezeichnung(7)->text();
    });
    QTest::newRow("Buchstabensuche: the answer set") << Event([](Fixture& fx) {
        opened<Form6>(fx, &Form0::Bild11).HBildlauf1->setValue(4);
        return "D";
    });
    QTest::newRow("ABC-Bilder: a dot joined") << Event([](Fixture& fx) {
        Fixture::key(&opened<Form1>(fx, &Form0::Bild7), Qt::Key_K);
        return "K";
    });
    QTest::newRow("Memory: a card turned") << Event([](Fixture& fx) {
        MemoryCard* card = opened<memo>(fx).Bezeichnung(4);
        Fixture::click(card);
        return card->caption().trimmed();
    });
    QTest::newRow("ABC-Fange: a letter caught") << Event([](Fixture& fx) {
        fang& game = opened<fang>(fx);
        Fixture::click(game.Befehl4);
        game.posCol[0] = 13;
        game.posRow[0] = 9;
        Fixture::click(game.Bild1);
        return "A";
    });
}

void SpeakingTest::whatIsSaid() {
    QFETCH(Event, event);
    Fixture fx;
    start(fx);
    fx.dialogs.onCall = [&fx](const auto& box) { fx.speech.said << '[' + box.title + ']'; };
    const QString heard = event(fx);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.speech.said.join(" | "), heard);
}

void SpeakingTest::switchKeepsTheChoice_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<bool>("on");
    QTest::newRow("first start") << QString() << false << true;
    QTest::newRow("switched off before") << "false" << false << false;
    QTest::newRow("screen reader, on before") << "true" << true << false;
}

// A running screen reader switches the program's voice off for this start only: the stored choice
// stays as it was. The switch, reached by Tab after the games entry and pressed with Space, and its
// caption turn it over and keep the choice. Switched off, nothing at all is said and no window
// shows the picture; shown, it is clear of every control, on a large screen too.
void SpeakingTest::switchKeepsTheChoice() {
    QFETCH(QString, stored);
    QFETCH(bool, screenReader);
    QFETCH(bool, on);
    Fixture fx;
    Twips::setScale(Twips::scaleForScreen(3840, 2160, Form0::ClientWidth, Form0::ClientHeight));
    if (!stored.isEmpty())
        fx.writeProgramSettings("user", "Vorlesen=" + stored.toUtf8() + '\n');
    fx.screenReader.running = screenReader;
    start(fx);
    const auto verify = [&fx](bool nowOn, const QString& choice) {
        QCOMPARE(fx.speech.isOn(), nowOn);
        QCOMPARE(fx.main().speechSwitch()->button()->isChecked(), nowOn);
        QCOMPARE(QSettings(fx.configPath() + "/user/moxabc/moxabc.conf", QSettings::IniFormat)
                     .value("Vorlesen")
                     .toString(),
                 choice);
        fx.speech.said.clear();
        for (MoxWindow* window :
             QList<MoxWindow*>{&fx.window<Form1>(), &fx.window<Form2>(), &fx.window<Form3>(),
                               &fx.window<Form4>(), &fx.window<Form5>(), &fx.window<Form6>(),
                               &fx.window<Form7>(), &fx.window<Form9>(), &fx.window<Form10>(),
                               &fx.window<galgen>(), &fx.window<memo>(), &fx.window<fang>()}) {
            fx.app().open(*window);
            Fixture::settle();
            verifyPicture(*window, nowOn);
            Fixture::key(window, Qt::Key_F5);
            fx.app().backToMain(*window);
        }
        QCOMPARE(fx.speech.said.isEmpty(), !nowOn);
    };
    verify(on, stored);
    fx.main().Bild13->setFocus();
    Fixture::key(&fx.main(), Qt::Key_Tab);
    Fixture::key(QApplication::focusWidget(), Qt::Key_Space);
    verify(!on, on ? "false" : "true");
    Fixture::click(fx.main().speechSwitch()->caption());
    verify(on, on ? "true" : "false");
    VERIFY_DIALOGS(fx);
}

// Every line is a clause of its own, so that a line break is heard as a pause.
void SpeakingTest::linesArePauses() {
    QCOMPARE(Spoken::utterance("  Erst\r\n\r\n das Passwort  eingeben:\rdann OK\r\n"),
             "Erst, das Passwort eingeben: dann OK");
    QCOMPARE(Spoken::utterance("\r\n\r"), QString());
}

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
