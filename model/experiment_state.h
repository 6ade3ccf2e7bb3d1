// The experiment that the Design screen hands to the Results screen, shared for the whole run.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// Booleans of the experiment are 16-bit and store exactly one of these two values, so a test
// against true and a test against false always agree.
using Boolean16 = std::int16_t;
constexpr Boolean16 kTrue = -1;
constexpr Boolean16 kFalse = 0;

constexpr Boolean16 toBoolean16(bool value)
{
    return value ? kTrue : kFalse;
}

// What the Design screen's test tube holds.
enum TubeContents : std::int16_t {
    kTubeEmpty = 0,
    kTubeWaterOnly = 1,
    kTubeMineralsOnly = 2,
    kTubeWaterAndMinerals = 3,
};

// Mineral index, the same in every button, label, limit and leaf rule of the program. Index 0 of
// the record's columns holds the headings.
enum class Mineral : std::int16_t {
    Nitrogen = 1,
    Potassium = 2,
    Magnesium = 3,
    Iron = 4,
    Phosphorus = 5,
    Calcium = 6,
};
constexpr int kMineralCount = 6;

constexpr int index(Mineral mineral)
{
    return static_cast<int>(mineral);
}

constexpr std::array<Mineral, kMineralCount> kMinerals = {
    Mineral::Nitrogen, Mineral::Potassium,  Mineral::Magnesium,
    Mineral::Iron,     Mineral::Phosphorus, Mineral::Calcium,
};

// The module shared by both screens. Zero at start; written only by the Design screen.
namespace ZELCOR1 {
extern std::int16_t TubeState;
extern Boolean16 WaterAdded;
extern Boolean16 CuttingAdded;
} // namespace ZELCOR1

} // namespace quorvel
