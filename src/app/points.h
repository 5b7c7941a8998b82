#pragma once

class QLabel;

// How a window writes the points total back into the caption.
enum class PointsForm {
    Bare,         // "12"
    LeadingBlank, // " 12", as the dictionary window writes it
};

// The one place where points are added or taken: read the caption as a number, add delta
// (negative to take), write it back. The total is not clamped here.
void addToPoints(QLabel& pointsLabel, double delta, PointsForm form = PointsForm::Bare);
