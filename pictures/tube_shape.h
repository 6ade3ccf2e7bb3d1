// The outline of the test tube, shared by the pictures that show a tube.
#pragma once

#include <QPointF>
#include <QSize>

namespace quorvel::drawings {

inline constexpr QSize kTubeSize(58, 177);

// Whether a point, in picture units from the tube picture's top-left corner, lies on the tube:
// glass, lip or what it holds.
bool inTubeSilhouette(QPointF point);

} // namespace quorvel::drawings
