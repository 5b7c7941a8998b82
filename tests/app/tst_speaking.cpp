#include "app/picture_names_spoken.h"
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

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>

#include <functional>

// An event driven as a child would; returns all the child must have heard, a box as [its title].
using Event = std::function<QString(Fixture&)>;
Q_DECLARE_METATYPE(Event)
using Opener = std::function<MoxWindow&(Fixture&)>;
Q_DECLARE_METATYPE(Opener)

namespace {
const QString kHelp = "Mit diesem Programm kannst du\rdas ABC trainieren. Wähle dazu\rÜbungen aus "
                      "dem rechten Menü.\r";

void start(Fixture& fx) {
    fx.writeFile("MOXABC.TXT", wordListBytes({{"Apfel", 12}}));
    fx.start();
}

// The window shown through its entry in the main window, or as the games gate shows it.
template <class W>
W& opened(Fixture& fx, PictureButton* Form0::*entry = nullptr, bool keepHeard = false) {
    if (entry)
        Fixture::click(fx.main().*entry);
    else
        fx.app().open(fx.window<W>());
    Fixture::settle(); // the activation, then what it left to be said
    Fixture::settle();
    if (!keepHeard)
        fx.speech.said.clear();
    return fx.window<W>();
}

template <class W> Opener opener(PictureButton* Form0::*entry = nullptr) {
    return [entry](Fixture& fx) -> MoxWindow& { return opened<W>(fx, entry, true); };
}

// The Galgenspiel played to its end: each letter heard, a found one with the word so far.
QString playedOut(Fixture& fx, const QString& guesses, const QString& ending) {
    galgen& game = opened<galgen>(fx, &Form0::Bild16);
    fx.dialogs.expectMessage(ending, "Galgenspiel", MsgBox::OkOnly);
    QStringList heard;
    for (const QChar letter : guesses) {
        Fixture::key(&game, Qt::Key(letter.unicode()));
        heard.append(letter);
        if (QStringLiteral("Apfel").contains(letter, Qt::CaseInsensitive) &&
            game.Bezeichnung1->text().contains(u'_'))
            heard.append(letter + '\n' + game.spokenTask());
    }
    return heard.join(" | ") + " | " + ending + " | [Galgenspiel] | (stop) | Apfel";
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
    void instructionOnOpening_data();
    void instructionOnOpening();
};

void SpeakingTest::whatIsSaid_data() {
    QTest::addColumn<Event>("event");
    QTest::newRow("Hilfe: a box, said while it is open") << Event([](Fixture& fx) {
        fx.dialogs.expectMessage(kHelp, "H i l f e", MsgBox::OkOnly);
        Fixture::click(fx.main().Bild4);
        return kHelp + " | [H i l f e] | (stop)";
    });
    QTest::newRow("ABC-Laute: the word heard again") << Event([](Fixture& fx) {
        Fixture::click(opened<Form10>(fx, &Form0::Bild17).hearAgainButton());
        return "Apfel";
    });
    QTest::newRow("Galgenspiel: a letter chosen, F5") << Event([](Fixture& fx) {
        galgen& game = opened<galgen>(fx, &Form0::Bild16);
        Fixture::key(&game, Qt::Key_P);
        Fixture::key(&game, Qt::Key_F5);
        return "P | P\nLücke, p, Lücke, Lücke, Lücke | Lücke, p, Lücke, Lücke, Lücke";
    });
    QTest::newRow("Galgenspiel: won")
        << Event([](Fixture& fx) { return playedOut(fx, "APFEL", "Du hast gewonnen!\r"); });
    QTest::newRow("Galgenspiel: lost")
        << Event([](Fixture& fx) { return playedOut(fx, "BCDGHIJKMN", "Du hast verloren!\r"); });
    QTest::newRow("ABC-Lücken: the right letter, praised, the next row") << Event([](Fixture& fx) {
        Form4& luecken = opened<Form4>(fx, &Form0::Bild8);
        const QString letter = luecken.Bezeichnung3->text().left(1);
        Fixture::key(&luecken, Qt::Key(letter.at(0).unicode()));
        return letter + " | " + letter + "\nRichtig!\n" +
               Spoken::letterRow(luecken.Bezeichnung1->text());
    });
    QTest::newRow("Wörterbuch: the search word") << Event([](Fixture& fx) {
        Fixture::key(&opened<Form3>(fx, &Form0::Bild9), Qt::Key_F5);
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
        Fixture::key(&wortsuche, Qt::Key_F5);
        QStringList words;
        for (const ClickLabel* word : wortsuche.words())
            words.append(word->text());
        return wortsuche.Bezeichnung7->text() + '\n' + words.join(", ");
    });
    QTest::newRow("ABC-Fehlersuche: praised") << Event([](Fixture& fx) {
        Form9& row = opened<Form9>(fx, &Form0::Bild15);
        const bool right = row.Bezeichnung4->text() == row.Bezeichnung6->text();
        Fixture::click(right ? row.Befehl2 : row.Befehl1);
        return "Richtig!\n" + Spoken::letterRow(row.Bezeichnung4->text());
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
    QTest::newRow("ABC-Laute: the points said") << Event([](Fixture& fx) {
        Form10& laute = opened<Form10>(fx, &Form0::Bild17);
        const QString praise = "Ohne Fehler, das gibt 1 Punkt dazu!\r";
        fx.dialogs.expectMessage(praise, "ABC-Laute", MsgBox::OkOnly);
        for (const char letter : {'A', 'P', 'F', 'E', 'L'})
            Fixture::key(laute.Liste1, Qt::Key(letter));
        return "[[a]] | [[p@-]] | [[f:]] | [[E]] | [[llll]] | " + praise +
               " | [ABC-Laute] | (stop) | 1 Punkt\nApfel";
    });
    QTest::newRow("Wörterbuch: the page at rest") << Event([](Fixture& fx) {
        Form3& book = opened<Form3>(fx, &Form0::Bild9);
        for (int step = 0; step < 3; ++step)
            Fixture::key(book.HBildlauf1, Qt::Key_Right);
        if (!book.pageSettle->isActive() || !fx.speech.said.isEmpty())
            return QStringLiteral("(said on the way)");
        QMetaObject::invokeMethod(book.pageSettle, "timeout");
        return QStringLiteral("Seite 4");
    });
    QTest::newRow("ABC-Laute: names, as the teacher chose") << Event([](Fixture& fx) {
        fx.app().settings().setReadingHelpOn(ProgramSettings::ReadingHelp::LetterSounds, false);
        Fixture::key(opened<Form10>(fx, &Form0::Bild17).Liste1, Qt::Key_M);
        return "M";
    });
    QTest::newRow("Galgenspiel: sounds, as the teacher chose") << Event([](Fixture& fx) {
        fx.app().settings().setReadingHelpOn(ProgramSettings::ReadingHelp::LetterSounds, true);
        Fixture::key(&opened<galgen>(fx, &Form0::Bild16), Qt::Key_P);
        return "[[p@-]] | [[p@-]]\nLücke, [[p@-]], Lücke, Lücke, Lücke";
    });
    QTest::newRow("main window: Tab onto a picture") << Event([](Fixture& fx) {
        fx.main().Bild7->setFocus();
        Fixture::key(QApplication::focusWidget(), Qt::Key_Tab);
        return "ABC-Folgen";
    });
    QTest::newRow("main window: the pointer rests on a picture") << Event([](Fixture& fx) {
        QTest::mouseMove(fx.main().Bild17);
        QTimer* dwell = fx.main().findChild<PictureNamesSpoken*>()->dwell();
        if (!dwell->isActive() || !fx.speech.said.isEmpty())
            return "(no dwell)";
        QMetaObject::invokeMethod(dwell, "timeout");
        return "ABC-Laute";
    });
    QTest::newRow("main window: the pointer crosses a picture") << Event([](Fixture& fx) {
        QTest::mouseMove(fx.main().Bild17);
        QEvent leave(QEvent::Leave); // as the window system reports it
        QCoreApplication::sendEvent(fx.main().Bild17, &leave);
        return fx.main().findChild<PictureNamesSpoken*>()->dwell()->isActive() ? "(dwell)" : "";
    });
    QTest::newRow("Vorlesen switched off and on") << Event([](Fixture& fx) {
        Fixture::click(fx.main().speechSwitch()->button());
        Fixture::click(fx.main().speechSwitch()->button());
        return "(stop) | Vorlesen an";
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

void SpeakingTest::instructionOnOpening_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("ABC-Folgen") << opener<Form2>(&Form0::Bild6)
                                << "Bringe die Zeilen in die Reihenfolge des ABC.";
    QTest::newRow("Wörterbuch") << opener<Form3>(&Form0::Bild9)
                                << "Suche das Wort im Wörterbuch und stelle die Seite ein.";
    QTest::newRow("ABC-Lücken") << opener<Form4>(&Form0::Bild8)
                                << "Welcher Buchstabe fehlt? Tippe ihn ein.";
    QTest::newRow("ABC-Wortsuche")
        << opener<Form7>(&Form0::Bild5) << "Denke dir die Wörter nach dem ABC geordnet.";
    QTest::newRow("ABC-Fehlersuche") << opener<Form9>(&Form0::Bild15)
                                     << "Ist die Reihe richtig? Klicke auf richtig oder falsch.";
    QTest::newRow("ABC-Laute") << opener<Form10>(&Form0::Bild17)
                               << "Welche Laute hörst du im Wort? Klicke sie an.";
    QTest::newRow("Galgenspiel") << opener<galgen>(&Form0::Bild16)
                                 << "Rate das Wort. Klicke einen Buchstaben an.";
    QTest::newRow("ABC-Fange") << opener<fang>() << "Fange die Buchstaben nach dem ABC, A zuerst.";
}

// Opening says the instruction, then the task in the same breath; F5 says the task alone.
void SpeakingTest::instructionOnOpening() {
    QFETCH(Opener, open);
    QFETCH(QString, instruction);
    Fixture fx;
    start(fx);
    MoxWindow& window = open(fx);
    const QString task = window.spokenTask();
    QCOMPARE(fx.speech.said.value(0), task.isEmpty() ? instruction : instruction + '\n' + task);
    Fixture::key(&window, Qt::Key_F5);
    QCOMPARE(fx.speech.said.last(), task.isEmpty() ? QStringLiteral("(stop)") : task);
}

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
