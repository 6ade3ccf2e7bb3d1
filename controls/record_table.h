// The "Mineral"/"Added" record that both screens show: the same table, placed differently.
#pragma once

#include "controls/caption_label.h"
#include "model/record.h"

#include <array>

namespace quorvel {

class RecordTable {
public:
    RecordTable() = default;
    // Creates the table's labels on parent, row by row in mineral order, with the mineral column's
    // left edge at mineralLeftTwips and the "Added" column's at addedLeftTwips, every mineral
    // "No". Screen readers hear each "Yes"/"No" with its mineral ("Nitrogen added: Yes").
    RecordTable(QWidget* parent, int mineralLeftTwips, int addedLeftTwips);

    // The labels: index 0 holds the headings, 1 to 6 the minerals in their fixed order.
    CaptionLabel* Mineral(int index) const { return m_mineral[std::size_t(index)]; }
    CaptionLabel* Added(int index) const { return m_added[std::size_t(index)]; }

    // The record's own words ("Yes" or "No"), which the rules compare exactly; index 0 is left
    // empty. The labels show them in the pupil's language, so an experiment grows the same
    // whatever language it was designed in.
    const AddedCaptions& record() const { return m_record; }
    void setRecord(int index, const std::string& word);

private:
    std::array<CaptionLabel*, kMineralCount + 1> m_mineral{};
    std::array<CaptionLabel*, kMineralCount + 1> m_added{};
    AddedCaptions m_record;
};

// What the table calls the mineral, and a record's word ("Yes"/"No"), in the pupil's language.
QString mineralCaption(Mineral mineral);
QString recordWord(const std::string& record);

} // namespace quorvel
