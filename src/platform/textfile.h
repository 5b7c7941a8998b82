#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows-1252, the 8-bit encoding of the program's text files.
QString decodeWindows1252(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);
// Valid UTF-8 (with or without a byte-order mark) is read as UTF-8, anything else as
// Windows-1252, so that files from old and new editors both show their umlauts.
QString decodeTextFile(const QByteArray& bytes);

// Reads a whole file; nothing when it is missing or cannot be read.
std::optional<QByteArray> readFileBytes(const QString& path);
// Replaces the file in one step: on a crash or a full disk the old file stays as it was.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// Sequential reading of a text by fields and lines. A field ends at a comma or a line end,
// blanks around it and quotes around it are removed; a line is read whole without its end.
class TextReader {
public:
    explicit TextReader(QString text);

    bool atEnd() const { return pos_ >= text_.size(); }
    QString readLine();
    QString readField();

private:
    bool atLineEnd() const;
    void skipLineEnd();

    QString text_;
    qsizetype pos_ = 0;
};
