// Writes a teacher's guide's leaf key and outcome table from the rules themselves, and the Help's
// words on measuring the stem, in the words of one of the program's languages, or checks that a
// guide's blocks are still what they give:
//   quorvel_outcome_table [--language CODE] [--check teachers-guide.CODE.md]
// No --language (or an empty one) is English.
#include "controls/record_table.h"
#include "help/help_topics.h"
#include "model/leaf_rules.h"
#include "model/outcome_rules.h"
#include "pictures/graphics.h"
#include "results/measuring_ruler.h"
#include "shell/translations.h"

#include <QCoreApplication>
#include <array>
#include <bit>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace quorvel;

namespace {

// A guide holds each block that this tool writes between its two markers, which stay English in
// every language.
struct Block {
    std::string begin;
    std::string end;
    std::string (*write)();
};

// The table's own words; the minerals, the leaves and the numbers are the program's.
std::string say(const char* text)
{
    return QCoreApplication::translate("OutcomeTable", text).toStdString();
}

std::string look(std::optional<LeafPicture> picture)
{
    if (!picture)
        return say(QT_TRANSLATE_NOOP("OutcomeTable", "the picture an earlier run left"));
    return Graphics::instance().description(*picture).toStdString();
}

std::string none()
{
    return say(QT_TRANSLATE_NOOP("OutcomeTable", "none"));
}

std::string missingText(unsigned bits)
{
    if (bits == 0)
        return none();
    if (std::popcount(bits) == kMineralCount)
        return say(QT_TRANSLATE_NOOP("OutcomeTable", "all six"));
    std::string text;
    for (Mineral mineral : kMinerals) {
        if (bits & (1u << (index(mineral) - 1))) {
            if (!text.empty())
                //: Between two minerals; Arabic and Chinese write their own comma.
                text += say(QT_TRANSLATE_NOOP("OutcomeTable", ", "));
            text += mineralCaption(mineral).toStdString();
        }
    }
    return text;
}

// As the Help and the stem's spoken description write a height: 9.4, or 9,4 in German.
std::string units(int twips)
{
    return MeasuringRuler::units(twips).toStdString();
}

// Bottom to top, a run of equal leaves told once with its count.
std::string leavesText(const std::vector<std::set<std::string>>& leaves)
{
    if (leaves.empty())
        return none();
    std::string text;
    for (std::size_t k = 0; k < leaves.size();) {
        std::size_t same = k + 1;
        while (same < leaves.size() && leaves[same] == leaves[k])
            ++same;
        QString looks;
        for (const std::string& one : leaves[k]) {
            const QString leaf = QString::fromStdString(one);
            looks = looks.isEmpty() ? leaf
                                    : QCoreApplication::translate("OutcomeTable", "%1 or %2",
                                                                  "one leaf or another")
                                          .arg(looks, leaf);
        }
        if (same - k > 1)
            looks = QCoreApplication::translate("OutcomeTable", "%1 x%2",
                                                "a leaf, and how many in a row grow like it")
                        .arg(looks)
                        .arg(same - k);
        if (!text.empty())
            //: Between the leaves of two places up the stem; Greek writes its semicolon as a
            //: raised dot, as its question mark is ";".
            text += say(QT_TRANSLATE_NOOP("OutcomeTable", "; "));
        text += looks.toStdString();
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
            leaves.resize(std::size_t(outcome.leavesGrown));
            for (std::size_t k = 0; k < leaves.size(); ++k)
                leaves[k].insert(look(outcome.pictures[k]));
        }
    }
    possible.random = draws > 0;
    return possible;
}

std::string table()
{
    std::ostringstream out;
    static constexpr std::array<const char*, 5> kHeadings = {
        QT_TRANSLATE_NOOP("OutcomeTable", "Minerals left out"),
        QT_TRANSLATE_NOOP("OutcomeTable", "With water: stem (ruler units)"),
        QT_TRANSLATE_NOOP("OutcomeTable", "With water: leaves, bottom to top"),
        QT_TRANSLATE_NOOP("OutcomeTable", "Without water: stem (ruler units)"),
        QT_TRANSLATE_NOOP("OutcomeTable", "Without water: leaves")};
    out << "|";
    for (const char* heading : kHeadings)
        out << " " << say(heading) << " |";
    out << "\n|---|---|---|---|---|\n";
    for (int count = 0; count <= kMineralCount; ++count) {
        for (unsigned bits = 0; bits < (1u << kMineralCount); ++bits) {
            if (std::popcount(bits) != count)
                continue;
            const Possible wet = possibleOutcomes(bits, true);
            const Possible dry = possibleOutcomes(bits, false);
            out << "| " << missingText(bits) << " | " << units(wet.stemTwips) << " | "
                << (wet.random ? QCoreApplication::translate(
                                     "OutcomeTable", "random: %1",
                                     "every leaf the random mixture can give, place by place")
                                     .arg(QString::fromStdString(leavesText(wet.leaves)))
                                     .toStdString()
                               : leavesText(wet.leaves))
                << " | " << units(dry.stemTwips) << " | " << leavesText(dry.leaves) << " |\n";
        }
    }
    return out.str();
}

// Each mineral left out alone, with the leaf the Help tells the pupil to look for.
std::string leafKey()
{
    std::ostringstream out;
    out << "| " << say(QT_TRANSLATE_NOOP("OutcomeTable", "Mineral left out")) << " | "
        << say(QT_TRANSLATE_NOOP("OutcomeTable", "Stem (ruler units)")) << " | "
        << say(QT_TRANSLATE_NOOP("OutcomeTable", "The leaf to look for")) << " |\n"
        << "|---|---|---|\n";
    out << "| " << none() << " | " << units(possibleOutcomes(0, true).stemTwips) << " | "
        << look(LeafPicture::HealthyLeft) << " |\n";
    for (Mineral mineral : kMinerals) {
        const help::ShortageFacts facts = help::shortageFacts(mineral);
        out << "| " << mineralCaption(mineral).toStdString() << " | " << units(facts.stemTwips)
            << " | " << look(facts.symptomPicture) << " |\n";
    }
    return out.str();
}

// The Help's own words on measuring the stem, by mouse and by keyboard, so that a guide tells the
// teacher what the pupils read, in the same words, whenever the ruler's ways change.
std::string measuring()
{
    return help::measuringTheStem(help::Markup::Markdown)
               .join(QStringLiteral("\n\n"))
               .toStdString() +
           "\n";
}

const std::array<Block, 3> kBlocks = {
    Block{"<!-- leaf key: written by quorvel_outcome_table -->", "<!-- end of leaf key -->",
          &leafKey},
    Block{"<!-- measuring: written by quorvel_outcome_table -->", "<!-- end of measuring -->",
          &measuring},
    Block{"<!-- outcome table: written by quorvel_outcome_table -->",
          "<!-- end of outcome table -->", &table},
};

// Whether the guide's block is what the rules give; if not, says where it first differs.
bool blockMatches(const std::string& text, const Block& block, const char* guideName,
                  const std::string& language)
{
    const std::string written = block.write();
    const std::size_t begin = text.find(block.begin);
    const std::size_t end = text.find(block.end);
    if (begin == std::string::npos || end == std::string::npos || end < begin) {
        std::cerr << guideName << ": nothing between " << block.begin << " and " << block.end
                  << "\n";
        return false;
    }
    const std::size_t start = begin + block.begin.size() + 1;
    const std::string found = text.substr(start, end - start);
    if (found == written)
        return true;
    std::istringstream a(found), b(written);
    std::string lineA, lineB;
    for (int line = 1;; ++line) {
        const bool moreA = bool(std::getline(a, lineA));
        const bool moreB = bool(std::getline(b, lineB));
        if (!moreA && !moreB)
            break;
        if (lineA != lineB || moreA != moreB) {
            std::cerr << guideName << ": the block after " << block.begin
                      << " differs from the rules at its line " << line
                      << "\n  guide: " << (moreA ? lineA : "(nothing)")
                      << "\n  rules: " << (moreB ? lineB : "(nothing)")
                      << "\nWrite it again with quorvel_outcome_table"
                      << (language.empty() ? "" : " --language " + language) << ".\n";
            break;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::string language;
    std::string guidePath;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--language" && i + 1 < argc) {
            language = argv[++i];
        } else if (option == "--check" && i + 1 < argc) {
            guidePath = argv[++i];
        } else {
            std::cerr << "usage: quorvel_outcome_table [--language CODE] [--check GUIDE.md]\n";
            return 2;
        }
    }
    // The same translations the program speaks, so the table says what the pupil sees.
    if (!language.empty() && !translations::install(QString::fromStdString(language))) {
        std::cerr << "quorvel_outcome_table: Quorvel does not speak \"" << language << "\"\n";
        return 2;
    }
    if (guidePath.empty()) {
        for (const Block& block : kBlocks)
            std::cout << block.begin << "\n" << block.write() << block.end << "\n\n";
        return 0;
    }
    std::ifstream guide(guidePath);
    std::stringstream whole;
    whole << guide.rdbuf();
    if (!guide) {
        std::cerr << guidePath << ": cannot be read\n";
        return 1;
    }
    bool matches = true;
    for (const Block& block : kBlocks)
        matches = blockMatches(whole.str(), block, guidePath.c_str(), language) && matches;
    return matches ? 0 : 1;
}
