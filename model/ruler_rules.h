// The ruler: where a dragged ruler lands, and what it reads beside the stem.
#pragma once

#include <cstdint>

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

} // namespace quorvel
