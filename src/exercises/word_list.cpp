#include "exercises/word_list.h"

#include "platform/numbers.h"
#include "platform/textfile.h"

#include <algorithm>
#include <cmath>

namespace {

WordList refused() {
    return {{}, WordListError::TooLarge};
}

std::optional<int> pageNumber(QStringView line) {
    const auto value = parseNumber(firstField(line));
    if (!value || *value != std::trunc(*value) || *value < 1 || *value > kMaxPage)
        return std::nullopt;
    return static_cast<int>(*value);
}

// Binary data, a NUL or half a character (of a damaged UTF-16 file) in a word would reach the
// child as boxes and garbage, and no dictionary holds a word of a whole paragraph.
std::optional<QString> searchWord(QStringView line) {
    if (line.size() > kMaxWordLength || !line.isValidUtf16())
        return std::nullopt;
    QString word = line.toString();
    for (QChar& ch : word) {
        if (ch == u'\t')
            ch = u' ';
        else if (ch.category() == QChar::Other_Control)
            return std::nullopt;
    }
    return word;
}

} // namespace

QStringList WordList::words() const {
    QStringList words;
    words.reserve(entries.size());
    for (const WordEntry& entry : entries)
        words.append(entry.word);
    return words;
}

int WordList::maxPage() const {
    int highest = 0;
    for (const WordEntry& entry : entries)
        highest = std::max(highest, entry.page);
    return highest;
}

QString wordListTooLargeText() {
    return QStringLiteral("Die Wörterliste ist zu groß und wird nicht gelesen!\r"
                          "Erlaubt sind höchstens 100.000 Wörter mit Seitenzahl\r"
                          "in einer Datei von höchstens 16 MB.\r");
}

WordList parseWordList(const QString& text) {
    WordList list;
    TextReader reader(text);
    bool awaitingPage = false;
    std::optional<QString> word; // nothing while the line awaiting its page is not a word
    while (!reader.atEnd()) {
        const QStringView line = reader.readLine();
        if (line.trimmed().isEmpty())
            continue;
        if (awaitingPage) {
            if (const auto page = pageNumber(line)) {
                awaitingPage = false;
                if (!word)
                    continue;
                if (list.entries.size() == kMaxWordListEntries)
                    return refused();
                list.entries.append({std::move(*word), *page});
                continue;
            }
        }
        awaitingPage = true;
        word = searchWord(line);
    }
    return list;
}

WordList wordListFromBytes(QByteArray bytes) {
    if (bytes.size() > kMaxWordListBytes)
        return refused();
    const QString text = decodeTextFile(bytes);
    bytes = QByteArray();
    return parseWordList(text);
}

std::optional<WordList> readWordList(const QString& path) {
    FileBytes file = readFileBytes(path, kMaxWordListBytes);
    switch (file.status) {
    case FileBytes::Status::Missing:
        return std::nullopt;
    case FileBytes::Status::TooLarge:
        return refused();
    case FileBytes::Status::Read:
        break;
    }
    return wordListFromBytes(std::move(file.bytes));
}
