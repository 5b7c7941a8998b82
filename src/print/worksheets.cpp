#include "print/worksheets.h"

#include "platform/collation.h"
#include "platform/numbers.h"

#include <QHash>

namespace {

constexpr int kNumberColumn = 8;
constexpr int kRankWordColumn = 14;
constexpr int kMiddleColumn = 35;
constexpr int kHeadingPageColumn = 69;
constexpr int kSolutionPageColumn = 70;
const QString kDots = QString(60, u'.');

QFont printerFont() {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(16);
    return font;
}

// The heading line and the rule under it, after an empty line.
void printHeading(PrintJob& job, const QString& heading) {
    job.endLine();
    job.printAt(kNumberColumn, QStringLiteral("ABC   W o r t"));
    job.printAt(kMiddleColumn, heading);
    job.printAt(kHeadingPageColumn, QStringLiteral("Seite"));
    job.endLine();
    job.printAt(kNumberColumn, QString(50, u'_'));
    job.endLine();
}

// The word as the sheets print it, with one blank after it.
QString sheetWord(const WordEntry& entry) {
    return entry.word + u' ';
}

} // namespace

QString Worksheets::listItem(const WordEntry& entry) {
    return entry.word + QStringLiteral(" (Seite") + numberText(entry.page) + u')';
}

QStringList Worksheets::abcOrder(const QList<WordEntry>& entries) {
    QStringList items;
    items.reserve(entries.size());
    for (const WordEntry& entry : entries)
        items.append(listItem(entry));
    abcSort(items);
    return items;
}

PrintJob Worksheets::worksheet(const QString& heading, const QList<WordEntry>& entries) {
    PrintJob job(QStringLiteral("ABC-Arbeitsblatt"), QStringLiteral("ABC-Arbeitsblatt.pdf"),
                 printerFont());
    printHeading(job, heading);
    for (const WordEntry& entry : entries) {
        job.endLine();
        job.printAt(kNumberColumn, QStringLiteral("___.  ") + sheetWord(entry));
        job.printAt(kMiddleColumn, kDots + QStringLiteral("  S.___"));
        job.endLine();
    }
    return job;
}

PrintJob Worksheets::solutionSheet(const QString& heading, const QList<WordEntry>& entries,
                                   const QStringList& sortedItems) {
    QHash<QString, QList<int>> ranks;
    for (qsizetype place = 0; place < sortedItems.size(); ++place)
        ranks[sortedItems.at(place)].append(static_cast<int>(place) + 1);

    PrintJob job(QStringLiteral("ABC-Lösungsblatt"), QStringLiteral("ABC-Loesungsblatt.pdf"),
                 printerFont());
    printHeading(job, heading);
    job.endLine();
    for (const WordEntry& entry : entries) {
        for (const int rank : ranks.value(listItem(entry)))
            job.printAt(kNumberColumn, numberText(rank) + u'.');
        job.printAt(kRankWordColumn, sheetWord(entry));
        job.printAt(kMiddleColumn, kDots);
        job.printAt(kSolutionPageColumn, numberText(entry.page));
        job.endLine();
    }
    return job;
}
