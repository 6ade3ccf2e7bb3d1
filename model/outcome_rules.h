// What a whole experiment grows, told at once: the stem and the leaves it shows, for the help and
// the teacher's outcome table.
#pragma once

#include "model/experiment_state.h"
#include "model/leaf_rules.h"
#include "model/record.h"

#include <functional>
#include <vector>

namespace quorvel {

struct Outcome {
    int stemTwips = 0;
    // The pictures of the leaves that grow, from the bottom up; none for a leaf whose rule keeps
    // the picture an earlier run gave it.
    std::vector<std::optional<LeafPicture>> leaves;
};

// The record of an experiment that left out exactly the minerals whose bit (index - 1) is set.
AddedCaptions recordMissing(unsigned missingBits);

// What a cutting grows from this record, with or without water, from fresh leaves. nextRandom is
// asked only by the random mixture.
Outcome outcomeOf(const AddedCaptions& added, bool waterAdded,
                  const std::function<float()>& nextRandom);

} // namespace quorvel
