// The tube's transitions.
#include "model/tube_rules.h"

#include "model/experiment_state.h"

namespace quorvel {

TubePicture tubePictureFor(std::int16_t state)
{
    switch (state) {
    case kTubeWaterOnly:
        return TubePicture::ClearWater;
    case kTubeMineralsOnly:
        return TubePicture::MineralsOnly;
    case kTubeWaterAndMinerals:
        return TubePicture::WaterAndMinerals;
    default:
        return TubePicture::Empty;
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

} // namespace quorvel
