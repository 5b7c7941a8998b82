#pragma once

#include "platform/safe_file.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// Windows-1252, the 8-bit encoding of the program's text files.
QString decodeWindows1252(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);
// A byte-order mark of UTF-16 (either byte order) is followed, valid UTF-8 (with or without a
// mark) is read as UTF-8, anything else as Windows-1252, so that files from old and new editors
// all show their umlauts.
QString decodeTextFile(const QByteArray& bytes);

// The encodings decodeTextFile tells apart, so that a file written back keeps its own.
enum class TextEncoding { Windows1252, Utf8, Utf8WithMark, Utf16LE, Utf16BE };
struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
};
// As decodeTextFile, and which encoding it found. Plain ASCII counts as Windows-1252, the
// program's own 8-bit encoding: its bytes are the same in both.
DecodedText decodeTextFileWithEncoding(const QByteArray& bytes);
// The text in the encoding, with the byte-order mark the encoding carries; nothing when a
// character has no place in it (only Windows-1252 lacks places).
std::optional<QByteArray> encodeTextFile(const QString& text, TextEncoding encoding);

// A whole file's bytes, or why there are none.
struct FileBytes {
    enum class Status { Read, Missing, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes;
};
// Missing also stands for a file that cannot be read, and for anything but a regular file (see
// SafeFile). A file over maxBytes is not read at all.
FileBytes readFileBytes(const QString& path, qint64 maxBytes);
// Replaces the file in one step: on a crash or a full disk the old file stays as it was. A link
// to a regular file in the same folder is kept, and its target replaced.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// The first field of a line, as TextReader::readField reads it.
QStringView firstField(QStringView line);

// Sequential reading of a text by fields and lines. A field ends at a comma or a line end,
// blanks around it and quotes around it are removed; a line is read whole without its end.
// Lines and fields are views into the reader's text, valid while the reader lives, so that a
// long file is never copied line by line.
class TextReader {
public:
    explicit TextReader(QString text);

    bool atEnd() const { return pos_ >= text_.size(); }
    QStringView readLine();
    QStringView readField();

private:
    bool atLineEnd() const;
    void skipLineEnd();

    const QString text_; // const, so that reading never detaches a copy of a shared text
    qsizetype pos_ = 0;
};
