// Which leaf pictures the plant gets from the minerals it was given.
#pragma once

#include "model/experiment_state.h"
#include "model/picture_names.h"
#include "model/record.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace quorvel {

// The picture chosen for each of the six leaves, or none where the rule that applies leaves that
// leaf's picture as it was.
using LeafChoice = std::array<std::optional<LeafPicture>, 6>;

// Maps a random value in [0, 1) to a mineral 1 to 4 with equal chance. Computed so that it never
// leaves 1..4, even for the largest float below 1 or a generator that returns 1.0 itself.
std::int16_t pickMineral(float r);

class LeafSymptomRules {
public:
    // Applies the first rule whose condition holds, trying them in a fixed order. nextRandom is
    // asked only when the random mixture applies (phosphorus and calcium given, two to five
    // missing).
    LeafChoice choose(const AddedCaptions& added, const std::function<float()>& nextRandom);

    // Which of nitrogen, potassium, magnesium and iron (1 to 4) the last mixture saw given;
    // entry 0 is never used. Rewritten before every use.
    std::array<Boolean16, 5> MineralGiven{};

private:
    LeafChoice randomMixture(const AddedCaptions& added, const std::function<float()>& nextRandom);
};

} // namespace quorvel
