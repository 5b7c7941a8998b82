#include "klasse/task_in_play.h"

#include "app/mox_app.h"

TaskInPlay::TaskInPlay(MoxApp& app, QString exercise)
    : app_(app)
    , exercise_(std::move(exercise)) {}

void TaskInPlay::deal(const QString& task, const QString& expected) {
    leave();
    steps_.clear();
    task_ = TaskRecord();
    task_->exercise = exercise_;
    task_->task = task;
    task_->expected = expected;
    app_.taskBegun();
}

void TaskInPlay::attempt(const QString& answer, bool right, double points,
                         const std::optional<QString>& expected) {
    if (!task_)
        return;
    TaskRecord record = *task_;
    record.expected = expected.value_or(record.expected);
    record.answer = answer;
    record.right = right;
    record.points = points;
    app_.recordTask(record);
}

void TaskInPlay::finish(const QString& answer, bool right, double points) {
    attempt(answer, right, points);
    task_.reset();
    steps_.clear();
}

void TaskInPlay::leave() {
    finish({}, false, 0);
}
