#include "exercises/word_list.h"

#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

WordList refused() {
    return {{}, {}, WordListError::TooLarge};
}

// A line meant as a page that is none: one with a digit ("12a", "0", "S. 12") or a number
// written in words ("zwölf", "einundzwanzig").
bool looksLikePage(QStringView line) {
    static const QRegularExpression numberWord(
        QStringLiteral("^(ein|eins|zwei|drei|vier|fünf|sech|sechs|sieb|sieben|acht|neun|zehn|"
                       "elf|zwölf|zwan|zig|ßig|und|hundert|tausend)+$"),
        QRegularExpression::CaseInsensitiveOption);
    return std::any_of(line.begin(), line.end(), [](QChar ch) { return ch.isDigit(); }) ||
           numberWord.match(line.trimmed().toString()).hasMatch();
}

// The lines of a text that are not blank, with a look at the two that come next.
class PairLines {
public:
    explicit PairLines(const QString& text)
        : reader_(text) {}

    std::optional<QStringView> next() {
        fill(1);
        if (ahead_.isEmpty())
            return std::nullopt;
        return ahead_.takeFirst();
    }
    // The line after the next `skip` lines.
    std::optional<QStringView> peek(qsizetype skip = 0) {
        fill(skip + 1);
        return skip < ahead_.size() ? std::optional(ahead_[skip]) : std::nullopt;
    }

private:
    void fill(qsizetype count) {
        while (ahead_.size() < count && !reader_.atEnd()) {
            const QStringView line = reader_.readLine();
            if (!line.trimmed().isEmpty())
                ahead_.append(line);
        }
    }

    TextReader reader_;
    QList<QStringView> ahead_;
};

bool isPage(std::optional<QStringView> line) {
    return line && pageFault(*line) == RowFault::None;
}

} // namespace

RowFault wordFault(QStringView word) {
    if (word.trimmed().isEmpty())
        return RowFault::WordMissing;
    if (word.size() > kMaxWordLength)
        return RowFault::WordTooLong;
    // Binary data, a NUL or half a character (of a damaged UTF-16 file) would reach the child
    // as boxes and garbage.
    if (!word.isValidUtf16())
        return RowFault::WordUnreadable;
    for (const QChar ch : word) {
        if (ch != u'\t' && ch.category() == QChar::Other_Control)
            return RowFault::WordUnreadable;
    }
    return RowFault::None;
}

RowFault pageFault(QStringView page) {
    const QStringView field = firstField(page);
    if (field.isEmpty())
        return RowFault::PageMissing;
    const auto value = parseNumber(field);
    if (!value)
        return RowFault::PageNotNumber;
    if (*value != std::trunc(*value))
        return RowFault::PageNotWhole;
    if (*value < 1 || *value > kMaxPage)
        return RowFault::PageOutOfRange;
    return RowFault::None;
}

RowFault rowFault(QStringView word, QStringView page) {
    const RowFault ofWord = wordFault(word);
    return ofWord != RowFault::None ? ofWord : pageFault(page);
}

std::optional<int> pageNumber(QStringView page) {
    if (pageFault(page) != RowFault::None)
        return std::nullopt;
    return static_cast<int>(*parseNumber(firstField(page)));
}

QString wordFromLine(QStringView line) {
    QString word = line.toString();
    word.replace(u'\t', u' ');
    return word;
}

QString rowFaultText(RowFault fault) {
    switch (fault) {
    case RowFault::None:
        break;
    case RowFault::WordMissing:
        return QStringLiteral("Das Wort fehlt.");
    case RowFault::WordTooLong:
        return QStringLiteral("Das Wort ist länger als 100 Zeichen.");
    case RowFault::WordUnreadable:
        return QStringLiteral("Im Wort steht ein unlesbares Zeichen.");
    case RowFault::PageMissing:
        return QStringLiteral("Die Seitenzahl fehlt.");
    case RowFault::PageNotNumber:
        return QStringLiteral("Die Seitenzahl muss in Ziffern geschrieben sein, zum Beispiel 12.");
    case RowFault::PageNotWhole:
        return QStringLiteral("Die Seitenzahl muss eine ganze Zahl sein.");
    case RowFault::PageOutOfRange:
        return QStringLiteral("Die Seitenzahl muss zwischen 1 und 9999 liegen.");
    }
    return {};
}

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
    PairLines lines(text);
    const auto drop = [&list](QStringView word, QStringView page) {
        list.dropped.append(
            {list.entries.size(), word.toString(), page.toString(), rowFault(word, page)});
    };
    while (const std::optional<QStringView> word = lines.next()) {
        if (isPage(lines.peek())) {
            const QStringView page = *lines.next();
            if (wordFault(*word) != RowFault::None) {
                drop(*word, page);
                continue;
            }
            if (list.entries.size() == kMaxWordListEntries)
                return refused();
            list.entries.append({wordFromLine(*word), *pageNumber(page)});
            continue;
        }
        // A line meant as the page, unless it is a word with a page of its own: then it is read
        // as the next word, as any line after a word without a page.
        const std::optional<QStringView> meant = lines.peek();
        if (meant && looksLikePage(*meant) && !isPage(lines.peek(1))) {
            drop(*word, *lines.next());
            continue;
        }
        drop(*word, {});
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
