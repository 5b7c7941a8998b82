#pragma once

#include "klasse/task_record.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class RandomSource;

// A child's letters (A … Z, Ä, Ö, Ü, ß) and words in boxes, from their record: a letter missed
// or confused, or a word got wrong, goes into the first box; a right answer with it moves it up
// one box, at most once a day; past the last box it is practised evenly again. Draws give a weak
// item about kWeakTimes as often as an even one.
class LetterBoxes {
public:
    // Every rule's number is here.
    static constexpr int kBoxes = 3;
    static constexpr double kWeakTimes = 3;
    static constexpr double kLeastEvenShare = 1.0 / 3;

    struct Weak {
        int box = 1;
        QDate since;   // the day it went into the first box
        QDate movedUp; // the last day a right answer moved it
    };

    LetterBoxes() = default;
    // The tasks oldest first, as the record gives them.
    explicit LetterBoxes(const QList<TaskRecord>& tasks);
    // One more task, as it is kept.
    void take(const TaskRecord& task);

    // The letters (upper case, ß as it is) and words practised more often now.
    const QHash<QString, Weak>& weak() const { return weak_; }
    bool isWeak(const QString& item) const { return weak_.contains(key(item)); }
    // A word is weak when it was got wrong or holds a weak letter.
    bool isWeakWord(const QString& word) const;

    // The index of one of count candidates, weak[i] telling which are weak, never previous
    // (unless it is the only one): at least kLeastEvenShare of the draws are even over all
    // candidates, the others fall among the weak ones, so that a weak one comes about kWeakTimes
    // as often as under even drawing.
    static int draw(RandomSource& random, const QList<bool>& weak, int previous);
    // A letter of letters (a string of distinct letters), never previous.
    QChar drawLetter(RandomSource& random, const QString& letters, QChar previous) const;
    // A word of words, never the one at previous.
    int drawWord(RandomSource& random, const QStringList& words, int previous) const;

    // A letter as the boxes name it: upper case, ß as it is; a word as it is.
    static QString key(const QString& item);

private:
    void wrong(const QString& item, const QDate& day);
    void right(const QString& item, const QDate& day);

    QHash<QString, Weak> weak_;
};
