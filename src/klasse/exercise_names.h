#pragma once

#include <QString>

// The names the record gives each exercise and game: the window's title without its blanks, so
// that the teacher's overview and the spreadsheet name them as the child saw them.
namespace ExerciseName {
inline QString abcBilder() {
    return QStringLiteral("ABC-Bilder");
}
inline QString abcLuecken() {
    return QStringLiteral("ABC-Lücken");
}
inline QString abcReihe() {
    return QStringLiteral("ABC-Reihe");
}
inline QString abcFolgen() {
    return QStringLiteral("ABC-Folgen");
}
inline QString abcFehlersuche() {
    return QStringLiteral("ABC-Fehlersuche");
}
inline QString abcWortsuche() {
    return QStringLiteral("ABC-Wortsuche");
}
inline QString abcLaute() {
    return QStringLiteral("ABC-Laute");
}
inline QString buchstabensuche() {
    return QStringLiteral("Buchstabensuche");
}
inline QString woerterbuch() {
    return QStringLiteral("Wörterbuch");
}
inline QString galgenspiel() {
    return QStringLiteral("Galgenspiel");
}
inline QString memory() {
    return QStringLiteral("Memory");
}
inline QString fangspiel() {
    return QStringLiteral("Fangspiel");
}
// The points a reward takes in the main window.
inline QString belohnung() {
    return QStringLiteral("Belohnung");
}
} // namespace ExerciseName
