#pragma once

#include "platform/sound.h"

#include <QByteArray>

#include <optional>

// The WAV files of the teacher's recordings: 16-bit PCM, which every sound program opens.
namespace WaveFile {

// The whole file: a RIFF header, the format and the samples, mono.
QByteArray encode(const Sound& sound);
// The sound of a file of 16-bit PCM, its channels mixed down to one; nothing for any other
// format, for a damaged or cut-off file, or one longer than maxSeconds.
std::optional<Sound> decode(const QByteArray& bytes, double maxSeconds = 60.0);

} // namespace WaveFile
