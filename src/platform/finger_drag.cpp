#include "platform/finger_drag.h"

#include "platform/accessibility.h"

#include <QLabel>
#include <QTouchEvent>

#include <algorithm>

FingerDrag::FingerDrag(QWidget* control, std::function<bool()> canPickUp)
    : QObject(control)
    , control_(control)
    , canPickUp_(std::move(canPickUp)) {
    control->setAttribute(Qt::WA_AcceptTouchEvents);
    control->installEventFilter(this);
}

bool FingerDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_)
        return false;
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        follow(static_cast<QTouchEvent*>(event));
        return true;
    default:
        return false;
    }
}

void FingerDrag::follow(QTouchEvent* event) {
    if (event->type() == QEvent::TouchBegin && finger_ < 0 && canPickUp_() &&
        !event->points().isEmpty()) {
        const QEventPoint& touch = event->points().first();
        finger_ = touch.id();
        grip_ = touch.position();
        picture_ = new QLabel(control_->window());
        picture_->setPixmap(control_->grab());
        picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
        Accessibility::markDecorative(picture_);
        emit pickedUp();
    }
    const auto touch = std::ranges::find_if(
        event->points(), [this](const QEventPoint& point) { return point.id() == finger_; });
    if (finger_ < 0 || touch == event->points().end())
        return;
    QWidget* window = control_->window();
    const QPoint topLeft = window->mapFromGlobal(touch->globalPosition() - grip_).toPoint();
    picture_->setGeometry(QRect(topLeft, control_->size()));
    picture_->show();
    picture_->raise();
    if (touch->state() != QEventPoint::Released && event->type() != QEvent::TouchCancel)
        return;
    delete picture_;
    picture_ = nullptr;
    finger_ = -1;
    if (event->type() != QEvent::TouchCancel)
        emit dropped(touch->globalPosition());
}
