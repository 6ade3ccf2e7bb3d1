// The one conversion between the twips that every position and size is stated in and pixels.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace quorvel {

// One screen pixel at 1x is 15 twips.
constexpr int kTwipsPerPixel = 15;

// Twips of the screen itself (a window's outer size, its place on the display), unscaled.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double pixelsToTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

// How a screen's layout is drawn in its window: at scale s, 15 / s twips to a pixel, with the
// layout's top-left corner at origin (the window's white margins lie around it). Every position
// and size stays in twips; this alone turns them into pixels and pixels back into twips. At
// scale 1 with no margin it is exactly the 15-twips-a-pixel conversion.
struct TwipsFrame {
    double scale = 1.0;
    QPoint origin;

    int x(double twips) const { return origin.x() + length(twips); }
    int y(double twips) const { return origin.y() + length(twips); }
    QPoint point(double xTwips, double yTwips) const { return {x(xTwips), y(yTwips)}; }
    // A distance, such as a width or a position within a control.
    int length(double twips) const
    {
        return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
    }
    QRect rect(double left, double top, double width, double height) const
    {
        return {x(left), y(top), length(width), length(height)};
    }
    QRect rect(const QRectF& twips) const
    {
        return rect(twips.x(), twips.y(), twips.width(), twips.height());
    }
    // A line or border of the given width at 1x: round(s) times as wide, at least 1 pixel.
    int lineWidth(int pixelsAtOne) const
    {
        return std::max(1, static_cast<int>(std::lround(pixelsAtOne * scale)));
    }
    // A point of the window, or a distance within a control, back in twips.
    double toTwipsX(double pixels) const { return (pixels - origin.x()) * kTwipsPerPixel / scale; }
    double toTwipsY(double pixels) const { return (pixels - origin.y()) * kTwipsPerPixel / scale; }
    double toTwipsLength(double pixels) const { return pixels * kTwipsPerPixel / scale; }

    bool operator==(const TwipsFrame&) const = default;
};

// A control placed in twips, which follows its window's frame whenever the frame changes.
class TwipsPlaced {
public:
    virtual ~TwipsPlaced() = default;
    virtual void applyFrame(const TwipsFrame& frame) = 0;
};

} // namespace quorvel
