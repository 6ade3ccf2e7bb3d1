// The sixteen leaf pictures: eight looks, each also mirrored left to right.
#include "pictures/drawings.h"

#include "pictures/blade.h"
#include "pictures/palette.h"
#include "pictures/raster.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvel::drawings {

namespace {

using namespace palette;

constexpr int kLeafSize = 70;

// Stalk in the bottom-right corner pixel, tip short of the top-left one so that corner stays
// white.
Blade leafBlade(Blade::Margin margin)
{
    const QPointF stalk(kLeafSize - 0.5, kLeafSize - 0.5);
    const QPointF tip(4.0, 4.0);
    const bool broad = margin == Blade::Margin::Smooth;
    return Blade(stalk, tip, 7.0, broad ? 23.0 : 13.0, margin);
}

QImage plainLeaf(Blade::Margin margin, QRgb blade, std::optional<QRgb> edge, double scale)
{
    QImage image = raster::canvas({kLeafSize, kLeafSize}, kWhite, scale);
    leafBlade(margin).paint(image, blade, kDarkGreen, edge);
    return image;
}

// One irregular blotch on the leaf blade: a disc whose edge wanders by up to half its radius.
struct Blotch {
    Blade blade;
    QPointF centre;
    double radius;
    double phase3;
    double phase5;

    // The edge wanders by at most 0.3 + 0.2 of the radius; a little more is allowed for rounding.
    double farthest() const { return 1.51 * radius; }

    QRectF bounds() const
    {
        const double reach = farthest();
        return {centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach};
    }

    bool operator()(QPointF p) const
    {
        const QPointF d = p - centre;
        if (QPointF::dotProduct(d, d) >= farthest() * farthest() || !blade.contains(p))
            return false;
        const double angle = std::atan2(d.y(), d.x());
        const double reach = radius * (1.0 + 0.3 * std::sin(3 * angle + phase3) +
                                       0.2 * std::sin(5 * angle + phase5));
        return std::hypot(d.x(), d.y()) < reach;
    }
};

qsizetype countWithin(const QImage& image, const QRect& box, QRgb colour)
{
    qsizetype count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        count += std::count(pixels + box.left(), pixels + box.right() + 1, colour);
    }
    return count;
}

// Irregular blotches dropped at repeatable places over the blade until they cover a third
// of it; they go over veins and edge alike, as a disease would. Where they fall is worked out
// once at scale 1, so a finer drawing shows the very same blotches.
QList<Blotch> blotches()
{
    QImage image = plainLeaf(Blade::Margin::Smooth, kPaleYellow, kBlack, 1.0);
    const Blade blade = leafBlade(Blade::Margin::Smooth);
    int bladePixels = 0;
    for (int y = 0; y < kLeafSize; ++y) {
        for (int x = 0; x < kLeafSize; ++x)
            bladePixels += blade.contains({x + 0.5, y + 0.5}) ? 1 : 0;
    }

    constexpr quint32 kSeed = 8;
    QList<Blotch> regions;
    qsizetype blotched = 0;
    for (int i = 0; blotched * 3 < bladePixels; ++i) {
        const QPointF centre(kLeafSize * raster::unitNoise(i, 0, kSeed),
                             kLeafSize * raster::unitNoise(i, 1, kSeed));
        if (!blade.contains(centre))
            continue;
        const Blotch blotch{blade, centre, 2.0 + 3.5 * raster::unitNoise(i, 2, kSeed),
                            2.0 * std::numbers::pi * raster::unitNoise(i, 3, kSeed),
                            2.0 * std::numbers::pi * raster::unitNoise(i, 4, kSeed)};
        // Only pixels within the blotch's bounds can turn brown.
        const QRect box = raster::pixelsAround(image, blotch.bounds());
        blotched -= countWithin(image, box, kOliveBrown | 0xff000000u);
        raster::fill(image, blotch.bounds(), blotch, kOliveBrown);
        blotched += countWithin(image, box, kOliveBrown | 0xff000000u);
        regions.append(blotch);
    }
    return regions;
}

QImage blotchedLeaf(double scale)
{
    static const QList<Blotch> kBlotches = blotches();
    QImage image = plainLeaf(Blade::Margin::Smooth, kPaleYellow, kBlack, scale);
    for (const Blotch& blotch : kBlotches)
        raster::fill(image, blotch.bounds(), blotch, kOliveBrown);
    return image;
}

// Turning a picture over keeps the scale it was drawn at.
QImage mirrored(const QImage& image, bool horizontally, bool vertically)
{
    QImage turned = image.mirrored(horizontally, vertically);
    turned.setDevicePixelRatio(image.devicePixelRatio());
    return turned;
}

} // namespace

QImage leaf(int index, double scale)
{
    if (index < 0 || index >= kLeafCount)
        return {};
    // Hanging leaves are the healthy one turned over, and every odd leaf is its even
    // neighbour seen in a mirror, so each pair always matches pixel for pixel.
    if (index == 12)
        return mirrored(leaf(0, scale), false, true);
    if (index % 2 == 1)
        return mirrored(leaf(index - 1, scale), true, false);

    using Margin = Blade::Margin;
    switch (index) {
    case 0:
        return plainLeaf(Margin::Smooth, kBrightGreen, {}, scale);
    case 2:
        return plainLeaf(Margin::Smooth, kPaleYellow, kBlack, scale);
    case 4:
        return plainLeaf(Margin::Smooth, kWhite, kBlack, scale);
    case 6:
        return plainLeaf(Margin::Wavy, kBrightGreen, kLightGrey, scale);
    case 8:
        return blotchedLeaf(scale);
    case 10:
        return plainLeaf(Margin::Smooth, kMagenta, {}, scale);
    default: // 14
        return plainLeaf(Margin::Wavy, kMagenta, kLightGrey, scale);
    }
}

} // namespace quorvel::drawings
