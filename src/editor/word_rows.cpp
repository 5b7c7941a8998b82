#include "editor/word_rows.h"

#include <QStringList>

namespace {

// A spreadsheet puts quotes around a cell holding a quote, a tab or a line end, and doubles the
// quotes inside.
QString cellText(QStringView cell) {
    QStringView text = cell.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) {
        QString unquoted = text.sliced(1, text.size() - 2).toString();
        unquoted.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        return unquoted.trimmed();
    }
    return text.toString();
}

} // namespace

QList<WordRow> rowsInFileOrder(const WordList& list) {
    QList<WordRow> rows;
    rows.reserve(list.entries.size() + list.dropped.size());
    qsizetype nextEntry = 0;
    const auto entriesUpTo = [&](qsizetype position) {
        for (; nextEntry < position; ++nextEntry) {
            const WordEntry& entry = list.entries[nextEntry];
            rows.append({entry.word, QString::number(entry.page)});
        }
    };
    for (const DroppedRow& dropped : list.dropped) {
        entriesUpTo(dropped.position);
        rows.append({wordFromLine(dropped.word), dropped.page.trimmed()});
    }
    entriesUpTo(list.entries.size());
    return rows;
}

QList<WordRow> rowsFromPastedText(const QString& text) {
    if (!text.contains(u'\t')) {
        const WordList pairs = parseWordList(text);
        if (!pairs.entries.isEmpty())
            return rowsInFileOrder(pairs);
    }
    QList<WordRow> rows;
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QList<QStringView> cells = line.split(u'\t');
        rows.append(
            {wordFromLine(cellText(cells[0])), cells.size() > 1 ? cellText(cells[1]) : QString()});
    }
    return rows;
}

QString rowsAsText(const QList<WordRow>& rows) {
    QString text;
    for (const WordRow& row : rows)
        text += row.word + u'\t' + row.page + u'\n';
    return text;
}
