#pragma once

#include "exercises/word_list.h"
#include "platform/page_layout.h"

#include <QList>
#include <QString>
#include <QStringList>

class Syllables;

// The two sheets a teacher prints from the chosen entries of the word list: the worksheet, on
// which the children number the words in ABC order and find their pages, and its solution.
namespace Worksheets {

// How an entry is listed in the print window: "Apfel (Seite 12)".
QString listItem(const WordEntry& entry);

// The list items of the entries in ABC order.
QStringList abcOrder(const QList<WordEntry>& entries);

// How the words look on both sheets; by default as ever.
struct Look {
    bool readingFont = false;
    // The words in coloured syllables; none: in black.
    const Syllables* syllables = nullptr;
};

// Both sheets list the entries in the order given (the order of the word list).
// heading is the caption of the middle column.
PrintJob worksheet(const QString& heading, const QList<WordEntry>& entries, const Look& look = {});
// sortedItems is abcOrder(entries): an entry's rank is the place of its item there, counted
// from 1; an entry whose item occurs more than once gets every one of those ranks.
PrintJob solutionSheet(const QString& heading, const QList<WordEntry>& entries,
                       const QStringList& sortedItems, const Look& look = {});

} // namespace Worksheets
