// The program's one pseudo-random generator.
#include "model/random_source.h"

namespace quorvel {

RandomSource::RandomSource(std::uint32_t seed)
    : m_engine(seed)
{}

float RandomSource::next()
{
    // 24 random bits scaled by 2^-24 fill a float's mantissa exactly: the largest value is
    // 1 - 2^-24, never 1.0 (std::generate_canonical<float> may round up to 1.0).
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

} // namespace quorvel
