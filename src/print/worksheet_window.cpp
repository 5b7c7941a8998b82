#include "print/worksheet_window.h"

#include "app/mox_app.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/printer.h"
#include "platform/twips.h"
#include "platform/write_access.h"
#include "print/heading_label.h"
#include "print/sheet_preview.h"
#include "print/worksheets.h"
#include "syllables/reading_help.h"
#include "syllables/reading_help_switches.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {
const QString kPrintTitle = QStringLiteral("D r u c k e n");

QString fileAndFolder(const QString& path) {
    const QFileInfo file(path);
    return QStringLiteral("Datei ") + file.fileName() + QStringLiteral("\rim Ordner ") +
           QDir::toNativeSeparators(file.absolutePath()) + u'\r';
}

// The sheets show the words as the windows do.
Worksheets::Look sheetLook(const ReadingHelp& help) {
    return {help.readingFontOn(), help.syllablesOn() ? &help.syllables() : nullptr};
}
} // namespace

Form8::Form8(MoxApp& app)
    : app_(app) {
    setWindowTitle(QStringLiteral("A B C - Übung drucken . . ."));
    setBackgroundColor(QColor(255, 250, 235));
    // Below the given buttons, room for one more: the preview.
    setClientSize(6015, 5340);

    Liste1 = new QListWidget(this);
    Liste1->setSelectionMode(QAbstractItemView::MultiSelection);
    Liste1->setUniformItemSizes(true);
    Liste1->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9.75));
    Liste1->setAccessibleName(QStringLiteral("Wörterliste"));
    place(Liste1, 240, 360, 3855, 4110);
    connect(Liste1, &QListWidget::itemSelectionChanged, this, &Form8::Liste1_Click);

    Liste2 = new AbcListBox(this);
    Liste2->hide();

    auto button = [this](const QString& caption, int top, void (Form8::*click)()) {
        auto* created = new QPushButton(caption, this);
        place(created, 4320, top, 1455, 495);
        connect(created, &QPushButton::clicked, this, click);
        return created;
    };
    Befehl1 = button(QStringLiteral("Abbrechen"), 360, &Form8::Befehl1_Click);
    Befehl4 = button(QStringLiteral("alle wählen"), 960, &Form8::Befehl4_Click);
    Befehl3 = button(QStringLiteral("alle löschen"), 1560, &Form8::Befehl3_Click);
    Befehl2 = button(QStringLiteral("Drucken"), 2160, &Form8::Befehl2_Click);
    Befehl5 = button(QStringLiteral("Lösung"), 2760, &Form8::Befehl5_Click);
    Befehl6 = button(QStringLiteral("Blatteintrag"), 3360, &Form8::Befehl6_Click);
    Befehl7 = button(QStringLiteral("Vorschau"), 4680, &Form8::Befehl7_Click);

    Bezeichnung3 = new HeadingLabel(QStringLiteral("W o r t b e d e u t u n g"), this);
    Bezeichnung3->setAlignment(Qt::AlignCenter);
    Bezeichnung3->setStyleSheet(QStringLiteral("background: %1; border: 1px solid rgb(200,170,80);")
                                    .arg(Colors::LightYellow.name()));
    Bezeichnung3->setAccessibleDescription(QStringLiteral("Überschrift der mittleren Spalte"));
    place(Bezeichnung3, 4320, 3960, 1455, 615);

    // Above the entries, where the window's controls leave a strip free.
    listName = new QLabel(this);
    listName->setTextFormat(Qt::PlainText);
    place(listName, 240, 60, 3855, 255);

    Bezeichnung1 = new QLabel(this);
    place(Bezeichnung1, 240, 4560, 1815, 255);
    Bezeichnung2 = new QLabel(this);
    place(Bezeichnung2, 2160, 4560, 1935, 255);

    new ReadingHelpSwitches(app_.readingHelp(), this, 240, 4920);
}

void Form8::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void Form8::Form_Activate() {
    Liste1->setFocus();
}

void Form8::fillList(const QList<WordEntry>& entries, const QString& name) {
    listName->setText(QStringLiteral("Liste: ") + name);
    entries_ = entries;
    QStringList items;
    items.reserve(entries.size());
    for (const WordEntry& entry : entries)
        items.append(Worksheets::listItem(entry));
    Liste1->clear();
    Liste1->addItems(items);
    if (!items.isEmpty())
        Liste1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    Bezeichnung1->setText(numberText(static_cast<double>(items.size())) +
                          QStringLiteral(" Einträge"));
    showChosenCount(0);
}

void Form8::showChosenCount(qsizetype count) {
    Bezeichnung2->setText(numberText(static_cast<double>(count)) + QStringLiteral(" ausgewählt"));
}

void Form8::Liste1_Click() {
    showChosenCount(Liste1->selectionModel()->selectedRows().size());
}

void Form8::Befehl1_Click() {
    app_.backToMain(*this);
}

void Form8::Befehl4_Click() {
    Liste1->selectAll();
    showChosenCount(Liste1->count());
}

void Form8::Befehl3_Click() {
    Liste1->clearSelection();
    showChosenCount(0);
}

void Form8::Befehl6_Click() {
    const QString heading =
        app_.dialogs().inputBox(QStringLiteral("Neuer Arbeitsauftrag:"),
                                QStringLiteral("E i n g a b e"), Bezeichnung3->text());
    if (!heading.isEmpty())
        Bezeichnung3->setText(heading);
}

QList<WordEntry> Form8::chosenEntries() const {
    // Asking each of a long list's items whether it is chosen costs a search of the whole
    // selection per item; the chosen rows, sorted, give the list order at once.
    QList<int> rows;
    for (const QModelIndex& chosen : Liste1->selectionModel()->selectedRows())
        rows.append(chosen.row());
    std::sort(rows.begin(), rows.end());
    QList<WordEntry> entries;
    entries.reserve(rows.size());
    for (const int row : rows) {
        if (row < entries_.size())
            entries.append(entries_.at(row));
    }
    return entries;
}

bool Form8::anythingChosen() {
    if (!Liste1->selectionModel()->selectedRows().isEmpty())
        return true;
    app_.dialogs().msgBox(QStringLiteral("Es sind keine Daten ausgewählt!\r"), MsgBox::OkOnly,
                          kPrintTitle);
    return false;
}

bool Form8::confirmPrinting(const QString& question) {
    return anythingChosen() && app_.dialogs().msgBox(question, MsgBox::YesNoQuestion,
                                                     QStringLiteral("M O X - A B C")) != MsgBox::No;
}

void Form8::Befehl2_Click() {
    if (!confirmPrinting(QStringLiteral("ABC-Arbeitsblatt jetzt ausdrucken?\r")))
        return;
    print(
        Worksheets::worksheet(Bezeichnung3->text(), chosenEntries(), sheetLook(app_.readingHelp())),
        QStringLiteral("Das Arbeitsblatt"));
}

void Form8::Befehl5_Click() {
    if (!confirmPrinting(QStringLiteral("ABC-Lösungsblatt jetzt ausdrucken?\r")))
        return;
    const QList<WordEntry> chosen = chosenEntries();
    const QStringList sorted = Worksheets::abcOrder(chosen);
    Liste2->clear();
    Liste2->addItems(sorted);
    print(Worksheets::solutionSheet(Bezeichnung3->text(), chosen, sorted,
                                    sheetLook(app_.readingHelp())),
          QStringLiteral("Das Lösungsblatt"));
}

void Form8::Befehl7_Click() {
    if (!anythingChosen())
        return;
    const QList<WordEntry> chosen = chosenEntries();
    const QString heading = Bezeichnung3->text();
    const Worksheets::Look look = sheetLook(app_.readingHelp());
    SheetPreview preview(
        {Worksheets::worksheet(heading, chosen, look),
         Worksheets::solutionSheet(heading, chosen, Worksheets::abcOrder(chosen), look)},
        app_.printer(), this);
    const SheetPreview::Outcome outcome = preview.exec();
    if (outcome.pdfFile.isEmpty())
        return;
    const QString sheet = outcome.sheet == 0 ? QStringLiteral("Das Arbeitsblatt")
                                             : QStringLiteral("Das Lösungsblatt");
    if (QFileInfo(outcome.pdfFile).size() > 0)
        app_.dialogs().msgBox(sheet + QStringLiteral(" steht jetzt in der ") +
                                  fileAndFolder(outcome.pdfFile),
                              MsgBox::OkOnly, kPrintTitle);
    else
        app_.dialogs().msgBox(sheet + QStringLiteral(" konnte nicht als ") +
                                  fileAndFolder(outcome.pdfFile) +
                                  QStringLiteral("gespeichert werden.\r"),
                              MsgBox::OkOnly, kPrintTitle);
}

void Form8::print(const PrintJob& job, const QString& sheet) {
    const PrintOutcome outcome = app_.printer().print(job);
    const QFileInfo file(outcome.filePath);
    const QString where = fileAndFolder(outcome.filePath);
    switch (outcome.result) {
    case PrintOutcome::Result::Printed:
        return;
    case PrintOutcome::Result::SavedNoPrinter:
        app_.dialogs().msgBox(QStringLiteral("Es ist kein Drucker eingerichtet.\r") + sheet +
                                  QStringLiteral(" steht jetzt in der ") + where,
                              MsgBox::OkOnly, kPrintTitle);
        return;
    case PrintOutcome::Result::SavedPrinterFailed:
        app_.dialogs().msgBox(QStringLiteral("Der Drucker meldet einen Fehler.\r") + sheet +
                                  QStringLiteral(" steht jetzt in der ") + where,
                              MsgBox::OkOnly, kPrintTitle);
        return;
    case PrintOutcome::Result::FolderReadOnly:
        app_.dialogs().msgBox(
            QStringLiteral("Es ist kein Drucker bereit.\r") +
                WriteAccess::readOnlyMessage(file.absolutePath(),
                                             sheet + QStringLiteral(" wird nicht gespeichert.\r")),
            MsgBox::OkOnly, kPrintTitle);
        return;
    case PrintOutcome::Result::Failed: {
        const QString why = SafeFile::reason(outcome.written);
        app_.dialogs().msgBox(sheet + QStringLiteral(" konnte weder gedruckt noch als ") + where +
                                  QStringLiteral("gespeichert werden.\r") +
                                  (why.isEmpty() ? QString() : why + u'\r'),
                              MsgBox::OkOnly, kPrintTitle);
        return;
    }
    }
}
