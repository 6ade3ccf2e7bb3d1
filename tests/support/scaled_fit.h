// Where a screen's layout is drawn in a window of another size, worked out apart from the
// program: the largest scale that fits, centred.
#pragma once

#include <QPoint>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace testing {

struct ScaledFit {
    double scale;
    QPoint origin;
};

inline ScaledFit scaledFit(QSize laidOut, QSize size)
{
    const double scale =
        std::min(double(size.width()) / laidOut.width(), double(size.height()) / laidOut.height());
    return {scale, QPoint((size.width() - int(std::lround(laidOut.width() * scale))) / 2,
                          (size.height() - int(std::lround(laidOut.height() * scale))) / 2)};
}

} // namespace testing
