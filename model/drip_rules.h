// Where the drop of a mineral dose falls, in twips.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

// It falls from just below the needle in steps of 50 for as long as its top stays within the
// limit: to the tube's bottom when dry, to the water line when wet.
constexpr float kDripLeftTwips = 4590.0f;
constexpr std::int16_t kDripStartTopTwips = 1680;
constexpr std::int16_t kDripStepTwips = 50;
constexpr std::int16_t kDripLimitDryTwips = 4440;
constexpr std::int16_t kDripLimitWetTwips = 2520;

// The lowest top the drop may take, from what the tube held before the dose.
std::int16_t dripLimit(std::int16_t stateBeforeDose);

// Every top the falling drop takes, in order, from the start to the last step within the limit.
std::vector<std::int16_t> dripFallTops(std::int16_t stateBeforeDose);

} // namespace quorvel
