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

enum class WordListError {
    None,
    // More pairs or more bytes than a list may hold: the file is refused whole, never read in
    // part, and its entries stay empty. Tell the teacher with wordListTooLargeText().
    TooLarge,
};

struct WordList {
    QList<WordEntry> entries;
    WordListError error = WordListError::None;

    int maxPage() const;
    // The search words, in the order of the list.
    QStringList words() const;
};

constexpr int kMaxPage = 9999;
constexpr qsizetype kMaxWordLength = 100;
constexpr qsizetype kMaxWordListEntries = 100000;
constexpr qint64 kMaxWordListBytes = 16 * 1024 * 1024;

// The message for a refused list, naming the limits, for a message box of the window that
// read it.
QString wordListTooLargeText();

// Blank lines are skipped. A word whose next line is not a page number (a whole number
// 1 ... kMaxPage) is dropped, and that line is read as the next word; a last word without a
// page is dropped too. So a slip in one pair never shifts the rest of the list. A line with a
// control character (a tab counts as a blank) or half a character, or of more than
// kMaxWordLength characters, is not a word: it is dropped with its page line.
WordList parseWordList(const QString& text);
// The bytes of a word-list file in any encoding that decodeTextFile knows. They are released
// once decoded (pass them with std::move), so a long list is held only once at a time.
WordList wordListFromBytes(QByteArray bytes);
// Nothing when the file cannot be read.
std::optional<WordList> readWordList(const QString& path);
