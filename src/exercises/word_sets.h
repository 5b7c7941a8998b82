#pragma once

#include <QStringList>

// The built-in words of the sorting exercise, each set in the order in which it fills the pool.
namespace WordSets {

// One word for each letter of the alphabet.
const QStringList& nouns();
const QStringList& verbs();
const QStringList& adjectives();

// Ten words that share their first letters, so that only the deciding letter (2, 3, 4 or 5)
// sets their order. Each deciding letter has three groups, numbered 0, 1 and 2.
constexpr int kGroupCount = 3;
const QStringList& sameStart(int decidingLetter, int group);

} // namespace WordSets
