// An experiment's outcome from the growth and leaf rules, as the Results screen grows it.
#include "model/outcome_rules.h"

#include "model/growth_rules.h"

namespace quorvel {

AddedCaptions recordMissing(unsigned missingBits)
{
    AddedCaptions added;
    for (int i = 1; i <= kMineralCount; ++i)
        added[std::size_t(i)] = (missingBits & (1u << (i - 1))) ? kNo : kYes;
    return added;
}

Outcome outcomeOf(const AddedCaptions& added, bool waterAdded,
                  const std::function<float()>& nextRandom)
{
    Outcome outcome;
    LeafSymptomRules rules;
    outcome.pictures = rules.choose(added, nextRandom);
    outcome.stemTwips =
        stemLength(computeGrowth(added, kGrowthLimitTable, toBoolean16(waterAdded)));
    if (!waterAdded)
        return outcome;
    // The stem passes a trigger height on its way up exactly when its top ends at or above it.
    const int stemTopTwips = kStemBaseYTwips - outcome.stemTwips;
    for (const LeafTrigger& trigger : kLeafTriggers) {
        if (trigger.heightTwips >= stemTopTwips)
            ++outcome.leavesGrown;
    }
    return outcome;
}

} // namespace quorvel
