#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace {

// Code points of the bytes 0x80 ... 0x9F; the rest of Windows-1252 is Latin-1. The five
// unassigned bytes map to themselves, as the C1 controls of Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes.append(static_cast<char>(code));
            continue;
        }
        const auto* found = std::find(kHighControls.begin(), kHighControls.end(), code);
        bytes.append(found != kHighControls.end()
                         ? static_cast<char>(0x80 + (found - kHighControls.begin()))
                         : '?');
    }
    return bytes;
}

QString decodeTextFile(const QByteArray& bytes) {
    return decodeTextFileWithEncoding(bytes).text;
}

DecodedText decodeTextFileWithEncoding(const QByteArray& bytes) {
    // Exactly one mark is dropped, never a second one that belongs to the text.
    constexpr auto keepMarks =
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    const QByteArrayView view(bytes);
    if (view.startsWith("\xFF\xFE"))
        return {QStringDecoder(QStringDecoder::Utf16LE, keepMarks).decode(view.sliced(2)),
                TextEncoding::Utf16LE};
    if (view.startsWith("\xFE\xFF"))
        return {QStringDecoder(QStringDecoder::Utf16BE, keepMarks).decode(view.sliced(2)),
                TextEncoding::Utf16BE};
    {
        // Scoped so that a file that is not UTF-8 is never held decoded twice.
        QStringDecoder utf8(QStringDecoder::Utf8, keepMarks);
        QString text = utf8.decode(view);
        if (!utf8.hasError()) {
            if (text.startsWith(QChar(0xFEFF))) {
                text.remove(0, 1);
                return {std::move(text), TextEncoding::Utf8WithMark};
            }
            const bool ascii =
                std::all_of(view.begin(), view.end(), [](char byte) { return (byte & 0x80) == 0; });
            return {std::move(text), ascii ? TextEncoding::Windows1252 : TextEncoding::Utf8};
        }
    }
    return {decodeWindows1252(bytes), TextEncoding::Windows1252};
}

std::optional<QByteArray> encodeTextFile(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252: {
        QByteArray bytes = encodeWindows1252(text);
        // '?' stands for a character without a place; a real '?' decodes back to itself.
        if (bytes.count('?') != text.count(u'?'))
            return std::nullopt;
        return bytes;
    }
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8WithMark:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LE:
        return QByteArray(
            QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(text));
    case TextEncoding::Utf16BE:
        return QByteArray(
            QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom).encode(text));
    }
    return std::nullopt;
}

FileBytes readFileBytes(const QString& path, qint64 maxBytes) {
    QFile file;
    if (!SafeFile::openForReading(file, path))
        return {};
    // Checked before reading, so that a huge file costs neither time nor memory.
    if (file.size() > maxBytes)
        return {FileBytes::Status::TooLarge, {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    // The file may have grown since its size was taken.
    if (bytes.size() > maxBytes)
        return {FileBytes::Status::TooLarge, {}};
    return {FileBytes::Status::Read, std::move(bytes)};
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QString target;
    if (const WriteResult refused = SafeFile::writeTarget(path, target); !refused)
        return refused;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return {SafeFile::noSpaceLeft(QFileInfo(target).absolutePath()) ? WriteResult::DiskFull
                                                                        : WriteResult::Failed};
    if (file.write(bytes) != bytes.size()) {
        const bool full = file.error() == QFileDevice::ResourceError;
        file.cancelWriting();
        return {full ? WriteResult::DiskFull : WriteResult::Failed};
    }
    return SafeFile::commit(file);
}

namespace {

bool isLineEnd(QChar ch) {
    return ch == u'\r' || ch == u'\n';
}

// Reads the field that starts at pos and leaves pos on the comma or line end that closes it.
QStringView takeField(QStringView text, qsizetype& pos) {
    const auto atLineEnd = [&] { return pos >= text.size() || isLineEnd(text[pos]); };
    while (!atLineEnd() && text[pos] == u' ')
        ++pos;
    if (!atLineEnd() && text[pos] == u'"') {
        const qsizetype start = ++pos;
        while (!atLineEnd() && text[pos] != u'"')
            ++pos;
        const QStringView field = text.sliced(start, pos - start);
        while (!atLineEnd() && text[pos] != u',')
            ++pos;
        return field;
    }
    const qsizetype start = pos;
    while (!atLineEnd() && text[pos] != u',')
        ++pos;
    return text.sliced(start, pos - start).trimmed();
}

} // namespace

QStringView firstField(QStringView line) {
    qsizetype pos = 0;
    return takeField(line, pos);
}

TextReader::TextReader(QString text)
    : text_(std::move(text)) {}

bool TextReader::atLineEnd() const {
    return atEnd() || isLineEnd(text_[pos_]);
}

void TextReader::skipLineEnd() {
    if (!atEnd() && text_[pos_] == u'\r')
        ++pos_;
    if (!atEnd() && text_[pos_] == u'\n')
        ++pos_;
}

QStringView TextReader::readLine() {
    const qsizetype start = pos_;
    while (!atLineEnd())
        ++pos_;
    const QStringView line = QStringView(text_).sliced(start, pos_ - start);
    skipLineEnd();
    return line;
}

QStringView TextReader::readField() {
    const QStringView field = takeField(text_, pos_);
    if (!atEnd() && text_[pos_] == u',')
        ++pos_;
    else
        skipLineEnd();
    return field;
}
