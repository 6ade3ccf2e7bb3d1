// Converting a position to the 16-bit integers that counters, indices and growth values are.
#pragma once

#include <cmath>
#include <cstdint>

namespace quorvel {

// Rounds to nearest, halves to even (2.5 -> 2, 3.5 -> 4), and saturates rather than wrapping for
// values far outside the range.
inline std::int16_t toInteger16(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // default rounding mode: halves to even
    if (rounded > 32767.0)
        return 32767;
    if (rounded < -32768.0)
        return -32768;
    return static_cast<std::int16_t>(rounded);
}

} // namespace quorvel
