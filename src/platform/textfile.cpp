#include "platform/textfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

std::optional<QByteArray> readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

TextReader::TextReader(QString text)
    : text_(std::move(text)) {}

bool TextReader::atLineEnd() const {
    return atEnd() || text_[pos_] == u'\r' || text_[pos_] == u'\n';
}

void TextReader::skipLineEnd() {
    if (!atEnd() && text_[pos_] == u'\r')
        ++pos_;
    if (!atEnd() && text_[pos_] == u'\n')
        ++pos_;
}

QString TextReader::readLine() {
    const qsizetype start = pos_;
    while (!atLineEnd())
        ++pos_;
    QString line = text_.mid(start, pos_ - start);
    skipLineEnd();
    return line;
}

QString TextReader::readField() {
    while (!atLineEnd() && text_[pos_] == u' ')
        ++pos_;
    QString field;
    if (!atEnd() && text_[pos_] == u'"') {
        const qsizetype start = ++pos_;
        while (!atLineEnd() && text_[pos_] != u'"')
            ++pos_;
        field = text_.mid(start, pos_ - start);
        while (!atLineEnd() && text_[pos_] != u',')
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (!atLineEnd() && text_[pos_] != u',')
            ++pos_;
        field = text_.mid(start, pos_ - start).trimmed();
    }
    if (!atEnd() && text_[pos_] == u',')
        ++pos_;
    else
        skipLineEnd();
    return field;
}
