// The "Mineral"/"Added" record that both screens show: the same table, placed differently.
#pragma once

#include "shell/controls.h"

#include <array>

namespace quorvel {

struct RecordLabels {
    std::array<CaptionLabel*, 7> mineral{}; // 0 the heading "Mineral", 1..6 the minerals
    std::array<CaptionLabel*, 7> added{};   // 0 the heading "Added", 1..6 "No" until given
};

// Creates the table's labels on parent, row by row in mineral order, with the mineral column's
// left edge at mineralLeftTwips and the "Added" column's at addedLeftTwips. Screen readers hear
// each "Yes"/"No" with its mineral ("Nitrogen added: Yes").
RecordLabels makeRecordLabels(QWidget* parent, int mineralLeftTwips, int addedLeftTwips);

} // namespace quorvel
