// The pupil's notebook of a lesson: one entry for each plant grown, kept for the run of the
// program only, as the experiment itself is.
#pragma once

#include "model/experiment_state.h"
#include "model/picture_names.h"

#include <array>
#include <optional>
#include <vector>

namespace quorvel {

// What one growth run was given and grew.
struct GrowthRun {
    bool water = false;
    std::array<bool, kMineralCount> given{}; // by mineral index - 1
    // The pictures of the leaves that grew, from the bottom up.
    std::vector<LeafPicture> leaves;
    int stemTwips = 0; // what the model grew
};

struct NotebookEntry {
    int number = 0; // the experiment's number in the lesson
    GrowthRun run;
    // The height the pupil read: twips from the ruler's zero mark to the stem's foot, where the
    // ruler was last placed while this experiment was on the screen. None until it is placed.
    std::optional<int> readingTwips;
};

class Notebook {
public:
    // Writes a new entry and returns its number: one more than the last experiment's, counted
    // afresh after the notebook is cleared. A deleted entry's number is never given again, so a
    // number always names the same experiment.
    int add(const GrowthRun& run);
    // A ruler placed while experiment `number` is on the screen; nothing happens if that entry
    // was deleted meanwhile.
    void setReading(int number, std::optional<int> readingTwips);
    // Returns where the entry stood, or none if there was no such entry.
    std::optional<std::size_t> remove(int number);
    void clear();

    const std::vector<NotebookEntry>& entries() const { return m_entries; }
    // The entry's place in entries(), or none.
    std::optional<std::size_t> find(int number) const;

private:
    std::vector<NotebookEntry> m_entries;
    int m_lastNumber = 0;
};

} // namespace quorvel
