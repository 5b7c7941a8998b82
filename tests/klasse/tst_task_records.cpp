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
#include "klasse/letter_boxes.h"

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
    void confusedLettersComeMoreOften();
    void drawsFollowTheSwitch_data();
    void drawsFollowTheSwitch();
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
        const QString task = QString(missing == shown ? kAbc : kAbc.toLower()).replace(shown, "_");
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
        const QString game = fx.window<memo>().isVisible() ? "Memory" : "Fangspiel";
        return {kept("Belohnung", game, "", "", true, -threshold)};
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

// A child who takes d for b, later no longer: b and d come about three times as often while
// they are weak, evenly again once answered right on a few days.
void TaskRecordsTest::confusedLettersComeMoreOften() {
    TimeSeededRandom random([] { return 0.0; }, 11);
    LetterBoxes boxes;
    QDateTime day(QDate(2026, 3, 2), QTime(8, 0));
    QChar last;
    int weak[2] = {}, even[2] = {}; // tasks, then those with b or d
    for (int task = 0; task < 1000; ++task) {
        day = day.addSecs(task % 50 == 0 ? 86400 : 60);
        const QChar letter = boxes.drawLetter(random, kAbc, last);
        QVERIFY(letter != last);
        last = letter;
        const bool bd = letter == u'B' || letter == u'D';
        const int weakOnes = boxes.isWeak("b") + boxes.isWeak("d");
        int* counts = weakOnes == 2 ? weak : weakOnes == 0 && task >= 500 ? even : nullptr;
        if (counts) {
            ++counts[0];
            counts[1] += bd;
        }
        const QChar answer = task < 500 && bd ? QChar(u'B' + u'D' - letter.unicode()) : letter;
        boxes.take({day, {}, "ABC-Lücken", "", letter, answer, answer == letter, 0, 0});
    }
    QVERIFY(!boxes.isWeak("d"));
    const double weakTimes = weak[1] * 13.0 / weak[0], evenTimes = even[1] * 13.0 / even[0];
    QVERIFY2(weakTimes >= 2.5 && weakTimes <= 3.5, qPrintable(QString::number(weakTimes)));
    QVERIFY2(evenTimes >= 0.6 && evenTimes <= 1.4, qPrintable(QString::number(evenTimes)));
}

using Deal = std::function<QString(Fixture&)>;
Q_DECLARE_METATYPE(Deal)

void TaskRecordsTest::drawsFollowTheSwitch_data() {
    QTest::addColumn<Deal>("deal");    // the next task, shown to the child
    QTest::addColumn<bool>("letters"); // b and d come more often with the switch on
    QTest::newRow("ABC-Lücken") << Deal([](Fixture& fx) {
        Fixture::click(fx.main().Bild8);
        const QString gap = fx.window<Form4>().Bezeichnung3->text();
        Fixture::click(fx.window<Form4>().Picture1);
        return gap;
    }) << true;
    QTest::newRow("Buchstabensuche") << Deal([](Fixture& fx) {
        if (!fx.window<Form6>().isVisible())
            Fixture::click(fx.main().Bild11);
        Fixture::click(fx.window<Form6>().Bild2);
        return fx.window<Form6>().Bezeichnung1->text();
    }) << true;
    QTest::newRow("ABC-Fehlersuche") << Deal([](Fixture& fx) {
        if (!fx.window<Form9>().isVisible())
            Fixture::click(fx.main().Bild15);
        Fixture::click(fx.window<Form9>().Bild3);
        return fx.window<Form9>().Bezeichnung6->text();
    }) << true;
    QTest::newRow("ABC-Laute") << Deal([](Fixture& fx) {
        if (!fx.window<Form10>().isVisible())
            Fixture::click(fx.main().Bild17);
        Fixture::click(fx.window<Form10>().Bild2);
        return fx.window<Form10>().Bezeichnung1->text();
    }) << false;
    QTest::newRow("Galgenspiel") << Deal([](Fixture& fx) {
        Fixture::click(fx.main().Bild16);
        Fixture::click(fx.window<galgen>().Bild1);
        return fx.app().shared().wordText;
    }) << false;
}

// Without a class, or with the teacher's switch off, the same seed deals the same tasks; with it
// on, a child who took d for b meets them more often.
void TaskRecordsTest::drawsFollowTheSwitch() {
    QFETCH(Deal, deal);
    QFETCH(bool, letters);
    QList<QStringList> dealt;
    for (const int mode : {0, 1, 2}) { // no class, switch off, switch on
        Fixture fx(5);
        fx.writeFile("MOXABC.TXT", wordListBytes(QStringList{"Dach", "Bus", "Oma", "Zug", "Hut",
                                                             "Ei", "Igel", "Rad", "Kuh", "Sofa"}));
        fx.start();
        int child = 0;
        if (mode > 0) {
            ClassRoom& room = fx.app().classRoom();
            room.list().add("Lena", &child);
            room.list().setPractiseWeak(mode == 2);
            TaskRecord confusion = kept("ABC-Lücken", "A _ C", "B", "D", false, 0);
            confusion.when = QDateTime(QDate(2026, 3, 2), QTime(8, 0));
            room.records().record(child, confusion);
            fx.app().session().choose(child);
        }
        QStringList tasks;
        for (int i = 0; i < 100; ++i)
            tasks.append(deal(fx));
        VERIFY_DIALOGS(fx);
        dealt.append(tasks);
    }
    QCOMPARE(dealt[1], dealt[0]);
    QVERIFY(dealt[2] != dealt[0]);
    auto withBD = [](const QStringList& tasks) {
        return std::ranges::count_if(tasks, [](const QString& task) {
            return task.contains(u'B', Qt::CaseInsensitive) ||
                   task.contains(u'D', Qt::CaseInsensitive);
        });
    };
    if (letters)
        QVERIFY2(withBD(dealt[2]) >= 2 * withBD(dealt[0]) && withBD(dealt[0]) > 0,
                 qPrintable(QStringLiteral("%1 %2").arg(withBD(dealt[2])).arg(withBD(dealt[0]))));
}

QTEST_MAIN(TaskRecordsTest)
#include "tst_task_records.moc"
