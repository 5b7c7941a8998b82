#include "platform/page_layout.h"
#include "print/worksheets.h"

#include <QTest>

#include <algorithm>
#include <numeric>

namespace {

// Columns one unit wide, lines one unit high, ten lines to a page; texts 0.4 units a
// character, so that 60 dots end well before the page column, as on paper.
PageMetrics tenLinePages() {
    return {1.0, 1.0, 10.5, [](const QString& text) { return 0.4 * text.size(); }};
}

PrintJob job() {
    return PrintJob(QStringLiteral("Blatt"), QStringLiteral("Blatt.pdf"), QFont());
}

// Page, line and column (counted from 1) of every text, as "page:line:column text".
QStringList placements(const PageLayout& layout) {
    QStringList result;
    for (const PlacedText& placed : layout.texts) {
        result.append(QStringLiteral("%1:%2:%3 %4")
                          .arg(placed.page)
                          .arg(placed.topLeft.y())
                          .arg(placed.topLeft.x() + 1)
                          .arg(placed.text));
    }
    return result;
}

QList<WordEntry> entries(int count) {
    QList<WordEntry> list;
    for (int i = 1; i <= count; ++i)
        list.append({QStringLiteral("Wort%1").arg(i), i});
    return list;
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void columns_data();
    void columns();
    void sixtyEntriesBreakPages_data();
    void sixtyEntriesBreakPages();
    void ranksInAbcOrder();
};

void PageLayoutTest::columns_data() {
    // "column text", "" to end the line, "P" to end the page
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("texts at their columns on one line")
        << QStringList{"8 ___.  Apfel ", "35 ....", ""}
        << QStringList{"0:0:8 ___.  Apfel ", "0:0:35 ...."};
    QTest::newRow("empty lines move down")
        << QStringList{"", "", "8 ABC", ""} << QStringList{"0:2:8 ABC"};
    // 20 characters from column 8 reach column 16: the text for column 14 goes to the next line.
    QTest::newRow("past the column: same column, next line")
        << QStringList{"8 ____________________", "14 Apfel", ""}
        << QStringList{"0:0:8 ____________________", "0:1:14 Apfel"};
    QTest::newRow("a second rank starts at column 8 of a new line")
        << QStringList{"8  1.", "8  2.", "14 Apfel ", "70  3", ""}
        << QStringList{"0:0:8  1.", "0:1:8  2.", "0:1:14 Apfel ", "0:1:70  3"};
    QTest::newRow("ending exactly at the column stays on the line")
        << QStringList{"1 _____", "3 x"} << QStringList{"0:0:1 _____", "0:0:3 x"};
    QTest::newRow("a new line starts at the left")
        << QStringList{"35 .........", "", "8 x"} << QStringList{"0:0:35 .........", "0:1:8 x"};
    QTest::newRow("a page ended starts the next at its top, never an empty one")
        << QStringList{"P", "8 a", "", "", "P", "P", "8 b", "P"}
        << QStringList{"0:0:8 a", "1:0:8 b"};
}

void PageLayoutTest::columns() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    PrintJob document = job();
    for (const QString& step : steps) {
        if (step.isEmpty()) {
            document.endLine();
            continue;
        }
        if (step == QStringLiteral("P")) {
            document.endPage();
            continue;
        }
        const auto blank = step.indexOf(u' ');
        document.printAt(step.left(blank).toInt(), step.mid(blank + 1));
    }
    QCOMPARE(placements(layOutPages(document.steps(), tenLinePages())), expected);
}

void PageLayoutTest::sixtyEntriesBreakPages_data() {
    QTest::addColumn<bool>("solution");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("entriesOnFirstPage");
    // Worksheet: heading in lines 1 and 2, then an empty line and an entry for each; the
    // first page holds 3 entries, every later one 5 (the empty line before an entry that
    // opens a page is dropped): 3 + 11 * 5 + 2 = 60 on 13 pages.
    QTest::newRow("worksheet") << false << 13 << 3;
    // Solution sheet: heading and an empty line, then an entry a line: 6, then 10 a page.
    QTest::newRow("solution sheet") << true << 7 << 6;
}

void PageLayoutTest::sixtyEntriesBreakPages() {
    QFETCH(bool, solution);
    QFETCH(int, pages);
    QFETCH(int, entriesOnFirstPage);
    const QList<WordEntry> sixty = entries(60);
    const PrintJob sheet = solution ? Worksheets::solutionSheet(QStringLiteral("Bedeutung"), sixty,
                                                                Worksheets::abcOrder(sixty))
                                    : Worksheets::worksheet(QStringLiteral("Bedeutung"), sixty);
    const PageLayout layout = layOutPages(sheet.steps(), tenLinePages());
    QCOMPARE(layout.pageCount, pages);
    QList<int> wordsOnPage(pages, 0);
    int headings = 0;
    for (const PlacedText& placed : layout.texts) {
        QVERIFY(placed.topLeft.y() < 10);
        if (placed.text.startsWith(QStringLiteral("ABC   W o r t"))) {
            ++headings;
            QCOMPARE(placed.page, 0);
            QCOMPARE(placed.topLeft.y(), 1.0);
        }
        if (placed.text.contains(QStringLiteral("Wort")) && !placed.text.startsWith(u'A'))
            ++wordsOnPage[placed.page];
    }
    QCOMPARE(headings, 1);
    QCOMPARE(wordsOnPage.first(), entriesOnFirstPage);
    QCOMPARE(std::accumulate(wordsOnPage.begin(), wordsOnPage.end(), 0), 60);
    // Every later page starts at its top with an entry, never with an empty line.
    for (int page = 1; page < pages; ++page) {
        const auto first = std::find_if(layout.texts.begin(), layout.texts.end(),
                                        [page](const PlacedText& t) { return t.page == page; });
        QVERIFY(first != layout.texts.end());
        QCOMPARE(first->topLeft.y(), 0.0);
    }
}

// Zebra 40, Apfel 3 and Maus 20, chosen in this order of the list, rank 3, 1 and 2.
void PageLayoutTest::ranksInAbcOrder() {
    const QList<WordEntry> chosen{
        {QStringLiteral("Zebra"), 40}, {QStringLiteral("Apfel"), 3}, {QStringLiteral("Maus"), 20}};
    const QStringList sorted = Worksheets::abcOrder(chosen);
    QCOMPARE(sorted, (QStringList{"Apfel (Seite 3)", "Maus (Seite 20)", "Zebra (Seite 40)"}));
    const PrintJob sheet = Worksheets::solutionSheet(QStringLiteral("Bedeutung"), chosen, sorted);
    QStringList ranks;
    for (const PrintJob::Step& step : sheet.steps()) {
        if (step.column == 8 && step.text.endsWith(u'.'))
            ranks.append(step.text);
        if (step.column == 70)
            ranks.append(step.text);
    }
    QCOMPARE(ranks, (QStringList{" 3.", " 40", " 1.", " 3", " 2.", " 20"}));
}

QTEST_MAIN(PageLayoutTest)
#include "tst_page_layout.moc"
