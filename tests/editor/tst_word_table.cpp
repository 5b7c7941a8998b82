#include "editor/list_names.h"
#include "editor/word_list_file.h"
#include "editor/word_table_model.h"
#include "exercises/word_list.h"
#include "platform/textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(QList<WordRow>)
Q_DECLARE_METATYPE(TextEncoding)

namespace {
QList<WordRow> rowsOf(const QStringList& cells) {
    QList<WordRow> rows;
    for (qsizetype i = 0; i + 1 < cells.size(); i += 2)
        rows.append({cells[i], cells[i + 1]});
    return rows;
}

QByteArray bytesOf(const QString& path) {
    return readFileBytes(path, 1 << 24).bytes;
}
} // namespace

class WordTableTest : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoEveryEdit();
    void pastedRows_data();
    void pastedRows();
    void rowNotes_data();
    void rowNotes();
    void newListNames_data();
    void newListNames();
    void keepsItsEncoding_data();
    void keepsItsEncoding();
    void refusedSaveLeavesOldFile();
    void twoSavesAtOnce();

private:
    QTemporaryDir dir_;
};

void WordTableTest::undoAndRedoEveryEdit() {
    WordTableModel model;
    model.setRows(rowsOf({"Zug", "3", "Apfel", "12", "Hund", "", "Baum", "15"}));
    QList<QList<WordRow>> states{model.rows()};
    const QMetaObject::Connection recording = QObject::connect(
        &model.undoStack(), &QUndoStack::indexChanged, [&] { states.append(model.rows()); });
    model.setData(model.index(2, 1), " 7 ", Qt::EditRole);
    model.setData(model.index(0, 0), "Zug\tfahrt", Qt::EditRole);
    model.insertRows(1, rowsOf({"Maus", "20", "Apfel", "100", "Igel", "9"}), "Einfügen");
    model.removeRowsAt({6, 0, 3});
    model.sortAbc(); // a word twice: the lower page first
    QObject::disconnect(recording);
    QCOMPARE(states.size(), 6);
    QCOMPARE(states[1][2], (WordRow{"Hund", "7"}));
    QCOMPARE(states[2][0].word, QStringLiteral("Zug fahrt"));
    QCOMPARE(states[4], rowsOf({"Maus", "20", "Apfel", "100", "Apfel", "12", "Hund", "7"}));
    QCOMPARE(states[5], rowsOf({"Apfel", "12", "Apfel", "100", "Hund", "7", "Maus", "20"}));
    QVERIFY(model.isModified());
    for (qsizetype step = states.size() - 2; step >= 0; --step) {
        model.undoStack().undo();
        QCOMPARE(model.rows(), states[step]);
    }
    QVERIFY(!model.isModified());
    for (qsizetype step = 1; step < states.size(); ++step) {
        model.undoStack().redo();
        QCOMPARE(model.rows(), states[step]);
    }
}

void WordTableTest::pastedRows_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<WordRow>>("rows");
    QTest::newRow("spreadsheet cells, blanks trimmed") << "Apfel \t 12\tObst\r\n\r\nBaum\t\r\n"
                                                       << rowsOf({"Apfel", "12", "Baum", ""});
    QTest::newRow("quoted cell") << "\"Bank, \"\"die\"\"\"\t17\n"
                                 << rowsOf({"Bank, \"die\"", "17"});
    QTest::newRow("one word per line") << "Apfel\nBaum\n" << rowsOf({"Apfel", "", "Baum", ""});
    QTest::newRow("lines of a word-list file")
        << QString::fromUtf8("Apfel\r\n12\r\nHund\r\nzwölf\r\nBaum\r\n15\r\n")
        << rowsOf({"Apfel", "12", "Hund", "zwölf", "Baum", "15"});
    QTest::newRow("headings of a spreadsheet") << "\"Wort\"\tSeite\r\nApfel\t12\r\n"
                                               << rowsOf({"Apfel", "12"});
    QTest::newRow("headings as text, any case") << "wort / SEITE\nApfel\n12\n"
                                                << rowsOf({"Apfel", "12"});
    QTest::newRow("headings only on the first line") << "Apfel\t12\nWort\tSeite\n"
                                                     << rowsOf({"Apfel", "12", "Wort", "Seite"});
}

void WordTableTest::pastedRows() {
    QFETCH(QString, text);
    QFETCH(QList<WordRow>, rows);
    QCOMPARE(rowsFromPastedText(text), rows);
}

void WordTableTest::rowNotes_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("named"); // what the note names; empty: no note
    QTest::newRow("umlauts and ß") << "Straße, Möwe, TÜR"
                                   << "„,“ und Leerzeichen stehen";
    QTest::newRow("letters only") << "ÄÖÜäöüß"
                                  << "";
    QTest::newRow("hyphen") << "E-Mail"
                            << "„-“ steht";
    QTest::newRow("digits and an accent") << "Café 24"
                                          << "„é“, Leerzeichen, „2“ und „4“ stehen";
    QTest::newRow("a marked row has its fault instead") << "Bank, die\x01"
                                                        << "";
}

void WordTableTest::rowNotes() {
    QFETCH(QString, word);
    QFETCH(QString, named);
    const QString note = WordRow{word, "12"}.note();
    QCOMPARE(note.section(QStringLiteral(" auf keiner "), 0, 0),
             named.isEmpty() ? QString() : "Hinweis: " + named);
}

void WordTableTest::newListNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem"); // empty: the name is taken as MOXABC-<name>.TXT
    const QString unseen = QStringLiteral(
        "Im Namen dürfen keine Steuerzeichen, Tabulatoren oder unsichtbaren Zeichen stehen.\r");
    const QString taken = QStringLiteral(
        "Im Ordner steht schon etwas anderes mit dem Namen %1.\rBitte einen anderen Namen "
        "wählen.\r");
    QTest::newRow("tab") << "Klasse\t2a" << unseen;
    QTest::newRow("control") << "Klasse\x1b" << unseen;
    QTest::newRow("right-to-left mark") << "Tiere\u200f" << unseen;
    QTest::newRow("zero-width space") << "Ti\u200bere" << unseen;
    QTest::newRow("line separator") << "Tiere\u2028neu" << unseen;
    QTest::newRow("no-break space") << "Klasse\u00a02a" << unseen;
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + "x" << unseen;
    QTest::newRow("another case of a list") << " TIERE "
                                            << "Die Liste „Tiere“ gibt es schon.\r";
    QTest::newRow("a folder") << "y" << taken.arg("MOXABC-y.TXT");
    QTest::newRow("a pipe, another case") << "P" << taken.arg("MOXABC-p.TXT");
    QTest::newRow("free") << " Klasse 2a "
                          << "";
}

void WordTableTest::newListNames() {
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    const QDir folder(dir_.filePath(QStringLiteral("namen")));
    if (!folder.exists()) {
        QVERIFY(folder.mkpath(QStringLiteral("MOXABC-y.TXT")));
        QVERIFY(writeFileAtomically(folder.filePath("MOXABC-Tiere.TXT"), "Affe\r\n1\r\n"));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("MOXABC-p.TXT")).constData(), 0600), 0);
    }
    const NewListName name = newListName(typed, folder);
    QCOMPARE(name.problem, problem);
    QCOMPARE(name.fileName, problem.isEmpty() ? "MOXABC-" + typed.trimmed() + ".TXT" : QString());
}

void WordTableTest::keepsItsEncoding_data() {
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("added"); // a word added before saving
    QTest::addColumn<TextEncoding>("saved");
    const QString fits = QString::fromUtf8("Möwe");
    const QString foreign = QString::fromUtf8("Ćevapčići");
    QTest::newRow("windows-1252") << TextEncoding::Windows1252 << fits << TextEncoding::Windows1252;
    QTest::newRow("windows-1252, a word it cannot hold")
        << TextEncoding::Windows1252 << foreign << TextEncoding::Utf8;
    QTest::newRow("utf-8 with mark")
        << TextEncoding::Utf8WithMark << foreign << TextEncoding::Utf8WithMark;
    QTest::newRow("utf-16 big end first") << TextEncoding::Utf16BE << fits << TextEncoding::Utf16BE;
}

void WordTableTest::keepsItsEncoding() {
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, added);
    QFETCH(TextEncoding, saved);
    const QString path = dir_.filePath(QStringLiteral("MOXABC.TXT"));
    const QString text = QString::fromUtf8("Löwe\r\n154\r\nStraße\r\n243\r\n");
    QVERIFY(writeFileAtomically(path, *encodeTextFile(text, encoding)));
    WordListFile file(path);
    QList<WordRow> rows;
    QCOMPARE(file.read(rows), WordListFile::Read::Done);
    rows.append(WordRow{added, " 12"});
    QCOMPARE(file.save(rows), WordListFile::Saved::Done);
    QCOMPARE(bytesOf(path), *encodeTextFile(text + added + QStringLiteral("\r\n12\r\n"), saved));
    QVERIFY(!file.changedOnDisk());
}

void WordTableTest::refusedSaveLeavesOldFile() {
    const QString path = dir_.filePath(QStringLiteral("MOXABC-alt.TXT"));
    const QByteArray old = "Apfel\r\n12\r\n";
    QVERIFY(writeFileAtomically(path, old));
    WordListFile file(
        path, [](const QString&, const QByteArray&) { return WriteResult{WriteResult::DiskFull}; });
    QList<WordRow> rows;
    QCOMPARE(file.read(rows), WordListFile::Read::Done);
    const QList<WordRow> many(kMaxWordListEntries + 1, WordRow{"Wort", "1"});
    QCOMPARE(file.save({{"Apfel", "12"}, {"Hund", ""}}), WordListFile::Saved::MarkedRow);
    QCOMPARE(file.save(many), WordListFile::Saved::TooManyRows);
    QCOMPARE(file.failureText(WordListFile::Saved::TooManyRows),
             QStringLiteral("Eine Wörterliste hat höchstens 100.000 Wörter.\rDie Liste wird so "
                            "nicht gespeichert.\r"));
    QCOMPARE(file.save({WordRow{}}), WordListFile::Saved::Empty);
    QCOMPARE(file.failureText(WordListFile::Saved::Empty),
             QStringLiteral("In der Liste steht noch kein Wort.\rDie Liste wird so nicht "
                            "gespeichert.\r"));
    QCOMPARE(file.save({{"Baum", "15"}}), WordListFile::Saved::NotWritten);
    QCOMPARE(file.failureText(WordListFile::Saved::NotWritten),
             QStringLiteral("Die Liste kann nicht gespeichert werden.\rDie Datei MOXABC-alt.TXT "
                            "ließ sich im Ordner %1 nicht schreiben. Das Laufwerk ist voll.\r"
                            "Die Änderungen bleiben in diesem Fenster.\r")
                 .arg(QDir::toNativeSeparators(dir_.path())));
    QCOMPARE(bytesOf(path), old);
    QVERIFY(!file.changedOnDisk());
    // Blank rows are left out, and do not count.
    WordListFile fresh(dir_.filePath(QStringLiteral("MOXABC-voll.TXT")));
    QCOMPARE(fresh.save(many.mid(1) + QList<WordRow>(5, WordRow{})), WordListFile::Saved::Done);
    QCOMPARE(bytesOf(fresh.path()).size(), qsizetype(kMaxWordListEntries) * 9);
}

// Two programs save one list at once: the later one waits while the first writes, then finds
// the file changed rather than overwrite it unasked.
void WordTableTest::twoSavesAtOnce() {
    const QString path = dir_.filePath(QStringLiteral("MOXABC-2b.TXT"));
    QVERIFY(writeFileAtomically(path, "Baum\r\n15\r\n"));
    WordListFile second(path);
    WordListFile::Saved meanwhile = WordListFile::Saved::Done;
    WordListFile first(path, [&](const QString& to, const QByteArray& bytes) {
        meanwhile = second.save({{"Baum", "16"}});
        return writeFileAtomically(to, bytes);
    });
    QList<WordRow> rows;
    QCOMPARE(first.read(rows), second.read(rows));
    QCOMPARE(first.save({{"Apfel", "13"}}), WordListFile::Saved::Done);
    QCOMPARE(second.failureText(meanwhile),
             QStringLiteral("Die Liste kann jetzt nicht gespeichert werden.\rGerade speichert "
                            "jemand anderes die Datei MOXABC-2b.TXT. Bitte gleich noch einmal "
                            "versuchen.\rDie Änderungen bleiben in diesem Fenster.\r"));
    QCOMPARE(second.save({{"Baum", "16"}}), WordListFile::Saved::ChangedOnDisk);
    QCOMPARE(bytesOf(path), QByteArray("Apfel\r\n13\r\n"));
}

QTEST_MAIN(WordTableTest)
#include "tst_word_table.moc"
