// The ruler: where a dragged ruler lands, and what it reads beside the stem.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// One unit of the ruler's scale: 19 pixels of its picture, 285 twips on screen. Zero is its top.
constexpr int kRulerUnitPixels = 19;
constexpr int kRulerUnitTwips = kRulerUnitPixels * 15;

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

// Placing by keyboard: one arrow press moves the outline one pixel of the layout (15 twips), so
// that its zero mark can stand level with anything drawn; Shift with an arrow moves it three
// marks of the ruler's scale, and stops level with the top of the stem when it would pass it.
// The ruler starts 3513 twips at most above any stem's top, so the large steps bring its zero
// mark level with the top of any stem in five presses or fewer, with no plain ones.
constexpr int kOutlineStepTwips = 15;
constexpr int kOutlineLargeStepTwips = 3 * kRulerUnitTwips;

// The outline's coordinate after one press towards smaller (direction -1) or larger (+1)
// values; stopAt, where given, is where a large step stops on its way.
float outlineStep(float from, int direction, bool large, std::optional<float> stopAt);

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
