// The test tube, empty or holding liquid, and its solid black silhouette.
#include "pictures/drawings.h"

#include "pictures/palette.h"
#include "pictures/raster.h"
#include "pictures/tube_shape.h"

#include <QLineF>
#include <algorithm>

namespace quorvel::drawings {

namespace {

using namespace palette;

constexpr int kWidth = kTubeSize.width();
constexpr int kHeight = kTubeSize.height();
constexpr int kWaterLineRow = 45;
constexpr int kSettledLayerRows = 4;

constexpr double kCentreX = kWidth / 2.0;
constexpr double kBodyRadius = 20.5;
constexpr double kWall = 2.0;
// The mouth is seen a little from above, as a flat ellipse wider than the body: the lip.
constexpr double kRimCentreY = 4.0;
constexpr double kRimRadiusX = 24.0;
constexpr double kRimRadiusY = 3.6;
constexpr double kRimThicknessY = 1.4;
constexpr double kFlareLength = 11.0;
constexpr double kBottomCentreY = kHeight - 0.4 - kBodyRadius;

bool inEllipse(QPointF p, double radiusX, double radiusY)
{
    const double dx = (p.x() - kCentreX) / radiusX;
    const double dy = (p.y() - kRimCentreY) / radiusY;
    return dx * dx + dy * dy < 1.0;
}

// Half the outer width at height y: the body, widening smoothly into the lip at the top.
double outerHalfWidth(double y)
{
    const double flare = std::max(0.0, 1.0 - (y - kRimCentreY) / kFlareLength);
    return kBodyRadius + (kRimRadiusX - kBodyRadius) * flare * flare;
}

bool inBody(QPointF p, double inset)
{
    if (p.y() < kRimCentreY)
        return false;
    if (p.y() <= kBottomCentreY)
        return std::abs(p.x() - kCentreX) < outerHalfWidth(p.y()) - inset;
    // The squared distance settles all but a hair's breadth around the rounded bottom, far more
    // than its rounding and that of the exact distance could move; only there is the distance
    // itself worked out, so every pixel keeps the answer of that exact comparison.
    const double reach = kBodyRadius - inset;
    const double dx = p.x() - kCentreX;
    const double dy = p.y() - kBottomCentreY;
    const double squared = dx * dx + dy * dy;
    if (squared < reach * reach * (1.0 - 1e-9))
        return true;
    if (squared > reach * reach * (1.0 + 1e-9))
        return false;
    return QLineF(p, {kCentreX, kBottomCentreY}).length() < reach;
}

bool inSilhouette(QPointF p)
{
    return inEllipse(p, kRimRadiusX, kRimRadiusY) || inBody(p, 0.0);
}

// The glass-enclosed space below the rim, where liquid can be.
bool inInterior(QPointF p)
{
    return inBody(p, kWall) && !inEllipse(p, kRimRadiusX, kRimRadiusY);
}

bool inMouth(QPointF p)
{
    return inEllipse(p, kRimRadiusX - kWall, kRimRadiusY - kRimThicknessY);
}

// Holds the whole tube: the lip is its widest part.
constexpr QRectF kSilhouetteBounds(kCentreX - kRimRadiusX, kRimCentreY - kRimRadiusY,
                                   2 * kRimRadiusX, kHeight - (kRimCentreY - kRimRadiusY));

// The part of the silhouette from the given height down.
QRectF silhouetteBelow(double top)
{
    QRectF bounds = kSilhouetteBounds;
    bounds.setTop(std::max(bounds.top(), top));
    return bounds;
}

int lowestInteriorRow()
{
    int row = kHeight - 1;
    while (row > 0 && !inInterior({kCentreX - 0.5, row + 0.5}))
        --row;
    return row;
}

} // namespace

bool inTubeSilhouette(QPointF point)
{
    return inSilhouette(point);
}

QImage tube(int index, double scale)
{
    if (index < 0 || index >= kTubeCount)
        return {};
    QImage image = raster::canvas({kWidth, kHeight}, kBlack, scale);
    // White around the glass, in the mouth and inside.
    raster::fill(
        image, raster::everywhere(image),
        [](QPointF p) { return !inSilhouette(p) || inMouth(p) || inInterior(p); }, kWhite);

    switch (index) {
    case 1: {
        const double layerTop = lowestInteriorRow() + 1 - kSettledLayerRows;
        raster::fill(
            image, silhouetteBelow(layerTop),
            [=](QPointF p) { return inInterior(p) && p.y() > layerTop; }, kBlueViolet);
        break;
    }
    case 2:
    case 3:
        if (index == 2) {
            raster::fill(
                image, silhouetteBelow(kWaterLineRow + 1),
                [](QPointF p) { return inInterior(p) && p.y() > kWaterLineRow + 1; }, kCyan);
        }
        raster::fill(
            image, silhouetteBelow(kWaterLineRow) & QRectF(0, kWaterLineRow, kWidth, 1),
            [](QPointF p) { return inSilhouette(p) && int(p.y()) == kWaterLineRow; }, kBlack);
        break;
    default:
        break;
    }
    return image;
}

QImage blackedOutTube(double scale)
{
    QImage image = raster::canvas({kWidth, kHeight}, kWhite, scale);
    raster::fill(image, kSilhouetteBounds, inSilhouette, kBlack);
    return image;
}

} // namespace quorvel::drawings
