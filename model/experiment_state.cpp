// Storage for the shared experiment state.
#include "model/experiment_state.h"

namespace quorvel::ZELCOR1 {
std::int16_t TubeState = 0;
Boolean16 WaterAdded = kFalse;
Boolean16 CuttingAdded = kFalse;
} // namespace quorvel::ZELCOR1
