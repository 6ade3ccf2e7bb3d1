// The "Mineral"/"Added" record that both screens show: the same table, placed differently.
#pragma once

#include "controls/caption_label.h"
#include "model/experiment_state.h"

#include <array>

namespace quorvel {

struct RecordLabels {
    std::array<CaptionLabel*, kMineralCount + 1> mineral{}; // 0 the heading "Mineral"
    std::array<CaptionLabel*, kMineralCount + 1> added{};   // 0 the heading "Added", then "No"
};

// Creates the table's labels on parent, row by row in mineral order, with the mineral column's
// left edge at mineralLeftTwips and the "Added" column's at addedLeftTwips. Screen readers hear
// each "Yes"/"No" with its mineral ("Nitrogen added: Yes").
RecordLabels makeRecordLabels(QWidget* parent, int mineralLeftTwips, int addedLeftTwips);

// What the table calls the mineral, and a record's word ("Yes"/"No"), in the pupil's language.
QString mineralCaption(Mineral mineral);
QString recordWord(const std::string& record);

} // namespace quorvel
