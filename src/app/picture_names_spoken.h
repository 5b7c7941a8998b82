#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class MoxApp;
class PictureButton;
class QWidget;

// The main window's pictures, heard: a child who cannot read the captions hears a picture's name
// when the keyboard brings it the focus, or when the pointer rests on it. A pointer that only
// crosses a picture on its way says nothing.
class PictureNamesSpoken : public QObject {
    Q_OBJECT
public:
    // A pointer resting this long on a picture is the child's question "what is this?".
    static constexpr int kDwellMilliseconds = 500;

    // Listens to every picture of window (made before this).
    PictureNamesSpoken(MoxApp& app, QWidget* window);

    // Runs while the pointer rests on a picture, until its name is said.
    QTimer* dwell() { return &dwell_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sayPointed();

    MoxApp& app_;
    QTimer dwell_;
    QPointer<PictureButton> pointed_;
};
