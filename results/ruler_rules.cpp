// The ruler's drag arithmetic.
#include "results/ruler_rules.h"

#include "shell/numbers.h"

namespace quorvel {

RulerGrab grabAt(float x, float y)
{
    return RulerGrab{x, toInteger16(y)};
}

RulerPlace dropPlace(float x, float y, const RulerGrab& grab)
{
    return RulerPlace{x - grab.x, y - static_cast<float>(grab.y)};
}

} // namespace quorvel
