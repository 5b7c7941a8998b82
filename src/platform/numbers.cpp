#include "platform/numbers.h"

#include <QLocale>

#include <cmath>

namespace {

// Length of the longest prefix of text (from start) that reads as a decimal number:
// optional sign, digits, optional fraction.
qsizetype numberPrefixLength(const QString& text, qsizetype start) {
    qsizetype i = start;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    qsizetype digits = i - digitsStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fractionStart = i + 1;
        qsizetype j = fractionStart;
        while (j < text.size() && text[j].isDigit() && text[j].unicode() < 128)
            ++j;
        if (j > fractionStart || digits > 0) {
            digits += j - fractionStart;
            i = j;
        }
    }
    return digits > 0 ? i - start : 0;
}

qsizetype skipBlanks(const QString& text, qsizetype i) {
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    return i;
}

} // namespace

QString bareText(double value) {
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(static_cast<qlonglong>(value));
    return QLocale::c().toString(value, 'g', 15);
}

QString numberText(double value) {
    const QString text = bareText(value);
    return value < 0 ? text : QLatin1Char(' ') + text;
}

double textToNumber(const QString& text) {
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberPrefixLength(text, start);
    if (length == 0)
        return 0;
    return QLocale::c().toDouble(QStringView(text).mid(start, length));
}

std::optional<double> parseNumber(const QString& text) {
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberPrefixLength(text, start);
    if (length == 0 || skipBlanks(text, start + length) != text.size())
        return std::nullopt;
    return QLocale::c().toDouble(QStringView(text).mid(start, length));
}
