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
    // The main window may take about two thirds of the screen; steps of a quarter keep
    // lines and fonts crisp.
    const double byWidth = 0.66 * screenWidth / (designWidthTwips / kTwipsPerPixel);
    const double byHeight = 0.66 * screenHeight / (designHeightTwips / kTwipsPerPixel);
    const double factor = std::floor(std::min(byWidth, byHeight) * 4.0) / 4.0;
    return std::clamp(factor, 1.0, 4.0);
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
