#include "platform/textfile.h"

#include <QTemporaryDir>
#include <QTest>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void windows1252RoundTrip();
    void detectsUtf8AndFallsBack_data();
    void detectsUtf8AndFallsBack();
    void readsFieldsAndLines();
    void quotedFieldsLoseTheirQuotes();
    void atomicWriteReplacesWhole();
    void atomicWriteFailsInMissingFolder();
};

void TextFileTest::windows1252RoundTrip() {
    const QByteArray bytes("\xc4pfel \x80 \x84gut\x93 \xdf", 15);
    const QString text = decodeWindows1252(bytes);
    QCOMPARE(text, QString::fromUtf8("Äpfel € „gut“ ß"));
    QCOMPARE(encodeWindows1252(text), bytes);
    QCOMPARE(encodeWindows1252(QString::fromUtf8("Ω")), QByteArray("?"));
}

void TextFileTest::detectsUtf8AndFallsBack_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8") << QByteArray("B\xc3\xa4r") << QString::fromUtf8("Bär");
    QTest::newRow("utf-8 with mark") << QByteArray("\xef\xbb\xbf"
                                                   "B\xc3\xa4r")
                                     << QString::fromUtf8("Bär");
    QTest::newRow("windows-1252") << QByteArray("B\xe4r") << QString::fromUtf8("Bär");
    QTest::newRow("plain ascii") << QByteArray("Baum") << QStringLiteral("Baum");
}

void TextFileTest::detectsUtf8AndFallsBack() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeTextFile(bytes), text);
}

void TextFileTest::readsFieldsAndLines() {
    TextReader reader(QStringLiteral(" 30 ,7\r\nBank, die\r\n12\nletzte"));
    QCOMPARE(reader.readField(), QStringLiteral("30"));
    QCOMPARE(reader.readField(), QStringLiteral("7"));
    QCOMPARE(reader.readLine(), QStringLiteral("Bank, die"));
    QCOMPARE(reader.readField(), QStringLiteral("12"));
    QVERIFY(!reader.atEnd());
    QCOMPARE(reader.readLine(), QStringLiteral("letzte"));
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.readLine(), QString());
}

void TextFileTest::quotedFieldsLoseTheirQuotes() {
    TextReader reader(QStringLiteral("\"Hallo, Welt\",5\r\n"));
    QCOMPARE(reader.readField(), QStringLiteral("Hallo, Welt"));
    QCOMPARE(reader.readField(), QStringLiteral("5"));
    QVERIFY(reader.atEnd());
}

void TextFileTest::atomicWriteReplacesWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("MOXABC.INI"));
    QVERIFY(writeFileAtomically(path, " 30 \r\n"));
    QVERIFY(writeFileAtomically(path, " 5 \r\n"));
    QCOMPARE(readFileBytes(path).value_or(QByteArray()), QByteArray(" 5 \r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"MOXABC.INI"});
}

void TextFileTest::atomicWriteFailsInMissingFolder() {
    QTemporaryDir dir;
    QVERIFY(!writeFileAtomically(dir.filePath(QStringLiteral("gibt/es/nicht.ini")), "x"));
    QVERIFY(!readFileBytes(dir.filePath(QStringLiteral("fehlt.txt"))));
}

QTEST_APPLESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
