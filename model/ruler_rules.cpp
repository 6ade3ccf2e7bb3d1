// The ruler's drag arithmetic and its scale.
#include "model/ruler_rules.h"

#include "model/integer16.h"

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

} // namespace quorvel
