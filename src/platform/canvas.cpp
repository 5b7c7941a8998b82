#include "platform/canvas.h"

#include "platform/twips.h"

#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include <algorithm>

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
    updateAccessibleText();
    update();
}

void Canvas::printText(const QString& text, QPoint position, const QColor& color, const QFont& font,
                       const QColor& outline) {
    printed_.append({text, position, color, outline});
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPoint baseline = toPixels(position) + QPoint(0, QFontMetrics(font).ascent());
    if (outline.isValid()) {
        QPainterPath shape;
        shape.addText(baseline, font, text);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(shape, QPen(outline, std::max(1.5, 1.5 * Twips::scale()), Qt::SolidLine,
                                       Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(shape, color);
    } else {
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(baseline, text);
    }
    updateAccessibleText();
    update();
}

void Canvas::updateAccessibleText() {
    // White ink is how a window rubs a text out again on its white surface.
    QList<PrintedText> inReadingOrder;
    for (const PrintedText& printed : std::as_const(printed_)) {
        inReadingOrder.removeIf(
            [&](const PrintedText& earlier) { return earlier.position == printed.position; });
        if (printed.color != QColor(Qt::white))
            inReadingOrder.append(printed);
    }
    std::ranges::stable_sort(inReadingOrder, [](const PrintedText& a, const PrintedText& b) {
        return std::pair(a.position.y(), a.position.x()) <
               std::pair(b.position.y(), b.position.x());
    });
    QStringList texts;
    for (const PrintedText& printed : std::as_const(inReadingOrder))
        texts.append(printed.text.trimmed());
    texts.removeAll(QString());
    setAccessibleName(texts.join(QLatin1Char(' ')));
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
