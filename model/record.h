// The "Yes"/"No" record of what was given, as both screens' Added labels hold it.
#pragma once

#include "model/experiment_state.h"

#include <array>
#include <string>

namespace quorvel {

// Index 0 is the column heading; 1 to 6 are the minerals in their fixed order. Every test of a
// caption compares the whole text, case-sensitively.
using AddedCaptions = std::array<std::string, 7>;

inline const std::string kYes = "Yes";
inline const std::string kNo = "No";

inline bool given(const AddedCaptions& added, Mineral mineral)
{
    return added[static_cast<std::size_t>(index(mineral))] == kYes;
}

inline bool leftOut(const AddedCaptions& added, Mineral mineral)
{
    return added[static_cast<std::size_t>(index(mineral))] == kNo;
}

} // namespace quorvel
