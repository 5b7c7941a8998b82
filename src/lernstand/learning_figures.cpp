#include "lernstand/learning_figures.h"

#include "klasse/class_list.h"
#include "klasse/record_book.h"

#include <QHash>
#include <QMap>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

namespace LearningFigures {
namespace {
// The points a reward takes in the main window: no task of the child's.
const QString kReward = QStringLiteral("Belohnung");
// A change of share smaller than this is no trend but chance.
constexpr double kTrendStep = 0.05;

QDate mondayOf(const QDate& day) {
    return day.addDays(1 - day.dayOfWeek());
}

bool isLetter(const QString& text) {
    return text.size() == 1 && text.at(0).isLetter();
}

QList<Count> sortedCounts(const QHash<QString, int>& counts) {
    QList<Count> sorted;
    sorted.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        sorted.append({it.key(), it.value()});
    std::ranges::sort(sorted, [](const Count& a, const Count& b) {
        return a.times != b.times ? a.times > b.times
                                  : QString::localeAwareCompare(a.text, b.text) < 0;
    });
    return sorted;
}

struct Share {
    int tasks = 0;
    int right = 0;
    std::optional<double> value() const {
        return tasks == 0 ? std::nullopt : std::optional<double>(double(right) / tasks);
    }
};
} // namespace

QString periodName(Period period) {
    switch (period) {
    case Period::Week:
        return QStringLiteral("diese Woche");
    case Period::FourWeeks:
        return QStringLiteral("4 Wochen");
    case Period::SchoolYear:
        break;
    }
    return QStringLiteral("Schuljahr");
}

Span periodSpan(Period period, const QDate& today) {
    switch (period) {
    case Period::Week:
        return {mondayOf(today), today};
    case Period::FourWeeks:
        return {mondayOf(today).addDays(-21), today};
    case Period::SchoolYear:
        break;
    }
    const int year = today.month() >= 8 ? today.year() : today.year() - 1;
    return {QDate(year, 8, 1), today};
}

QDate LocalCalendar::day(const QDateTime& when) {
    const qint64 at = when.toMSecsSinceEpoch();
    return at >= start_ && at < end_ ? day_ : local(when).date();
}

QDateTime LocalCalendar::local(const QDateTime& when) {
    const qint64 at = when.toMSecsSinceEpoch();
    if (at >= start_ && at < end_)
        return steady_ ? when.toOffsetFromUtc(offset_) : when.toLocalTime();
    const QDateTime here = when.toLocalTime();
    const QDateTime first(here.date(), QTime(0, 0));
    const QDateTime next(here.date().addDays(1), QTime(0, 0));
    day_ = here.date();
    start_ = first.toMSecsSinceEpoch();
    end_ = next.toMSecsSinceEpoch();
    offset_ = first.offsetFromUtc();
    steady_ = offset_ == next.offsetFromUtc();
    return here;
}

std::optional<double> ExerciseFigures::shareRight() const {
    return Share{tasks, right}.value();
}

int ChildFigures::tasks() const {
    int all = 0;
    for (const ExerciseFigures& exercise : exercises)
        all += exercise.tasks;
    return all;
}

ChildFigures childFigures(const QList<TaskRecord>& tasks, Period period, const QDate& today) {
    const Span span = periodSpan(period, today);
    const QDate middle = span.first.addDays((span.first.daysTo(span.last) + 1) / 2);
    QMap<QString, ExerciseFigures> exercises;
    QMap<QString, std::pair<Share, Share>> halves;
    QHash<QString, int> confusions;
    QHash<QString, int> missed;
    QHash<QString, int> words;
    ChildFigures figures;
    for (QDate monday = mondayOf(span.first); monday <= span.last; monday = monday.addDays(7))
        figures.weeks.append({monday, 0});

    LocalCalendar calendar;
    const QChar* lastName = nullptr;
    ExerciseFigures* exercise = nullptr;
    std::pair<Share, Share>* half = nullptr;
    for (const TaskRecord& task : tasks) {
        const QDate day = calendar.day(task.when);
        if (!span.contains(day) || task.exercise == kReward)
            continue;
        // The records share one text per exercise: most tasks follow one of the same.
        if (task.exercise.constData() != lastName) {
            lastName = task.exercise.constData();
            exercise = &exercises[task.exercise];
            exercise->exercise = task.exercise;
            half = &halves[task.exercise];
        }
        ++exercise->tasks;
        exercise->right += task.right ? 1 : 0;
        exercise->last = std::max(exercise->last, task.when);
        Share& share = day < middle ? half->first : half->second;
        ++share.tasks;
        share.right += task.right ? 1 : 0;
        ++figures.weeks[int(mondayOf(span.first).daysTo(day) / 7)].tasks;

        if (task.right || task.answer.isEmpty() || task.expected.isEmpty())
            continue;
        if (isLetter(task.expected)) {
            const QString expected = task.expected.toLower();
            ++missed[expected];
            if (isLetter(task.answer) && task.answer.toLower() != expected)
                ++confusions[task.answer.toLower() + QStringLiteral(" statt ") + expected];
        } else if (task.expected.size() > 1) {
            ++words[task.expected];
        }
    }
    for (auto it = exercises.cbegin(); it != exercises.cend(); ++it) {
        figures.exercises.append(it.value());
        const auto& [before, after] = halves[it.key()];
        figures.trends.append({it.key(), before.value(), after.value()});
    }
    figures.confusions = sortedCounts(confusions);
    figures.missedLetters = sortedCounts(missed);
    figures.wrongWords = sortedCounts(words);
    return figures;
}

Overview overview(const ClassList& list, const RecordBook& records, Period period,
                  const QDate& today) {
    // Each child's files are read apart from the others', on every core there is, so that a
    // school year of a whole class opens while the teacher waits.
    const QList<Child>& children = list.children();
    std::vector<std::pair<int, ChildFigures>> figures(std::size_t(children.size()));
    std::atomic<qsizetype> next = 0;
    const auto work = [&] {
        for (qsizetype i = next++; i < children.size(); i = next++) {
            const RecordBook::ChildTasks read = records.read(children[i].id);
            figures[std::size_t(i)] = {read.skippedLines, childFigures(read.tasks, period, today)};
        }
    };
    {
        std::vector<std::jthread> helpers;
        const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1U, 8U);
        for (unsigned helper = 1; helper < cores && helper < children.size(); ++helper)
            helpers.emplace_back(work);
        work();
    }
    Overview result;
    for (qsizetype i = 0; i < children.size(); ++i) {
        const Child& child = children[i];
        const auto& [skipped, practised] = figures[std::size_t(i)];
        result.skippedLines += skipped;
        if (practised.exercises.isEmpty())
            result.rows.append({child.id, child.name, {}});
        for (const ExerciseFigures& exercise : practised.exercises)
            result.rows.append({child.id, child.name, exercise});
    }
    return result;
}

QString percentText(std::optional<double> share) {
    if (!share)
        return QStringLiteral("–");
    return QStringLiteral("%1 %").arg(int(std::lround(*share * 100)));
}

QString dateText(const QDate& day) {
    return day.isValid() ? day.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString trendWord(const Trend& trend) {
    if (!trend.before || !trend.after)
        return QStringLiteral("–");
    const double change = *trend.after - *trend.before;
    if (change >= kTrendStep)
        return QStringLiteral("besser");
    if (change <= -kTrendStep)
        return QStringLiteral("schlechter");
    return QStringLiteral("gleich");
}

} // namespace LearningFigures
