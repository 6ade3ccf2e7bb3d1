// The drop's fall.
#include "model/drip_rules.h"

#include "model/experiment_state.h"

namespace quorvel {

std::int16_t dripLimit(std::int16_t stateBeforeDose)
{
    const bool wet = stateBeforeDose == kTubeWaterOnly || stateBeforeDose == kTubeWaterAndMinerals;
    return wet ? kDripLimitWetTwips : kDripLimitDryTwips;
}

std::vector<std::int16_t> dripFallTops(std::int16_t stateBeforeDose)
{
    const std::int16_t limit = dripLimit(stateBeforeDose);
    std::vector<std::int16_t> tops;
    // Counted in 16 bits, as the drop's position is; the limits lie far below the overflow.
    for (std::int16_t top = kDripStartTopTwips; top <= limit;
         top = static_cast<std::int16_t>(top + kDripStepTwips))
        tops.push_back(top);
    return tops;
}

} // namespace quorvel
