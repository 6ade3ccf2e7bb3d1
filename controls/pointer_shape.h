// The program-wide pointer shape: it applies over every window until changed again.
#pragma once

namespace quorvel {

enum class PointerShape { Default = 0, Crosshair = 2, NoDrop = 12 };

void setPointerShape(PointerShape shape);

} // namespace quorvel
