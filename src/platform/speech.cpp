#include "platform/speech.h"

#include "platform/letter_sounds.h"

#include <QRegularExpression>
#include <QStringList>

#include <utility>

Speech::~Speech() = default;

void Speech::say(const QString& text) {
    if (!on_)
        return;
    QString whole = std::exchange(first_, QString());
    if (!text.trimmed().isEmpty())
        whole += (whole.isEmpty() ? QString() : QStringLiteral("\n")) + text;
    if (whole.trimmed().isEmpty()) {
        silence();
        return;
    }
    speak(whole);
}

void Speech::stop() {
    first_.clear();
    silence();
}

void Speech::sayFirst(const QString& text) {
    if (!on_ || text.trimmed().isEmpty())
        return;
    if (first_.isEmpty())
        QMetaObject::invokeMethod(this, &Speech::sayFirstAlone, Qt::QueuedConnection);
    first_ += (first_.isEmpty() ? QString() : QStringLiteral("\n")) + text;
}

void Speech::sayFirstAlone() {
    if (!first_.isEmpty())
        say(QString());
}

void Speech::setOn(bool on) {
    if (on == on_)
        return;
    on_ = on;
    if (!on) {
        first_.clear();
        silence();
    }
    emit switchedOn(on);
}

QString Spoken::gapWord() {
    return QStringLiteral("Lücke");
}

QString Spoken::letter(const QString& letter, Letters how) {
    if (how == Letters::Names || letter.size() != 1)
        return letter;
    const QString sound = LetterSounds::phonemes(letter.at(0));
    return sound.isEmpty() ? letter : sound;
}

QString Spoken::letterRow(const QString& row, Letters how) {
    QStringList letters;
    for (const QString& part : row.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        letters.append(part == QStringLiteral("_") ? gapWord() : letter(part, how));
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
