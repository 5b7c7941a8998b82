#include "platform/canvas.h"

#include "platform/twips.h"

#include <QPainter>
#include <QResizeEvent>

namespace {
QPoint toPixels(QPoint twips) {
    return {Twips::toPixels(twips.x()), Twips::toPixels(twips.y())};
}
} // namespace

Canvas::Canvas(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Canvas::clear() {
    image_.fill(Qt::transparent);
    printed_.clear();
    update();
}

void Canvas::printText(const QString& text, QPoint position, const QColor& color,
                       const QFont& font) {
    printed_.append({text, position, color});
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(color);
    const QPoint topLeft = toPixels(position);
    painter.drawText(topLeft + QPoint(0, QFontMetrics(font).ascent()), text);
    update();
}

void Canvas::drawLine(QPoint from, QPoint to, const QColor& color, int width) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, width * Twips::scale(), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(toPixels(from), toPixels(to));
    update();
}

QColor Canvas::pixelColor(QPoint position) const {
    const QPoint pixel = toPixels(position);
    return image_.valid(pixel) ? image_.pixelColor(pixel) : QColor();
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void Canvas::resizeEvent(QResizeEvent* event) {
    if (image_.size() != event->size()) {
        QImage grown(event->size().expandedTo(image_.size()), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter painter(&grown);
        painter.drawImage(0, 0, image_);
        painter.end();
        image_ = grown;
    }
    QWidget::resizeEvent(event);
}
