#include "klasse/task_record.h"

#include <QList>

namespace {
constexpr char kSeparator = '\t';
constexpr int kFields = 10; // nine of the record and the checksum

QByteArray field(const QString& text) {
    return text.simplified().toUtf8();
}

QByteArray checksum(QByteArrayView bytes) {
    return QByteArray::number(qChecksum(bytes), 16).rightJustified(4, '0');
}

std::optional<double> number(QByteArrayView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}
} // namespace

QByteArray recordLine(const TaskRecord& record) {
    QByteArray line =
        record.when.toOffsetFromUtc(record.when.offsetFromUtc()).toString(Qt::ISODate).toUtf8();
    for (const QString& text :
         {record.computer, record.exercise, record.task, record.expected, record.answer})
        line += kSeparator + field(text);
    line += kSeparator;
    line += record.right ? "richtig" : "falsch";
    line += kSeparator + QByteArray::number(record.points);
    line += kSeparator + QByteArray::number(record.seconds, 'f', 1);
    line += kSeparator + checksum(line) + '\n';
    return line;
}

std::optional<TaskRecord> parseRecordLine(QByteArrayView line) {
    const qsizetype lastSeparator = line.lastIndexOf(kSeparator);
    if (lastSeparator < 0 || line.sliced(lastSeparator + 1) != checksum(line.first(lastSeparator)))
        return std::nullopt;
    const QList<QByteArray> fields = line.toByteArray().split(kSeparator);
    if (fields.size() != kFields)
        return std::nullopt;
    TaskRecord record;
    record.when = QDateTime::fromString(QString::fromUtf8(fields[0]), Qt::ISODate);
    const bool right = fields[6] == "richtig";
    const std::optional<double> points = number(fields[7]);
    const std::optional<double> seconds = number(fields[8]);
    if (!record.when.isValid() || (!right && fields[6] != "falsch") || !points || !seconds)
        return std::nullopt;
    record.computer = QString::fromUtf8(fields[1]);
    record.exercise = QString::fromUtf8(fields[2]);
    record.task = QString::fromUtf8(fields[3]);
    record.expected = QString::fromUtf8(fields[4]);
    record.answer = QString::fromUtf8(fields[5]);
    record.right = right;
    record.points = *points;
    record.seconds = *seconds;
    return record;
}
