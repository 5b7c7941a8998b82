#include "exercises/word_list.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(QList<WordEntry>)

class WordListTest : public QObject {
    Q_OBJECT
private slots:
    void readsPairs_data();
    void readsPairs();
    void readsFilesInEitherEncoding();
    void missingFileIsNoList();
    void hugeListReadsWhole();
    void binaryBytesDoNotBreakReading();
};

void WordListTest::readsPairs_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<WordEntry>>("entries");
    const QList<WordEntry> two = {{"Apfel", 12}, {"Baum", 15}};
    QTest::newRow("two pairs") << "Apfel\r\n12\r\nBaum\r\n15\r\n" << two;
    QTest::newRow("no line end at the close") << "Apfel\r\n12\r\nBaum\r\n15" << two;
    QTest::newRow("unix line ends") << "Apfel\n12\nBaum\n15\n" << two;
    QTest::newRow("blank lines at the end") << "Apfel\r\n12\r\nBaum\r\n15\r\n\r\n\r\n" << two;
    QTest::newRow("last pair without page") << "Apfel\r\n12\r\nBaum\r\n15\r\nKatze\r\n" << two;
    QTest::newRow("page not a number") << "Apfel\r\n12\r\nHund\r\nzwölf\r\nBaum\r\n15\r\n" << two;
    QTest::newRow("page missing in the middle") << "Apfel\r\nHund\r\nBaum\r\n15\r\n"
                                                << QList<WordEntry>{{"Baum", 15}};
    QTest::newRow("page zero or too high") << "Apfel\r\n0\r\nBaum\r\n100000\r\nZug\r\n3\r\n"
                                           << QList<WordEntry>{{"Zug", 3}};
    QTest::newRow("page field with rest of line") << "Apfel\r\n12, oben links\r\n"
                                                  << QList<WordEntry>{{"Apfel", 12}};
    QTest::newRow("word with comma and blank") << "Bank, die\r\n17\r\n"
                                               << QList<WordEntry>{{"Bank, die", 17}};
    QTest::newRow("empty file") << "" << QList<WordEntry>{};
    QTest::newRow("words only") << "Apfel\r\nBaum\r\nKatze\r\n" << QList<WordEntry>{};
}

void WordListTest::readsPairs() {
    QFETCH(QString, text);
    QFETCH(QList<WordEntry>, entries);
    const WordList list = parseWordList(text);
    QCOMPARE(list.entries.size(), entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QCOMPARE(list.entries[i].word, entries[i].word);
        QCOMPARE(list.entries[i].page, entries[i].page);
    }
}

void WordListTest::readsFilesInEitherEncoding() {
    QTemporaryDir dir;
    const QString oldEditor = dir.filePath(QStringLiteral("MOXABC.TXT"));
    const QString newEditor = dir.filePath(QStringLiteral("MOXABC2.TXT"));
    QFile file(oldEditor);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("L\xf6we\r\n154\r\nStra\xdf"
               "e\r\n243\r\n");
    file.close();
    QFile utf8(newEditor);
    QVERIFY(utf8.open(QIODevice::WriteOnly));
    utf8.write("\xef\xbb\xbfL\xc3\xb6we\r\n154\r\n");
    utf8.close();

    const auto windowsList = readWordList(oldEditor);
    QVERIFY(windowsList);
    QCOMPARE(windowsList->entries.size(), 2);
    QCOMPARE(windowsList->entries[0].word, QString::fromUtf8("Löwe"));
    QCOMPARE(windowsList->entries[1].word, QString::fromUtf8("Straße"));
    QCOMPARE(windowsList->maxPage(), 243);
    const auto utf8List = readWordList(newEditor);
    QVERIFY(utf8List);
    QCOMPARE(utf8List->entries.value(0).word, QString::fromUtf8("Löwe"));
}

void WordListTest::missingFileIsNoList() {
    QTemporaryDir dir;
    QVERIFY(!readWordList(dir.filePath(QStringLiteral("MOXABC.TXT"))));
    QCOMPARE(WordList{}.maxPage(), 0);
}

void WordListTest::hugeListReadsWhole() {
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("Wort%1\r\n%2\r\n").arg(i).arg(i % kMaxPage + 1);
    const WordList list = parseWordList(text);
    QCOMPARE(list.entries.size(), 100000);
    QCOMPARE(list.entries.last().word, QStringLiteral("Wort99999"));
    QCOMPARE(list.maxPage(), kMaxPage);
}

void WordListTest::binaryBytesDoNotBreakReading() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(static_cast<char>((i * 37) % 256));
    bytes.append("\r\nApfel\r\n12\r\n");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("MOXABC.TXT")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto list = readWordList(file.fileName());
    QVERIFY(list);
    QVERIFY(!list->entries.isEmpty());
    QCOMPARE(list->entries.last().word, QStringLiteral("Apfel"));
}

QTEST_APPLESS_MAIN(WordListTest)
#include "tst_word_list.moc"
