#pragma once

#include "platform/safe_file.h"
#include "platform/sound.h"

#include <QSet>
#include <QString>

// What the teacher recorded: one WAV file per text in a folder of its own in the working folder
// (the class folder where there is one), so that every computer of the class hears her voice.
class Recordings {
public:
    enum class Kind { Word, LetterName, LetterSound };

    explicit Recordings(QString folder);

    const QString& folder() const { return folder_; }
    // The file that holds, or would hold, the recording of key ("Kuchen", or the letter "B").
    QString path(Kind kind, const QString& key) const;
    // The file of an existing recording, or empty. The folder is looked at the first time a
    // recording is asked for, not before: a class share may be slow to answer.
    QString find(Kind kind, const QString& key) const;

    WriteResult save(Kind kind, const QString& key, const Sound& sound);
    WriteResult remove(Kind kind, const QString& key);

private:
    QString fileName(Kind kind, const QString& key) const;

    QString folder_;
    mutable QSet<QString> files_;
    mutable bool listed_ = false;
};
