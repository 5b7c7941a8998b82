#include "platform/speech.h"

#include <QRegularExpression>
#include <QStringList>

Speech::~Speech() = default;

void Speech::say(const QString& text) {
    if (!on_)
        return;
    if (text.trimmed().isEmpty()) {
        silence();
        return;
    }
    speak(text);
}

void Speech::stop() {
    silence();
}

void Speech::setOn(bool on) {
    if (on == on_)
        return;
    on_ = on;
    if (!on)
        silence();
    emit switchedOn(on);
}

QString Spoken::gapWord() {
    return QStringLiteral("Lücke");
}

QString Spoken::letterRow(const QString& row) {
    QStringList letters;
    for (const QString& part : row.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        letters.append(part == QStringLiteral("_") ? gapWord() : part);
    return letters.join(QStringLiteral(", "));
}

QString Spoken::utterance(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression clauseEnd(QStringLiteral("[.!?,;:]$"));
    QStringList clauses;
    for (const QString& line : text.split(lineBreak, Qt::SkipEmptyParts)) {
        const QString clause = line.simplified();
        if (!clause.isEmpty())
            clauses.append(clause);
    }
    // A line that ends without a mark still ends a clause, and so gets a comma.
    for (qsizetype i = 0; i + 1 < clauses.size(); ++i) {
        if (!clauses.at(i).contains(clauseEnd))
            clauses[i] += QLatin1Char(',');
    }
    return clauses.join(QLatin1Char(' '));
}
