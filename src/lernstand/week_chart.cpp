#include "lernstand/week_chart.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {
// Room under the bars for the first and last week's date.
constexpr qreal kDateBand = 1.4;
} // namespace

WeekChart::WeekChart(QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(QStringLiteral("Aufgaben pro Woche"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void WeekChart::setWeeks(const QList<LearningFigures::WeekBar>& weeks) {
    weeks_ = weeks;
    most_ = 0;
    QStringList spoken;
    for (const LearningFigures::WeekBar& week : weeks) {
        most_ = std::max(most_, week.tasks);
        spoken.append(QStringLiteral("Woche ab %1: %2")
                          .arg(LearningFigures::dateText(week.monday))
                          .arg(week.tasks));
    }
    setAccessibleDescription(spoken.join(QStringLiteral("; ")));
    setToolTip(spoken.join(u'\n'));
    update();
}

QRectF WeekChart::plotArea() const {
    const qreal band = fontMetrics().height() * kDateBand;
    return QRectF(rect()).adjusted(4, 4, -4, -band);
}

QRectF WeekChart::barRect(qsizetype week) const {
    if (week < 0 || week >= weeks_.size() || most_ == 0 || weeks_.at(week).tasks == 0)
        return {};
    const QRectF area = plotArea();
    const qreal slot = area.width() / qreal(weeks_.size());
    const qreal height = area.height() * weeks_.at(week).tasks / most_;
    return QRectF(area.left() + slot * qreal(week) + slot * 0.15, area.bottom() - height,
                  slot * 0.7, height);
}

void WeekChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = plotArea();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    for (qsizetype week = 0; week < weeks_.size(); ++week) {
        const QRectF bar = barRect(week);
        if (!bar.isEmpty())
            painter.fillRect(bar, QColor(70, 130, 180));
    }
    if (weeks_.isEmpty())
        return;
    const QRectF dates(area.left(), area.bottom(), area.width(), height() - area.bottom());
    painter.drawText(dates, Qt::AlignLeft | Qt::AlignVCenter,
                     LearningFigures::dateText(weeks_.constFirst().monday));
    if (most_ > 0)
        painter.drawText(area, Qt::AlignRight | Qt::AlignTop,
                         QStringLiteral("höchstens %1").arg(most_));
}
