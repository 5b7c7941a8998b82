#include "lernstand/records_csv.h"

#include "klasse/class_list.h"
#include "klasse/record_book.h"
#include "lernstand/learning_figures.h"

#include <QStringList>

namespace RecordsCsv {
namespace {
const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QString field(const QString& text) {
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString decimal(double value, char format, int precision) {
    return QString::number(value, format, precision).replace(u'.', u',');
}

QString line(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& text : fields)
        quoted.append(field(text));
    return quoted.join(u';') + QStringLiteral("\r\n");
}

QString headingLine() {
    return line({QStringLiteral("Kind"), QStringLiteral("Datum"), QStringLiteral("Uhrzeit"),
                 QStringLiteral("Rechner"), QStringLiteral("Übung"), QStringLiteral("Aufgabe"),
                 QStringLiteral("Richtig wäre"), QStringLiteral("Antwort"),
                 QStringLiteral("Ergebnis"), QStringLiteral("Punkte"), QStringLiteral("Sekunden")});
}

QByteArray childLines(const ChildRecords& child) {
    QString text;
    LearningFigures::LocalCalendar calendar;
    for (const TaskRecord& task : child.tasks) {
        const QDateTime when = calendar.local(task.when);
        text += line({child.name, when.date().toString(QStringLiteral("dd.MM.yyyy")),
                      when.time().toString(QStringLiteral("HH:mm:ss")), task.computer,
                      task.exercise, task.task, task.expected, task.answer,
                      task.right ? QStringLiteral("richtig") : QStringLiteral("falsch"),
                      decimal(task.points, 'g', 15), decimal(task.seconds, 'f', 1)});
    }
    return text.toUtf8();
}
} // namespace

QByteArray toCsv(const QList<ChildRecords>& children) {
    QByteArray bytes = kByteOrderMark + headingLine().toUtf8();
    for (const ChildRecords& child : children)
        bytes += childLines(child);
    return bytes;
}

QByteArray classCsv(const ClassList& list, const RecordBook& records, int* skipped) {
    QByteArray bytes = kByteOrderMark + headingLine().toUtf8();
    for (const Child& child : list.children()) {
        RecordBook::ChildTasks read = records.read(child.id);
        if (skipped)
            *skipped += read.skippedLines;
        bytes += childLines({child.name, std::move(read.tasks)});
    }
    return bytes;
}

} // namespace RecordsCsv
