// How the Design screen's test tube changes as water and minerals go in, and where a drop falls.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// The new contents of the tube and the Tube picture that shows them.
struct TubeChange {
    std::int16_t state;
    int picture;
};

// The picture shown for each contents; the picture index is not the state's number.
int tubePictureFor(std::int16_t state);

// Water poured into the tube; nothing changes (no value) where water cannot change it.
std::optional<TubeChange> tubeAfterWater(std::int16_t state);
// A mineral dose; nothing changes (no value) once the tube already holds minerals.
std::optional<TubeChange> tubeAfterMineral(std::int16_t state);

// The falling drop, in twips. It falls from just below the needle in steps of 50 for as long as
// its top stays within the limit: to the tube's bottom when dry, to the water line when wet.
constexpr float kDripLeftTwips = 4590.0f;
constexpr std::int16_t kDripStartTopTwips = 1680;
constexpr std::int16_t kDripStepTwips = 50;
constexpr std::int16_t kDripLimitDryTwips = 4440;
constexpr std::int16_t kDripLimitWetTwips = 2520;

std::int16_t dripLimit(std::int16_t stateBeforeDose);

} // namespace quorvel
