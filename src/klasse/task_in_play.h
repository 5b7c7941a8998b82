#pragma once

#include "klasse/task_record.h"

#include <QString>

#include <optional>

class MoxApp;

// The task a window has dealt and the child has not finished yet, so that every task ends in
// the record once: answered, or left when the window deals anew or closes over it.
class TaskInPlay {
public:
    TaskInPlay(MoxApp& app, QString exercise);

    // A new task, shown now; one still in play is left first.
    void deal(const QString& task, const QString& expected = {});
    // An answer that does not end the task: the child tries again. expected stands in for the
    // dealt one where each step of the task has its own right answer.
    void attempt(const QString& answer, bool right, double points,
                 const std::optional<QString>& expected = std::nullopt);
    // The last answer to the task; none is in play afterwards.
    void finish(const QString& answer, bool right, double points);
    // Keeps the task in play as left (no answer, nothing given) and ends it.
    void leave();
    // Ends the task in play without a trace: the child never saw it.
    void forget() {
        task_.reset();
        steps_.clear();
    }

    bool inPlay() const { return task_.has_value(); }
    // What the child did so far in the task in play, in order (letters guessed, dots clicked).
    void addStep(const QString& step) { steps_ += step; }
    const QString& steps() const { return steps_; }

private:
    MoxApp& app_;
    QString exercise_;
    std::optional<TaskRecord> task_;
    QString steps_;
};
