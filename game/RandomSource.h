#pragma once

#include <cstdint>
#include <random>

namespace tavrelin {

// Where the fleet's randomness comes from: values spread evenly over [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Starts a new sequence from the time of day; done once per run.
    virtual void SeedFromClock() = 0;
    // The next value u of the sequence, 0 <= u < 1.
    virtual double Next() = 0;
};

// The program's generator: a 64-bit Mersenne Twister.
class StandardRandom final : public RandomSource {
public:
    explicit StandardRandom(std::uint64_t seed = std::mt19937_64::default_seed);

    void SeedFromClock() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
};

}  // namespace tavrelin
