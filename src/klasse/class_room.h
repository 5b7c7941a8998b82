#pragma once

#include "klasse/class_list.h"
#include "klasse/password.h"
#include "klasse/record_book.h"

#include <QDir>
#include <QString>

#include <optional>

class ProgramSettings;

// The class as the program holds it while it runs: its list in the class folder (the working
// folder), its records folder and the teacher's password with its gate.
class ClassRoom {
public:
    ClassRoom(const QDir& classFolder, const ProgramSettings& settings, const QString& computer);

    QString listPath() const;
    // Reads the list afresh; what was read is list() from then on.
    ClassListRead load();
    ClassList& list() { return list_; }
    // Writes list() whole; false when the file could not be written.
    WriteResult save() const;

    // A class exists once the list names a child: from then on the teacher's password guards
    // the teacher's entries.
    bool exists() const { return !list_.isEmpty(); }
    // The administrator's hash over the one the teacher chose; empty while there is none.
    QString passwordHash() const;
    bool passwordSetByAdministrator() const { return !adminHash_.isEmpty(); }
    PasswordGate& gate() { return gate_; }
    // Reading aloud in class use: the administrator's choice over the teacher's.
    bool speechOn() const { return adminSpeech_.value_or(list_.speechOn()); }
    bool speechSetByAdministrator() const { return adminSpeech_.has_value(); }
    void setClock(PasswordGate::Clock clock) { gate_ = PasswordGate(std::move(clock)); }

    RecordBook& records() { return records_; }

private:
    QDir folder_;
    QString adminHash_;
    std::optional<bool> adminSpeech_;
    ClassList list_;
    PasswordGate gate_;
    RecordBook records_;
};
