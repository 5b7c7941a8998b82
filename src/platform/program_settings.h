#pragma once

#include "platform/safe_file.h"

#include <QHash>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The program's own settings, kept apart from MOXABC.INI (which holds the reward threshold and
// nothing else), in INI files: the user's own (~/.config/moxabc/moxabc.conf) over the ones an
// administrator sets once for every account (/etc/xdg/moxabc/moxabc.conf, or moxabc/moxabc.conf
// in each folder of XDG_CONFIG_DIRS, the first folder first).
//
// The class setup, group [Klasse], belongs to the administrator alone: a user's own file cannot
// change it, so that a child's account cannot switch kiosk use off or move the class folder.
// What cannot be used (an unknown key, a bad value, a damaged or unreadable file) is left out
// and named in problems(), one line each; the program starts all the same.
class ProgramSettings {
public:
    struct Files {
        QString user;
        QStringList system; // the most important first
    };
    // Where the files lie: under XDG_CONFIG_HOME (else ~/.config) and under each folder of
    // XDG_CONFIG_DIRS (else /etc/xdg); relative folders count as not set.
    static Files filesFor(const QProcessEnvironment& environment);

    explicit ProgramSettings(
        const Files& files = filesFor(QProcessEnvironment::systemEnvironment()));

    // Reading aloud; on unless the user (or, for every account, the administrator) switched it
    // off.
    bool speechOn() const;
    // Stored in the user's own file; false (and why) when that could not be written: the
    // choice then holds until the program ends.
    WriteResult setSpeechOn(bool on);

    // The user's own file, where setSpeechOn() writes.
    QString userFile() const { return userFile_; }

    // The folder every account shares for word lists and settings; empty when none is set.
    QString classFolder() const { return classFolder_; }
    // The file that names the class folder.
    QString classFolderFile() const { return classFolderFile_; }
    // Kiosk use: the program cannot be ended or minimised by a child.
    bool kiosk() const { return kiosk_.value_or(false); }
    // Where every account writes the children's records; empty when none is set.
    QString recordsFolder() const { return recordsFolder_; }
    // The salted hash of the teacher's password; empty when none is set.
    QString passwordHash() const { return passwordHash_; }
    // Reading aloud for every child of the class, over what the teacher chose; nothing when the
    // administrator left it to the teacher.
    std::optional<bool> classSpeech() const { return classSpeech_; }

    // The reading help for beginning readers: syllables in colours ("SilbenFaerben"), the
    // font for them ("Leseschrift") and letters said as their sounds ("BuchstabenAlsLaute").
    // Off unless the user (or, for every account of the class, the administrator) switched it
    // on.
    enum class ReadingHelp { Syllables, Font, LetterSounds };
    bool readingHelpOn(ReadingHelp which) const;
    // The choice as the user (over the administrator) made it; none where nobody chose.
    std::optional<bool> readingHelpChoice(ReadingHelp which) const;
    // Stored in the user's own file; false when that could not be written.
    WriteResult setReadingHelpOn(ReadingHelp which, bool on);

    // What was left out, one line each: the file, what and why, in German.
    const QStringList& problems() const { return problems_; }

private:
    enum class Scope { User, System };
    void read(const QString& path, Scope scope);
    // Sets key=on among the user's own keys, leaving the rest of the file as it is.
    WriteResult storeUserSwitch(const QString& key, bool on);
    void reportLinesWithoutValue(const QString& path, const QString& text);
    void take(const QString& path, const QString& key, const QVariant& value, Scope scope);
    void report(const QString& path, const QString& text);

    QString userFile_;
    std::optional<bool> userSpeech_;
    std::optional<bool> systemSpeech_;
    QString classFolder_;
    QString classFolderFile_;
    std::optional<bool> kiosk_;
    QHash<QString, bool> userReadingHelp_;
    QHash<QString, bool> systemReadingHelp_;
    QString recordsFolder_;
    QString passwordHash_;
    std::optional<bool> classSpeech_;
    QStringList problems_;
};
