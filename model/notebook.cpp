// The notebook's entries and their numbering.
#include "model/notebook.h"

#include <algorithm>

namespace quorvel {

int Notebook::add(const GrowthRun& run)
{
    m_entries.push_back(NotebookEntry{++m_lastNumber, run, std::nullopt});
    return m_lastNumber;
}

std::optional<std::size_t> Notebook::find(int number) const
{
    const auto entry =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [number](const NotebookEntry& e) { return e.number == number; });
    if (entry == m_entries.end())
        return std::nullopt;
    return std::size_t(entry - m_entries.begin());
}

void Notebook::setReading(int number, std::optional<int> readingTwips)
{
    if (const auto at = find(number))
        m_entries[*at].readingTwips = readingTwips;
}

std::optional<std::size_t> Notebook::remove(int number)
{
    const auto at = find(number);
    if (at)
        m_entries.erase(m_entries.begin() + std::ptrdiff_t(*at));
    return at;
}

void Notebook::clear()
{
    m_entries.clear();
    m_lastNumber = 0;
}

} // namespace quorvel
