// The ruler: where a dragged ruler lands, and what it reads beside the stem.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// One unit of the ruler's scale: 19 pixels of its picture, 285 twips on screen. Zero is its top.
constexpr int kRulerUnitPixels = 19;
constexpr int kRulerUnitTwips = kRulerUnitPixels * 15;
// The scale's marks run from 0 to this many units.
constexpr int kRulerScaleUnits = 17;

struct RulerGrab {
    float x = 0.0f;     // twips from the ruler's left edge, kept unrounded
    std::int16_t y = 0; // twips from its top edge, rounded halves to even
};

// The grab of a press at (x, y), in twips from the ruler's top-left corner.
RulerGrab grabAt(float x, float y);

struct RulerPlace {
    float left;
    float top;
};

// The new top-left corner for a drop at (x, y) in the window; not limited to the visible area.
// The drag's outline, following the pointer, is drawn where this would put the ruler.
RulerPlace dropPlace(float x, float y, const RulerGrab& grab);

// A stem of this length in twips, as a pupil reads it off the ruler, in units.
double rulerReading(int lengthTwips);

// What the ruler reads at a point this many twips below its zero mark: the same twips while the
// point lies on the scale, none above the zero mark or below the last mark.
std::optional<int> readingOnScale(int twipsBelowZero);

// Placing by keyboard. A plain arrow moves the outline one mark of the ruler's scale: a step a
// pupil sees at any size of the window, and one a screen-reader pupil can count, since what is
// heard is in the same marks. Up and down, it stops level with the top of the stem when it would
// pass it, so that the zero mark meets the stem's top however far it started. The ruler starts
// 3513 twips at most above any stem's top, so plain presses bring it level in thirteen or fewer.
// Shift with an arrow moves the outline one pixel of the window as drawn (the ruler's on the
// screen, since a pixel's twips depend on the window's scale), to line the zero mark up with
// anything else.
constexpr int kOutlineStepTwips = kRulerUnitTwips;

// The outline's coordinate after one plain press towards smaller (direction -1) or larger (+1)
// values; stopAt, where given, is where the step stops on its way.
float outlineStep(float from, int direction, std::optional<float> stopAt);

// The parts of the plant a placing outline can be near.
enum class PlantPart { StemTop, Stem, Leaf, Tube };
struct PlantBox {
    PlantPart part;
    int leaf; // the leaf's index for PlantPart::Leaf
    float left, top, width, height;
};
struct NearPart {
    PlantPart part;
    int leaf;
};
// The part whose box lies nearest the point (x, y), in twips; the first of equals. None for none.
std::optional<NearPart> nearestPart(float x, float y, const std::vector<PlantBox>& parts);

} // namespace quorvel
