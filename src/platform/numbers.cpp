#include "platform/numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Length of the longest prefix of text (from start) that reads as a decimal number:
// optional sign, digits, optional fraction.
qsizetype numberPrefixLength(QStringView text, qsizetype start) {
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

qsizetype skipBlanks(QStringView text, qsizetype i) {
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    return i;
}

// The digits of a number too long for a double stand for the largest one there is, so that
// a caption or a file can never hold "inf", which reads back as 0.
double finiteNumber(double value) {
    constexpr double largest = std::numeric_limits<double>::max();
    return std::isnan(value) ? 0 : std::clamp(value, -largest, largest);
}

// The power of ten of the value's first digit. log10 rounds a value just below a power of ten
// up to it (999999.999999999 gives 6), which would cost that value a digit it needs to read
// back the same.
int decimalMagnitude(double value) {
    const double size = std::abs(value);
    int magnitude = static_cast<int>(std::floor(std::log10(size)));
    if (size < std::pow(10.0, magnitude))
        --magnitude;
    return magnitude;
}

double readPrefix(QStringView text, qsizetype start, qsizetype length) {
    return finiteNumber(QLocale::c().toDouble(text.mid(start, length)));
}

} // namespace

QString bareText(double value) {
    value = finiteNumber(value);
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(static_cast<qlonglong>(value));
    // Fifteen significant digits, but never in exponent form: "1e+20" would read back as 1.
    const int magnitude = decimalMagnitude(value);
    QString text = QLocale::c().toString(value, 'f', std::max(0, 14 - magnitude));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

QString numberText(double value) {
    const QString text = bareText(value);
    return value < 0 ? text : QLatin1Char(' ') + text;
}

double textToNumber(QStringView text) {
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberPrefixLength(text, start);
    return length == 0 ? 0 : readPrefix(text, start, length);
}

std::optional<double> parseNumber(QStringView text) {
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberPrefixLength(text, start);
    if (length == 0 || skipBlanks(text, start + length) != text.size())
        return std::nullopt;
    return readPrefix(text, start, length);
}
