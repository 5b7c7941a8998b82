#include "klasse/task_record.h"

#include <QList>

#include <array>

namespace {
constexpr char kSeparator = '\t';
constexpr int kFields = 10; // nine of the record and the checksum

QByteArray field(const QString& text) {
    return text.simplified().toUtf8();
}

// The CRC of ISO 3309 that qChecksum() gives, a byte at a time rather than half a byte: a
// school year of a class is read at once.
constexpr std::array<quint16, 256> kCrcTable = [] {
    std::array<quint16, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ ((crc & 1) != 0 ? 0x8408U : 0U);
        table[byte] = quint16(crc);
    }
    return table;
}();

unsigned crc(QByteArrayView bytes) {
    unsigned sum = 0xffff;
    for (const char c : bytes)
        sum = (sum >> 8) ^ kCrcTable[(sum ^ static_cast<unsigned char>(c)) & 0xff];
    return ~sum & 0xffff;
}

QByteArray checksum(QByteArrayView bytes) {
    return QByteArray::number(crc(bytes), 16).rightJustified(4, '0');
}

// The four small hex digits checksum() writes, compared without writing them.
bool checksumMatches(QByteArrayView written, QByteArrayView bytes) {
    if (written.size() != 4)
        return false;
    unsigned value = 0;
    for (const char c : written) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && (c < 'a' || c > 'f'))
            return false;
        value = value * 16 + unsigned(digit ? c - '0' : c - 'a' + 10);
    }
    return value == crc(bytes);
}

// The digits at from, or -1 when one is none.
int digits(QByteArrayView text, qsizetype from, qsizetype count) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The time as recordLine writes it ("2026-12-08T12:00:00Z" or with "+01:00"), read without
// the general parser, which a school year of a class would wait for; any other form of the
// standard through that parser.
QDateTime timeOf(QByteArrayView text) {
    const bool plain = (text.size() == 20 || text.size() == 25) && text[4] == '-' &&
                       text[7] == '-' && text[10] == 'T' && text[13] == ':' && text[16] == ':';
    if (plain) {
        const QDate date(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2));
        const int hour = digits(text, 11, 2);
        const int minute = digits(text, 14, 2);
        const int second = digits(text, 17, 2);
        const QTime time =
            hour < 0 || minute < 0 || second < 0 ? QTime() : QTime(hour, minute, second);
        if (text.size() == 20 && text[19] == 'Z' && date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
        const int offsetHours = text.size() == 25 ? digits(text, 20, 2) : -1;
        const int offsetMinutes = text.size() == 25 ? digits(text, 23, 2) : -1;
        if (text.size() == 25 && (text[19] == '+' || text[19] == '-') && text[22] == ':' &&
            offsetHours >= 0 && offsetMinutes >= 0 && date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::OffsetFromUTC,
                             (text[19] == '-' ? -60 : 60) * (offsetHours * 60 + offsetMinutes));
    }
    return QDateTime::fromString(QString::fromUtf8(text), Qt::ISODate);
}

std::optional<double> number(QByteArrayView text) {
    // Whole numbers and tenths, as recordLine writes most, without the general parser.
    if (!text.isEmpty() && text.size() <= 12) {
        qsizetype i = text.startsWith('-') ? 1 : 0;
        const bool negative = i == 1;
        double whole = 0;
        double fraction = 0;
        double divisor = 1;
        bool point = false;
        bool plain = i < text.size();
        for (; plain && i < text.size(); ++i) {
            const char c = text[i];
            if (c == '.' && !point) {
                point = true;
            } else if (c >= '0' && c <= '9') {
                if (point) {
                    fraction = fraction * 10 + (c - '0');
                    divisor *= 10;
                } else {
                    whole = whole * 10 + (c - '0');
                }
            } else {
                plain = false;
            }
        }
        if (plain && text.back() != '.')
            return (negative ? -1 : 1) * ((whole * divisor + fraction) / divisor);
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}
} // namespace

QByteArray recordLine(const TaskRecord& record) {
    QByteArray line =
        record.when.toOffsetFromUtc(record.when.offsetFromUtc()).toString(Qt::ISODate).toUtf8();
    for (const QString& text :
         {record.computer, record.exercise, record.task, record.expected, record.answer})
        line += kSeparator + field(text);
    line += kSeparator;
    line += record.right ? "richtig" : "falsch";
    line += kSeparator + QByteArray::number(record.points);
    line += kSeparator + QByteArray::number(record.seconds, 'f', 1);
    line += kSeparator + checksum(line) + '\n';
    return line;
}

QString RecordTexts::text(QByteArrayView bytes) {
    const QByteArray key = QByteArray::fromRawData(bytes.data(), bytes.size());
    if (const auto found = known_.constFind(key); found != known_.cend())
        return found.value();
    QString made = QString::fromUtf8(bytes);
    if (known_.size() < kMaxKnown)
        known_.insert(bytes.toByteArray(), made);
    return made;
}

std::optional<TaskRecord> parseRecordLine(QByteArrayView line, RecordTexts* texts) {
    const qsizetype lastSeparator = line.lastIndexOf(kSeparator);
    if (lastSeparator < 0 ||
        !checksumMatches(line.sliced(lastSeparator + 1), line.first(lastSeparator)))
        return std::nullopt;
    std::array<QByteArrayView, kFields> fields;
    qsizetype start = 0;
    for (int count = 0;; ++count) {
        if (count == kFields)
            return std::nullopt;
        const qsizetype end = line.indexOf(kSeparator, start);
        fields[count] = line.sliced(start, (end < 0 ? line.size() : end) - start);
        if (end < 0) {
            if (count != kFields - 1)
                return std::nullopt;
            break;
        }
        start = end + 1;
    }
    TaskRecord record;
    record.when = timeOf(fields[0]);
    const bool right = fields[6] == "richtig";
    const std::optional<double> points = number(fields[7]);
    const std::optional<double> seconds = number(fields[8]);
    if (!record.when.isValid() || (!right && fields[6] != "falsch") || !points || !seconds)
        return std::nullopt;
    const auto text = [texts](QByteArrayView bytes) {
        return texts ? texts->text(bytes) : QString::fromUtf8(bytes);
    };
    record.computer = text(fields[1]);
    record.exercise = text(fields[2]);
    record.task = QString::fromUtf8(fields[3]);
    record.expected = text(fields[4]);
    record.answer = text(fields[5]);
    record.right = right;
    record.points = *points;
    record.seconds = *seconds;
    return record;
}
