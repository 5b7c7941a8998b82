#include "app/settings.h"

#include "platform/numbers.h"
#include "platform/textfile.h"

#include <cmath>

namespace {
// The file this program writes is one short line; a far larger one is not a settings file,
// and reading it whole could exhaust the memory of a small school computer.
constexpr qint64 kMaxFileBytes = 64 * 1024;
// Beyond any threshold a teacher could mean: such a value comes from a damaged file, and would
// shut the reward games for good.
constexpr double kLargestValue = 1e9;
} // namespace

std::optional<double> Settings::thresholdFromContent(const QByteArray& content) {
    TextReader reader(decodeTextFile(content));
    if (reader.atEnd())
        return std::nullopt;
    const auto value = parseNumber(reader.readField());
    if (!value || std::abs(*value) > kLargestValue)
        return std::nullopt;
    return value;
}

std::optional<double> Settings::readThreshold(const QDir& folder) {
    const FileBytes file = readFileBytes(folder.filePath(FileName), kMaxFileBytes);
    if (file.status != FileBytes::Status::Read)
        return std::nullopt;
    return thresholdFromContent(file.bytes);
}

QByteArray Settings::thresholdLine(double threshold) {
    return encodeWindows1252(numberText(threshold) + QStringLiteral(" \r\n"));
}

WriteResult Settings::writeThreshold(const QDir& folder, double threshold) {
    return writeFileAtomically(folder.filePath(FileName), thresholdLine(threshold));
}
