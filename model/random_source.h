// The program's one pseudo-random generator: uniform in [0, 1), same sequence at every start.
#pragma once

#include <cstdint>
#include <random>

namespace quorvel {

class RandomSource {
public:
    // Never seeded from the clock: two starts of the program draw the same values.
    static constexpr std::uint32_t kFixedSeed = 20261208u;

    explicit RandomSource(std::uint32_t seed = kFixedSeed);

    // Next value in [0, 1), held in single precision; never 1.0 itself.
    float next();

private:
    std::mt19937 m_engine;
};

} // namespace quorvel
