#include "platform/twips.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
double g_scale = 1.0;
constexpr double kTwipsPerPixel = 15.0;
} // namespace

double Twips::scale() {
    return g_scale;
}

void Twips::setScale(double factor) {
    g_scale = std::max(factor, 0.25);
}

double Twips::scaleForScreen(int screenWidth, int screenHeight, int designWidthTwips,
                             int designHeightTwips) {
    // The main window takes about two thirds of the screen height (never more of its width
    // than fits), and never less than its design size.
    const double byHeight = 2.0 / 3.0 * screenHeight / (designHeightTwips / kTwipsPerPixel);
    const double byWidth = 0.9 * screenWidth / (designWidthTwips / kTwipsPerPixel);
    const double factor = std::floor(std::min(byWidth, byHeight) * 20.0) / 20.0;
    return std::clamp(factor, 1.0, 6.0);
}

int Twips::toPixels(int twips) {
    return static_cast<int>(std::lround(twips * g_scale / kTwipsPerPixel));
}

QFont Twips::font(const QString& family, double points, bool bold) {
    QFont result(family);
    result.setPointSizeF(points * g_scale);
    result.setBold(bold);
    return result;
}

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                         Twips::toPixels(height));
}
