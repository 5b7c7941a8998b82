#pragma once

#include "klasse/task_record.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class ClassList;
class RecordBook;

// What the teacher reads off a child's record: how much was practised, how well, and which
// letters and words keep going wrong. Plain figures, without any window, so that the overview,
// the one-child view and the report count alike.
namespace LearningFigures {

enum class Period { Week, FourWeeks, SchoolYear };
inline constexpr Period kPeriods[] = {Period::Week, Period::FourWeeks, Period::SchoolYear};
// "diese Woche", "4 Wochen", "Schuljahr"
QString periodName(Period period);

// The days a period covers up to today: this week from Monday, the last four weeks from the
// Monday three weeks before this one, the school year from the 1st of August.
struct Span {
    QDate first;
    QDate last;
    bool contains(const QDate& day) const { return day >= first && day <= last; }
};
Span periodSpan(Period period, const QDate& today);

// Times as this computer's clock shows them. Asking the system's calendar costs a look at its
// time-zone file each time, which a school year of a class would wait for: a day without a
// change of clock is asked about once.
class LocalCalendar {
public:
    QDateTime local(const QDateTime& when);
    QDate day(const QDateTime& when);

private:
    qint64 start_ = 1; // the day known, as milliseconds since the epoch: none yet
    qint64 end_ = 0;
    QDate day_;
    int offset_ = 0;
    bool steady_ = false; // the clock is not put forward or back that day
};

struct ExerciseFigures {
    QString exercise;
    int tasks = 0;
    int right = 0;
    QDateTime last; // the latest task
    // Right tasks among all, 0 … 1; nothing without tasks.
    std::optional<double> shareRight() const;
};

// How often something went wrong: "d statt b" 7 times.
struct Count {
    QString text;
    int times = 0;
    bool operator==(const Count&) const = default;
};

struct Trend {
    QString exercise;
    std::optional<double> before; // share right in the first half of the period
    std::optional<double> after;  // and in the second
};

struct WeekBar {
    QDate monday;
    int tasks = 0;
};

struct ChildFigures {
    QList<ExerciseFigures> exercises; // in ABC order
    QList<WeekBar> weeks;             // every week of the period, oldest first
    QList<Count> confusions;          // letter pairs: "d statt b" (chosen, then right one)
    QList<Count> missedLetters;       // the right letter of every letter answered wrong
    QList<Count> wrongWords;          // words answered wrong
    QList<Trend> trends;              // one per exercise, in ABC order
    int tasks() const;
};

// The figures of one child's tasks (oldest first) within the period; the rewards taken in the
// main window are no tasks and left out, and a task left without an answer counts as not right
// but names no letter or word. Counts are sorted most often first, then by text.
ChildFigures childFigures(const QList<TaskRecord>& tasks, Period period, const QDate& today);

struct OverviewRow {
    int childId = 0;
    QString name;
    ExerciseFigures figures; // exercise empty: nothing practised in the period
};
struct Overview {
    QList<OverviewRow> rows; // per child (in the list's order) one per exercise practised
    int skippedLines = 0;    // damaged lines left out of every file read
};
Overview overview(const ClassList& list, const RecordBook& records, Period period,
                  const QDate& today);

// "83 %"; "–" for no share.
QString percentText(std::optional<double> share);
// "08.12.2026"; empty for none.
QString dateText(const QDate& day);
// "besser", "schlechter", "gleich", or "–" without both halves.
QString trendWord(const Trend& trend);

} // namespace LearningFigures
