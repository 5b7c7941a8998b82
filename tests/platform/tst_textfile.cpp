#include "platform/textfile.h"

#include <QTemporaryDir>

Q_DECLARE_METATYPE(TextEncoding)
#include <QTest>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void windows1252RoundTrip();
    void detectsEncoding_data();
    void detectsEncoding();
    void readsFieldsAndLines();
    void quotedFieldsLoseTheirQuotes();
    void atomicWriteReplacesWhole();
    void atomicWriteFailsInMissingFolder();
    void fileOverLimitIsNotRead();
};

void TextFileTest::windows1252RoundTrip() {
    const QByteArray bytes("\xc4pfel \x80 \x84gut\x93 \xdf", 15);
    const QString text = decodeWindows1252(bytes);
    QCOMPARE(text, QString::fromUtf8("Äpfel € „gut“ ß"));
    QCOMPARE(encodeWindows1252(text), bytes);
    QCOMPARE(encodeWindows1252(QString::fromUtf8("Ω")), QByteArray("?"));
    QCOMPARE(encodeTextFile(QString::fromUtf8("Wo? Ω"), TextEncoding::Windows1252), std::nullopt);
    QCOMPARE(encodeTextFile(QStringLiteral("Wo?"), TextEncoding::Windows1252), QByteArray("Wo?"));
}

void TextFileTest::detectsEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("utf-8") << QByteArray("B\xc3\xa4r") << QString::fromUtf8("Bär")
                           << TextEncoding::Utf8;
    QTest::newRow("utf-8 with mark") << QByteArray("\xef\xbb\xbf"
                                                   "B\xc3\xa4r")
                                     << QString::fromUtf8("Bär") << TextEncoding::Utf8WithMark;
    QTest::newRow("utf-8, mark and a second one in the text")
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                      "B\xc3\xa4r")
        << QChar(0xFEFF) + QString::fromUtf8("Bär") << TextEncoding::Utf8WithMark;
    QTest::newRow("windows-1252") << QByteArray("B\xe4r") << QString::fromUtf8("Bär")
                                  << TextEncoding::Windows1252;
    QTest::newRow("plain ascii") << QByteArray("Baum") << QStringLiteral("Baum")
                                 << TextEncoding::Windows1252;
    QTest::newRow("utf-16 little end first")
        << QByteArray("\xff\xfe"
                      "B\0\xe4\0r\0\r\0\n\0",
                      12)
        << QString::fromUtf8("Bär\r\n") << TextEncoding::Utf16LE;
    QTest::newRow("utf-16 big end first") << QByteArray("\xfe\xff\0B\0\xe4\0r", 8)
                                          << QString::fromUtf8("Bär") << TextEncoding::Utf16BE;
}

void TextFileTest::detectsEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QCOMPARE(decodeTextFile(bytes), text);
    const DecodedText decoded = decodeTextFileWithEncoding(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.encoding, encoding);
    // Written back in the encoding found, the file is byte for byte what it was.
    QCOMPARE(encodeTextFile(decoded.text, decoded.encoding), bytes);
}

void TextFileTest::readsFieldsAndLines() {
    TextReader reader(QStringLiteral(" 30 ,7\r\nBank, die\r\n12\nletzte"));
    QCOMPARE(reader.readField().toString(), QStringLiteral("30"));
    QCOMPARE(reader.readField().toString(), QStringLiteral("7"));
    QCOMPARE(reader.readLine().toString(), QStringLiteral("Bank, die"));
    QCOMPARE(reader.readField().toString(), QStringLiteral("12"));
    QVERIFY(!reader.atEnd());
    QCOMPARE(reader.readLine().toString(), QStringLiteral("letzte"));
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.readLine().toString(), QString());
    QCOMPARE(firstField(u" 12 , oben"), u"12");
}

void TextFileTest::quotedFieldsLoseTheirQuotes() {
    TextReader reader(QStringLiteral("\"Hallo, Welt\",5\r\n"));
    QCOMPARE(reader.readField().toString(), QStringLiteral("Hallo, Welt"));
    QCOMPARE(reader.readField().toString(), QStringLiteral("5"));
    QVERIFY(reader.atEnd());
}

void TextFileTest::atomicWriteReplacesWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("MOXABC.INI"));
    QVERIFY(writeFileAtomically(path, " 30 \r\n"));
    QVERIFY(writeFileAtomically(path, " 5 \r\n"));
    const FileBytes file = readFileBytes(path, 5);
    QCOMPARE(file.status, FileBytes::Status::Read);
    QCOMPARE(file.bytes, QByteArray(" 5 \r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"MOXABC.INI"});
}

void TextFileTest::atomicWriteFailsInMissingFolder() {
    QTemporaryDir dir;
    QVERIFY(!writeFileAtomically(dir.filePath(QStringLiteral("gibt/es/nicht.ini")), "x"));
    QCOMPARE(readFileBytes(dir.filePath(QStringLiteral("fehlt.txt")), 100).status,
             FileBytes::Status::Missing);
}

void TextFileTest::fileOverLimitIsNotRead() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("MOXABC.TXT"));
    QVERIFY(writeFileAtomically(path, "Apfel\r\n12\r\n"));
    QCOMPARE(readFileBytes(path, 11).status, FileBytes::Status::Read);
    const FileBytes tooLarge = readFileBytes(path, 10);
    QCOMPARE(tooLarge.status, FileBytes::Status::TooLarge);
    QVERIFY(tooLarge.bytes.isEmpty());
}

QTEST_APPLESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
