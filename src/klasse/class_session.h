#pragma once

#include "klasse/letter_boxes.h"
#include "klasse/task_record.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class ClassRoom;
struct Child;

// The child at the computer: who chose themself in "Wer bist du?", and every task they finish
// or leave, kept in their record. Before a child is chosen nothing is recorded.
class ClassSession : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    ClassSession(ClassRoom& room, Clock clock);

    // The chosen child as the class list has them now; nullptr before a choice, after a
    // hand-over and once the teacher removed them.
    const Child* child() const;
    // The child from now on; their points total as their record gives it (every computer's
    // files, the rewards taken off).
    double choose(int childId);
    // Back to nobody, for the next child.
    void handOver();

    // The clock of the next task starts now; a task's seconds run from here or from the last
    // task kept, whichever came later.
    void taskBegun();
    // Keeps the task in the chosen child's record, with the time, this computer and its
    // seconds. A failure never reaches the child: the records tell the teacher.
    void record(TaskRecord task);

    QDateTime now() const { return clock_(); }
    // The chosen child's letters and words in boxes, kept up to date with every task.
    const LetterBoxes& boxes() const { return boxes_; }

signals:
    void childChanged();

private:
    ClassRoom& room_;
    Clock clock_;
    std::optional<int> childId_;
    QDateTime begun_;
    LetterBoxes boxes_;
};
