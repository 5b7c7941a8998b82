#include "platform/on_screen.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {
int settleTime = 300;
} // namespace

void OnScreen::setSettleTime(int milliseconds) {
    settleTime = milliseconds;
}

OnScreen::OnScreen(QWidget& widget)
    : QObject(&widget) {
    widget.installEventFilter(this);
}

OnScreen& OnScreen::of(QWidget& widget) {
    if (auto* watch = widget.findChild<OnScreen*>(QString(), Qt::FindDirectChildrenOnly))
        return *watch;
    return *new OnScreen(widget);
}

void OnScreen::then(std::function<void()> work) {
    if (drawn_) {
        work();
        return;
    }
    // A window covered by its controls draws only them: any drawing inside it counts, so every
    // drawing is looked at, but only while something waits for it.
    if (waiting_.empty())
        qApp->installEventFilter(this);
    waiting_.push_back(std::move(work));
}

bool OnScreen::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(parent());
    if (watched == widget && event->type() == QEvent::Hide) {
        drawn_ = false;
    } else if (event->type() == QEvent::Paint && !drawn_ && watched->isWidgetType() &&
               (watched == widget || widget->isAncestorOf(static_cast<QWidget*>(watched)))) {
        drawn_ = true;
        qApp->removeEventFilter(this);
        for (auto& work : std::exchange(waiting_, {})) {
            if (settleTime > 0)
                QTimer::singleShot(settleTime, this, std::move(work));
            else
                QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
        }
    }
    return false;
}
