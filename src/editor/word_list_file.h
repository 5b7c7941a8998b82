#pragma once

#include "editor/word_rows.h"
#include "platform/textfile.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A word-list file as the teacher's editor reads and writes it. It keeps the file's encoding
// and remembers the file as it was read or last written, so that a change made meanwhile by
// someone else is not overwritten unasked.
class WordListFile {
public:
    // Writes the bytes whole or not at all; false when it could not.
    using Writer = std::function<bool(const QString& path, const QByteArray& bytes)>;

    enum class Read { Done, Missing, TooLarge };
    enum class Saved { Done, MarkedRow, Empty, TooManyRows, TooLarge, NotWritten };

    explicit WordListFile(const QString& path, Writer writer = writeFileAtomically);

    QString path() const { return path_; }
    QString fileName() const;
    QString folder() const;

    // The rows of the file, its bad pairs among them.
    Read read(QList<WordRow>& rows);
    // True when the file is no longer as it was read or last written: changed, made or
    // removed by someone else.
    bool changedOnDisk() const;
    // Writes every row that is not blank, each a word line and a page line ending in CR LF,
    // in the file's encoding when that holds every word, else in UTF-8. Nothing is written
    // while a row breaks the row rule, nor a list without a word, which no exercise could use.
    Saved save(const QList<WordRow>& rows);
    // The message for a save that did not happen, naming the folder where the file could not
    // be written; empty for one that did.
    QString failureText(Saved result) const;

private:
    QString notWrittenText() const;

    QString path_;
    Writer writer_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    QByteArray fingerprint_; // empty: there was no file
};
