#pragma once

#include <QProcessEnvironment>
#include <QString>

class Dialogs;
class ProgramSettings;

// The folder for the settings file and the word lists. By default every user has one of their
// own: the first start makes it and fills it with the sample files shipped with the program;
// from then on it belongs to the user (or the teacher): nothing in it is ever replaced. An
// administrator may instead name one class folder for every account, which the program never
// makes; it may be read-only to the children, and then only what writes is refused.
namespace WorkingFolder {

struct Choice {
    enum class Origin { Environment, Class, User };
    QString folder;
    Origin origin = Origin::User;
    // For a class folder: the settings file that names it.
    QString namedIn;
};

// $MOXABC_HOME when set, else the class folder of the settings, else $XDG_DATA_HOME/moxabc,
// else $HOME/.local/share/moxabc.
Choice choose(const QProcessEnvironment& environment, const ProgramSettings& settings);

// Makes the folder (unless it is the class folder), fills it from samples while it holds nothing
// and can be written, and checks that it can be read. Returns why it cannot serve, in German, or
// nothing when it can.
QString prepare(const Choice& choice, const QString& samples);

// prepare(), then makes the folder the current folder, which is where the windows read and
// write. When that fails, tells the person which folder and why, and returns false.
bool enter(const Choice& choice, const QString& samples, Dialogs& dialogs);

} // namespace WorkingFolder
