#pragma once

#include <QDir>
#include <QString>

// A word list as the teacher knows it: MOXABC-Tiere.TXT is the list "Tiere", MOXABC.TXT the
// list the help text calls the "Wörterbuchliste"; any other file by its file name.
QString listDisplayName(const QString& fileName);

// The file of a new list named by the teacher, MOXABC-<name>.TXT; or, when the name cannot
// give one (a character a file name cannot hold or that cannot be seen, too long, or the name
// is taken in the folder), why not.
struct NewListName {
    QString fileName;
    QString problem;
};
NewListName newListName(const QString& typed, const QDir& folder);
