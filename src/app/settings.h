#pragma once

#include "platform/safe_file.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <optional>

// The settings file holds one thing: the reward threshold, as the first field of its first
// line (" 30 " followed by CR LF).
namespace Settings {
inline const QString FileName = QStringLiteral("MOXABC.INI");

// Nothing when the file is missing, empty, larger than a settings file can be, or its first
// field is not a number or is one of more than a thousand million (a damaged file).
std::optional<double> readThreshold(const QDir& folder);
// The same for the file's content.
std::optional<double> thresholdFromContent(const QByteArray& content);
// False when the file could not be written (and why); the old file then stays as it was.
WriteResult writeThreshold(const QDir& folder, double threshold);
QByteArray thresholdLine(double threshold);
} // namespace Settings
