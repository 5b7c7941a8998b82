#include "editor/word_rows.h"

#include "exercises/letters.h"

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

bool onLetterPanel(QChar ch) {
    return Letters::kPanelOrder.contains(Letters::capital(ch));
}

// The column headings a spreadsheet's copy starts with: "Wort<Tab>Seite" or "Wort / Seite".
bool isHeading(QStringView line) {
    const QList<QStringView> cells = line.split(line.contains(u'\t') ? u'\t' : u'/');
    return cells.size() >= 2 &&
           cellText(cells[0]).compare(QLatin1String("Wort"), Qt::CaseInsensitive) == 0 &&
           cellText(cells[1]).compare(QLatin1String("Seite"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString WordRow::note() const {
    if (isBlank() || fault() != RowFault::None)
        return {};
    QStringList missing;
    for (const QChar ch : word) {
        const QString shown =
            ch == u' ' ? QStringLiteral("Leerzeichen") : QStringLiteral("„%1“").arg(ch);
        if (!onLetterPanel(ch) && !missing.contains(shown))
            missing.append(shown);
    }
    if (missing.isEmpty())
        return {};
    const QString last = missing.takeLast();
    const QString named = missing.isEmpty()
                              ? last
                              : missing.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last;
    return QStringLiteral("Hinweis: %1 %2 auf keiner Buchstabentafel. Galgenspiel und ABC-Laute "
                          "stellen das Wort trotzdem, aber dort lässt es sich nie ganz aufdecken: "
                          "das Galgenspiel ist so nicht zu gewinnen.")
        .arg(named, missing.isEmpty() ? QStringLiteral("steht") : QStringLiteral("stehen"));
}

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

QList<WordRow> rowsFromPastedText(const QString& pasted) {
    QStringView text(pasted);
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    if (isHeading(text.first(firstLineEnd < 0 ? text.size() : firstLineEnd)))
        text = firstLineEnd < 0 ? QStringView() : text.sliced(firstLineEnd + 1);
    if (!text.contains(u'\t')) {
        const WordList pairs = parseWordList(text.toString());
        if (!pairs.entries.isEmpty())
            return rowsInFileOrder(pairs);
    }
    QList<WordRow> rows;
    for (const QStringView line : text.tokenize(u'\n')) {
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
