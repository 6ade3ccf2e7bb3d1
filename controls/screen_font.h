// The font of every button and label on both screens.
#pragma once

#include <QFont>

namespace quorvel {

// 12 point, plain, sans-serif; scale times as large on a screen drawn larger.
QFont screenFont(double scale = 1.0);

} // namespace quorvel
