#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// One task a child finished or left, as the record keeps it.
struct TaskRecord {
    QDateTime when;
    QString computer;
    QString exercise;
    QString task;     // the letters, row or word dealt
    QString expected; // the right answer, where the exercise has one
    QString answer;   // what the child chose, where the exercise asks for something
    bool right = false;
    double points = 0; // given, or taken when negative
    double seconds = 0;

    bool operator==(const TaskRecord&) const = default;
};

// One line of a records file, ended by a line feed: the fields apart by tabs (tabs and line
// breaks in a text become blanks), last a checksum of the rest, so that a line that a power
// cut tore or a share garbled is found and left out.
QByteArray recordLine(const TaskRecord& record);
// The texts that recur from line to line (computer, exercise, letters and words), made once
// and shared, so that a long file is read without making each of them anew.
class RecordTexts {
public:
    QString text(QByteArrayView bytes);

private:
    static constexpr qsizetype kMaxKnown = 4096;
    QHash<QByteArray, QString> known_;
};

// The record of a line without its line feed, or nothing when the line is not whole.
std::optional<TaskRecord> parseRecordLine(QByteArrayView line, RecordTexts* texts = nullptr);
