#include "exercises/word_list.h"

#include "platform/numbers.h"
#include "platform/textfile.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<int> pageNumber(const QString& line) {
    const auto value = parseNumber(TextReader(line).readField());
    if (!value || *value != std::trunc(*value) || *value < 1 || *value > kMaxPage)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace

int WordList::maxPage() const {
    int highest = 0;
    for (const WordEntry& entry : entries)
        highest = std::max(highest, entry.page);
    return highest;
}

WordList parseWordList(const QString& text) {
    WordList list;
    TextReader reader(text);
    std::optional<QString> pendingWord;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (line.trimmed().isEmpty())
            continue;
        if (pendingWord) {
            if (const auto page = pageNumber(line)) {
                list.entries.append({*pendingWord, *page});
                pendingWord.reset();
                continue;
            }
        }
        pendingWord = line;
    }
    return list;
}

std::optional<WordList> readWordList(const QString& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return parseWordList(decodeTextFile(*bytes));
}
