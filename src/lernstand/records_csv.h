#pragma once

#include "klasse/task_record.h"

#include <QByteArray>
#include <QList>
#include <QString>

class ClassList;
class RecordBook;

// The records as a table that German spreadsheet programs open as they are: semicolons between
// the fields, a decimal comma, UTF-8 marked by its byte-order mark, lines ended by CR LF, and a
// field in quotes only where its text needs them.
namespace RecordsCsv {

struct ChildRecords {
    QString name;
    QList<TaskRecord> tasks;
};

// The heading line and one line per task, children in the order given, each child's tasks
// oldest first.
QByteArray toCsv(const QList<ChildRecords>& children);

// Every child of the list with every task of their record, read one child at a time so that a
// whole school year of a class never stands in memory at once; skipped counts the damaged
// lines left out.
QByteArray classCsv(const ClassList& list, const RecordBook& records, int* skipped = nullptr);

} // namespace RecordsCsv
