// Conversions that every screen shares: 16-bit rounding and twips to pixels.
#pragma once

#include <cmath>
#include <cstdint>

namespace quorvel {

// Converting a position to a 16-bit integer rounds to nearest, halves to even (2.5 -> 2,
// 3.5 -> 4), and saturates rather than wrapping for values far outside the range.
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

// Geometry is stated in twips; one screen pixel at 1x is 15 of them.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double pixelsToTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace quorvel
