#pragma once

#include <QString>

#include <optional>

// The two ways a number is written into a caption or a file, and the rule by which every
// caption is read back as a number. Both forms are plain decimal texts (digits, at most one
// point, never an exponent) that read back as the same number to 15 significant digits. The
// readers never give an infinite number: digits beyond the largest double read as the largest.

// A leading blank where a minus sign would stand: 5 gives " 5", -1 gives "-1".
QString numberText(double value);
// No leading blank: 5 gives "5".
QString bareText(double value);
// The number at the start of the text after leading blanks; 0 when there is none.
double textToNumber(QStringView text);
// The whole text (blanks around it allowed) as a number, or nothing if it is not one.
std::optional<double> parseNumber(QStringView text);
