#pragma once

#include <QString>
#include <QStringList>

// The ABC order of every sorted list: whole texts compared without regard to case, ä, ö, ü
// as a, o, u (the plain vowel first when texts differ only there), ß as "ss", hyphens
// ignored, a blank before every letter, and a text that begins another first.
int abcCompare(const QString& a, const QString& b);
// What abcCompare compares, made once per text, for sorting many texts.
struct AbcKey {
    QString plain;   // umlauts as their plain vowels
    QString umlauts; // umlauts kept
    QString text;
};
AbcKey abcKey(const QString& text);
int abcCompare(const AbcKey& a, const AbcKey& b);
inline bool abcLess(const QString& a, const QString& b) {
    return abcCompare(a, b) < 0;
}
void abcSort(QStringList& texts);
