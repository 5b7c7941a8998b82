#pragma once

#include <QObject>

#include <functional>

// Whether the desktop's screen reader is running. A child who hears everything through it should
// not hear the program's own voice as well.
class ScreenReaderStatus {
public:
    virtual ~ScreenReaderStatus() = default;

    // Asks without waiting: answer runs later on the GUI thread with true when the screen reader
    // is on, and not at all when nobody can tell (then the program's voice stays as it is) or
    // once context is gone.
    virtual void ask(QObject* context, std::function<void(bool)> answer) = 0;
};

// The accessibility bus of the session (org.a11y.Bus), its property
// org.a11y.Status.ScreenReaderEnabled.
class AccessibilityBusStatus final : public ScreenReaderStatus {
public:
    void ask(QObject* context, std::function<void(bool)> answer) override;
};

// For a program that is never told: the voice stays as the user chose.
class NoScreenReader final : public ScreenReaderStatus {
public:
    void ask(QObject*, std::function<void(bool)>) override {}
};
