#pragma once

#include "platform/safe_file.h"

#include <QString>
#include <QWidget>

class MoxApp;
class QLabel;
class QPushButton;

// Which list the exercises and the printing use, and the teacher's choice of the list shown in
// the editor in its place.
class ListInUseBar : public QWidget {
    Q_OBJECT
public:
    ListInUseBar(MoxApp& app, QWidget* parent);

    QLabel* label;
    QPushButton* useButton; // "Diese Liste benutzen"

    // The list shown in the editor, by its file name; empty when none is shown. Only a list
    // that is a file can be chosen.
    void setShownList(const QString& fileName);
    // Shows the list in use afresh, after a save or a change elsewhere.
    void refresh();
    // Keeps the list in use by its name before a new list is made, so that the new one, which
    // may come first by name, does not take its place. False, after telling the teacher under
    // title, when that could not be written.
    bool keepListInUse(const QString& title);

private:
    void useShownList();
    // Why the choice could not be written, as the teacher can mend it.
    QString notWrittenText(WriteResult result) const;

    MoxApp& app_;
    QString shown_;
};
