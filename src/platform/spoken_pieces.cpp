#include "platform/spoken_pieces.h"

#include "platform/letter_sounds.h"

#include <QRegularExpression>

namespace {

// The recording that would say clause (without its mark), or empty.
QString recordingOf(const QString& clause, const SpokenPieces::Find& find) {
    if (clause.size() == 1) {
        const QChar letter = clause.at(0).toUpper();
        if (LetterSounds::letters().contains(letter))
            return find(Recordings::Kind::LetterName, QString(letter));
    }
    const QChar sounded = LetterSounds::letterOf(clause);
    if (!sounded.isNull())
        return find(Recordings::Kind::LetterSound, QString(sounded));
    return find(Recordings::Kind::Word, clause);
}

} // namespace

QList<VoicePiece> SpokenPieces::split(const QString& text, const Find& find) {
    // A mark ends a clause only before a blank or the end: "z.B." and "1,5" stay whole.
    static const QRegularExpression clauseEnd(QStringLiteral("[.,!?;:](?=\\s|$)|[\\r\\n]+"));
    static const QRegularExpression mark(QStringLiteral("[.,!?;:]$"));
    QList<VoicePiece> pieces;
    // The clauses said by the voice since the last recording, with what stands between them.
    QString voiced;
    const auto sayVoiced = [&] {
        const QString said = voiced.trimmed();
        if (!said.isEmpty())
            pieces.append(VoicePiece{said, {}});
        voiced.clear();
    };
    qsizetype from = 0;
    while (from < text.size()) {
        const QRegularExpressionMatch end = clauseEnd.match(text, from);
        const qsizetype to = end.hasMatch() ? end.capturedEnd() : text.size();
        const QString clause = text.mid(from, to - from);
        from = to;
        const QString said = clause.trimmed();
        const QString key = QString(said).remove(mark).simplified();
        const QString recording = key.isEmpty() ? QString() : recordingOf(key, find);
        if (recording.isEmpty()) {
            voiced += clause;
            continue;
        }
        sayVoiced();
        pieces.append(VoicePiece{said, recording});
    }
    sayVoiced();
    return pieces;
}

QList<VoicePiece> SpokenPieces::split(const QString& text, const Recordings& recordings) {
    return split(text, [&recordings](Recordings::Kind kind, const QString& key) {
        return recordings.find(kind, key);
    });
}
