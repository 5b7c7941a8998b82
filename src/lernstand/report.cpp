#include "lernstand/report.h"

#include <QStringList>

namespace Report {
namespace {
using namespace LearningFigures;

constexpr int kLeft = 8;
constexpr int kTasksColumn = 32;
constexpr int kShareColumn = 44;
constexpr int kTrendColumn = 54;
// A few of each, so that the page stays a page and the child is not buried in work.
constexpr qsizetype kMostNamed = 8;
// From this share on an exercise counts as going well.
constexpr double kGoingWell = 0.8;

QFont reportFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(11);
    return font;
}

QString firstOf(const QList<Count>& counts, bool withTimes) {
    QStringList named;
    for (const Count& count : counts.first(std::min(counts.size(), kMostNamed)))
        named.append(withTimes ? QStringLiteral("%1 (%2-mal)").arg(count.text).arg(count.times)
                               : count.text);
    return named.join(QStringLiteral(", "));
}

// Letters and digits of the name, so that any name makes a file name on any share.
QString fileNamePart(const QString& name) {
    QString part;
    for (const QChar c : name)
        part += c.isLetterOrNumber() ? c : u'_';
    return part;
}

void line(PrintJob& job, const QString& text = {}) {
    if (!text.isEmpty())
        job.printAt(kLeft, text);
    job.endLine();
}

void printChild(PrintJob& job, const ChildPage& child, Period period, const QDate& today) {
    const Span span = periodSpan(period, today);
    const ChildFigures& figures = child.figures;
    line(job, QStringLiteral("Lernstand von %1").arg(child.name));
    line(job, QStringLiteral("Zeitraum: %1 (%2 bis %3)")
                  .arg(periodName(period), dateText(span.first), dateText(span.last)));
    line(job);
    if (figures.tasks() == 0) {
        line(job, QStringLiteral("In diesem Zeitraum hat %1 noch nicht mit MOX-ABC geübt.")
                      .arg(child.name));
        return;
    }
    int weeks = 0;
    for (const WeekBar& week : figures.weeks)
        weeks += week.tasks > 0 ? 1 : 0;
    const int tasks = figures.tasks();
    line(job, QStringLiteral("%1 hat %2 gelöst, in %3 von %4 Wochen.")
                  .arg(child.name, tasks == 1 ? QStringLiteral("1 Aufgabe")
                                              : QStringLiteral("%1 Aufgaben").arg(tasks))
                  .arg(weeks)
                  .arg(figures.weeks.size()));
    line(job);
    job.printAt(kLeft, QStringLiteral("Übung"));
    job.printAt(kTasksColumn, QStringLiteral("Aufgaben"));
    job.printAt(kShareColumn, QStringLiteral("richtig"));
    job.printAt(kTrendColumn, QStringLiteral("Entwicklung"));
    job.endLine();
    QStringList going;
    for (qsizetype i = 0; i < figures.exercises.size(); ++i) {
        const ExerciseFigures& exercise = figures.exercises.at(i);
        job.printAt(kLeft, exercise.exercise);
        job.printAt(kTasksColumn, QString::number(exercise.tasks));
        job.printAt(kShareColumn, percentText(exercise.shareRight()));
        job.printAt(kTrendColumn, trendWord(figures.trends.at(i)));
        job.endLine();
        if (exercise.shareRight().value_or(0) >= kGoingWell)
            going.append(exercise.exercise);
    }
    line(job);
    if (!going.isEmpty())
        line(job,
             QStringLiteral("Das klappt schon gut: %1.").arg(going.join(QStringLiteral(", "))));
    if (figures.missedLetters.isEmpty() && figures.wrongWords.isEmpty()) {
        line(job, QStringLiteral("Bei Buchstaben und Wörtern ist kaum etwas danebengegangen."));
        return;
    }
    line(job, QStringLiteral("Das üben wir als Nächstes:"));
    if (!figures.missedLetters.isEmpty())
        line(job, QStringLiteral("  Buchstaben: %1").arg(firstOf(figures.missedLetters, false)));
    if (!figures.confusions.isEmpty())
        line(job, QStringLiteral("  Verwechselt: %1").arg(firstOf(figures.confusions, true)));
    if (!figures.wrongWords.isEmpty())
        line(job, QStringLiteral("  Wörter: %1").arg(firstOf(figures.wrongWords, false)));
}
} // namespace

PrintJob childReport(const ChildPage& child, Period period, const QDate& today) {
    PrintJob job(QStringLiteral("Lernstand %1").arg(child.name),
                 QStringLiteral("Lernstand-%1.pdf").arg(fileNamePart(child.name)), reportFont());
    printChild(job, child, period, today);
    return job;
}

PrintJob classReport(const QList<ChildPage>& children, Period period, const QDate& today) {
    PrintJob job(QStringLiteral("Lernstand der Klasse"), QStringLiteral("Lernstand-Klasse.pdf"),
                 reportFont());
    for (const ChildPage& child : children) {
        printChild(job, child, period, today);
        job.endPage();
    }
    return job;
}

} // namespace Report
