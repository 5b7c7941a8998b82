#include "klasse/class_session.h"

#include "klasse/class_room.h"

ClassSession::ClassSession(ClassRoom& room, Clock clock)
    : room_(room)
    , clock_(std::move(clock))
    , begun_(clock_()) {}

const Child* ClassSession::child() const {
    return childId_ ? room_.list().find(*childId_) : nullptr;
}

double ClassSession::choose(int childId) {
    childId_ = childId;
    begun_ = clock_();
    const QList<TaskRecord> tasks = room_.records().read(childId).tasks;
    double points = 0;
    for (const TaskRecord& task : tasks)
        points += task.points;
    boxes_ = LetterBoxes(tasks);
    emit childChanged();
    return points;
}

void ClassSession::handOver() {
    childId_.reset();
    emit childChanged();
}

void ClassSession::taskBegun() {
    begun_ = clock_();
}

void ClassSession::record(TaskRecord task) {
    if (!child())
        return;
    const QDateTime now = clock_();
    task.when = now;
    task.computer = room_.records().computer();
    task.seconds = std::max<qint64>(0, begun_.msecsTo(now)) / 1000.0;
    begun_ = now;
    room_.records().record(*childId_, task);
    boxes_.take(task);
}
