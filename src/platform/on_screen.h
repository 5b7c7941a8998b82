#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

// Work that can wait for a window to be on screen: the window's first frame comes first, and
// whatever follows (making other windows, loading the voice for its first words) comes right
// after it.
class OnScreen final : public QObject {
    Q_OBJECT
public:
    // The watch of widget, made the first time it is asked for; from then on it knows whether
    // the widget has drawn itself since it was last shown.
    static OnScreen& of(QWidget& widget);

    // Runs work at once when the widget has drawn itself since it was last shown, else a moment
    // after that drawing: the settle time.
    void then(std::function<void()> work);

    // How long a window is left alone after its first drawing: the window system's own
    // repaints (the focus mark, once the window is active) come within it. Tests wait for none.
    static void setSettleTime(int milliseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit OnScreen(QWidget& widget);

    bool drawn_ = false;
    std::vector<std::function<void()>> waiting_;
};
