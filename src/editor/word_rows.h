#pragma once

#include "exercises/word_list.h"

#include <QList>
#include <QString>

// One row of the teacher's word-list editor: the word and the page as typed, which may break
// the row rule until the teacher mends them.
struct WordRow {
    QString word;
    QString page;

    bool isBlank() const { return word.trimmed().isEmpty() && page.trimmed().isEmpty(); }
    // The row rule's verdict; a blank row is no fault, as it is left out when saving.
    RowFault fault() const { return isBlank() ? RowFault::None : rowFault(word, page); }
    // A hint for a row without fault whose word holds characters that no letter panel of the
    // word games has; empty when there is none.
    QString note() const;
    bool operator==(const WordRow&) const = default;
};

// The entries and the dropped pairs of a list, in the order in which they stood in the file.
QList<WordRow> rowsInFileOrder(const WordList& list);

// Rows from cells copied out of a spreadsheet or a text editor: a word and its page per line,
// apart by a tab (further cells are ignored), or one word per line without a page. Lines in the
// form of a word-list file (a word line, then a page line) give their pairs. Blank lines add
// nothing. A first line of column headings ("Wort" and "Seite", apart by a tab or a slash) is
// left out.
QList<WordRow> rowsFromPastedText(const QString& text);
// The rows as tab-separated lines, for a spreadsheet or another list.
QString rowsAsText(const QList<WordRow>& rows);
