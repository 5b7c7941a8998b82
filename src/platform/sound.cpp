#include "platform/sound.h"

#include <cmath>

Sound resampled(const Sound& sound, int sampleRate) {
    if (sound.sampleRate == sampleRate || sound.isEmpty() || sampleRate <= 0)
        return Sound{sound.samples, sampleRate > 0 ? sampleRate : sound.sampleRate};
    const double step = double(sound.sampleRate) / sampleRate;
    const auto count = qsizetype(std::floor(double(sound.samples.size() - 1) / step)) + 1;
    Sound out{{}, sampleRate};
    out.samples.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const double at = double(i) * step;
        const auto left = qsizetype(at);
        const qsizetype right = std::min(left + 1, sound.samples.size() - 1);
        const double share = at - double(left);
        out.samples.append(qint16(
            std::lround(sound.samples.at(left) * (1.0 - share) + sound.samples.at(right) * share)));
    }
    return out;
}
