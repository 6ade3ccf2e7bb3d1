// The font of every button and label on both screens.
#pragma once

#include <QFont>

namespace quorvel {

// 12 point, plain, sans-serif.
QFont screenFont();

} // namespace quorvel
