#pragma once

#include "lernstand/learning_figures.h"

#include <QList>
#include <QRectF>
#include <QWidget>

// Tasks per week as bars, the tallest week reaching the top; for a screen reader the same
// figures as text.
class WeekChart : public QWidget {
    Q_OBJECT
public:
    explicit WeekChart(QWidget* parent = nullptr);

    void setWeeks(const QList<LearningFigures::WeekBar>& weeks);
    const QList<LearningFigures::WeekBar>& weeks() const { return weeks_; }
    // Where the week's bar stands in the widget; empty for a week without tasks.
    QRectF barRect(qsizetype week) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF plotArea() const;

    QList<LearningFigures::WeekBar> weeks_;
    int most_ = 0;
};
