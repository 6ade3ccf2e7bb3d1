// How tall the plant grows from what was left out, and where its leaves sit on the stem.
#pragma once

#include "model/experiment_state.h"
#include "model/record.h"

#include <array>
#include <cstdint>

namespace quorvel {

// Growth of a plant lacking only the mineral of that index, on a scale where 70 is full growth.
// The values never increase with the index; ComputeGrowth relies on that order.
using GrowthLimits = std::array<std::int16_t, 7>;
constexpr GrowthLimits kGrowthLimitTable = {0, 62, 62, 58, 52, 25, 25};

constexpr std::int16_t kFullGrowth = 70;
constexpr int kStemLengthAtFullGrowthTwips = 2690;
constexpr float kStemXTwips = 7050.0f;
constexpr int kStemBaseYTwips = 3945; // 15 twips above the top of the tube picture
// A leaf's box is square: 70 pixels of its picture. A leaf hangs from the stem by its box's
// bottom edge.
constexpr int kLeafSizeTwips = 1050;

// When the top of the stem reaches a trigger height, that leaf is placed with its bottom edge
// there, alternately left and right of the stem, the first on the left. Leaf k is the k-th from
// the bottom.
struct LeafTrigger {
    int heightTwips;
    int leaf;
    float leftTwips;
};
constexpr std::array<LeafTrigger, 6> kLeafTriggers = {{
    {3900, 0, 5985.0f},
    {3355, 1, 7080.0f},
    {2850, 2, 5985.0f},
    {2305, 3, 7080.0f},
    {1800, 4, 5985.0f},
    {1255, 5, 7080.0f},
}};

// The lowest limit among the missing minerals, 10 less when more than one is missing, 10 when
// all six are missing, and 5 without water whatever else.
std::int16_t computeGrowth(const AddedCaptions& added, const GrowthLimits& limits,
                           Boolean16 waterAdded);

// Stem length in twips for growth value g: g / 70 x 2690, rounded.
std::int16_t stemLength(std::int16_t growth);

} // namespace quorvel
