// Where every control of the two screens stands, in twips, typed from the screens' described
// layout and never taken from the program's own tables, so that a fault in those shows. Every
// layout test, the random pupil's model and the start-up probe read their places here.
#pragma once

#include <array>

namespace layout {

struct Twips {
    int left, top, width, height;
};

struct Button {
    const char* caption; // English, with its access key
    Twips place;
};

// Both windows: the outer size set at load.
constexpr int kOuterWidth = 9690, kOuterHeight = 7290;

// The record table's rows, index 0 the headings; the same on both screens.
constexpr std::array<const char*, 7> kMineralCaptions = {
    "Mineral", "Nitrogen", "Potassium", "Magnesium", "Iron", "Phosphorus", "Calcium"};
constexpr std::array<int, 7> kRowTops = {1080, 1680, 2160, 2640, 3120, 3600, 4080};
constexpr int kMineralWidth = 1335, kAddedWidth = 1095, kRowHeight = 375;

struct Record {
    int mineralLeft, addedLeft;
    constexpr Twips mineral(int row) const
    {
        return {mineralLeft, kRowTops[row], kMineralWidth, kRowHeight};
    }
    constexpr Twips added(int row) const
    {
        return {addedLeft, kRowTops[row], kAddedWidth, kRowHeight};
    }
};

namespace design {
// AddZelcor by index: 1 to 6 the minerals, 7 the water; index 0 does not exist.
constexpr std::array<Button, 8> kAddZelcor = {{
    {"", {}},
    {"&Nitrogen", {360, 2400, 1575, 615}},
    {"Po&tassium", {2040, 2400, 1575, 615}},
    {"&Magnesium", {360, 3120, 1575, 615}},
    {"&Iron", {2040, 3120, 1575, 615}},
    {"&Phosphorus", {360, 3840, 1575, 615}},
    {"&Calcium", {2040, 3840, 1575, 615}},
    {"Add &Water", {360, 5505, 1575, 735}},
}};
// Cmd_Button by index: See Results, Quit, Start again, Add Cutting.
constexpr std::array<Button, 4> kCmdButton = {{
    {"See &Results", {3960, 5505, 1575, 735}},
    {"&Quit", {7680, 5505, 1575, 735}},
    {"&Start again", {5760, 5505, 1695, 735}},
    {"&Add Cutting", {2160, 5505, 1575, 735}},
}};
constexpr Record kRecord = {6360, 7920};
constexpr Twips kShape1 = {6120, 840, 3135, 3855}; // behind the table
constexpr Twips kShape2 = {840, 240, 2295, 1335};  // behind the instruction
constexpr Twips kLabel1 = {1080, 420, 1815, 975};
constexpr const char* kInstruction = "Click on these minerals to add them to the tube.";
constexpr Twips kImage1 = {1440, 1680, 1080, 600}; // the arrow
constexpr Twips kSyringe = {4440, 600, 1260, 1200};
constexpr Twips kTTube = {4200, 1920, 870, 2655};
constexpr Twips kDrip = {4590, 2520, 75, 90};
constexpr Twips kStart = {3480, 180, 2310, 4440}; // the cutting in its tube
// The two rules of the table, by their end points.
constexpr std::array<int, 4> kLine1 = {7800, 840, 7800, 4680};
constexpr std::array<int, 4> kLine2 = {6120, 1560, 9240, 1560};
} // namespace design

namespace results {
// Cmd_Button by index: Quit, Move ruler, New experiment.
constexpr std::array<Button, 3> kCmdButton = {{
    {"&Quit", {4440, 5505, 1335, 735}},
    {"&Move ruler", {720, 5520, 1335, 735}},
    {"&New experiment", {2280, 5505, 1935, 735}},
}};
constexpr Record kRecord = {1920, 3480};
constexpr Twips kShape1 = {1680, 840, 3135, 3855};
constexpr Twips kTube = {6600, 3960, 870, 2655};
constexpr Twips kRuler = {8640, 240, 465, 5265};
constexpr int kLineColumnX = 3360, kLineHeadingY = 1560;
constexpr int kLeafSize = 1050;
// Where each leaf box is created, before any growth run places it.
constexpr std::array<std::array<int, 2>, 6> kLeafAtCreation = {
    {{6360, 120}, {6480, 0}, {6480, 120}, {6480, 0}, {5985, 2520}, {7080, 2520}}};
// The stem's foot and x, and the heights at which the growing stem shows each leaf.
constexpr int kStemX = 7080, kStemBase = 3945, kStemY1AtCreation = 4035;
constexpr std::array<int, 6> kLeafTriggers = {3900, 3355, 2850, 2305, 1800, 1255};
} // namespace results

} // namespace layout
