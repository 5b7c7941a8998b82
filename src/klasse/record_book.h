#pragma once

#include "klasse/task_record.h"

#include <QList>
#include <QString>

// The records folder: one append-only file per child and computer, so that no two computers
// ever write the same file on a shared folder, and the readers merge them.
class RecordBook {
public:
    // folder: the records folder, made when missing; computer: this computer's name.
    RecordBook(const QString& folder, const QString& computer);

    const QString& folder() const { return folder_; }
    const QString& computer() const { return computer_; }

    // Adds the task to the child's file of this computer. A failure never reaches the child:
    // it is kept for notice().
    bool record(int childId, const TaskRecord& task);

    // Why the records could not be written, where and what follows, in German for the teacher;
    // given once after the first failure, empty before and after.
    QString takeNotice();

    struct ChildTasks {
        QList<TaskRecord> tasks; // oldest first
        int skippedLines = 0;    // torn or damaged, left out
    };
    // Every computer's file of the child, merged.
    ChildTasks read(int childId) const;
    // Removes every computer's file of the child; false when one stays.
    bool remove(int childId) const;

    // The name of this computer as it stands in a file name: letters, digits, '-' and '.'.
    static QString computerName(const QString& hostName);

private:
    QString fileName(int childId) const;
    QStringList childFiles(int childId) const;
    QString failure(int error) const;

    QString folder_;
    QString computer_;
    QString notice_;
    bool noticeGiven_ = false;
};
