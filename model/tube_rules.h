// How the Design screen's test tube changes as water and minerals go in.
#pragma once

#include "model/picture_names.h"

#include <cstdint>
#include <optional>

namespace quorvel {

// The new contents of the tube and the Tube picture that shows them.
struct TubeChange {
    std::int16_t state;
    TubePicture picture;
};

// The picture shown for each contents; the picture's number is not the state's.
TubePicture tubePictureFor(std::int16_t state);

// Water poured into the tube; nothing changes (no value) where water cannot change it.
std::optional<TubeChange> tubeAfterWater(std::int16_t state);
// A mineral dose; nothing changes (no value) once the tube already holds minerals.
std::optional<TubeChange> tubeAfterMineral(std::int16_t state);

} // namespace quorvel
