// The ruler's drag arithmetic and its scale.
#include "model/ruler_rules.h"

#include "model/integer16.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

RulerGrab grabAt(float x, float y)
{
    return RulerGrab{x, toInteger16(y)};
}

RulerPlace dropPlace(float x, float y, const RulerGrab& grab)
{
    return RulerPlace{x - grab.x, y - static_cast<float>(grab.y)};
}

double rulerReading(int lengthTwips)
{
    return static_cast<double>(lengthTwips) / kRulerUnitTwips;
}

std::optional<int> readingOnScale(int twipsBelowZero)
{
    if (twipsBelowZero < 0 || twipsBelowZero > kRulerScaleUnits * kRulerUnitTwips)
        return std::nullopt;
    return twipsBelowZero;
}

float outlineStep(float from, int direction, std::optional<float> stopAt)
{
    const float to = from + static_cast<float>(direction * kOutlineStepTwips);
    if (stopAt && (*stopAt - from) * static_cast<float>(direction) > 0.0f &&
        (to - *stopAt) * static_cast<float>(direction) > 0.0f)
        return *stopAt;
    return to;
}

std::optional<NearPart> nearestPart(float x, float y, const std::vector<PlantBox>& parts)
{
    std::optional<NearPart> nearest;
    float best = 0.0f;
    for (const PlantBox& box : parts) {
        const float dx = std::max({box.left - x, 0.0f, x - (box.left + box.width)});
        const float dy = std::max({box.top - y, 0.0f, y - (box.top + box.height)});
        const float distance = std::hypot(dx, dy);
        if (!nearest || distance < best) {
            nearest = NearPart{box.part, box.leaf};
            best = distance;
        }
    }
    return nearest;
}

} // namespace quorvel
