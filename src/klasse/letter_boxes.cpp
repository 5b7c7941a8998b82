#include "klasse/letter_boxes.h"

#include "platform/random.h"

#include <algorithm>

LetterBoxes::LetterBoxes(const QList<TaskRecord>& tasks) {
    for (const TaskRecord& task : tasks)
        take(task);
}

QString LetterBoxes::key(const QString& item) {
    if (item.size() != 1 || item == QStringLiteral("ß"))
        return item;
    return item.toUpper();
}

void LetterBoxes::take(const TaskRecord& task) {
    if (task.expected.isEmpty())
        return;
    const QDate day = task.when.date();
    if (task.right) {
        right(key(task.expected), day);
        return;
    }
    // A task left without an answer says nothing about what the child knows.
    if (task.answer.isEmpty())
        return;
    wrong(key(task.expected), day);
    if (task.expected.size() == 1 && task.answer.size() == 1 &&
        key(task.answer) != key(task.expected))
        wrong(key(task.answer), day);
}

void LetterBoxes::wrong(const QString& item, const QDate& day) {
    Weak& weak = weak_[item];
    if (weak.since.isNull())
        weak.since = day;
    weak.box = 1;
    weak.movedUp = day;
}

void LetterBoxes::right(const QString& item, const QDate& day) {
    const auto found = weak_.find(item);
    if (found == weak_.end() || found->movedUp == day)
        return;
    found->movedUp = day;
    if (++found->box > kBoxes)
        weak_.erase(found);
}

bool LetterBoxes::isWeakWord(const QString& word) const {
    if (weak_.contains(word))
        return true;
    const QString upper = word.toUpper();
    for (auto item = weak_.cbegin(); item != weak_.cend(); ++item) {
        if (item.key().size() == 1 && (upper.contains(item.key()) || word.contains(item.key())))
            return true;
    }
    return false;
}

int LetterBoxes::draw(RandomSource& random, const QList<bool>& weak, int previous) {
    const auto count = static_cast<int>(weak.size());
    QList<int> all;
    QList<int> weakOnes;
    for (int i = 0; i < count; ++i) {
        if (i == previous && count > 1)
            continue;
        all.append(i);
        if (weak.at(i))
            weakOnes.append(i);
    }
    const auto weakCount = static_cast<double>(std::ranges::count(weak, true));
    // Drawing a weak one with chance q, else evenly among all, gives each weak one
    // q / w + (1 - q) / n; that is kWeakTimes / n for this q.
    const double q =
        weakCount == 0 || weakCount == count
            ? 0
            : std::min((kWeakTimes - 1) * weakCount / (count - weakCount), 1 - kLeastEvenShare);
    const QList<int>& from = !weakOnes.isEmpty() && random.rnd() < q ? weakOnes : all;
    return from.at(random.uniform(0, static_cast<int>(from.size())));
}

QChar LetterBoxes::drawLetter(RandomSource& random, const QString& letters, QChar previous) const {
    QList<bool> weak;
    for (const QChar letter : letters)
        weak.append(isWeak(letter));
    return letters.at(draw(random, weak, static_cast<int>(letters.indexOf(previous))));
}

int LetterBoxes::drawWord(RandomSource& random, const QStringList& words, int previous) const {
    QList<bool> weak;
    for (const QString& word : words)
        weak.append(isWeakWord(word));
    return draw(random, weak, previous);
}
