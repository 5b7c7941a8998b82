#include "exercises/word_list.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(QList<WordEntry>)
Q_DECLARE_METATYPE(RowFault)

bool operator==(const DroppedRow& a, const DroppedRow& b) {
    return a.position == b.position && a.word == b.word && a.page == b.page && a.fault == b.fault;
}

class WordListTest : public QObject {
    Q_OBJECT
private slots:
    void readsPairs_data();
    void readsPairs();
    void rowRule_data();
    void rowRule();
    void reportsDroppedPairs();
    void readsEveryEncoding_data();
    void readsEveryEncoding();
    void missingFileIsNoList();
    void listOverLimitIsRefusedWhole();
    void binaryBytesAreNoWords();
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
    QTest::newRow("tab taken as a blank") << "Apfel\tsaft\r\n12\r\n"
                                          << QList<WordEntry>{{"Apfel saft", 12}};
    QTest::newRow("control character or half a character drops the pair")
        << QStringLiteral("Ap") + QChar(0) + "fel\r\n12\r\nB" + QChar(0x81) + "aum\r\n13\r\nK" +
               QChar(0xDC5A) + "atze\r\n14\r\nZug\r\n3\r\n"
        << QList<WordEntry>{{"Zug", 3}};
    QTest::newRow("control character without page") << "Ap\x01"
                                                       "fel\r\nBaum\r\n15\r\n"
                                                    << QList<WordEntry>{{"Baum", 15}};
    QTest::newRow("dropped word takes its page along") << "\x01\r\n12\r\n7\r\n3\r\n"
                                                       << QList<WordEntry>{{"7", 3}};
    QTest::newRow("word of 100 characters") << QString(100, u'a') + "\r\n12\r\n"
                                            << QList<WordEntry>{{QString(100, u'a'), 12}};
    QTest::newRow("word over 100 characters dropped")
        << QString(101, u'a') + "\r\n12\r\nZug\r\n3\r\n"
        << QList<WordEntry>{{"Zug", 3}};
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

void WordListTest::rowRule_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("page");
    QTest::addColumn<RowFault>("fault");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, const QString& word, const QString& page, RowFault fault,
                        const char* reason) {
        QTest::newRow(name) << word << page << fault << QString::fromUtf8(reason);
    };
    row("page at the limits", "Bank, die", "9999", RowFault::None, "");
    row("page with a remark after a comma", "Zug", "3, oben", RowFault::None, "");
    row("word of 100 characters", QString(100, u'a'), "1", RowFault::None, "");
    row("blank word", "  ", "12", RowFault::WordMissing, "Das Wort fehlt.");
    row("word over 100 characters", QString(101, u'a'), "12", RowFault::WordTooLong,
        "Das Wort ist länger als 100 Zeichen.");
    row("control character", QStringLiteral("Ap\u0001fel"), "12", RowFault::WordUnreadable,
        "Im Wort steht ein unlesbares Zeichen.");
    row("page missing", "Hund", "", RowFault::PageMissing, "Die Seitenzahl fehlt.");
    row("page in words", "Hund", QString::fromUtf8("zwölf"), RowFault::PageNotNumber,
        "Die Seitenzahl muss in Ziffern geschrieben sein, zum Beispiel 12.");
    row("page not whole", "Hund", "12.5", RowFault::PageNotWhole,
        "Die Seitenzahl muss eine ganze Zahl sein.");
    row("page zero", "Hund", "0", RowFault::PageOutOfRange,
        "Die Seitenzahl muss zwischen 1 und 9999 liegen.");
    row("bad word named before bad page", QString(101, u'a'), "zwölf", RowFault::WordTooLong,
        "Das Wort ist länger als 100 Zeichen.");
}

void WordListTest::rowRule() {
    QFETCH(QString, word);
    QFETCH(QString, page);
    QFETCH(RowFault, fault);
    QFETCH(QString, reason);
    QCOMPARE(rowFault(word, page), fault);
    QCOMPARE(rowFaultText(fault), reason);
}

// Dropped pairs are reported with their place and fault; a page-like word with a page stays a word.
void WordListTest::reportsDroppedPairs() {
    const WordList list = parseWordList(
        QStringLiteral("Zug\r\n3\r\nAp\u0001fel\r\n12\r\nApfel\r\nBaum\r\nHund\r\n12a\r\n5\r\n"));
    QCOMPARE(list.words(), QStringList({"Zug", "12a"}));
    QCOMPARE(list.dropped,
             (QList<DroppedRow>{{1, QStringLiteral("Ap\u0001fel"), "12", RowFault::WordUnreadable},
                                {1, "Apfel", "", RowFault::PageMissing},
                                {1, "Baum", "", RowFault::PageMissing},
                                {1, "Hund", "", RowFault::PageMissing}}));
}

void WordListTest::readsEveryEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("windows-1252") << QByteArray("L\xf6we\r\n154\r\nStra\xdf"
                                                "e\r\n243\r\n");
    QTest::newRow("utf-8 with mark") << QByteArray("\xef\xbb\xbfL\xc3\xb6we\r\n154\r\nStra\xc3\x9f"
                                                   "e\r\n243\r\n");
    const QString text = QString::fromUtf8("Löwe\r\n154\r\nStraße\r\n243\r\n");
    QByteArray littleEnd("\xff\xfe");
    QByteArray bigEnd("\xfe\xff");
    for (const QChar ch : text) {
        littleEnd += char(ch.unicode() & 0xff);
        littleEnd += char(ch.unicode() >> 8);
        bigEnd += char(ch.unicode() >> 8);
        bigEnd += char(ch.unicode() & 0xff);
    }
    QTest::newRow("utf-16 as Windows saves \"Unicode\"") << littleEnd;
    QTest::newRow("utf-16 big end first") << bigEnd;
}

void WordListTest::readsEveryEncoding() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("MOXABC.TXT")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto list = readWordList(file.fileName());
    QVERIFY(list);
    QCOMPARE(list->entries.size(), 2);
    QCOMPARE(list->entries[0].word, QString::fromUtf8("Löwe"));
    QCOMPARE(list->entries[1].word, QString::fromUtf8("Straße"));
    QCOMPARE(list->maxPage(), 243);
}

void WordListTest::missingFileIsNoList() {
    QTemporaryDir dir;
    QVERIFY(!readWordList(dir.filePath(QStringLiteral("MOXABC.TXT"))));
    QCOMPARE(WordList{}.maxPage(), 0);
}

void WordListTest::listOverLimitIsRefusedWhole() {
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("Wort%1\r\n%2\r\n").arg(i).arg(i % kMaxPage + 1);
    const WordList full = parseWordList(text);
    QCOMPARE(full.error, WordListError::None);
    QCOMPARE(full.entries.size(), 100000);
    QCOMPARE(full.entries.last().word, QStringLiteral("Wort99999"));
    QCOMPARE(full.maxPage(), kMaxPage);

    const WordList tooMany = parseWordList(text + QStringLiteral("Zug\r\n3\r\n"));
    QCOMPARE(tooMany.error, WordListError::TooLarge);
    QVERIFY(tooMany.entries.isEmpty());

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("MOXABC.TXT")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Apfel\r\n12\r\n");
    QVERIFY(file.resize(16 * 1024 * 1024 + 1));
    file.close();
    const auto tooLarge = readWordList(file.fileName());
    QVERIFY(tooLarge);
    QCOMPARE(tooLarge->error, WordListError::TooLarge);
    QVERIFY(tooLarge->entries.isEmpty());
}

void WordListTest::binaryBytesAreNoWords() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(static_cast<char>((i * 37) % 256));
    bytes.append("\r\nApfel\r\n12\r\n");
    const WordList list = wordListFromBytes(bytes);
    QCOMPARE(list.entries.size(), 1);
    QCOMPARE(list.entries[0].word, QStringLiteral("Apfel"));
}

QTEST_APPLESS_MAIN(WordListTest)
#include "tst_word_list.moc"
