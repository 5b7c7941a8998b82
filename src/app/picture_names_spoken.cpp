#include "app/picture_names_spoken.h"

#include "app/mox_app.h"
#include "platform/controls.h"
#include "platform/speech.h"

#include <QFocusEvent>
#include <QWidget>

PictureNamesSpoken::PictureNamesSpoken(MoxApp& app, QWidget* window)
    : QObject(window)
    , app_(app) {
    dwell_.setSingleShot(true);
    dwell_.setInterval(kDwellMilliseconds);
    connect(&dwell_, &QTimer::timeout, this, &PictureNamesSpoken::sayPointed);
    for (PictureButton* picture : window->findChildren<PictureButton*>())
        picture->installEventFilter(this);
}

bool PictureNamesSpoken::eventFilter(QObject* watched, QEvent* event) {
    auto* picture = qobject_cast<PictureButton*>(watched);
    if (!picture)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Only the keyboard's focus is the child's own step; the focus the program sets, or a
        // click gives, comes with something else to hear.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            app_.speech().say(picture->accessibleName());
        break;
    }
    case QEvent::Enter:
        pointed_ = picture;
        dwell_.start();
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        if (pointed_ == picture)
            dwell_.stop();
        break;
    default:
        break;
    }
    return false;
}

void PictureNamesSpoken::sayPointed() {
    if (pointed_ && pointed_->isVisible())
        app_.speech().say(pointed_->accessibleName());
}
