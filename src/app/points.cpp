#include "app/points.h"

#include "platform/numbers.h"

#include <QLabel>

void addToPoints(QLabel& pointsLabel, double delta, PointsForm form) {
    const double total = textToNumber(pointsLabel.text()) + delta;
    pointsLabel.setText(form == PointsForm::Bare ? bareText(total) : numberText(total));
}
