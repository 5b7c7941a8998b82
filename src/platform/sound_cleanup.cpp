#include "platform/sound_cleanup.h"

#include <algorithm>
#include <cmath>

namespace SoundCleanup {
namespace {

qsizetype frameLength(const Sound& sound) {
    return std::max(1, sound.sampleRate / 100);
}

// The RMS of each 10 ms frame; the last one may be shorter.
QList<double> frameLevels(const Sound& sound) {
    const qsizetype length = frameLength(sound);
    QList<double> levels;
    for (qsizetype from = 0; from < sound.samples.size(); from += length) {
        const qsizetype to = std::min(from + length, sound.samples.size());
        double sum = 0.0;
        for (qsizetype i = from; i < to; ++i)
            sum += double(sound.samples.at(i)) * sound.samples.at(i);
        levels.append(std::sqrt(sum / double(to - from)));
    }
    return levels;
}

double voicedThreshold(const QList<double>& levels) {
    const double loudest = levels.isEmpty() ? 0.0 : *std::max_element(levels.begin(), levels.end());
    return std::max(kSilenceFloor, loudest / 10.0);
}

} // namespace

Sound trimmed(const Sound& sound) {
    if (sound.isEmpty())
        return Sound{{}, sound.sampleRate};
    const QList<double> levels = frameLevels(sound);
    const double threshold = voicedThreshold(levels);
    auto voiced = [threshold](double level) { return level >= threshold; };
    const auto first = std::find_if(levels.begin(), levels.end(), voiced);
    if (first == levels.end())
        return Sound{{}, sound.sampleRate};
    const auto last = std::find_if(levels.rbegin(), levels.rend(), voiced);
    const qsizetype length = frameLength(sound);
    const auto margin = qsizetype(std::lround(kMarginSeconds * sound.sampleRate));
    const qsizetype from = std::max<qsizetype>(0, (first - levels.begin()) * length - margin);
    const qsizetype to = std::min(sound.samples.size(), (levels.rend() - last) * length + margin);
    return Sound{sound.samples.mid(from, to - from), sound.sampleRate};
}

Sound levelled(const Sound& sound) {
    const QList<double> levels = frameLevels(sound);
    const double threshold = voicedThreshold(levels);
    double sum = 0.0;
    int voicedFrames = 0;
    for (const double level : levels) {
        if (level >= threshold) {
            sum += level * level;
            ++voicedFrames;
        }
    }
    int peak = 0;
    for (const qint16 sample : sound.samples)
        peak = std::max(peak, std::abs(int(sample)));
    if (voicedFrames == 0 || peak == 0)
        return sound;
    const double rms = std::sqrt(sum / voicedFrames);
    const double gain = std::min(kTargetRms / rms, double(kPeakLimit) / peak);
    Sound out{{}, sound.sampleRate};
    out.samples.reserve(sound.samples.size());
    for (const qint16 sample : sound.samples)
        out.samples.append(
            qint16(std::clamp<long>(std::lround(sample * gain), -kPeakLimit, kPeakLimit)));
    return out;
}

Sound limited(const Sound& sound) {
    const auto most = qsizetype(std::lround(kMaxSeconds * sound.sampleRate));
    if (sound.samples.size() <= most)
        return sound;
    Sound out{sound.samples.first(most), sound.sampleRate};
    const qsizetype fade = std::min(frameLength(sound), most);
    for (qsizetype i = 0; i < fade; ++i) {
        qint16& sample = out.samples[most - 1 - i];
        sample = qint16(std::lround(sample * double(i) / double(fade)));
    }
    return out;
}

Sound cleaned(const Sound& raw) {
    return limited(levelled(trimmed(raw)));
}

} // namespace SoundCleanup
