#pragma once

#include <QString>

// The working texts that several windows share. Each window sets what it uses before use;
// the only hand-over between windows is the hangman word in wordText.
struct SharedTexts {
    QString letterRow;
    QString wordText;
    QString wordMask;
    int wrongGuesses = 0;
};

inline const QString kCapitals = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
inline const QString kSmallLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
