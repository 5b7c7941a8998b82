#include "print/worksheets.h"

#include "platform/collation.h"
#include "platform/numbers.h"
#include "syllables/reading_font.h"
#include "syllables/syllable_colours.h"

#include <QHash>

namespace {

constexpr int kNumberColumn = 8;
constexpr int kRankWordColumn = 14;
constexpr int kMiddleColumn = 35;
constexpr int kHeadingPageColumn = 69;
constexpr int kSolutionPageColumn = 70;
const QString kDots = QString(60, u'.');

QFont printerFont(const Worksheets::Look& look) {
    QFont font(look.readingFont ? ReadingFont::kFamily : QStringLiteral("Comic Sans MS"));
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

// Prints what comes before the word in black and the word in its syllables' colours.
void printWord(PrintJob& job, int column, const QString& before, const WordEntry& entry,
               const Worksheets::Look& look) {
    QList<TextColour> colours;
    if (look.syllables) {
        colours.append({before.size(), QColor()});
        colours.append(SyllableColours::runs(look.syllables->pieces(entry.word)));
    }
    job.printAt(column, before + sheetWord(entry), colours);
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

PrintJob Worksheets::worksheet(const QString& heading, const QList<WordEntry>& entries,
                               const Look& look) {
    PrintJob job(QStringLiteral("ABC-Arbeitsblatt"), QStringLiteral("ABC-Arbeitsblatt.pdf"),
                 printerFont(look));
    printHeading(job, heading);
    for (const WordEntry& entry : entries) {
        job.endLine();
        printWord(job, kNumberColumn, QStringLiteral("___.  "), entry, look);
        job.printAt(kMiddleColumn, kDots + QStringLiteral("  S.___"));
        job.endLine();
    }
    return job;
}

PrintJob Worksheets::solutionSheet(const QString& heading, const QList<WordEntry>& entries,
                                   const QStringList& sortedItems, const Look& look) {
    QHash<QString, QList<int>> ranks;
    for (qsizetype place = 0; place < sortedItems.size(); ++place)
        ranks[sortedItems.at(place)].append(static_cast<int>(place) + 1);

    PrintJob job(QStringLiteral("ABC-Lösungsblatt"), QStringLiteral("ABC-Loesungsblatt.pdf"),
                 printerFont(look));
    printHeading(job, heading);
    job.endLine();
    for (const WordEntry& entry : entries) {
        for (const int rank : ranks.value(listItem(entry)))
            job.printAt(kNumberColumn, numberText(rank) + u'.');
        printWord(job, kRankWordColumn, QString(), entry, look);
        job.printAt(kMiddleColumn, kDots);
        job.printAt(kSolutionPageColumn, numberText(entry.page));
        job.endLine();
    }
    return job;
}
