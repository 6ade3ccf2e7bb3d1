// The program's pictures by name: the rules choose among them and the picture store draws them.
// A name's number is its place in the store's array of that kind.
#pragma once

#include <cstdint>

namespace quorvel {

// Each even leaf leans to the left, for a leaf left of the stem; the odd one after it is its
// mirror image, for a leaf right of it. The hanging pair is the healthy pair turned upside down.
enum class LeafPicture : std::int8_t {
    HealthyLeft = 0,
    HealthyRight = 1,
    PaleYellowLeft = 2,
    PaleYellowRight = 3,
    WhiteVeinedLeft = 4,
    WhiteVeinedRight = 5,
    NarrowWavyLeft = 6,
    NarrowWavyRight = 7,
    SpottedLeft = 8,
    SpottedRight = 9,
    PurpleLeft = 10,
    PurpleRight = 11,
    HangingLeft = 12,
    HangingRight = 13,
    NarrowPurpleLeft = 14,
    NarrowPurpleRight = 15,
};
constexpr int kLeafPictureCount = 16;

// What the Design screen's tube holds, as it is drawn.
enum class TubePicture : std::int8_t {
    Empty = 0,
    MineralsOnly = 1,
    WaterAndMinerals = 2,
    ClearWater = 3,
};
constexpr int kTubePictureCount = 4;

// How much liquid the syringe's barrel holds.
enum class SyringePicture : std::int8_t {
    Empty = 0,
    NearlyEmpty = 1,
    HalfFull = 2,
    Full = 3,
};
constexpr int kSyringePictureCount = 4;

// The pictures that are no part of an array: the store's drop, and those the screens carry.
enum class SinglePicture : std::int8_t {
    Drip,
    BlackedOutTube,
    CuttingInTube,
    Ruler,
};
constexpr int kSinglePictureCount = 4;

} // namespace quorvel
