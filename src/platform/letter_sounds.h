#pragma once

#include <QChar>
#include <QString>

// The sounds of the 30 letters (A … Z, Ä, Ö, Ü, ß) as first grade teaches them, written in the
// phonemes of espeak-ng's German voice between double brackets, which the voice says as written
// rather than reading them as a word.
namespace LetterSounds {
// The sound of the letter, small or capital; empty for anything else.
QString phonemes(QChar letter);
// The letter, as a capital (ß as it is), whose sound phonemes are; nothing for anything else.
QChar letterOf(const QString& phonemes);
// The 30 letters in the order of the ABC.
QString letters();
} // namespace LetterSounds
