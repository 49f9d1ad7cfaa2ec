#include "RandomSource.h"

#include <chrono>

namespace tavrelin {

StandardRandom::StandardRandom(std::uint64_t seed) : engine_(seed) {}

void StandardRandom::SeedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double StandardRandom::Next()
{
    // The top 53 bits of a draw, scaled by 2^-53: every double this gives is below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace tavrelin
