#pragma once

#include <QChar>
#include <QString>

// The letters of the two word games (ABC-Laute and Galgenspiel) and how a chosen letter is
// found in a word: character by character, a letter and its capital being the same letter.
namespace Letters {

// The 30 letters of the letter panels in the order they are added. A panel shows them in 15
// columns of two, filled column by column, so its top row reads A … O and its bottom row
// P … Z, Ä, Ö, Ü, ß.
inline const QString kPanelOrder = QStringLiteral("APBQCRDSETFUGVHWIXJYKZLÄMÖNÜOß");

// a … z and ä, ö, ü become capitals; everything else stays as it is. ß has no capital of its
// own here: the whole-text upper case would spell it "SS" and change the word's length.
QChar capital(QChar ch);
inline bool sameLetter(QChar a, QChar b) {
    return capital(a) == capital(b);
}

// A blank and "_" for every character of the word, whatever the character is.
QString blankMask(const QString& word);
// Writes the letter into every place of the mask where the word has it, as the word writes
// it (B or b). False when the word does not contain the letter.
bool reveal(const QString& word, QString& mask, QChar letter);
// True when no blank of the mask is left to fill.
bool isSolved(const QString& mask);

} // namespace Letters
