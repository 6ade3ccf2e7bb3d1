// The leaf symptom rules, tried in order, and their random mixture.
#include "model/leaf_rules.h"

#include <cmath>

namespace quorvel {

namespace {
using enum LeafPicture;
constexpr std::optional<LeafPicture> U; // the leaf keeps its picture

bool is(const AddedCaptions& added, Mineral mineral, const std::string& text)
{
    return added[static_cast<std::size_t>(index(mineral))] == text;
}

// Pictures for the left leaves (0, 2, 4) from the first draw and the right leaves (1, 3) from
// the second, by mineral 1 to 4.
constexpr std::array<std::array<LeafPicture, 3>, 5> kDrawOneLeft = {{
    {},
    {PaleYellowLeft, PaleYellowLeft, HealthyLeft},   // nitrogen
    {SpottedLeft, SpottedLeft, SpottedLeft},         // potassium
    {PaleYellowLeft, PaleYellowLeft, HealthyLeft},   // magnesium
    {HealthyLeft, WhiteVeinedLeft, WhiteVeinedLeft}, // iron
}};
constexpr std::array<std::array<LeafPicture, 2>, 5> kDrawTwoRight = {{
    {},
    {PaleYellowRight, HealthyRight},
    {SpottedRight, SpottedRight},
    {PaleYellowRight, HealthyRight},
    {HealthyRight, WhiteVeinedRight},
}};
} // namespace

std::int16_t pickMineral(float r)
{
    // Double precision keeps r * 4 + 1 below 5 for every float r below 1; the clamp covers a
    // generator that hands out 1.0 or anything outside [0, 1).
    const double picked = std::floor(static_cast<double>(r) * 4.0 + 1.0);
    if (!(picked >= 1.0))
        return 1;
    if (picked > 4.0)
        return 4;
    return static_cast<std::int16_t>(picked);
}

LeafChoice LeafSymptomRules::choose(const AddedCaptions& added,
                                    const std::function<float()>& nextRandom)
{
    int addedCount = 0;
    for (int i = 1; i <= kMineralCount; ++i) {
        if (added[i] == kYes)
            ++addedCount;
    }

    if (addedCount == 6)
        return {HealthyLeft, HealthyRight, HealthyLeft, HealthyRight, HealthyLeft, HealthyRight};
    if (addedCount == 0)
        return {NarrowPurpleLeft, U, U, U, U, U};
    if (is(added, Mineral::Calcium, kNo) && addedCount == 5)
        return {NarrowWavyLeft, NarrowWavyRight, U, U, U, U};
    if (is(added, Mineral::Phosphorus, kYes) && is(added, Mineral::Calcium, kNo) && addedCount < 5)
        return {NarrowWavyLeft, U, U, U, U, U};
    if (is(added, Mineral::Phosphorus, kNo) && is(added, Mineral::Calcium, kNo))
        return {NarrowPurpleLeft, U, U, U, U, U};
    if (is(added, Mineral::Phosphorus, kNo) && addedCount == 5)
        return {PurpleLeft, PurpleRight, U, U, U, U};
    if (is(added, Mineral::Calcium, kYes) && is(added, Mineral::Phosphorus, kNo) && addedCount < 5)
        return {PurpleLeft, U, U, U, U, U};
    if (is(added, Mineral::Nitrogen, kNo) && addedCount == 5)
        return {PaleYellowLeft, PaleYellowRight, PaleYellowLeft, HealthyRight, HealthyLeft, U};
    if (is(added, Mineral::Potassium, kNo) && addedCount == 5)
        return {SpottedLeft, SpottedRight, SpottedLeft, SpottedRight, SpottedLeft, U};
    if (is(added, Mineral::Magnesium, kNo) && addedCount == 5)
        return {PaleYellowLeft, PaleYellowRight, PaleYellowLeft, HealthyRight, HealthyLeft, U};
    if (is(added, Mineral::Iron, kNo) && addedCount == 5)
        return {HealthyLeft, HealthyRight, WhiteVeinedLeft, WhiteVeinedRight, U, U};
    if (is(added, Mineral::Calcium, kYes) && is(added, Mineral::Phosphorus, kYes) && addedCount < 5)
        return randomMixture(added, nextRandom);
    return {U, U, U, U, U, U};
}

LeafChoice LeafSymptomRules::randomMixture(const AddedCaptions& added,
                                           const std::function<float()>& nextRandom)
{
    int missing = 0;
    for (int i = 1; i <= 4; ++i) {
        MineralGiven[i] = toBoolean16(added[i] != kNo);
        if (MineralGiven[i] == kFalse)
            ++missing;
    }
    // The rule that leads here guarantees two missing among these four with "Yes"/"No"
    // captions; anything else would make the draws below loop for ever.
    if (missing == 0)
        return {U, U, U, U, U, U};

    LeafChoice choice = {U, U, U, U, U, U};
    for (int drawIndex = 1; drawIndex <= 2; ++drawIndex) {
        std::int16_t pickedMineral = 0;
        do {
            pickedMineral = pickMineral(nextRandom());
        } while (MineralGiven[pickedMineral] != kFalse);

        if (drawIndex == 1) {
            choice[0] = kDrawOneLeft[pickedMineral][0];
            choice[2] = kDrawOneLeft[pickedMineral][1];
            choice[4] = kDrawOneLeft[pickedMineral][2];
        } else {
            choice[1] = kDrawTwoRight[pickedMineral][0];
            choice[3] = kDrawTwoRight[pickedMineral][1];
        }
    }
    return choice;
}

} // namespace quorvel
