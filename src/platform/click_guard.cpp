#include "platform/click_guard.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace {

const char* const kAllowDoubleClick = "moxAllowDoubleClick";

bool isTextField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget);
}

bool isPopup(const QWidget* window) {
    return window && window->windowType() == Qt::Popup;
}

// A menu or a list that drops down takes over the rest of the press that opened it.
bool strayFrom(const QWidget* origin, const QWidget* window) {
    return origin && origin != window && !isPopup(origin) && !isPopup(window);
}

class Guard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        bool drop = false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            drop = dropMouse(widget, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            drop = dropKey(widget, static_cast<QKeyEvent*>(event));
            break;
        case QEvent::ContextMenu:
            // The toolkit's menus (a scroll bar's "scroll here", a list's …) are in English and
            // stand over the window, and some systems open them on a long press of a finger: none
            // opens but a text field's, with its copy and paste.
            drop = !isTextField(widget);
            break;
        default:
            break;
        }
        if (drop)
            event->accept();
        return drop;
    }

private:
    bool dropMouse(QWidget* widget, QMouseEvent* event) {
        QWidget* window = widget->window();
        const bool firstButton = (event->buttons() & ~event->button()) == Qt::NoButton;
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const bool drop = !firstButton && (dropping_ || strayFrom(pressWindow_, window));
            if (firstButton) {
                pressWindow_ = window;
                dropping_ = false;
            }
            lastPressWindow_ = window;
            return drop;
        }
        case QEvent::MouseButtonDblClick: {
            const bool drop = strayFrom(lastPressWindow_, window) ||
                              !ClickGuard::allowsDoubleClick(widget) || (!firstButton && dropping_);
            if (firstButton) {
                pressWindow_ = window;
                dropping_ = drop;
            }
            lastPressWindow_ = window;
            return drop;
        }
        case QEvent::MouseButtonRelease: {
            const bool drop = dropping_ || strayFrom(pressWindow_, window);
            if (event->buttons() == Qt::NoButton) {
                pressWindow_ = nullptr;
                dropping_ = false;
            }
            return drop;
        }
        default:
            return event->buttons() != Qt::NoButton &&
                   (dropping_ || strayFrom(pressWindow_, window));
        }
    }

    bool dropKey(QWidget* widget, QKeyEvent* event) {
        const int key = event->key();
        if (event->type() != QEvent::KeyRelease && !event->isAutoRepeat()) {
            keyWindows_.insert(key, widget->window());
            return false;
        }
        // The shortcut check of a repeat is left alone; the repeat itself is judged below.
        if (event->type() == QEvent::ShortcutOverride)
            return false;
        const auto began = keyWindows_.constFind(key);
        const bool drop =
            began != keyWindows_.cend() && strayFrom(began.value().data(), widget->window());
        if (event->type() == QEvent::KeyRelease && !event->isAutoRepeat())
            keyWindows_.remove(key);
        return drop;
    }

    // Where the buttons now held went down, and where the last press went down.
    QPointer<QWidget> pressWindow_;
    QPointer<QWidget> lastPressWindow_;
    // The buttons now held went down for nothing: everything up to their release is dropped.
    bool dropping_ = false;
    // Where each key now held went down.
    QHash<int, QPointer<QWidget>> keyWindows_;
};

} // namespace

void ClickGuard::install() {
    static QPointer<Guard> guard;
    QCoreApplication* application = QCoreApplication::instance();
    if (guard || !application)
        return;
    guard = new Guard(application);
    application->installEventFilter(guard);
}

void ClickGuard::allowDoubleClick(QWidget* widget) {
    widget->setProperty(kAllowDoubleClick, true);
}

bool ClickGuard::allowsDoubleClick(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (isTextField(w) || w->property(kAllowDoubleClick).toBool())
            return true;
    }
    return false;
}
