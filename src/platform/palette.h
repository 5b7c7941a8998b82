#pragma once

#include <QColor>

// The classic 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 yellow, 7 light grey, 8 grey, 9 light blue, 10 light green, 11 light cyan, 12 light red,
// 13 light magenta, 14 light yellow, 15 white. Other indexes wrap around.
QColor paletteColor(int index);
// The contrast ratio of two colours as readability guidelines measure it: 1 for equal
// colours, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// Colours the windows share.
namespace Colors {
inline const QColor LightCyan{128, 255, 255};
inline const QColor LightGrey{224, 224, 224};
inline const QColor LightYellow{255, 255, 224};
inline const QColor Blue{0, 0, 255};
inline const QColor DarkBlue{0, 0, 128};
} // namespace Colors
