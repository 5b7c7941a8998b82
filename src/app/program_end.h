#pragma once

#include <QObject>

class MoxApp;
class TeacherEntries;
class QWidget;

// "Ende", and closing the main window, which does the same: a question, then the end. In kiosk
// use, which an administrator switches on, a child can neither end the program nor make it
// vanish from the screen: the question comes only after the teacher's password, and the main
// window cannot be minimised.
class ProgramEnd : public QObject {
    Q_OBJECT
public:
    ProgramEnd(MoxApp& app, TeacherEntries& teacher, QWidget* mainWindow, bool kiosk);

    void ask();

protected:
    // Turns a minimised main window back into a shown one in kiosk use.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MoxApp& app_;
    TeacherEntries& teacher_;
    QWidget* mainWindow_;
    bool kiosk_;
};
