#pragma once

#include <QSettings>

// The program's own settings, kept apart from MOXABC.INI (which holds the reward threshold and
// nothing else): what a user chooses for themselves, over what an administrator sets once for
// every account. INI files read through QSettings: the user's in the user's configuration folder
// (~/.config/moxabc/moxabc.conf) over the system's (/etc/xdg/moxabc/moxabc.conf).
class ProgramSettings {
public:
    ProgramSettings();

    // Reading aloud; on unless the user switched it off.
    bool speechOn() const;
    void setSpeechOn(bool on);

private:
    mutable QSettings settings_;
};
