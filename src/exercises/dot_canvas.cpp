#include "exercises/dot_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace {

// Three pixels at design size.
constexpr double kLineWidth = 45.0;

} // namespace

DotCanvas::DotCanvas(QWidget* parent)
    : QWidget(parent)
    , picture_(new QSvgRenderer(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

void DotCanvas::showPicture(const QString& path) {
    path_ = path;
    picture_->load(path);
    update();
}

void DotCanvas::addLine(QPoint from, QPoint to) {
    lines_.append({from, to});
    update();
}

void DotCanvas::removeLastLine() {
    if (!lines_.isEmpty())
        lines_.removeLast();
    update();
}

void DotCanvas::clearLines() {
    lines_.clear();
    update();
}

std::optional<QPoint> DotCanvas::dotOf(QChar letter) const {
    const QString id = QStringLiteral("dot-") + letter.toLower();
    if (!picture_->isValid() || !picture_->elementExists(id))
        return std::nullopt;
    const QRectF box = picture_->viewBoxF();
    const QPointF centre = picture_->boundsOnElement(id).center() - box.topLeft();
    return QPoint(static_cast<int>(std::lround(centre.x() * Units.width() / box.width())),
                  static_cast<int>(std::lround(centre.y() * Units.height() / box.height())));
}

std::optional<QChar> DotCanvas::letterAt(QPoint at) const {
    // About the size of a letter beside its dot, in canvas units.
    constexpr int kReach = 180;
    std::optional<QChar> nearest;
    int nearestDistance = kReach + 1;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        const std::optional<QPoint> dot = dotOf(QChar(letter));
        const int distance = dot ? (*dot - at).manhattanLength() : kReach + 1;
        if (distance < nearestDistance) {
            nearest = QChar(letter);
            nearestDistance = distance;
        }
    }
    return nearest;
}

void DotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / double(Units.width()), height() / double(Units.height()));
    picture_->render(&painter, QRectF(QPointF(0, 0), QSizeF(Units)));
    const QPen pen(Qt::black, kLineWidth, Qt::SolidLine, Qt::RoundCap);
    painter.setBrush(Qt::black);
    for (const Line& line : lines_) {
        if (line.from == line.to) {
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(line.from), kLineWidth / 2, kLineWidth / 2);
        } else {
            painter.setPen(pen);
            painter.drawLine(line.from, line.to);
        }
    }
}

void DotCanvas::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mouseDown(QPoint(static_cast<int>(std::lround(at.x() * Units.width() / width())),
                          static_cast<int>(std::lround(at.y() * Units.height() / height()))));
}
