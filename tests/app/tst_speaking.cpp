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
#include <QTimer>

#include <functional>

// An event driven as a child would; returns all the child must have heard, a box as [its title].
using Event = std::function<QString(Fixture&)>;
Q_DECLARE_METATYPE(Event)
// A window opened as a child opens it.
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
template <class W> W& opened(Fixture& fx, PictureButton* Form0::*entry = nullptr) {
    if (entry)
        Fixture::click(fx.main().*entry);
    else
        fx.app().open(fx.window<W>());
    // The activation runs first, then what it left to be said.
    Fixture::settle();
    Fixture::settle();
    return fx.window<W>();
}

// As opened(), with what the opening said forgotten.
template <class W> W& shown(Fixture& fx, PictureButton* Form0::*entry = nullptr) {
    W& window = opened<W>(fx, entry);
    fx.speech.said.clear();
    return window;
}

// The pointer comes onto a picture or leaves it, as the window system reports it.
void pointerTo(QWidget* picture, QEvent::Type type) {
    const QPointF middle = QRectF(picture->rect()).center();
    QEnterEvent enter(middle, picture->mapTo(picture->window(), middle),
                      picture->mapToGlobal(middle));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(picture, type == QEvent::Enter ? &enter : &leave);
}

template <class W> Opener opener(PictureButton* Form0::*entry = nullptr) {
    return [entry](Fixture& fx) -> MoxWindow& { return opened<W>(fx, entry); };
}

// The Galgenspiel played to its end: each letter heard as it is guessed, the word only after.
QString playedOut(Fixture& fx, const QString& guesses, const QString& ending) {
    galgen& game = shown<galgen>(fx, &Form0::Bild16);
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
    void lettersAsNamesOrSounds_data();
    void lettersAsNamesOrSounds();
    void instructionOnOpening_data();
    void instructionOnOpening();
    void pictureNames_data();
    void pictureNames();
};

void SpeakingTest::whatIsSaid_data() {
    QTest::addColumn<Event>("event");
    QTest::newRow("Hilfe: a box, said while it is open") << Event([](Fixture& fx) {
        fx.dialogs.expectMessage(kHelp, "H i l f e", MsgBox::OkOnly);
        Fixture::click(fx.main().Bild4);
        return kHelp + " | [H i l f e] | (stop)";
    });
    QTest::newRow("ABC-Laute: the word heard again") << Event([](Fixture& fx) {
        Fixture::click(shown<Form10>(fx, &Form0::Bild17).hearAgainButton());
        return "Apfel";
    });
    QTest::newRow("Galgenspiel: a letter chosen, F5") << Event([](Fixture& fx) {
        galgen& game = shown<galgen>(fx, &Form0::Bild16);
        Fixture::key(&game, Qt::Key_P);
        Fixture::key(&game, Qt::Key_F5);
        return "P | Lücke, p, Lücke, Lücke, Lücke";
    });
    QTest::newRow("Galgenspiel: won")
        << Event([](Fixture& fx) { return playedOut(fx, "APFEL", "Du hast gewonnen!\r"); });
    QTest::newRow("Galgenspiel: lost")
        << Event([](Fixture& fx) { return playedOut(fx, "BCDGHIJKMN", "Du hast verloren!\r"); });
    QTest::newRow("ABC-Lücken: the right letter, praised, the next row") << Event([](Fixture& fx) {
        Form4& luecken = shown<Form4>(fx, &Form0::Bild8);
        const QString letter = luecken.Bezeichnung3->text().left(1);
        Fixture::key(&luecken, Qt::Key(letter.at(0).unicode()));
        return letter + " | " + letter + "\nRichtig!\n" +
               Spoken::letterRow(luecken.Bezeichnung1->text());
    });
    QTest::newRow("Wörterbuch: the search word") << Event([](Fixture& fx) {
        Fixture::key(&shown<Form3>(fx, &Form0::Bild9), Qt::Key_F5);
        return "Apfel";
    });
    QTest::newRow("ABC-Folgen: a line selected") << Event([](Fixture& fx) {
        QListWidget* lines = shown<Form2>(fx, &Form0::Bild6).Liste1;
        fx.speech.said.clear();
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier,
                          lines->visualItemRect(lines->item(2)).center());
        return lines->item(2)->text();
    });
    QTest::newRow("ABC-Wortsuche: the task") << Event([](Fixture& fx) {
        Form7& wortsuche = shown<Form7>(fx, &Form0::Bild5);
        Fixture::key(&wortsuche, Qt::Key_F5);
        QStringList words;
        for (const ClickLabel* word : wortsuche.words())
            words.append(word->text());
        return wortsuche.Bezeichnung7->text() + '\n' + words.join(", ");
    });
    QTest::newRow("ABC-Fehlersuche: the row, a right decision praised") << Event([](Fixture& fx) {
        Form9& fehlersuche = shown<Form9>(fx, &Form0::Bild15);
        const bool right = fehlersuche.Bezeichnung4->text() == fehlersuche.Bezeichnung6->text();
        Fixture::key(&fehlersuche, Qt::Key_F5);
        const QString row = Spoken::letterRow(fehlersuche.Bezeichnung4->text());
        Fixture::click(right ? fehlersuche.Befehl2 : fehlersuche.Befehl1);
        return row + " | Richtig!\n" + Spoken::letterRow(fehlersuche.Bezeichnung4->text());
    });
    QTest::newRow("ABC-Reihe: a tile dropped") << Event([](Fixture& fx) {
        Form5& reihe = shown<Form5>(fx, &Form0::Bild10);
        reihe.abcfeld_DragDrop(reihe.Bezeichnung(7));
        return reihe.Bezeichnung(7)->text();
    });
    QTest::newRow("Buchstabensuche: the answer set") << Event([](Fixture& fx) {
        shown<Form6>(fx, &Form0::Bild11).HBildlauf1->setValue(4);
        return "D";
    });
    QTest::newRow("ABC-Bilder: a dot joined") << Event([](Fixture& fx) {
        Fixture::key(&shown<Form1>(fx, &Form0::Bild7), Qt::Key_K);
        return "K";
    });
    QTest::newRow("Memory: a card turned") << Event([](Fixture& fx) {
        MemoryCard* card = shown<memo>(fx).Bezeichnung(4);
        Fixture::click(card);
        return card->caption().trimmed();
    });
    QTest::newRow("ABC-Laute: no miss, the new total before the next word") << Event(
        [](Fixture& fx) {
            Form10& laute = shown<Form10>(fx, &Form0::Bild17);
            const QString praise = "Ohne Fehler, das gibt 1 Punkt dazu!\r";
            fx.dialogs.expectMessage(praise, "ABC-Laute", MsgBox::OkOnly);
            fx.speech.said.clear();
            QStringList heard;
            for (const QChar letter : QStringLiteral("APFEL")) {
                Fixture::key(laute.Liste1, Qt::Key(letter.unicode()));
                heard.append(Spoken::letter(letter, Spoken::Letters::Sounds));
            }
            Fixture::settle();
            return heard.join(" | ") + " | " + praise + " | [ABC-Laute] | (stop) | 1 Punkt\nApfel";
        });
    QTest::newRow("Wörterbuch: the page the slider comes to rest on") << Event([](Fixture& fx) {
        Form3& book = shown<Form3>(fx, &Form0::Bild9);
        fx.speech.said.clear();
        for (int step = 0; step < 3; ++step)
            Fixture::key(book.HBildlauf1, Qt::Key_Right);
        if (!book.pageSettle->isActive() || !fx.speech.said.isEmpty())
            return QStringLiteral("(said on the way)");
        QMetaObject::invokeMethod(book.pageSettle, "timeout");
        return QStringLiteral("Seite 4");
    });
    QTest::newRow("ABC-Fange: a letter caught") << Event([](Fixture& fx) {
        fang& game = shown<fang>(fx);
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

void SpeakingTest::lettersAsNamesOrSounds_data() {
    QTest::addColumn<Event>("event"); // returns the letter the child chose
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<bool>("sounds");
    const Event laute([](Fixture& fx) {
        Fixture::key(opened<Form10>(fx, &Form0::Bild17).Liste1, Qt::Key_M);
        return "M";
    });
    const Event hangman([](Fixture& fx) {
        Fixture::key(&opened<galgen>(fx, &Form0::Bild16), Qt::Key_P);
        return "P";
    });
    const Event luecken([](Fixture& fx) {
        Form4& window = opened<Form4>(fx, &Form0::Bild8);
        const QChar letter = window.Bezeichnung3->text().at(0);
        Fixture::key(&window, Qt::Key(letter.unicode()));
        return QString(letter);
    });
    const Event suche([](Fixture& fx) {
        opened<Form6>(fx, &Form0::Bild11).HBildlauf1->setValue(4);
        return "D";
    });
    const QByteArray on = "BuchstabenAlsLaute=true\n";
    const QByteArray off = "BuchstabenAlsLaute=false\n";
    QTest::newRow("ABC-Laute, nobody chose") << laute << QByteArray() << QByteArray() << true;
    QTest::newRow("ABC-Laute, the teacher chose names") << laute << on << off << false;
    QTest::newRow("Galgenspiel, nobody chose") << hangman << QByteArray() << QByteArray() << false;
    QTest::newRow("Galgenspiel, the class chose sounds") << hangman << on << QByteArray() << true;
    QTest::newRow("ABC-Lücken, the teacher chose sounds") << luecken << off << on << true;
    QTest::newRow("ABC-Lücken, nobody chose") << luecken << QByteArray() << QByteArray() << false;
    QTest::newRow("Buchstabensuche, the class chose sounds") << suche << on << QByteArray() << true;
}

// Under "Buchstaben als Laute" a chosen letter is heard as its sound, the same letter else by
// its name; the gap rows and the game's word are read the same way.
void SpeakingTest::lettersAsNamesOrSounds() {
    QFETCH(Event, event);
    QFETCH(QByteArray, system);
    QFETCH(QByteArray, user);
    QFETCH(bool, sounds);
    Fixture fx;
    fx.writeProgramSettings("system", system);
    fx.writeProgramSettings("user", user);
    start(fx);
    const QString letter = event(fx);
    const QString heard =
        Spoken::letter(letter, sounds ? Spoken::Letters::Sounds : Spoken::Letters::Names);
    QCOMPARE(heard.startsWith("[["), sounds);
    QVERIFY2(fx.speech.said.contains(heard) || fx.speech.said.last().startsWith(heard + '\n'),
             qPrintable(fx.speech.said.join(" | ")));
    QCOMPARE(Spoken::letterRow(" _  " + letter + " ",
                               sounds ? Spoken::Letters::Sounds : Spoken::Letters::Names),
             "Lücke, " + heard);
}

void SpeakingTest::instructionOnOpening_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("ABC-Bilder, its task says what to do")
        << opener<Form1>(&Form0::Bild7) << QString();
    QTest::newRow("ABC-Folgen") << opener<Form2>(&Form0::Bild6)
                                << "Bringe die Zeilen in die Reihenfolge des ABC. Wähle eine Zeile "
                                   "und schiebe sie mit den Pfeilen.";
    QTest::newRow("Wörterbuch") << opener<Form3>(&Form0::Bild9)
                                << "Suche das Wort in deinem Wörterbuch. Stelle die Seite ein und "
                                   "klicke auf die Zahl.";
    QTest::newRow("ABC-Lücken") << opener<Form4>(&Form0::Bild8)
                                << "Welcher Buchstabe fehlt? Tippe ihn ein.";
    QTest::newRow("ABC-Reihe, its task says what to do")
        << opener<Form5>(&Form0::Bild10) << QString();
    QTest::newRow("Buchstabensuche, its task says what to do")
        << opener<Form6>(&Form0::Bild11) << QString();
    QTest::newRow("ABC-Wortsuche")
        << opener<Form7>(&Form0::Bild5) << "Denke dir die Wörter nach dem ABC geordnet.";
    QTest::newRow("ABC-Fehlersuche") << opener<Form9>(&Form0::Bild15)
                                     << "Ist die Reihe richtig? Klicke auf richtig oder falsch.";
    QTest::newRow("ABC-Laute") << opener<Form10>(&Form0::Bild17)
                               << "Welche Laute hörst du in dem Wort? Klicke ihre Buchstaben an.";
    QTest::newRow("Galgenspiel") << opener<galgen>(&Form0::Bild16)
                                 << "Rate das Wort. Klicke einen Buchstaben an.";
    QTest::newRow("Memory, its task says what to do") << opener<memo>() << QString();
    QTest::newRow("ABC-Fange") << opener<fang>()
                               << "Fange die Buchstaben nach dem ABC, A zuerst. Steuere das Kreuz "
                                  "mit den Pfeilen.";
}

// Each opening says the instruction and then the task, in one go so that neither cuts the other
// short; "Nochmal hören" says the task alone.
void SpeakingTest::instructionOnOpening() {
    QFETCH(Opener, open);
    QFETCH(QString, instruction);
    Fixture fx;
    start(fx);
    for (int opening = 0; opening < 2; ++opening) {
        fx.speech.said.clear();
        MoxWindow& window = open(fx);
        const QString task = window.spokenTask();
        QCOMPARE(fx.speech.said.value(0), instruction.isEmpty() || task.isEmpty()
                                              ? instruction + task
                                              : instruction + '\n' + task);
        Fixture::key(&window, Qt::Key_F5);
        QCOMPARE(fx.speech.said.last(), task.isEmpty() ? QStringLiteral("(stop)") : task);
        fx.app().backToMain(window);
        Fixture::settle();
    }
}

void SpeakingTest::pictureNames_data() {
    QTest::addColumn<Event>("event");
    QTest::newRow("Tab onto the next exercise") << Event([](Fixture& fx) {
        fx.main().Bild7->setFocus();
        Fixture::key(QApplication::focusWidget(), Qt::Key_Tab);
        return QStringLiteral("ABC-Folgen");
    });
    QTest::newRow("the pointer rests") << Event([](Fixture& fx) {
        pointerTo(fx.main().Bild17, QEvent::Enter);
        QTimer* dwell = fx.main().findChild<PictureNamesSpoken*>()->dwell();
        if (!dwell->isActive() || !fx.speech.said.isEmpty())
            return QStringLiteral("(no dwell)");
        QMetaObject::invokeMethod(dwell, "timeout");
        return QStringLiteral("ABC-Laute");
    });
    QTest::newRow("the pointer crosses") << Event([](Fixture& fx) {
        pointerTo(fx.main().Bild17, QEvent::Enter);
        pointerTo(fx.main().Bild17, QEvent::Leave);
        QTimer* dwell = fx.main().findChild<PictureNamesSpoken*>()->dwell();
        return dwell->isActive() ? QStringLiteral("(dwell runs)") : QString();
    });
    QTest::newRow("switched on") << Event([](Fixture& fx) {
        Fixture::click(fx.main().speechSwitch()->button());
        Fixture::click(fx.main().speechSwitch()->button());
        return QStringLiteral("(stop) | Vorlesen an");
    });
}

// The main window's pictures say their names to the keyboard and to a resting pointer, never to
// one passing by; the switch says that it is on.
void SpeakingTest::pictureNames() {
    QFETCH(Event, event);
    Fixture fx;
    start(fx);
    Fixture::settle();
    fx.speech.said.clear();
    const QString heard = event(fx);
    Fixture::settle();
    QCOMPARE(fx.speech.said.join(" | "), heard);
}

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
