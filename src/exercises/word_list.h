#pragma once

#include <QList>
#include <QString>

#include <optional>

// A word list: pairs of lines, a search word and the page of the class dictionary on which
// it stands ("Apfel", "12", "Baum", "15", ...).
struct WordEntry {
    QString word;
    int page = 0;
};

struct WordList {
    QList<WordEntry> entries;

    int maxPage() const;
};

// Blank lines are skipped. A word whose next line is not a page number (a whole number
// 1 ... kMaxPage) is dropped, and that line is read as the next word; a last word without a
// page is dropped too. So a slip in one pair never shifts the rest of the list.
WordList parseWordList(const QString& text);
// Nothing when the file cannot be read.
std::optional<WordList> readWordList(const QString& path);

constexpr int kMaxPage = 9999;
