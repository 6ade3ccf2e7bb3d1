// Growth value, stem length and leaf triggers.
#include "model/growth_rules.h"

#include "model/integer16.h"

namespace quorvel {

std::int16_t computeGrowth(const AddedCaptions& added, const GrowthLimits& limits,
                           Boolean16 waterAdded)
{
    std::int16_t g = kFullGrowth;
    int missing = 0;
    for (int i = 1; i <= kMineralCount; ++i) {
        if (added[i] == kNo && limits[i] <= g) {
            g = limits[i];
            ++missing;
        }
    }
    if (missing > 1)
        g = static_cast<std::int16_t>(g - 10);
    if (missing == kMineralCount)
        g = 10;
    if (waterAdded == kFalse)
        g = 5;
    return g;
}

std::int16_t stemLength(std::int16_t growth)
{
    return toInteger16(static_cast<double>(growth) / kFullGrowth * kStemLengthAtFullGrowthTwips);
}

} // namespace quorvel
