// The one conversion between the twips that every position and size is stated in and pixels.
#pragma once

#include <QRect>
#include <cmath>

class QWidget;

namespace quorvel {

// One screen pixel at 1x is 15 twips.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double pixelsToTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Sets a widget's geometry from twips.
void placeInTwips(QWidget* widget, double left, double top, double width, double height);

} // namespace quorvel
