#pragma once

#include "platform/loadable_voice.h"
#include "platform/recordings.h"

#include <QList>
#include <QString>

#include <functional>

// What is said, in the teacher's voice where she recorded it. A text is split into clauses, at
// its line breaks and at each . , ! ? ; : that ends a word; a clause that is exactly a letter
// (its name), a letter's sound or a recorded word or phrase is played from its recording, and
// the clauses between are said by the voice as one text, their marks kept for the pauses. So
// "Kuchen." is the recorded word, while "Ich esse Kuchen." stays the voice's own sentence.
namespace SpokenPieces {

// The file of the recording of key, or empty.
using Find = std::function<QString(Recordings::Kind kind, const QString& key)>;

QList<VoicePiece> split(const QString& text, const Find& find);
QList<VoicePiece> split(const QString& text, const Recordings& recordings);

} // namespace SpokenPieces
