// The tube's transitions and the drop's fall limit.
#include "design/tube_rules.h"

#include "shell/experiment_state.h"

namespace quorvel {

int tubePictureFor(std::int16_t state)
{
    switch (state) {
    case kTubeWaterOnly:
        return 3;
    case kTubeMineralsOnly:
        return 1;
    case kTubeWaterAndMinerals:
        return 2;
    default:
        return 0;
    }
}

std::optional<TubeChange> tubeAfterWater(std::int16_t state)
{
    if (state == kTubeEmpty)
        return TubeChange{kTubeWaterOnly, tubePictureFor(kTubeWaterOnly)};
    if (state == kTubeMineralsOnly)
        return TubeChange{kTubeWaterAndMinerals, tubePictureFor(kTubeWaterAndMinerals)};
    return std::nullopt;
}

std::optional<TubeChange> tubeAfterMineral(std::int16_t state)
{
    if (state == kTubeEmpty)
        return TubeChange{kTubeMineralsOnly, tubePictureFor(kTubeMineralsOnly)};
    if (state == kTubeWaterOnly)
        return TubeChange{kTubeWaterAndMinerals, tubePictureFor(kTubeWaterAndMinerals)};
    return std::nullopt;
}

std::int16_t dripLimit(std::int16_t stateBeforeDose)
{
    const bool wet = stateBeforeDose == kTubeWaterOnly || stateBeforeDose == kTubeWaterAndMinerals;
    return wet ? kDripLimitWetTwips : kDripLimitDryTwips;
}

} // namespace quorvel
