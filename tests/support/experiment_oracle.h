// What an experiment should grow, worked out apart from the program: for every set of minerals
// given, with and without water, the growth value, the stem and the leaves.
#pragma once

#include <array>
#include <bitset>
#include <map>
#include <string>

namespace oracle {

// Bit i - 1 is mineral i: 1 nitrogen, 2 potassium, 3 magnesium, 4 iron, 5 phosphorus, 6 calcium.
using Given = std::bitset<6>;
constexpr int N = 1, K = 2, Mg = 3, Fe = 4, P = 5, Ca = 6;

inline bool missing(Given given, int mineral)
{
    return !given.test(mineral - 1);
}

// The growth value: the lowest limit among the missing minerals, 10 less when more than one is
// missing, 10 when all six are, and 5 without water.
inline int growth(Given given, bool water)
{
    if (!water)
        return 5;
    const int missingCount = 6 - static_cast<int>(given.count());
    if (missingCount == 0)
        return 70;
    if (missingCount == 6)
        return 10;
    if (missingCount == 1) {
        if (missing(given, N) || missing(given, K))
            return 62;
        if (missing(given, Mg))
            return 58;
        if (missing(given, Fe))
            return 52;
        return 25; // phosphorus or calcium
    }
    if (missingCount == 2 && missing(given, N) && missing(given, K))
        return 52;
    if (missing(given, P) || missing(given, Ca))
        return 15;
    if (missing(given, Fe))
        return 42;
    return 48; // lowest limit among the missing is magnesium's 58
}

// Stem length in twips and the number of leaves shown, by growth value.
inline int stemLength(int growth)
{
    static const std::map<int, int> lengths = {{70, 2690}, {62, 2383}, {58, 2229}, {52, 1998},
                                               {48, 1845}, {42, 1614}, {25, 961},  {15, 576},
                                               {10, 384},  {5, 192}};
    return lengths.at(growth);
}

inline int leavesShown(int growth)
{
    static const std::map<int, int> shown = {{70, 6}, {62, 5}, {58, 5}, {52, 4}, {48, 4},
                                             {42, 3}, {25, 2}, {15, 1}, {10, 1}, {5, 0}};
    return shown.at(growth);
}

// The leaf pictures for what was given; -1 leaves the leaf as it was. mixture is true where the
// pictures come from the two random draws instead.
struct LeafPictures {
    std::array<int, 6> picture;
    bool mixture;
};

inline LeafPictures leafPictures(Given given)
{
    constexpr int U = -1;
    const int missingCount = 6 - static_cast<int>(given.count());
    if (missingCount == 0)
        return {{0, 1, 0, 1, 0, 1}, false};
    if (missingCount == 6)
        return {{14, U, U, U, U, U}, false};
    if (missingCount == 1) {
        if (missing(given, Ca))
            return {{6, 7, U, U, U, U}, false};
        if (missing(given, P))
            return {{10, 11, U, U, U, U}, false};
        if (missing(given, N) || missing(given, Mg))
            return {{2, 3, 2, 1, 0, U}, false};
        if (missing(given, K))
            return {{8, 9, 8, 9, 8, U}, false};
        return {{0, 1, 4, 5, U, U}, false}; // iron
    }
    if (missing(given, P) && missing(given, Ca))
        return {{14, U, U, U, U, U}, false};
    if (missing(given, Ca))
        return {{6, U, U, U, U, U}, false};
    if (missing(given, P))
        return {{10, U, U, U, U, U}, false};
    return {{U, U, U, U, U, U}, true};
}

// The pictures each mineral 1..4 gives in the mixture: draw 1 for leaves 0, 2, 4; draw 2 for 1, 3.
inline std::array<int, 3> drawOnePictures(int mineral)
{
    static const std::array<std::array<int, 3>, 5> rows = {
        {{}, {2, 2, 0}, {8, 8, 8}, {2, 2, 0}, {0, 4, 4}}};
    return rows.at(mineral);
}

inline std::array<int, 2> drawTwoPictures(int mineral)
{
    static const std::array<std::array<int, 2>, 5> rows = {{{}, {3, 1}, {9, 9}, {3, 1}, {1, 5}}};
    return rows.at(mineral);
}

inline std::string describe(Given given, bool water)
{
    static const char* names[] = {"N", "K", "Mg", "Fe", "P", "Ca"};
    std::string text = water ? "water" : "dry";
    text += given.none() ? " nothing" : "";
    for (int i = 0; i < 6; ++i)
        if (given.test(i))
            text += std::string(" ") + names[i];
    return text;
}

} // namespace oracle
