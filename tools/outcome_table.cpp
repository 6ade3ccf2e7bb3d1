// Writes the teacher's guide's outcome table from the rules themselves, or checks that a guide's
// table is still what they give:  quorvel_outcome_table [--check docs/teachers-guide.md]
#include "model/leaf_rules.h"
#include "model/outcome_rules.h"
#include "model/ruler_rules.h"
#include "pictures/descriptions.h"

#include <array>
#include <bit>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace quorvel;

namespace {

const std::string kBegin = "<!-- outcome table: written by quorvel_outcome_table -->";
const std::string kEnd = "<!-- end of outcome table -->";
constexpr std::array<const char*, kMineralCount + 1> kNames = {
    "", "nitrogen", "potassium", "magnesium", "iron", "phosphorus", "calcium"};

std::string look(int picture)
{
    if (picture == kLeafUnchanged)
        return "the picture an earlier run left";
    return descriptions::leaf(picture).toStdString();
}

std::string missingText(unsigned bits)
{
    if (bits == 0)
        return "none";
    if (std::popcount(bits) == kMineralCount)
        return "all six";
    std::string text;
    for (int i = 1; i <= kMineralCount; ++i) {
        if (bits & (1u << (i - 1))) {
            if (!text.empty())
                text += ", ";
            text += kNames[std::size_t(i)];
        }
    }
    return text;
}

std::string units(int twips)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", rulerReading(twips));
    return text;
}

// Bottom to top, a run of equal leaves told once with its count.
std::string leavesText(const std::vector<std::set<std::string>>& leaves)
{
    if (leaves.empty())
        return "none";
    std::string text;
    for (std::size_t k = 0; k < leaves.size();) {
        std::size_t same = k + 1;
        while (same < leaves.size() && leaves[same] == leaves[k])
            ++same;
        std::string looks;
        for (const std::string& one : leaves[k])
            looks += (looks.empty() ? "" : " or ") + one;
        if (!text.empty())
            text += "; ";
        text += looks + (same - k > 1 ? " x" + std::to_string(same - k) : "");
        k = same;
    }
    return text;
}

// A draw of the first of nitrogen, potassium, magnesium and iron that the record leaves out.
float drawOfAMissingMineral(unsigned bits)
{
    return (float(std::countr_zero(bits & 0xFu)) + 0.5f) / 4.0f;
}

// What an experiment can grow, over every pair of draws the random mixture can make: every leaf
// each place can show, whether the mixture drew at all, and the stem (which no draw changes).
struct Possible {
    std::vector<std::set<std::string>> leaves;
    bool random = false;
    int stemTwips = 0;
};

Possible possibleOutcomes(unsigned bits, bool water)
{
    Possible possible;
    std::vector<std::set<std::string>>& leaves = possible.leaves;
    int draws = 0;
    for (int first = 1; first <= 4; ++first) {
        for (int second = 1; second <= 4; ++second) {
            std::array<float, 2> values = {(float(first) - 0.5f) / 4.0f,
                                           (float(second) - 0.5f) / 4.0f};
            int asked = 0;
            bool impossible = false;
            const Outcome outcome = outcomeOf(recordMissing(bits), water, [&] {
                // A draw of a given mineral is retried; this pair is not one the mixture makes.
                if (asked >= 2) {
                    impossible = true;
                    return drawOfAMissingMineral(bits);
                }
                return values[std::size_t(asked++)];
            });
            if (impossible)
                continue;
            draws = std::max(draws, asked);
            possible.stemTwips = outcome.stemTwips;
            leaves.resize(outcome.leaves.size());
            for (std::size_t k = 0; k < outcome.leaves.size(); ++k)
                leaves[k].insert(look(outcome.leaves[k]));
        }
    }
    possible.random = draws > 0;
    return possible;
}

std::string table()
{
    std::ostringstream out;
    out << "| Minerals left out | With water: stem (ruler units) | With water: leaves, bottom to "
           "top | Without water: stem (ruler units) | Without water: leaves |\n"
        << "|---|---|---|---|---|\n";
    for (int count = 0; count <= kMineralCount; ++count) {
        for (unsigned bits = 0; bits < (1u << kMineralCount); ++bits) {
            if (std::popcount(bits) != count)
                continue;
            const Possible wet = possibleOutcomes(bits, true);
            const Possible dry = possibleOutcomes(bits, false);
            out << "| " << missingText(bits) << " | " << units(wet.stemTwips) << " | "
                << (wet.random ? "random: " : "") << leavesText(wet.leaves) << " | "
                << units(dry.stemTwips) << " | " << leavesText(dry.leaves) << " |\n";
        }
    }
    return out.str();
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string written = table();
    if (argc == 1) {
        std::cout << kBegin << "\n" << written << kEnd << "\n";
        return 0;
    }
    if (argc != 3 || std::string(argv[1]) != "--check") {
        std::cerr << "usage: quorvel_outcome_table [--check teachers-guide.md]\n";
        return 2;
    }
    std::ifstream guide(argv[2]);
    std::stringstream whole;
    whole << guide.rdbuf();
    const std::string text = whole.str();
    const std::size_t begin = text.find(kBegin);
    const std::size_t end = text.find(kEnd);
    if (!guide || begin == std::string::npos || end == std::string::npos || end < begin) {
        std::cerr << argv[2] << ": no outcome table between its markers\n";
        return 1;
    }
    const std::size_t start = begin + kBegin.size() + 1;
    const std::string found = text.substr(start, end - start);
    if (found != written) {
        std::istringstream a(found), b(written);
        std::string lineA, lineB;
        for (int line = 1;; ++line) {
            const bool moreA = bool(std::getline(a, lineA));
            const bool moreB = bool(std::getline(b, lineB));
            if (!moreA && !moreB)
                break;
            if (lineA != lineB || moreA != moreB) {
                std::cerr << argv[2] << ": the outcome table differs from the rules at its line "
                          << line << "\n  guide: " << (moreA ? lineA : "(nothing)")
                          << "\n  rules: " << (moreB ? lineB : "(nothing)")
                          << "\nWrite it again with quorvel_outcome_table.\n";
                break;
            }
        }
        return 1;
    }
    return 0;
}
