// What each picture shows, in words a pupil understands, for screen readers.
#pragma once

#include <QString>

namespace quorvel::descriptions {

// An index outside a picture array gives an empty text.
QString leaf(int index);
QString tube(int index);
QString syringe(int index);
QString drip();
QString blackedOutTube();
QString cuttingInTube();
QString ruler();
QString instructionArrow();

} // namespace quorvel::descriptions
