#pragma once

#include <QProcessEnvironment>
#include <QString>

class Dialogs;

// Every user has a folder of their own for the settings file and the word lists. The first
// start makes it and fills it with the sample files shipped with the program; from then on it
// belongs to the user (or the teacher): nothing in it is ever replaced.
namespace WorkingFolder {
// $MOXABC_HOME when set, else $XDG_DATA_HOME/moxabc, else $HOME/.local/share/moxabc.
QString location(const QProcessEnvironment& environment);

// Makes folder, fills it from samples while it holds nothing yet, and checks that it can be
// written. Returns why it cannot serve, in German, or nothing when it can.
QString prepare(const QString& folder, const QString& samples);

// prepare(), then makes folder the current folder, which is where the windows read and write.
// When that fails, tells the person which folder and why, and returns false.
bool enter(const QString& folder, const QString& samples, Dialogs& dialogs);
} // namespace WorkingFolder
