// What a whole experiment grows, told at once: the stem and the leaves it shows, for the growth
// run, the help and the teacher's outcome table.
#pragma once

#include "model/experiment_state.h"
#include "model/leaf_rules.h"
#include "model/record.h"

#include <functional>

namespace quorvel {

struct Outcome {
    int stemTwips = 0;
    // The picture the leaf rules give each of the six leaves, or none where a leaf keeps the one
    // it had.
    LeafChoice pictures;
    // The leaves that grow are the first this many, from the bottom up: those whose place on the
    // stem its top reaches, and none without water.
    int leavesGrown = 0;
};

// The record of an experiment that left out exactly the minerals whose bit (index - 1) is set.
AddedCaptions recordMissing(unsigned missingBits);

// What a cutting grows from this record, with or without water, from fresh leaves. nextRandom is
// asked only by the random mixture.
Outcome outcomeOf(const AddedCaptions& added, bool waterAdded,
                  const std::function<float()>& nextRandom);

} // namespace quorvel
