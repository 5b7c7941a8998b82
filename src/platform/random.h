#pragma once

#include <cstdint>
#include <functional>
#include <random>

// Uniform random numbers in [0, 1) and re-seeding from the time of day.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual double rnd() = 0;
    // Mixes the seconds since midnight into the current state: seeding twice with the same
    // time never restarts a sequence, so a loop that re-seeds before every draw moves on.
    virtual void randomize() = 0;

    // A uniform integer first, first + 1, ..., first + count - 1.
    int uniform(int first, int count);
};

class TimeSeededRandom final : public RandomSource {
public:
    using Clock = std::function<double()>;

    explicit TimeSeededRandom(Clock secondsSinceMidnight = systemSecondsSinceMidnight,
                              std::uint64_t seed = 0x6d6f78616263ULL);

    double rnd() override;
    void randomize() override;

    static double systemSecondsSinceMidnight();

private:
    Clock clock_;
    std::mt19937_64 engine_;
};
