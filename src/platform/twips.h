#pragma once

#include <QFont>
#include <QString>

class QWidget;

// Window layouts are given in twips (15 to a pixel at 96 dpi) and fonts in points; both grow
// by one program-wide factor so that the windows stay readable on large screens.
namespace Twips {
double scale();
void setScale(double factor);
// The factor at which a window of the given design size takes about two thirds of the height
// of a screen of the given size (in device-independent pixels), never below 1.
double scaleForScreen(int screenWidth, int screenHeight, int designWidthTwips,
                      int designHeightTwips);

int toPixels(int twips);
QFont font(const QString& family, double points, bool bold = false);
} // namespace Twips

// Places a control at its design position (left, top, width, height in twips).
void place(QWidget* control, int left, int top, int width, int height);
