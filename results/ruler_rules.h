// Where a dragged ruler lands: the point at which it was grabbed ends under the drop point.
#pragma once

#include <cstdint>

namespace quorvel {

struct RulerGrab {
    float x = 0.0f;     // twips from the ruler's left edge, kept unrounded
    std::int16_t y = 0; // twips from its top edge, rounded halves to even
};

RulerGrab grabAt(float x, float y);

struct RulerPlace {
    float left;
    float top;
};

// The new top-left corner for a drop at (x, y); not limited to the visible area.
RulerPlace dropPlace(float x, float y, const RulerGrab& grab);

} // namespace quorvel
