#include "editor/word_list_file.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray inEncoding(const char* utf8, TextEncoding encoding) {
    return *encodeTextFile(QString::fromUtf8(utf8), encoding);
}

// Stops writing halfway, as a full disk or a pulled stick would.
bool writeHalf(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.left(bytes.size() / 2));
    return false;
}

} // namespace

class WordListFileTest : public QObject {
    Q_OBJECT
private slots:
    void keepsItsEncoding_data();
    void keepsItsEncoding();
    void opensBadPairsAsRows();
    void noticesChangesOnDisk();
    void refusesMarkedRowsAndTooManyRows();
    void interruptedWriteLeavesOldFile();
    void namesTheFolderItCannotWrite();
    void namesOfNewLists_data();
    void namesOfNewLists();

private:
    QTemporaryDir dir_;
};

void WordListFileTest::keepsItsEncoding_data() {
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("added"); // a word added before saving
    QTest::addColumn<TextEncoding>("saved");
    const QString fits = QString::fromUtf8("Möwe");
    const QString foreign = QString::fromUtf8("Ćevapčići");
    QTest::newRow("windows-1252") << TextEncoding::Windows1252 << fits << TextEncoding::Windows1252;
    QTest::newRow("windows-1252, a word it cannot hold")
        << TextEncoding::Windows1252 << foreign << TextEncoding::Utf8;
    QTest::newRow("utf-8") << TextEncoding::Utf8 << foreign << TextEncoding::Utf8;
    QTest::newRow("utf-8 with mark")
        << TextEncoding::Utf8WithMark << foreign << TextEncoding::Utf8WithMark;
    QTest::newRow("utf-16") << TextEncoding::Utf16LE << foreign << TextEncoding::Utf16LE;
    QTest::newRow("utf-16 big end first") << TextEncoding::Utf16BE << fits << TextEncoding::Utf16BE;
}

void WordListFileTest::keepsItsEncoding() {
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, added);
    QFETCH(TextEncoding, saved);
    const QString path = dir_.filePath(QStringLiteral("MOXABC.TXT"));
    writeBytes(path, inEncoding("Löwe\r\n154\r\nStraße\r\n243\r\n", encoding));
    WordListFile file(path);
    QList<WordRow> rows;
    QCOMPARE(file.read(rows), WordListFile::Read::Done);
    QCOMPARE(file.encoding(), encoding);
    rows.append(WordRow{added, " 12"});
    QCOMPARE(file.save(rows), WordListFile::Saved::Done);
    QCOMPARE(file.encoding(), saved);
    const QString expected = QString::fromUtf8("Löwe\r\n154\r\nStraße\r\n243\r\n") + added +
                             QStringLiteral("\r\n12\r\n");
    QCOMPARE(bytesOf(path), *encodeTextFile(expected, saved));
    QVERIFY(!file.changedOnDisk());
}

void WordListFileTest::opensBadPairsAsRows() {
    const QString path = dir_.filePath(QStringLiteral("MOXABC-kaputt.TXT"));
    writeBytes(path, "Apfel\r\n12\r\nHund\r\nzw\xf6lf\r\nBaum\r\n15\r\nKatze\r\n");
    WordListFile file(path);
    QList<WordRow> rows;
    QCOMPARE(file.read(rows), WordListFile::Read::Done);
    const QList<WordRow> expected = {
        {"Apfel", "12"}, {"Hund", QString::fromUtf8("zwölf")}, {"Baum", "15"}, {"Katze", ""}};
    QCOMPARE(rows, expected);
    QCOMPARE(WordListFile(dir_.filePath(QStringLiteral("MOXABC-fehlt.TXT"))).read(rows),
             WordListFile::Read::Missing);
}

void WordListFileTest::noticesChangesOnDisk() {
    const QString path = dir_.filePath(QStringLiteral("MOXABC-neu.TXT"));
    WordListFile fresh(path);
    QVERIFY(!fresh.changedOnDisk());
    writeBytes(path, "Apfel\r\n12\r\n");
    QVERIFY(fresh.changedOnDisk()); // made by someone else meanwhile
    WordListFile opened(path);
    QList<WordRow> rows;
    opened.read(rows);
    QVERIFY(!opened.changedOnDisk());
    writeBytes(path, "Apfel\r\n13\r\n");
    QVERIFY(opened.changedOnDisk());
    QFile::remove(path);
    QVERIFY(opened.changedOnDisk());
}

void WordListFileTest::refusesMarkedRowsAndTooManyRows() {
    const QString path = dir_.filePath(QStringLiteral("MOXABC-voll.TXT"));
    WordListFile file(path);
    QCOMPARE(file.save({{"Apfel", "12"}, {"Hund", ""}}), WordListFile::Saved::MarkedRow);
    const QList<WordRow> many(kMaxWordListEntries + 1, WordRow{"Wort", "1"});
    QCOMPARE(file.save(many), WordListFile::Saved::TooManyRows);
    QCOMPARE(file.save(many.mid(1) + QList<WordRow>(5, WordRow{})), WordListFile::Saved::Done);
    QCOMPARE(bytesOf(path).size(), qsizetype(kMaxWordListEntries) * 9);
}

void WordListFileTest::interruptedWriteLeavesOldFile() {
    const QString path = dir_.filePath(QStringLiteral("MOXABC-alt.TXT"));
    const QByteArray old = "Apfel\r\n12\r\n";
    writeBytes(path, old);
    WordListFile file(path, writeHalf);
    QList<WordRow> rows;
    file.read(rows);
    rows.append(WordRow{"Baum", "15"});
    QCOMPARE(file.save(rows), WordListFile::Saved::NotWritten);
    QCOMPARE(bytesOf(path), old);
    QVERIFY(!file.changedOnDisk());
    QCOMPARE(file.whyNotWritten(),
             QStringLiteral("Die Datei MOXABC-alt.TXT ließ sich im Ordner %1 nicht ganz "
                            "schreiben. Ist das Laufwerk voll?")
                 .arg(dir_.path()));
}

void WordListFileTest::namesTheFolderItCannotWrite() {
    // A folder that has become a file cannot take a list.
    const QString folder = dir_.filePath(QStringLiteral("Ordner"));
    writeBytes(folder, "kein Ordner");
    WordListFile file(folder + QStringLiteral("/MOXABC.TXT"));
    QCOMPARE(file.save({{"Apfel", "12"}}), WordListFile::Saved::NotWritten);
    QCOMPARE(file.whyNotWritten(), QStringLiteral("Den Ordner %1 gibt es nicht mehr.").arg(folder));
}

void WordListFileTest::namesOfNewLists_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a class") << " Klasse 2a "
                             << "MOXABC-Klasse 2a.TXT"
                             << "";
    QTest::newRow("umlauts") << QString::fromUtf8("Märchen")
                             << QString::fromUtf8("MOXABC-Märchen.TXT") << "";
    const QString characters =
        QStringLiteral("Im Namen darf keines dieser Zeichen stehen:\r\\ / : * ? \" < > |\r");
    QTest::newRow("a slash") << "2a/2b"
                             << "" << characters;
    QTest::newRow("a colon") << "Tiere: Zoo"
                             << "" << characters;
    QTest::newRow("a control character") << "Tiere\x01"
                                         << "" << characters;
    QTest::newRow("64 characters") << QString(64, u'x') << "MOXABC-" + QString(64, u'x') + ".TXT"
                                   << "";
    QTest::newRow("65 characters") << QString(65, u'x') << ""
                                   << "Der Name darf höchstens 64 Zeichen lang sein.\r";
    QTest::newRow("exists, in other letters") << "tiere"
                                              << ""
                                              << "Die Liste MOXABC-tiere.TXT gibt es schon.\r";
}

void WordListFileTest::namesOfNewLists() {
    QFETCH(QString, typed);
    QFETCH(QString, fileName);
    QFETCH(QString, problem);
    const NewListName name =
        newListName(typed, {QStringLiteral("MOXABC.TXT"), QStringLiteral("MOXABC-Tiere.TXT")});
    QCOMPARE(name.fileName, fileName);
    QCOMPARE(name.problem, problem);
}

QTEST_APPLESS_MAIN(WordListFileTest)
#include "tst_word_list_file.moc"
