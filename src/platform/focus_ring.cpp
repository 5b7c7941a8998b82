#include "platform/focus_ring.h"

#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/twips.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include <cmath>

FocusRing::FocusRing(QWidget* window)
    : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecorative(this);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* focused) { follow(focused); });
}

qreal FocusRing::lineWidth() {
    return std::max(2.5, 2.5 * Twips::scale());
}

void FocusRing::follow(QWidget* focused) {
    if (target_)
        target_->removeEventFilter(this);
    const bool ours = focused && focused != this && focused->window() == window() &&
                      !qobject_cast<PictureButton*>(focused);
    target_ = ours ? focused : nullptr;
    if (!target_) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    fitAroundTarget();
}

void FocusRing::fitAroundTarget() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const int margin = static_cast<int>(std::ceil(lineWidth())) + 1;
    const QPoint topLeft = target_->mapTo(window(), QPoint(0, 0));
    setGeometry(QRect(topLeft, target_->size()).adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            fitAroundTarget();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal line = lineWidth();
    painter.setPen(QPen(colour(), line));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
    painter.drawRoundedRect(ring, 2 * line, 2 * line);
}
