#include "fixture.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "klasse/klasse_window.h"
#include "klasse/who_are_you_window.h"
#include "lernstand/lernstand_window.h"
#include "lernstand/week_chart.h"
#include "read_only_view.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <ctime>

namespace {
const QString kPassword = "Erst das Passwort eingeben:";
const QString kYear = "Neues Schuljahr";

TaskRecord task(const QString& day, const QString& exercise, const QString& expected,
                const QString& answer, bool right, const QString& dealt = "A _ C",
                const QString& computer = "pc1") {
    return {QDateTime::fromString(day + "T12:00:00Z", Qt::ISODate),
            computer,
            exercise,
            dealt,
            expected,
            answer,
            right,
            right ? 1.0 : 0.0,
            3.5};
}

// Lena (1) and Tim (2), today Tuesday 8 December 2026; Lena practised on two computers, and
// each child's file has a damaged line.
void writeClass(Fixture& fx) {
    ClassList list;
    list.add("Lena");
    list.add("Tim");
    list.setPasswordHash(Password::hash("Eule 7"));
    fx.writeFile("KLASSE.TXT", list.toBytes());
    RecordBook pc1(fx.path() + "/Lernstand", "pc1");
    RecordBook pc2(fx.path() + "/Lernstand", "pc2");
    for (const TaskRecord& lena :
         {task("2026-09-10", "ABC-Reihe", "B", "D", false),
          task("2026-11-17", "ABC-Reihe", "B", "D", false),
          task("2026-11-18", "ABC-Reihe", "B", "B", true),
          task("2026-12-07", "ABC-Reihe", "B", "d", false),
          task("2026-12-08", "ABC-Reihe", "M", "M", true),
          task("2026-12-08", "Galgenspiel", "Hund", "hxu", false, "_ _ _ _"),
          task("2026-12-08", "ABC-Reihe", "K", "", false),
          {QDateTime::fromString("2026-12-08T13:00:00Z", Qt::ISODate), "pc1", "Belohnung",
           "Belohnung", "", "", true, -30, 0}})
        QVERIFY(pc1.record(1, lena));
    QVERIFY(pc2.record(1, task("2026-11-30", "ABC-Lücken", "ß", "s", false, "A _ C", "pc2")));
    QVERIFY(pc2.record(
        2, task("2026-12-01", "ABC-Bilder", "Hase", "Hase", true, "Sag \"Hase\"; bitte", "pc2")));
    QFile damaged(fx.path() + "/Lernstand/kind1@pc1.txt");
    QVERIFY(damaged.open(QIODevice::Append));
    damaged.write("2026-12-08T12:00:00Z\tpc1\tABC-Reihe\tkaputt\n");
    QFile torn(fx.path() + "/Lernstand/kind2@pc2.txt");
    QVERIFY(torn.open(QIODevice::Append));
    torn.write("2026-12-0");
}

KlasseWindow& openClass(Fixture& fx) {
    fx.start();
    Fixture::click(fx.window<WhoAreYouWindow>().pictures.value(0));
    fx.app().setClock([] { return QDateTime::fromString("2026-12-08T15:00:00Z", Qt::ISODate); });
    fx.dialogs.expectInput(kPassword, "Passwort", QString(), "Eule 7");
    Fixture::key(&fx.main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    return fx.window<KlasseWindow>();
}

LernstandWindow& openOverview(Fixture& fx) {
    KlasseWindow& klasse = openClass(fx);
    Fixture::click(klasse.overviewButton);
    return fx.window<LernstandWindow>();
}

QStringList rows(const LernstandWindow& window) {
    QStringList texts;
    for (const QStringList& row : window.shownRows())
        texts.append(row.join(" | "));
    return texts;
}

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// Blanks left out: how wide a gap the PDF reader sees differs from column to column.
QString unblanked(const QString& text) {
    return text.simplified().remove(u' ');
}

void clickRow(LernstandWindow& window, int row) {
    const QRect cell = window.table->visualRect(window.table->model()->index(row, 0));
    QTest::mouseClick(window.table->viewport(), Qt::LeftButton, {}, cell.center());
}

// A field list per line, read as a spreadsheet reads the file: quotes hold semicolons, line
// breaks and doubled quotes.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> lines{{}};
    QString field;
    bool quoted = false;
    const auto after = [&text](qsizetype i) {
        return i + 1 < text.size() ? text.at(i + 1) : QChar();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == u'"' && after(i) == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u';') {
            lines.last().append(std::exchange(field, {}));
        } else if (!quoted && c == u'\r' && after(i) == u'\n') {
            lines.last().append(std::exchange(field, {}));
            lines.append(QStringList{});
            ++i;
        } else {
            field += c;
        }
    }
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

// The teacher's overview of the class's records, the report, the export and a new school year.
class LernstandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void overviewOfPeriod_data();
    void overviewOfPeriod();
    void sortAndFilter();
    void reportThroughPrintPath();
    void csvReadBack_data();
    void csvReadBack();
    void unwritableRecordsToldOnce_data();
    void unwritableRecordsToldOnce();
    void newSchoolYear_data();
    void newSchoolYear();
};

void LernstandTest::initTestCase() {
    // Days are counted on the computer's calendar: the same one on every machine.
    qputenv("TZ", "UTC");
    tzset();
}

void LernstandTest::overviewOfPeriod_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<QStringList>("confusions");
    QTest::addColumn<QStringList>("trends");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<QStringList>("weeksPractised");
    QTest::newRow("diese Woche") << 0
                                 << QStringList{"Lena | ABC-Reihe | 3 | 33 % | 08.12.2026",
                                                "Lena | Galgenspiel | 1 | 0 % | 08.12.2026",
                                                "Tim |  | 0 | – | "}
                                 << QStringList{"d statt b: 1-mal"}
                                 << QStringList{"ABC-Reihe: 0 % → 50 % (besser)",
                                                "Galgenspiel: – → 0 % (–)"}
                                 << 1 << QStringList{"07.12.2026: 4"};
    QTest::newRow("4 Wochen") << 1
                              << QStringList{"Lena | ABC-Lücken | 1 | 0 % | 30.11.2026",
                                             "Lena | ABC-Reihe | 5 | 40 % | 08.12.2026",
                                             "Lena | Galgenspiel | 1 | 0 % | 08.12.2026",
                                             "Tim | ABC-Bilder | 1 | 100 % | 01.12.2026"}
                              << QStringList{"d statt b: 2-mal", "s statt ß: 1-mal"}
                              << QStringList{"ABC-Lücken: – → 0 % (–)",
                                             "ABC-Reihe: 50 % → 33 % (schlechter)",
                                             "Galgenspiel: – → 0 % (–)"}
                              << 4
                              << QStringList{"16.11.2026: 2", "30.11.2026: 1", "07.12.2026: 4"};
    QTest::newRow("Schuljahr from the 1st of August")
        << 2
        << QStringList{"Lena | ABC-Lücken | 1 | 0 % | 30.11.2026",
                       "Lena | ABC-Reihe | 6 | 33 % | 08.12.2026",
                       "Lena | Galgenspiel | 1 | 0 % | 08.12.2026",
                       "Tim | ABC-Bilder | 1 | 100 % | 01.12.2026"}
        << QStringList{"d statt b: 3-mal", "s statt ß: 1-mal"}
        << QStringList{"ABC-Lücken: – → 0 % (–)", "ABC-Reihe: 0 % → 40 % (besser)",
                       "Galgenspiel: – → 0 % (–)"}
        << 20 << QStringList{"07.09.2026: 1", "16.11.2026: 2", "30.11.2026: 1", "07.12.2026: 4"};
}

// The period chosen, the table counts each child's tasks per exercise, and Lena's row shows her
// mix-ups, her wrong words, each exercise's trend and her weeks.
void LernstandTest::overviewOfPeriod() {
    QFETCH(int, period);
    QFETCH(QStringList, table);
    QFETCH(QStringList, confusions);
    QFETCH(QStringList, trends);
    QFETCH(int, weeks);
    QFETCH(QStringList, weeksPractised);
    Fixture fx;
    writeClass(fx);
    LernstandWindow& window = openOverview(fx);
    VERIFY_DIALOGS(fx);
    QVERIFY(window.isVisible());
    QCOMPARE(window.periodChoice->currentText(), "4 Wochen");
    window.periodChoice->setFocus();
    QTest::keyClick(window.periodChoice, period == 0 ? Qt::Key_Up : Qt::Key_Down);
    if (period == 1)
        QTest::keyClick(window.periodChoice, Qt::Key_Up);
    QCOMPARE(window.periodChoice->currentIndex(), period);
    QCOMPARE(rows(window), table);
    QCOMPARE(window.skipped->text(), "2 beschädigte Zeilen übersprungen");

    clickRow(window, int(table.size()) - 1);
    QCOMPARE(window.childName->text(), "Tim");
    clickRow(window, 0);
    QCOMPARE(window.childName->text(), "Lena");
    QCOMPARE(items(window.confusions), confusions);
    QCOMPARE(items(window.words), QStringList{"Hund: 1-mal"});
    QCOMPARE(items(window.trends), trends);
    const QList<LearningFigures::WeekBar>& bars = window.weeks->weeks();
    QCOMPARE(bars.size(), weeks);
    QStringList practised;
    const qreal tallest = window.weeks->barRect(bars.size() - 1).height();
    QVERIFY(tallest > 0);
    for (qsizetype week = 0; week < bars.size(); ++week) {
        if (bars[week].tasks > 0)
            practised.append(LearningFigures::dateText(bars[week].monday) + ": " +
                             QString::number(bars[week].tasks));
        QCOMPARE(window.weeks->barRect(week).height(), tallest * bars[week].tasks / 4);
    }
    QCOMPARE(practised, weeksPractised);
    QVERIFY(window.weeks->accessibleDescription().contains("Woche ab 07.12.2026: 4"));
}

// A click on a heading sorts by that column, a second click the other way; the search keeps
// the rows whose child or exercise holds the text.
void LernstandTest::sortAndFilter() {
    Fixture fx;
    writeClass(fx);
    LernstandWindow& window = openOverview(fx);
    QHeaderView* header = window.table->horizontalHeader();
    const auto clickHeading = [&](int column) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    clickHeading(LernstandWindow::ShareColumn);
    QCOMPARE(window.shownRows().first().at(LernstandWindow::ShareColumn), "0 %");
    QCOMPARE(window.shownRows().last().at(LernstandWindow::ShareColumn), "100 %");
    clickHeading(LernstandWindow::ShareColumn);
    QCOMPARE(window.shownRows().first().at(LernstandWindow::ShareColumn), "100 %");
    clickHeading(LernstandWindow::TasksColumn);
    QCOMPARE(window.shownRows().last().at(LernstandWindow::TasksColumn), "5");
    clickHeading(LernstandWindow::LastColumn);
    QCOMPARE(window.shownRows().first().at(LernstandWindow::LastColumn), "30.11.2026");
    QTest::keyClicks(window.filter, "REIHE");
    QCOMPARE(rows(window), QStringList{"Lena | ABC-Reihe | 5 | 40 % | 08.12.2026"});
    window.filter->clear();
    QTest::keyClicks(window.filter, "tim");
    QCOMPARE(rows(window), QStringList{"Tim | ABC-Bilder | 1 | 100 % | 01.12.2026"});
    Fixture::click(window.backButton);
    QVERIFY(!window.isVisible());
    QVERIFY(fx.window<KlasseWindow>().isVisible());
}

// The report of the child chosen and of the whole class, one page each, in the preview that
// prints them.
void LernstandTest::reportThroughPrintPath() {
    Fixture fx;
    writeClass(fx);
    LernstandWindow& window = openOverview(fx);
    clickRow(window, 0);
    QStringList sheets;
    QStringList printed;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        QVERIFY(preview);
        const auto close = qScopeGuard([preview] { preview->reject(); });
        auto* sheet = preview->findChild<QComboBox*>("Blatt");
        for (int index = 0; index < sheet->count(); ++index) {
            sheet->setCurrentIndex(index);
            sheets.append(sheet->currentText());
            const QString file = fx.path() + QString("/bericht%1.pdf").arg(index);
            preview->printer()->setOutputFileName(file);
            preview->findChild<QPrintPreviewWidget*>()->print();
            printed.append(pdfText(file));
        }
    });
    Fixture::click(window.reportButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(sheets, (QStringList{"Lernstand Lena", "Lernstand der Klasse"}));
    QCOMPARE(printed.size(), 2);
    QCOMPARE(
        unblanked(printed[0]),
        unblanked(
            "Lernstand von Lena Zeitraum: 4 Wochen (16.11.2026 bis 08.12.2026) Lena hat 7 "
            "Aufgaben gelöst, in 3 von 4 Wochen. Übung Aufgaben richtig Entwicklung ABC-Lücken "
            "1 0 % – ABC-Reihe 5 40 % schlechter Galgenspiel 1 0 % – Das üben wir als "
            "Nächstes: Buchstaben: b, ß Verwechselt: d statt b (2-mal), s statt ß (1-mal) "
            "Wörter: Hund"));
    const QStringList pages = printed[1].split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(unblanked(pages[0]), unblanked(printed[0]));
    QCOMPARE(unblanked(pages[1]),
             unblanked(
                 "Lernstand von Tim Zeitraum: 4 Wochen (16.11.2026 bis 08.12.2026) Tim hat 1 "
                 "Aufgabe gelöst, in 1 von 4 Wochen. Übung Aufgaben richtig Entwicklung ABC-Bilder "
                 "1 100 % – Das klappt schon gut: ABC-Bilder. Bei Buchstaben und Wörtern ist kaum "
                 "etwas danebengegangen."));
}

void LernstandTest::csvReadBack_data() {
    QTest::addColumn<QString>("chosen"); // in the working folder; empty: cancelled
    QTest::addColumn<QString>("message");
    QTest::newRow("written") << "Klasse 1a.csv"
                             << "Der Lernstand steht jetzt in der Datei Klasse 1a.csv\rim Ordner "
                                "%1\r2 beschädigte Zeilen übersprungen.\r";
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("folder missing") << "fehlt/Klasse.csv"
                                    << "Die Datei 'Klasse.csv' kann nicht gespeichert werden!\r";
}

// Every task as a line a German spreadsheet reads as it is: the file read back field by field.
void LernstandTest::csvReadBack() {
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    Fixture fx;
    writeClass(fx);
    KlasseWindow& klasse = openClass(fx);
    const QString path = chosen.isEmpty() ? QString() : fx.path() + "/" + chosen;
    fx.dialogs.expectSaveFile("Exportieren", fx.path() + "/Lernstand.csv", path);
    if (!message.isEmpty())
        fx.dialogs.expectMessage(QString(message).replace("%1", fx.path()), "Exportieren",
                                 MsgBox::OkOnly);
    Fixture::click(klasse.exportButton);
    VERIFY_DIALOGS(fx);
    if (!message.startsWith("Der Lernstand")) {
        QVERIFY(path.isEmpty() || !QFile::exists(path));
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes.count("\r\n"), 11);
    QCOMPARE(bytes.count("\n"), 11);
    const QList<QStringList> lines = readCsv(QString::fromUtf8(bytes.mid(3)));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], (QStringList{"Kind", "Datum", "Uhrzeit", "Rechner", "Übung", "Aufgabe",
                                    "Richtig wäre", "Antwort", "Ergebnis", "Punkte", "Sekunden"}));
    QCOMPARE(lines[1], (QStringList{"Lena", "10.09.2026", "12:00:00", "pc1", "ABC-Reihe", "A _ C",
                                    "B", "D", "falsch", "0", "3,5"}));
    QCOMPARE(lines[4], (QStringList{"Lena", "30.11.2026", "12:00:00", "pc2", "ABC-Lücken", "A _ C",
                                    "ß", "s", "falsch", "0", "3,5"}));
    QCOMPARE(lines[9], (QStringList{"Lena", "08.12.2026", "13:00:00", "pc1", "Belohnung",
                                    "Belohnung", "", "", "richtig", "-30", "0,0"}));
    QCOMPARE(lines[10],
             (QStringList{"Tim", "01.12.2026", "12:00:00", "pc2", "ABC-Bilder",
                          "Sag \"Hase\"; bitte", "Hase", "Hase", "richtig", "1", "3,5"}));
    QVERIFY(bytes.contains(";\"Sag \"\"Hase\"\"; bitte\";"));
}

void LernstandTest::unwritableRecordsToldOnce_data() {
    QTest::addColumn<bool>("share"); // a read-only share, else a file in the folder's place
    QTest::addColumn<QString>("why");
    QTest::newRow("read-only share") << true << "Er ist schreibgeschützt.";
    QTest::newRow("a file in its place") << false << "Er fehlt und lässt sich nicht anlegen.";
}

// A child plays on where nothing can be written; the teacher is told once, at the next
// teacher's entry.
void LernstandTest::unwritableRecordsToldOnce() {
    QFETCH(bool, share);
    QFETCH(QString, why);
    Fixture fx;
    writeClass(fx);
    QTemporaryDir shared;
    QVERIFY(QDir(shared.path()).mkdir("Lernstand"));
    std::unique_ptr<ReadOnlyView> view;
    QString folder = shared.path() + "/Lernstand";
    if (share) {
        view = std::make_unique<ReadOnlyView>(shared.path());
        if (!view->ok)
            QSKIP("a read-only bind mount needs the superuser");
        folder = view->path() + "/Lernstand";
    } else {
        QVERIFY(QDir(folder).removeRecursively());
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    fx.writeProgramSettings("system", "[Klasse]\nLernstand=" + folder.toUtf8() + "\n");
    fx.start();
    Fixture::click(fx.window<WhoAreYouWindow>().pictures.value(0));
    fx.app().recordTask(task("2026-12-08", "ABC-Reihe", "B", "B", true));
    fx.dialogs.expectInput(kPassword, "Passwort", QString(), "Eule 7");
    fx.dialogs.expectMessage("In den Ordner für den Lernstand\r" + folder +
                                 "\rkann MOX-ABC nicht schreiben: " + why +
                                 "\rDie Kinder können weiter üben, aber was sie tun, wird nicht "
                                 "aufgeschrieben.\r",
                             "Lernstand", MsgBox::OkOnly);
    Fixture::key(&fx.main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    VERIFY_DIALOGS(fx);
    Fixture::click(fx.window<KlasseWindow>().backButton);
    fx.app().recordTask(task("2026-12-08", "ABC-Reihe", "C", "C", true));
    fx.dialogs.expectInput(kPassword, "Passwort", QString(), "Eule 7");
    Fixture::key(&fx.main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.window<KlasseWindow>().isVisible());
}

void LernstandTest::newSchoolYear_data() {
    QTest::addColumn<bool>("earlier"); // an archive of the same day stands there already
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("done"); // the last message
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QStringList>("left");
    const QStringList all{"kind1@pc1.txt", "kind1@pc2.txt", "kind2@pc2.txt"};
    QTest::newRow("archived") << false << QList<int>{MsgBox::Yes}
                              << "Das alte Schuljahr steht jetzt im Ordner\r%1/Archiv-2026-12-08\r"
                              << "Archiv-2026-12-08" << QStringList{};
    QTest::newRow("archived beside one of the same day")
        << true << QList<int>{MsgBox::Yes}
        << "Das alte Schuljahr steht jetzt im Ordner\r%1/Archiv-2026-12-08-2\r"
        << "Archiv-2026-12-08-2" << QStringList{};
    QTest::newRow("deleted") << false << QList<int>{MsgBox::No, MsgBox::Yes}
                             << "Alles Aufgeschriebene ist gelöscht.\r"
                             << "" << QStringList{};
    QTest::newRow("deleting declined") << false << QList<int>{MsgBox::No, MsgBox::No} << ""
                                       << "" << all;
    QTest::newRow("cancelled") << false << QList<int>{MsgBox::Cancel} << ""
                               << "" << all;
}

// Archive or delete, each asked first; the class list stays and the points start again at 0.
void LernstandTest::newSchoolYear() {
    QFETCH(bool, earlier);
    QFETCH(QList<int>, answers);
    QFETCH(QString, done);
    QFETCH(QString, archive);
    QFETCH(QStringList, left);
    Fixture fx;
    writeClass(fx);
    const QString folder = fx.path() + "/Lernstand";
    if (earlier)
        QVERIFY(QDir(folder).mkdir("Archiv-2026-12-08"));
    KlasseWindow& klasse = openClass(fx);
    fx.dialogs.expectMessage(
        "Ein neues Schuljahr beginnen?\rWas die Kinder bisher geübt haben, zählt dann nicht mehr "
        "mit,\rund ihre Punkte beginnen wieder bei 0.\r\rJa: ins Archiv im Ordner\r" +
            folder + "\rNein: ganz löschen\r",
        kYear, MsgBox::YesNoCancelQuestion, answers[0]);
    if (answers[0] == MsgBox::No)
        fx.dialogs.expectMessage("Wirklich alles löschen, was die Kinder bisher geübt haben?\rDas "
                                 "lässt sich nicht rückgängig machen.\r",
                                 kYear, MsgBox::YesNoQuestion, answers[1]);
    if (!done.isEmpty())
        fx.dialogs.expectMessage(QString(done).replace("%1", folder), kYear, MsgBox::OkOnly);
    Fixture::click(klasse.schoolYearButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), left);
    if (!archive.isEmpty())
        QCOMPARE(QDir(folder + "/" + archive).entryList(QDir::Files, QDir::Name).size(), 3);
    // The child at the computer sees their new total at once.
    QCOMPARE(fx.app().pointsCaption(), left.isEmpty() ? "0" : "-28");
    QCOMPARE(fx.app().session().choose(1), left.isEmpty() ? 0.0 : -28.0);
    QCOMPARE(readClassList(fx.path() + "/KLASSE.TXT").list.children().size(), 2);
}

QTEST_MAIN(LernstandTest)
#include "tst_lernstand.moc"
