#pragma once

#include "editor/word_rows.h"
#include "platform/textfile.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A word-list file as the teacher's editor reads and writes it. It keeps the file's encoding
// and remembers the file as it was read or last written, so that a change made meanwhile by
// someone else is not overwritten unasked: not even by a second program that saves the same
// list at the same moment, since looking at the file and replacing it are one step under a lock
// file beside the list.
class WordListFile {
public:
    // Writes the bytes whole or not at all, and says why not.
    using Writer = std::function<WriteResult(const QString& path, const QByteArray& bytes)>;

    enum class Read { Done, Missing, TooLarge };
    enum class Saved {
        Done,
        MarkedRow,
        Empty,
        TooManyRows,
        TooLarge,
        ChangedOnDisk, // nothing written: ask the teacher, then save with Overwrite::Always
        Locked,        // someone else is saving it and did not finish in time
        NotWritten,    // the writer failed; failureText() says why
    };
    enum class Overwrite { IfUnchanged, Always };

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
    // while a row breaks the row rule, nor a list without a word, which no exercise could use,
    // nor over a file changed on disk unless overwrite says so.
    Saved save(const QList<WordRow>& rows, Overwrite overwrite = Overwrite::IfUnchanged);
    // The message for a save that did not happen, naming the folder where the file could not
    // be written; empty for one that did.
    QString failureText(Saved result) const;

private:
    QString notWrittenText() const;
    Saved write(const QByteArray& bytes, Overwrite overwrite);

    QString path_;
    Writer writer_;
    WriteResult written_; // of the last save that reached the writer
    TextEncoding encoding_ = TextEncoding::Windows1252;
    QByteArray fingerprint_; // empty: there was no file
};
