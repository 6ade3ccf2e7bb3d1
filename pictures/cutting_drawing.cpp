// A plant cutting standing in a blacked-out test tube.
#include "pictures/drawings.h"

#include "pictures/blade.h"
#include "pictures/palette.h"
#include "pictures/raster.h"
#include "pictures/tube_shape.h"

namespace quorvel::drawings {

namespace {

using namespace palette;

constexpr QSize kSize(154, 296);
constexpr QPoint kTubeAt(47, 115);
constexpr double kStemX = 77.0;
constexpr QPointF kStemTop(kStemX, 58.0);

} // namespace

QImage cuttingInTube(double scale)
{
    QImage image = raster::canvas(kSize, kWhite, scale);
    // The stem stops at the mouth: below it the tube hides it, and the tube must stay exactly
    // the blacked-out picture.
    const raster::Capsule stem{{kStemX, kTubeAt.y() - 1.0}, kStemTop, 1.6};
    raster::fill(image, stem.bounds(), stem, kDarkGreen);
    // The leaves rise from a little apart on the stem, one on each side.
    const Blade left(kStemTop + QPointF(0.0, 4.0), {7.0, 10.0}, 6.0, 27.0);
    const Blade right(kStemTop, {147.0, 4.0}, 6.0, 27.0);
    left.paint(image, kBrightGreen, kDarkGreen);
    right.paint(image, kBrightGreen, kDarkGreen);

    // The blacked-out tube, drawn in place rather than pasted, so it stays sharp at any scale.
    const QRectF tubeArea(kTubeAt, kTubeSize);
    raster::fill(
        image, tubeArea, [&](QPointF p) { return tubeArea.contains(p); }, kWhite);
    raster::fill(
        image, tubeArea,
        [&](QPointF p) { return tubeArea.contains(p) && inTubeSilhouette(p - tubeArea.topLeft()); },
        kBlack);
    return image;
}

} // namespace quorvel::drawings
