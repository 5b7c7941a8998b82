#pragma once

#include <QObject>
#include <QPointF>

#include <functional>

class QLabel;
class QTouchEvent;
class QWidget;

// A finger's drag of a control on a touch screen: the control's picture follows the finger over
// its window, and where the finger is lifted is told. The system's drag and drop follows the
// mouse pointer and, depending on the window system, not a finger, so the control's touches
// are taken here instead.
class FingerDrag : public QObject {
    Q_OBJECT
public:
    // canPickUp says whether the control has anything on it to drag right now.
    FingerDrag(QWidget* control, std::function<bool()> canPickUp);

signals:
    void pickedUp();
    // The finger was lifted at this point of the screen (not when the touch was cancelled).
    void dropped(QPointF globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QTouchEvent* event);

    QWidget* control_;
    std::function<bool()> canPickUp_;
    // The control's picture under the finger while it drags, that finger, and where on the
    // control it took hold.
    QLabel* picture_ = nullptr;
    int finger_ = -1;
    QPointF grip_;
};
