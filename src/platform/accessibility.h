#pragma once

class QWidget;

// What screen readers are told about the program's windows. A window is announced as a window
// named by its title, and only what the child can see is in its tree: hidden controls (the
// state a window keeps out of sight, such as the answer of a task) and decoration are left out,
// so that nothing reads the answers aloud.
namespace Accessibility {
// Makes the program's windows known to Qt's accessibility; safe to call more than once.
void install();
// Painted decoration that says nothing and takes no focus.
void markDecorative(QWidget* widget);
bool isDecorative(const QWidget* widget);
} // namespace Accessibility
