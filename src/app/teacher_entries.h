#pragma once

#include <QObject>
#include <QString>

class MoxApp;
class QLabel;
class QWidget;

// The main window's entries for the teacher. Each asks first for the password, which only an
// adult knows to type: the points total exactly as the main window shows it, or once the class
// has children, the teacher's own. Each can also be reached by a key combination a child will
// not press by chance.
class TeacherEntries : public QObject {
    Q_OBJECT
public:
    // mainWindow takes the key combinations; pointsLabel shows the points total and
    // thresholdLabel holds the reward threshold.
    TeacherEntries(MoxApp& app, QWidget* mainWindow, QLabel* pointsLabel, QLabel* thresholdLabel);

    // Asks for the password with the given prompt; true when the typed text equals the points
    // total as displayed (Cancel gives the empty text, which never does), or the teacher's
    // password once the class has children.
    bool passwordMatches(const QString& prompt);

    // "Druck": the print window, filled with the selected word list.
    void printWorksheets();
    // "Punkte": the reward threshold, asked for until it lies in 10 … 100, and written to the
    // settings file.
    void changeThreshold();
    // "Wörter": the word-list editor.
    void editWordLists();
    // "Klasse": the class list. Its first use chooses the teacher's password, unless the
    // administrator set one.
    void editClass();

private:
    MoxApp& app_;
    QLabel* points_;
    QLabel* threshold_;
};
