#include "app/settings.h"

#include "platform/numbers.h"
#include "platform/textfile.h"

std::optional<double> Settings::readThreshold(const QDir& folder) {
    const auto bytes = readFileBytes(folder.filePath(FileName));
    if (!bytes)
        return std::nullopt;
    TextReader reader(decodeTextFile(*bytes));
    if (reader.atEnd())
        return std::nullopt;
    return parseNumber(reader.readField());
}

QByteArray Settings::thresholdLine(double threshold) {
    return encodeWindows1252(numberText(threshold) + QStringLiteral(" \r\n"));
}

bool Settings::writeThreshold(const QDir& folder, double threshold) {
    return writeFileAtomically(folder.filePath(FileName), thresholdLine(threshold));
}
