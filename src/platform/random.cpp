#include "platform/random.h"

#include <QTime>

#include <algorithm>
#include <bit>
#include <cmath>

int RandomSource::uniform(int first, int count) {
    if (count <= 1)
        return first;
    const int offset = static_cast<int>(rnd() * count);
    return first + std::clamp(offset, 0, count - 1);
}

TimeSeededRandom::TimeSeededRandom(Clock secondsSinceMidnight, std::uint64_t seed)
    : clock_(std::move(secondsSinceMidnight))
    , engine_(seed) {}

double TimeSeededRandom::rnd() {
    const double r = std::generate_canonical<double, 53>(engine_);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

void TimeSeededRandom::randomize() {
    const auto timeBits = std::bit_cast<std::uint64_t>(clock_());
    const std::uint64_t state = engine_();
    std::seed_seq mix{static_cast<std::uint32_t>(state), static_cast<std::uint32_t>(state >> 32),
                      static_cast<std::uint32_t>(timeBits),
                      static_cast<std::uint32_t>(timeBits >> 32)};
    engine_.seed(mix);
}

double TimeSeededRandom::systemSecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
