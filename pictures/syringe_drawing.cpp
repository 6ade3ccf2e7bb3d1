// The syringe at four fillings, and the drop that falls from its needle.
#include "pictures/drawings.h"

#include "pictures/palette.h"
#include "pictures/raster.h"

#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace quorvel::drawings {

namespace {

using namespace palette;

constexpr QSize kSize(84, 80);

// The syringe is laid out along its own axis: "along" runs from the needle tip towards the
// plunger, "across" at right angles. The tip sits just above where the screen starts the drop.
constexpr QPointF kTip(12.5, 71.5);
constexpr QPointF kAxis(std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2);
constexpr QPointF kAcross(std::numbers::sqrt2 / 2, std::numbers::sqrt2 / 2);

// Distances along the axis from the needle tip, and half-widths across it.
constexpr double kNeedleLength = 13.0;
constexpr double kNeedleHalfWidth = 1.3;
constexpr double kHubFrom = 12.0;
constexpr double kHubTo = 18.0;
constexpr double kHubHalfWidth = 3.5;
constexpr double kBarrelFrom = 17.0;
constexpr double kBarrelTo = 51.0;
constexpr double kBarrelHalfWidth = 9.5;
constexpr double kBarrelWall = 1.5;
constexpr double kGripFrom = 49.5;
constexpr double kGripTo = 52.5;
constexpr double kGripHalfWidth = 15.5;
constexpr double kBore = kBarrelHalfWidth - kBarrelWall;
constexpr double kBoreFront = kBarrelFrom + kBarrelWall;
constexpr double kBoreBack = kBarrelTo - kBarrelWall;
constexpr double kSealLength = 3.5;
constexpr double kTravel = kBoreBack - kSealLength - kBoreFront;
constexpr double kRodHalfWidth = 2.5;
// Long enough that a full syringe's thumb rest touches the top and the right edge of the
// picture, short enough that an empty one's still clears the finger grip.
constexpr double kRodLength = 40.0;
constexpr double kThumbRestLength = 3.5;
constexpr double kThumbRestHalfWidth = 8.0;

double along(QPointF p)
{
    return QPointF::dotProduct(p - kTip, kAxis);
}

double across(QPointF p)
{
    return QPointF::dotProduct(p - kTip, kAcross);
}

// The points whose distance along the axis lies in [from, to) and whose distance across it lies
// in the given range: a rectangle turned with the syringe.
struct AxisBox {
    double from;
    double to;
    double acrossFrom;
    double acrossTo;
    // Whether the range across is open at both ends, as a span's half-width is.
    bool symmetric;

    bool operator()(QPointF p) const
    {
        const double u = along(p);
        if (u < from || u >= to)
            return false;
        const double v = across(p);
        return symmetric ? std::abs(v) < acrossTo : v >= acrossFrom && v < acrossTo;
    }

    QRectF bounds() const
    {
        QPolygonF corners;
        for (const double u : {from, to}) {
            for (const double v : {acrossFrom, acrossTo})
                corners << kTip + kAxis * u + kAcross * v;
        }
        return corners.boundingRect();
    }
};

AxisBox span(double from, double to, double halfWidth)
{
    return {from, to, -halfWidth, halfWidth, true};
}

AxisBox band(double from, double to, double acrossFrom, double acrossTo)
{
    return {from, to, acrossFrom, acrossTo, false};
}

void fill(QImage& image, const AxisBox& box, QRgb colour)
{
    raster::fill(image, box.bounds(), box, colour);
}

void part(QImage& image, const AxisBox& box, QRgb colour)
{
    raster::fillOutlined(image, box.bounds(), box, colour, kBlack);
}

} // namespace

QImage syringe(int index, double scale)
{
    if (index < 0 || index >= kSyringeCount)
        return {};
    // The plunger is drawn back just as far as the liquid reaches.
    constexpr double kFill[kSyringeCount] = {0.0, 0.15, 0.5, 1.0};
    const double sealFront = kBoreFront + kFill[index] * kTravel;
    const double sealBack = sealFront + kSealLength;
    const double thumbFrom = sealBack + kRodLength;

    QImage image = raster::canvas(kSize, kWhite, scale);
    fill(image, span(kBarrelFrom, kBarrelTo, kBarrelHalfWidth), kWhite);
    // Light catches the near side of the glass and the far side lies in shadow.
    fill(image, band(kBoreFront, kBoreBack, -kBore, -kBore + 1.5), kLightGrey);
    fill(image, band(kBoreFront, kBoreBack, kBore - 1.5, kBore), kGrey);
    fill(image, band(kBoreFront, sealFront, -kBore, kBore), kBlue);
    part(image, span(sealBack - 0.5, thumbFrom + 0.5, kRodHalfWidth), kLightGrey);
    part(image, span(sealFront, sealBack, kBore), kGrey);
    for (int mark = 1; mark <= 4; ++mark) {
        const double at = kBoreFront + mark * kTravel / 5.0;
        fill(image, band(at, at + 1.0, kBore - 3.0, kBore), kBlack);
    }
    const AxisBox barrel = span(kBarrelFrom, kBarrelTo, kBarrelHalfWidth);
    raster::outline(image, barrel.bounds(), barrel, kBlack);
    part(image, span(kGripFrom, kGripTo, kGripHalfWidth), kGrey);
    part(image, span(thumbFrom, thumbFrom + kThumbRestLength, kThumbRestHalfWidth), kGrey);
    part(image, span(kHubFrom, kHubTo, kHubHalfWidth), kLightGrey);
    part(image, span(0.0, kNeedleLength, kNeedleHalfWidth), kGrey);
    return image;
}

QImage drip(double scale)
{
    // One drop, round below and drawn to a point above, as it falls. It is so small that a finer
    // drawing only makes each of its pixels a block: a drop of the same shape, as sharp.
    static constexpr const char* kRows[] = {"..#..", ".###.", "#####", "#####", "#####", ".###."};
    QImage image = raster::canvas({5, 6}, kWhite, scale);
    raster::fill(
        image, QRectF(0, 0, 5, 6),
        [](QPointF p) {
            const int x = int(p.x());
            const int y = int(p.y());
            return y >= 0 && y < 6 && x >= 0 && x < 5 && kRows[y][x] == '#';
        },
        kBlueViolet);
    return image;
}

} // namespace quorvel::drawings
