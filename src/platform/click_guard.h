#pragma once

class QWidget;

// How the program takes a child's mouse and keys, whatever window they reach:
// - A double click is one click: the second press of a double click (and its release) reaches no
//   control, so a dot, a letter, a card or a line is not clicked twice.
// - A press belongs to the window it began in: when a click or a key opens another window, or a
//   message box, the rest of that click or key (its release, a drag, the keyboard's repeats) and
//   the second press of a double click do nothing there.
// - No context menu of the toolkit's own opens: a right click, or a long press on a touch screen
//   (which some systems turn into a right click), acts as nothing.
// Text fields keep their double click, which selects a word, and their menu of copy and paste.
namespace ClickGuard {
// Watches every event of the application; safe to call more than once.
void install();
// Gives widget and everything inside it its double clicks back (a table whose cells open for
// editing on a double click, say). A double click that began in another window still does
// nothing.
void allowDoubleClick(QWidget* widget);
bool allowsDoubleClick(const QWidget* widget);
} // namespace ClickGuard
