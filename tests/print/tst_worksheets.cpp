#include "exercises/word_list.h"
#include "fixture.h"
#include "platform/printer.h"
#include "print/heading_label.h"
#include "print/worksheet_window.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>
#include <QToolBar>

namespace {

const QString kPrintTitle = QStringLiteral("D r u c k e n");
const QString kNothingChosen = QStringLiteral("Es sind keine Daten ausgewählt!\r");
const QString kAskWorksheet = QStringLiteral("ABC-Arbeitsblatt jetzt ausdrucken?\r");
const QString kAskSolution = QStringLiteral("ABC-Lösungsblatt jetzt ausdrucken?\r");
const QString kMainTitle = QStringLiteral("M O X - A B C");
const QString kWorksheetFile = QStringLiteral("ABC-Arbeitsblatt.pdf");
const QString kSolutionFile = QStringLiteral("ABC-Loesungsblatt.pdf");

const QList<QPair<QString, int>> kExample{{"Zebra", 40}, {"Apfel", 3}, {"Maus", 20}};

Form8& openPrinting(Fixture& fx) {
    fx.dialogs.expectInput(QStringLiteral("Erst das Passwort eingeben:"),
                           QStringLiteral("Passwort"), QString(), fx.points());
    Fixture::click(fx.main().Bild12);
    return fx.window<Form8>();
}

void clickEntry(Form8& form, int row) {
    QTest::mouseClick(form.Liste1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      form.Liste1->visualItemRect(form.Liste1->item(row)).center());
}

// The printed lines with text, as pdftotext lays them out; pages end in a form feed.
QStringList printedLines(const QString& path) {
    QStringList lines;
    for (const QString& line : pdfText(path).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

bool matches(const QString& line, const QString& pattern) {
    return QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"))
        .match(line)
        .hasMatch();
}

// A stand-in for the system's printer service in its two failure cases.
class MissingPrinter : public SystemPrinter {
public:
    MissingPrinter(const QDir& folder, bool installed)
        : SystemPrinter(folder)
        , installed_(installed) {}

protected:
    bool hasDefaultPrinter() const override { return installed_; }
    bool printOnDefaultPrinter(const PrintJob&) override { return false; }

private:
    bool installed_;
};

} // namespace

class WorksheetsTest : public QObject {
    Q_OBJECT
private slots:
    void printEntryFillsList();
    void choosingEntries();
    void headingEntry_data();
    void headingEntry();
    void printingNeedsChoiceAndYes_data();
    void printingNeedsChoiceAndYes();
    void exampleSheets();
    void identicalEntriesGetBothRanks();
    void sixtyEntriesOnSeveralPages();
    void previewPrintsToFile_data();
    void previewPrintsToFile();
    void withoutPrinterWritesFile_data();
    void withoutPrinterWritesFile();
};

void WorksheetsTest::printEntryFillsList() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"),
                 wordListBytes(kExample + QList<QPair<QString, int>>{{"Bank, die", 17}}));
    fx.start();
    fx.setPoints(QStringLiteral("7"));
    Form8& form = openPrinting(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("A B C - Übung drucken . . ."));
    QStringList items;
    for (int row = 0; row < form.Liste1->count(); ++row)
        items.append(form.Liste1->item(row)->text());
    QCOMPARE(items, (QStringList{"Zebra (Seite 40)", "Apfel (Seite 3)", "Maus (Seite 20)",
                                 "Bank, die (Seite 17)"}));
    QCOMPARE(form.Bezeichnung1->text(), QStringLiteral(" 4 Einträge"));
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" 0 ausgewählt"));
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("W o r t b e d e u t u n g"));
    QCOMPARE(QApplication::focusWidget(), form.Liste1);
    QCOMPARE(fx.points(), QStringLiteral("7"));

    // Leaving keeps the choice; the print entry lists the file afresh and counts again.
    clickEntry(form, 1);
    Fixture::click(form.Befehl1);
    QVERIFY(fx.main().isVisible());
    QCOMPARE(form.Liste1->selectedItems().size(), 1);
    openPrinting(fx);
    QCOMPARE(form.Liste1->count(), 4);
    QVERIFY(form.Liste1->selectedItems().isEmpty());
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" 0 ausgewählt"));
    Fixture::key(&form, Qt::Key_Escape);
    QVERIFY(fx.main().isVisible());
    VERIFY_DIALOGS(fx);
}

void WorksheetsTest::choosingEntries() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(kExample));
    fx.start();
    Form8& form = openPrinting(fx);
    clickEntry(form, 0);
    clickEntry(form, 2);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" 2 ausgewählt"));
    clickEntry(form, 0);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" 1 ausgewählt"));
    QVERIFY(form.Liste1->item(2)->isSelected());
    // Keyboard: Space toggles the current entry.
    form.Liste1->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    QTest::keyClick(form.Liste1, Qt::Key_Space);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" 2 ausgewählt"));
    Fixture::click(form.Befehl4);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" 3 ausgewählt"));
    QCOMPARE(form.Liste1->selectedItems().size(), 3);
    Fixture::click(form.Befehl3);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral(" 0 ausgewählt"));
    QVERIFY(form.Liste1->selectedItems().isEmpty());
    VERIFY_DIALOGS(fx);
}

void WorksheetsTest::headingEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("heading");
    // How many lines the label shows it in; 0 for as many as it takes.
    QTest::addColumn<int>("lines");
    QTest::newRow("new heading") << "Erklärung"
                                 << "Erklärung" << 1;
    QTest::newRow("cancel keeps it") << ""
                                     << "W o r t b e d e u t u n g" << 1;
    QTest::newRow("long heading, broken between words")
        << "Suche jedes Wort im Wörterbuch und schreibe die Seite auf"
        << "Suche jedes Wort im Wörterbuch und schreibe die Seite auf" << 0;
}

void WorksheetsTest::headingEntry() {
    QFETCH(QString, typed);
    QFETCH(QString, heading);
    QFETCH(int, lines);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(kExample));
    fx.start();
    Form8& form = openPrinting(fx);
    fx.dialogs.expectInput(QStringLiteral("Neuer Arbeitsauftrag:"), QStringLiteral("E i n g a b e"),
                           QStringLiteral("W o r t b e d e u t u n g"), typed);
    Fixture::click(form.Befehl6);
    QCOMPARE(form.Bezeichnung3->text(), heading);
    // No word is broken, a spelt-out word neither; it shows with narrow blanks.
    QStringList shown = dynamic_cast<HeadingLabel&>(*form.Bezeichnung3).lines();
    if (lines > 0)
        QCOMPARE(shown.size(), lines);
    QCOMPARE(shown.join(u' ').replace(QChar(0x202F), u' '), heading);
    // The heading outlasts leaving and reopening.
    Fixture::click(form.Befehl1);
    openPrinting(fx);
    QCOMPARE(form.Bezeichnung3->text(), heading);
    VERIFY_DIALOGS(fx);
}

void WorksheetsTest::printingNeedsChoiceAndYes_data() {
    QTest::addColumn<QPushButton * Form8::*>("button");
    QTest::addColumn<bool>("chooseAll");
    QTest::newRow("worksheet, nothing chosen") << &Form8::Befehl2 << false;
    QTest::newRow("worksheet, answered No") << &Form8::Befehl2 << true;
    QTest::newRow("solution, nothing chosen") << &Form8::Befehl5 << false;
    QTest::newRow("solution, answered No") << &Form8::Befehl5 << true;
    QTest::newRow("preview, nothing chosen") << &Form8::Befehl7 << false;
}

void WorksheetsTest::printingNeedsChoiceAndYes() {
    using Button = QPushButton* Form8::*;
    QFETCH(Button, button);
    QFETCH(bool, chooseAll);
    const bool solution = button == &Form8::Befehl5;
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(kExample));
    fx.start();
    Form8& form = openPrinting(fx);
    if (chooseAll) {
        Fixture::click(form.Befehl4);
        fx.dialogs.expectMessage(solution ? kAskSolution : kAskWorksheet, kMainTitle,
                                 MsgBox::YesNoQuestion, MsgBox::No);
    } else {
        Fixture::click(form.Befehl4);
        Fixture::click(form.Befehl3);
        fx.dialogs.expectMessage(kNothingChosen, kPrintTitle, MsgBox::OkOnly);
    }
    Fixture::click(form.*button);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.printer.jobs, 0);
    QVERIFY(form.isVisible());
}

// Zebra 40, Apfel 3 and Maus 20 in this order: both sheets keep the order of the list, the
// worksheet with blanks to fill in, the solution sheet with ranks 3, 1, 2 and the pages.
void WorksheetsTest::exampleSheets() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(kExample));
    fx.start();
    Form8& form = openPrinting(fx);
    fx.dialogs.expectInput(QStringLiteral("Neuer Arbeitsauftrag:"), QStringLiteral("E i n g a b e"),
                           QStringLiteral("W o r t b e d e u t u n g"),
                           QStringLiteral("Erklärung"));
    Fixture::click(form.Befehl6);
    Fixture::click(form.Befehl4);
    fx.dialogs.expectMessage(kAskWorksheet, kMainTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    fx.dialogs.expectMessage(kAskSolution, kMainTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(form.Befehl2);
    Fixture::click(form.Befehl5);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.printer.jobs, 2);

    const QString heading = QStringLiteral("ABC\\s+W o r t\\s+Erklärung\\s+Seite");
    const QString dots = QStringLiteral("\\.{60}");
    const QStringList worksheet = printedLines(fx.printer.filePath(kWorksheetFile));
    QCOMPARE(worksheet.size(), 5);
    QVERIFY2(matches(worksheet.at(0), heading), qPrintable(worksheet.at(0)));
    QVERIFY2(matches(worksheet.at(1), QStringLiteral("_{50}")), qPrintable(worksheet.at(1)));
    const QStringList words{"Zebra", "Apfel", "Maus"};
    for (int entry = 0; entry < 3; ++entry) {
        const QString& line = worksheet.at(2 + entry);
        QVERIFY2(
            matches(line,
                    QStringLiteral("___\\.\\s+%1\\s+%2\\s+S\\.___").arg(words.at(entry), dots)),
            qPrintable(line));
    }

    const QStringList solution = printedLines(fx.printer.filePath(kSolutionFile));
    QCOMPARE(solution.size(), 5);
    QVERIFY2(matches(solution.at(0), heading), qPrintable(solution.at(0)));
    const QStringList expected{"3\\.\\s+Zebra\\s+%1\\s+40", "1\\.\\s+Apfel\\s+%1\\s+3",
                               "2\\.\\s+Maus\\s+%1\\s+20"};
    for (int entry = 0; entry < 3; ++entry) {
        const QString& line = solution.at(2 + entry);
        QVERIFY2(matches(line, expected.at(entry).arg(dots)), qPrintable(line));
    }
    QCOMPARE(form.Liste2->texts(),
             (QStringList{"Apfel (Seite 3)", "Maus (Seite 20)", "Zebra (Seite 40)"}));
}

// Two identical entries share the ranks 1 and 2; the second rank starts a new line.
void WorksheetsTest::identicalEntriesGetBothRanks() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Igel", 9}, {"Igel", 9}}));
    fx.start();
    Form8& form = openPrinting(fx);
    Fixture::click(form.Befehl4);
    fx.dialogs.expectMessage(kAskSolution, kMainTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(form.Befehl5);
    VERIFY_DIALOGS(fx);
    const QStringList solution = printedLines(fx.printer.filePath(kSolutionFile));
    QCOMPARE(solution.mid(2), (QStringList{"1.", solution.at(3), "1.", solution.at(3)}));
    QVERIFY2(matches(solution.at(3), QStringLiteral("2\\.\\s+Igel\\s+\\.{60}\\s+9")),
             qPrintable(solution.at(3)));
}

void WorksheetsTest::sixtyEntriesOnSeveralPages() {
    Fixture fx;
    QList<QPair<QString, int>> sixty;
    for (int i = 1; i <= 60; ++i)
        sixty.append({QStringLiteral("Wort%1").arg(i, 2, 10, QLatin1Char('0')), i});
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(sixty));
    fx.start();
    Form8& form = openPrinting(fx);
    Fixture::click(form.Befehl4);
    fx.dialogs.expectMessage(kAskWorksheet, kMainTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    fx.dialogs.expectMessage(kAskSolution, kMainTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(form.Befehl2);
    Fixture::click(form.Befehl5);
    VERIFY_DIALOGS(fx);
    for (const QString& file : {kWorksheetFile, kSolutionFile}) {
        const QStringList pages =
            pdfText(fx.printer.filePath(file)).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(file));
        QString all;
        for (const QString& page : pages) {
            QVERIFY2(page.contains(QStringLiteral("Wort")), qPrintable(file));
            all += page;
        }
        QCOMPARE(all.count(QStringLiteral("ABC")), 1);
        for (int i = 1; i <= 60; ++i)
            QCOMPARE(all.count(QStringLiteral("Wort%1 ").arg(i, 2, 10, QLatin1Char('0'))), 1);
    }

    // The preview shows each sheet on the pages it was printed on, and prints it the same.
    QStringList sheetsShown;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        QVERIFY(preview);
        const auto close = qScopeGuard([preview] { preview->reject(); });
        QCOMPARE(preview->windowTitle(), QStringLiteral("Vorschau"));
        auto* sheet = preview->findChild<QComboBox*>(QStringLiteral("Blatt"));
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        for (int index = 0; index < sheet->count(); ++index) {
            sheet->setCurrentIndex(index);
            sheetsShown.append(sheet->currentText());
            const QString printed =
                fx.printer.filePath(index == 0 ? kWorksheetFile : kSolutionFile);
            QCOMPARE(QFileInfo(preview->printer()->outputFileName()).fileName(),
                     QFileInfo(printed).fileName());
            const QString fromPreview = fx.path() + QStringLiteral("/vorschau.pdf");
            preview->printer()->setOutputFileName(fromPreview);
            pages->print();
            QCOMPARE(pages->pageCount(), pdfText(printed).count(u'\f'));
            QCOMPARE(pdfText(fromPreview), pdfText(printed));
        }
    });
    Fixture::click(form.Befehl7);
    QCOMPARE(sheetsShown, (QStringList{"ABC-Arbeitsblatt", "ABC-Lösungsblatt"}));
    VERIFY_DIALOGS(fx);
}

void WorksheetsTest::previewPrintsToFile_data() {
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("message");
    QTest::newRow("worksheet") << 0
                               << "Das Arbeitsblatt steht jetzt in der Datei "
                                  "ABC-Arbeitsblatt.pdf\rim Ordner %1\r";
    QTest::newRow("solution") << 1
                              << "Das Lösungsblatt steht jetzt in der Datei "
                                 "ABC-Loesungsblatt.pdf\rim Ordner %1\r";
}

// The print button stays in sight, and printing into a file says where the file went.
void WorksheetsTest::previewPrintsToFile() {
    QFETCH(int, sheet);
    QFETCH(QString, message);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(kExample));
    fx.start();
    Form8& form = openPrinting(fx);
    Fixture::click(form.Befehl4);
    const QString file = fx.printer.filePath(sheet == 0 ? kWorksheetFile : kSolutionFile);
    fx.dialogs.expectMessage(message.arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())),
                             kPrintTitle, MsgBox::OkOnly);
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        QVERIFY(preview);
        auto close = qScopeGuard([preview] { preview->reject(); });
        preview->findChild<QComboBox*>(QStringLiteral("Blatt"))->setCurrentIndex(sheet);
        auto* print = preview->findChild<QAction*>(QStringLiteral("Drucken"));
        QVERIFY(print);
        auto* tools = preview->findChild<QToolBar*>();
        QWidget* button = tools->widgetForAction(print);
        QVERIFY(button && button->isVisible());
        QVERIFY(tools->rect().contains(button->geometry()));
        // Qt asks for the printer first; its choice stands: the file of the sheet.
        QTimer::singleShot(0, [] {
            auto* printer = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(printer);
            printer->accept();
        });
        close.dismiss();
        print->trigger();
    });
    Fixture::click(form.Befehl7);
    QVERIFY(QFileInfo(file).size() > 0);
    VERIFY_DIALOGS(fx);
}

void WorksheetsTest::withoutPrinterWritesFile_data() {
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("message");
    QTest::newRow("no printer") << false << true
                                << "Es ist kein Drucker eingerichtet.\rDas Arbeitsblatt steht "
                                   "jetzt in der Datei ABC-Arbeitsblatt.pdf\rim Ordner %1\r";
    QTest::newRow("printer fails") << true << true
                                   << "Der Drucker meldet einen Fehler.\rDas Arbeitsblatt steht "
                                      "jetzt in der Datei ABC-Arbeitsblatt.pdf\rim Ordner %1\r";
    QTest::newRow("file cannot be written either")
        << false << false
        << "Das Arbeitsblatt konnte weder gedruckt noch als Datei ABC-Arbeitsblatt.pdf\rim "
           "Ordner %1\rgespeichert werden.\rUnter ihrem Namen steht ein Ordner oder eine "
           "besondere Datei, und die lässt MOX-ABC, wie sie ist.\r";
}

void WorksheetsTest::withoutPrinterWritesFile() {
    QFETCH(bool, installed);
    QFETCH(bool, writable);
    QFETCH(QString, message);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(kExample));
    // An older sheet is replaced only by a complete new one; a folder of that name cannot be.
    if (writable)
        fx.writeFile(kWorksheetFile, "altes Blatt");
    else
        QDir(fx.path()).mkdir(kWorksheetFile);
    fx.start();
    MissingPrinter printer(QDir(fx.path()), installed);
    fx.app().setPrinter(printer);
    Form8& form = openPrinting(fx);
    Fixture::click(form.Befehl4);
    fx.dialogs.expectMessage(kAskWorksheet, kMainTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    fx.dialogs.expectMessage(message.arg(QDir::toNativeSeparators(QDir(fx.path()).absolutePath())),
                             kPrintTitle, MsgBox::OkOnly);
    Fixture::click(form.Befehl2);
    VERIFY_DIALOGS(fx);
    if (writable) {
        const QStringList sheet = printedLines(QDir(fx.path()).filePath(kWorksheetFile));
        QCOMPARE(sheet.size(), 5);
        QVERIFY(sheet.at(2).contains(QStringLiteral("Zebra")));
    }
    QCOMPARE(QDir(fx.path()).entryList({QStringLiteral("ABC-*")}, QDir::AllEntries),
             QStringList{kWorksheetFile});
}

QTEST_MAIN(WorksheetsTest)
#include "tst_worksheets.moc"
