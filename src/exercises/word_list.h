#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A word list: pairs of lines, a search word and the page of the class dictionary on which
// it stands ("Apfel", "12", "Baum", "15", ...).
struct WordEntry {
    QString word;
    int page = 0;
};

// Why a row (a search word and its page) cannot stand in a word list. The reader leaves such a
// pair out; the teacher's editor marks the row.
enum class RowFault {
    None,
    WordMissing,
    WordTooLong,
    WordUnreadable, // a control character or half a character
    PageMissing,
    PageNotNumber,
    PageNotWhole,
    PageOutOfRange,
};

// A pair the reader left out: where it stood (after how many entries), its lines as they were
// written (the page empty when there was none) and why.
struct DroppedRow {
    qsizetype position = 0;
    QString word;
    QString page;
    RowFault fault = RowFault::None;
};

enum class WordListError {
    None,
    // More pairs or more bytes than a list may hold: the file is refused whole, never read in
    // part, and its entries stay empty. Tell the teacher with wordListTooLargeText().
    TooLarge,
};

struct WordList {
    QList<WordEntry> entries;
    QList<DroppedRow> dropped; // the exercises use only the entries
    WordListError error = WordListError::None;

    int maxPage() const;
    // The search words, in the order of the list.
    QStringList words() const;
};

constexpr int kMaxPage = 9999;
constexpr qsizetype kMaxWordLength = 100;
constexpr qsizetype kMaxWordListEntries = 100000;
constexpr qint64 kMaxWordListBytes = 16 * 1024 * 1024;

// The rule for every row of a word list, the same for the reader and the teacher's editor:
// the word not blank, of at most kMaxWordLength characters, without control characters (a tab
// counts as a blank); the page a whole number 1 ... kMaxPage (the first field of its line). A
// fault of the word is named before one of the page.
RowFault rowFault(QStringView word, QStringView page);
RowFault wordFault(QStringView word);
RowFault pageFault(QStringView page);
// The page of a page text without fault.
std::optional<int> pageNumber(QStringView page);
// A word line as an entry holds it: tabs become blanks.
QString wordFromLine(QStringView line);
// The fault in words a teacher understands; empty for RowFault::None.
QString rowFaultText(RowFault fault);

// The message for a refused list, naming the limits, for a message box of the window that
// read it.
QString wordListTooLargeText();

// Blank lines are skipped. A word whose next line is not a page number is dropped, and that
// line is read as the next word; a last word without a page is dropped too. So a slip in one
// pair never shifts the rest of the list. A word that breaks the row rule is dropped with its
// page line. Each dropped pair is reported in the list's dropped rows; a line that was meant
// as a page ("12a", "zwölf") and would not be a word with a page of its own is reported as the
// page of the word before it.
WordList parseWordList(const QString& text);
// The bytes of a word-list file in any encoding that decodeTextFile knows. They are released
// once decoded (pass them with std::move), so a long list is held only once at a time.
WordList wordListFromBytes(QByteArray bytes);
// Nothing when the file cannot be read.
std::optional<WordList> readWordList(const QString& path);
