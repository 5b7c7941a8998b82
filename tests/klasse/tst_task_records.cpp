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
#include "klasse/class_room.h"
#include "klasse/class_session.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <functional>

namespace {

using Tasks = QList<TaskRecord>;
using Play = std::function<Tasks(Fixture&)>;
const QString kAbc = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

TaskRecord kept(const QString& exercise, const QString& task, const QString& expected,
                const QString& answer, bool right, double points) {
    return {{}, {}, exercise, task, expected, answer, right, points, 0};
}

void ok(Fixture& fx, const QString& text, const QString& title) {
    fx.dialogs.expectMessage(text, title, MsgBox::OkOnly);
}

Qt::Key keyOf(QChar letter) {
    return Qt::Key(Qt::Key_A + (letter.toUpper().unicode() - u'A'));
}

QChar otherThan(const QString& letters) {
    return *std::ranges::find_if(kAbc, [&](QChar c) { return !letters.contains(c); });
}

void choose(LetterPanel* panel, QChar letter) {
    const auto found = panel->findItems(QStringLiteral(" %1 ").arg(letter), Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(QString(letter)));
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, {},
                      panel->visualItemRect(found.first()).center());
}

} // namespace

Q_DECLARE_METATYPE(Play)

// What a child's record keeps of every task, window by window.
class TaskRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void rightWrongAndLeft_data();
    void rightWrongAndLeft();
};

void TaskRecordsTest::rightWrongAndLeft_data() {
    QTest::addColumn<Play>("play");
    QTest::newRow("ABC-Lücken") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild8);
        Form4& f = fx.window<Form4>();
        const QString row = f.Bezeichnung1->text().simplified(), gap = f.Bezeichnung3->text();
        ok(fx, "Fehler, bitte neu eingeben!\r", "A B C - Lücke");
        Fixture::key(&f, keyOf(otherThan(gap)));
        Fixture::key(&f, keyOf(gap.at(0)));
        const Tasks left{kept("ABC-Lücken", f.Bezeichnung1->text().simplified(),
                              f.Bezeichnung3->text(), "", false, 0)};
        Fixture::click(f.Picture1);
        return Tasks{kept("ABC-Lücken", row, gap, otherThan(gap), false, 0),
                     kept("ABC-Lücken", row, gap, gap, true, 0)} +
               left;
    });
    QTest::newRow("Buchstabensuche") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild11);
        Form6& f = fx.window<Form6>();
        const QString shown = f.Bezeichnung1->text(), missing = shown.toUpper();
        const QString task = (missing == shown ? kAbc : kAbc.toLower()).replace(shown, "_");
        Tasks expected;
        for (const QChar letter : {otherThan(missing), missing.at(0)}) {
            f.HBildlauf1->setValue(letter.unicode() - u'A' + 1);
            expected.append(kept("Buchstabensuche", task, missing, letter, letter == missing, 0));
            ok(fx,
               letter == missing ? "Gut, du bekommst 1 Punkt dazu!\r"
                                 : "Pech, versuch's nochmal ... !\r",
               letter == missing ? "L ö s u n g" : "F e h l e r");
            Fixture::click(f.Bezeichnung2);
        }
        expected.last().points = 1;
        return expected;
    });
    QTest::newRow("ABC-Fehlersuche") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild15);
        Form9& f = fx.window<Form9>();
        Tasks expected;
        for (const bool right : {true, false}) {
            const bool faulty = f.Bezeichnung4->text() != f.Bezeichnung6->text();
            if (!right)
                ok(fx,
                   (faulty ? "Es muss richtig heißen:\r\r" : "Die Reihe ist richtig!\r\r") +
                       f.Bezeichnung6->text(),
                   "Fehler: Punktabzug");
            expected.append(kept("ABC-Fehlersuche", f.Bezeichnung4->text().simplified(), "",
                                 faulty == right ? "falsch" : "richtig", right, 0));
            Fixture::click(faulty == right ? f.Befehl1 : f.Befehl2);
        }
        return expected;
    });
    QTest::newRow("ABC-Wortsuche") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild5);
        Form7& f = fx.window<Form7>();
        QStringList shown;
        for (const ClickLabel* word : f.words())
            shown.append(word->text());
        const QString asked = f.Liste2->currentItem()->text(),
                      wrong = shown.at(shown.indexOf(asked) == 0);
        fx.setPoints("2");
        ok(fx, "Fehler, das gibt 1 Punkt Abzug!\r", "F e h l e r");
        Fixture::click(f.words().at(shown.indexOf(wrong)));
        ok(fx, "Prima, du bekommst 1 Punkt dazu!\r", "L ö s u n g");
        Fixture::click(f.words().at(shown.indexOf(asked)));
        return {kept("ABC-Wortsuche", shown.join(' '), asked, wrong, false, -1),
                kept("ABC-Wortsuche", shown.join(' '), asked, asked, true, 1)};
    });
    QTest::newRow("Wörterbuch") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild9);
        Form3& f = fx.window<Form3>();
        const QString word = f.Bezeichnung4->text(), page = f.Bezeichnung3->text().trimmed();
        const QString wrong = page == "1" ? "3" : "1";
        f.HBildlauf1->setValue(wrong.toInt());
        ok(fx, "Fehler, bitte neu einstellen!", "Wörterbuch");
        Fixture::click(f.Befehl2);
        f.HBildlauf1->setValue(page.toInt());
        Fixture::click(f.Befehl2);
        return {kept("Wörterbuch", word, word, wrong, false, 0),
                kept("Wörterbuch", word, word, page, true, 1)};
    });
    QTest::newRow("ABC-Laute") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild17);
        Form10& f = fx.window<Form10>();
        const QString word = f.Bezeichnung1->text(),
                      chosen = otherThan(word.toUpper()) + word.toUpper();
        for (const QChar letter : chosen)
            choose(f.Liste1, letter);
        return {kept("ABC-Laute", word, word, chosen, false, 0)};
    });
    QTest::newRow("Galgenspiel") << Play([](Fixture& fx) -> Tasks {
        Tasks expected;
        for (const bool win : {true, false}) {
            Fixture::click(fx.main().Bild16);
            const QString word = fx.app().shared().wordText;
            QString guessed = win ? word.toUpper() : QString();
            while (guessed.size() < (win ? 0 : 10))
                guessed += otherThan(word.toUpper() + guessed);
            ok(fx, win ? "Du hast gewonnen!\r" : "Du hast verloren!\r", "Galgenspiel");
            for (const QChar letter : guessed)
                choose(fx.window<galgen>().Liste1, letter);
            expected.append(kept("Galgenspiel", word, word, guessed, win, 0));
        }
        return expected;
    });
    QTest::newRow("ABC-Folgen") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild6);
        Form2& f = fx.window<Form2>();
        QStringList lines;
        for (int i = 0; i < f.Liste1->count(); ++i)
            lines.append(f.Liste1->item(i)->text());
        ok(fx, "Prima, du hast es geschafft!\rGutgeschriebene Punkte: 1", "ABC-Folgen");
        QStringList order = lines;
        for (int i = 0; i < order.size(); ++i)
            for (int j = order.size() - 1; j > i; --j)
                if (order.at(j) < order.at(j - 1)) {
                    order.swapItemsAt(j, j - 1);
                    f.Liste1->setCurrentRow(j);
                    Fixture::key(f.Liste1, Qt::Key_Up, Qt::ControlModifier);
                }
        return {kept("ABC-Folgen", lines.join(' '), "", order.join(' '), true, 1)};
    });
    QTest::newRow("ABC-Reihe") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild10);
        Form5& f = fx.window<Form5>();
        QList<LetterTile*> tiles = f.findChildren<LetterTile*>();
        std::ranges::sort(tiles, {}, [](auto* tile) { return std::pair(tile->y(), tile->x()); });
        QString dealt;
        for (const LetterTile* tile : tiles)
            dealt += tile->text();
        ok(fx, "Prima, du hast es richtig gemacht!\rZur Belohnung gibt es zwei Punkte!",
           "ABC-Reihe");
        for (const QChar letter : "C" + kAbc)
            Fixture::key(&f, keyOf(letter));
        return {kept("ABC-Reihe", dealt, "A", "C", false, 0),
                kept("ABC-Reihe", dealt, "", kAbc, true, 2)};
    });
    QTest::newRow("ABC-Bilder") << Play([](Fixture& fx) -> Tasks {
        Fixture::click(fx.main().Bild7);
        ok(fx, "Du bekommst einen Punkt dazu!\r", "A B C - Bilder");
        for (const QChar letter : "CC" + kAbc.left(24))
            Fixture::key(&fx.window<Form1>(), keyOf(letter));
        return {kept("ABC-Bilder", "Bild 1", "A", "C", false, 0),
                kept("ABC-Bilder", "Bild 1", "", "CC" + kAbc.left(24), true, 1)};
    });
    QTest::newRow("Memory") << Play([](Fixture& fx) -> Tasks {
        memo& m = fx.window<memo>();
        fx.app().open(m);
        Fixture::settle();
        Fixture::click(m.Bezeichnung(1));
        const QString layout = m.Bezeichnung21->text();
        ok(fx, "  Das Spiel ist beendet!\r", "Memory");
        for (int card = 1; card <= memo::CardCount; ++card)
            for (int other = card + 1; other <= memo::CardCount; ++other)
                if (layout.at(card - 1) == layout.at(other - 1)) {
                    Fixture::click(m.Bezeichnung(card));
                    Fixture::click(m.Bezeichnung(other));
                }
        return {kept("Memory", layout, "", "", true, 0)};
    });
    QTest::newRow("Fangspiel") << Play([](Fixture& fx) -> Tasks {
        fang& g = fx.window<fang>();
        fx.app().open(g);
        Fixture::settle();
        Fixture::click(g.Befehl4);
        ok(fx, "  Das Spiel ist beendet!\r", "A B C - Fange");
        while (g.isVisible()) {
            const int column = g.posCol.front(), row = g.posRow.front();
            Fixture::click(column < g.cursorCol   ? g.Bild1
                           : column > g.cursorCol ? g.Bild4
                           : row < g.cursorRow    ? g.Bild2
                                                  : g.Bild3);
        }
        return {kept("Fangspiel", kAbc, "", kAbc, true, 0)};
    });
    QTest::newRow("Belohnung") << Play([](Fixture& fx) -> Tasks {
        const double threshold = fx.main().Bezeichnung3->text().trimmed().toDouble();
        fx.setPoints(QString::number(threshold + 1));
        Fixture::click(fx.main().Bild13);
        return {kept("Belohnung", "", "", "", true, -threshold)};
    });
}

// A chosen child plays as children do; the record holds each task once, as it went.
void TaskRecordsTest::rightWrongAndLeft() {
    QFETCH(Play, play);
    Fixture fx;
    fx.writeFile("MOXABC.TXT", wordListBytes({{"Oma", 1}, {"Zug", 3}}));
    fx.start();
    QDateTime now(QDate(2026, 3, 2), QTime(8, 0));
    fx.app().setClock([&now] { return now = now.addSecs(2); });
    int child = 0;
    QCOMPARE(fx.app().classRoom().list().add("Lena", &child), QString());
    fx.app().session().choose(child);
    const QList<TaskRecord> expected = play(fx);
    VERIFY_DIALOGS(fx);
    QList<TaskRecord> tasks = fx.app().classRoom().records().read(child).tasks;
    for (TaskRecord& task : tasks) {
        QVERIFY(task.seconds >= 2);
        task = kept(task.exercise, task.task, task.expected, task.answer, task.right, task.points);
    }
    QCOMPARE(tasks, expected);
}

QTEST_MAIN(TaskRecordsTest)
#include "tst_task_records.moc"
