// The sixteen leaf pictures: eight looks, each also mirrored left to right.
#include "pictures/drawings.h"

#include "pictures/blade.h"
#include "pictures/palette.h"
#include "pictures/raster.h"

#include <cmath>
#include <numbers>

namespace quorvel::drawings {

namespace {

using namespace palette;

constexpr int kLeafSize = 70;
constexpr int kLeafCount = 16;

// Stalk in the bottom-right corner pixel, tip short of the top-left one so that corner stays
// white.
Blade leafBlade(Blade::Margin margin) {
    const QPointF stalk(kLeafSize - 0.5, kLeafSize - 0.5);
    const QPointF tip(4.0, 4.0);
    const bool broad = margin == Blade::Margin::Smooth;
    return Blade(stalk, tip, 7.0, broad ? 23.0 : 13.0, margin);
}

QImage plainLeaf(Blade::Margin margin, QRgb blade, std::optional<QRgb> edge) {
    QImage image = raster::canvas({kLeafSize, kLeafSize});
    leafBlade(margin).paint(image, blade, kDarkGreen, edge);
    return image;
}

// Irregular blotches dropped at repeatable places over the blade until they cover a third
// of it; they go over veins and edge alike, as a disease would.
QImage blotchedLeaf() {
    QImage image = plainLeaf(Blade::Margin::Smooth, kPaleYellow, kBlack);
    const Blade blade = leafBlade(Blade::Margin::Smooth);
    int bladePixels = 0;
    for (int y = 0; y < kLeafSize; ++y) {
        for (int x = 0; x < kLeafSize; ++x)
            bladePixels += blade.contains({x + 0.5, y + 0.5}) ? 1 : 0;
    }

    constexpr quint32 kSeed = 8;
    int blotched = 0;
    for (int i = 0; blotched * 3 < bladePixels; ++i) {
        const QPointF centre(kLeafSize * raster::unitNoise(i, 0, kSeed),
                             kLeafSize * raster::unitNoise(i, 1, kSeed));
        if (!blade.contains(centre))
            continue;
        const double radius = 2.0 + 3.5 * raster::unitNoise(i, 2, kSeed);
        const double phase3 = 2.0 * std::numbers::pi * raster::unitNoise(i, 3, kSeed);
        const double phase5 = 2.0 * std::numbers::pi * raster::unitNoise(i, 4, kSeed);
        const raster::Region blotch = [&](QPointF p) {
            if (!blade.contains(p))
                return false;
            const QPointF d = p - centre;
            const double angle = std::atan2(d.y(), d.x());
            const double reach = radius * (1.0 + 0.3 * std::sin(3 * angle + phase3) +
                                           0.2 * std::sin(5 * angle + phase5));
            return std::hypot(d.x(), d.y()) < reach;
        };
        raster::fill(image, blotch, kOliveBrown);
        blotched = 0;
        for (int y = 0; y < kLeafSize; ++y) {
            for (int x = 0; x < kLeafSize; ++x)
                blotched += image.pixel(x, y) == kOliveBrown ? 1 : 0;
        }
    }
    return image;
}

} // namespace

QImage leaf(int index) {
    if (index < 0 || index >= kLeafCount)
        return {};
    // Hanging leaves are the healthy one turned over, and every odd leaf is its even
    // neighbour seen in a mirror, so each pair always matches pixel for pixel.
    if (index == 12)
        return leaf(0).mirrored(false, true);
    if (index % 2 == 1)
        return leaf(index - 1).mirrored(true, false);

    using Margin = Blade::Margin;
    switch (index) {
    case 0:
        return plainLeaf(Margin::Smooth, kBrightGreen, {});
    case 2:
        return plainLeaf(Margin::Smooth, kPaleYellow, kBlack);
    case 4:
        return plainLeaf(Margin::Smooth, kWhite, kBlack);
    case 6:
        return plainLeaf(Margin::Wavy, kBrightGreen, kLightGrey);
    case 8:
        return blotchedLeaf();
    case 10:
        return plainLeaf(Margin::Smooth, kMagenta, {});
    default: // 14
        return plainLeaf(Margin::Wavy, kMagenta, kLightGrey);
    }
}

} // namespace quorvel::drawings
