// The outline and veins of one leaf blade.
#include "pictures/blade.h"

#include "pictures/raster.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quorvel {

namespace {

constexpr int kWaves = 5;          // bumps along each side of a wavy margin
constexpr double kWaveDepth = 0.2; // share of the local width that a bump adds or takes
// More than any margin reaches: the widest swell is the half-width, and a bump adds kWaveDepth.
constexpr double kWidestShare = 1.0 + kWaveDepth + 0.05;
constexpr double kVeinReach = 0.8; // veins stop short of the edge, as on a real leaf
constexpr double kVeinAngle = 0.6; // radians between a side vein and the midrib

// How finely the bounds follow the blade: more stretches leave fewer points to the exact width,
// but each costs two width evaluations when the blade is made.
constexpr int kBoundBins = 192;
// The bounds are worked out in floating point from the same functions as the width itself; their
// rounding and that of the width are below 1e-12 of the half-width, so this much slack leaves
// every bound safely on its side of the width it stands for.
constexpr double kBoundSlackShare = 1e-6;

// The swell of the blade at share t of its length, from 0 at both ends to 1 halfway: rising
// before halfway and falling after it, which the bounds rely on.
double swellAt(double t)
{
    if (t <= 0.0 || t >= 1.0)
        return 0.0;
    return std::pow(std::sin(std::numbers::pi * t), t < 0.5 ? 0.6 : 2.0);
}

double waveAt(double t)
{
    return 1.0 + kWaveDepth * std::sin(2.0 * std::numbers::pi * kWaves * t);
}

} // namespace

Blade::Blade(QPointF stalk, QPointF tip, double stalkLength, double halfWidth, Margin margin)
    : m_stalk(stalk)
    , m_tip(tip)
    , m_length(QLineF(stalk, tip).length())
    , m_stalkLength(stalkLength)
    , m_halfWidth(halfWidth)
    , m_margin(margin)
    , m_binEdges(kBoundBins + 1)
    , m_bins(kBoundBins)
    , m_binsPerUnit(kBoundBins / (m_length - m_stalkLength))
{
    m_axis = (tip - stalk) / m_length;
    m_across = QPointF(-m_axis.y(), m_axis.x());

    for (int i = 0; i < kBoundBins; ++i)
        m_binEdges[i] = m_stalkLength + i / m_binsPerUnit;
    m_binEdges[kBoundBins] = m_length;

    // The share along the blade only grows with the distance along it, even rounded, so a point
    // between two edges has its share between theirs; there the swell is bounded by its values
    // at the ends of each rising or falling piece, and the wave likewise unless it turns inside.
    const double slack = kBoundSlackShare * m_halfWidth;
    for (int i = 0; i < kBoundBins; ++i) {
        const double t0 = shareAlong(m_binEdges[i]);
        const double t1 = shareAlong(m_binEdges[i + 1]);
        const double swell0 = swellAt(t0);
        const double swell1 = swellAt(t1);
        const double swellLow = std::min(swell0, swell1);
        const double swellHigh = t0 < 0.5 && t1 >= 0.5 ? 1.0 : std::max(swell0, swell1);
        double waveLow = 1.0;
        double waveHigh = 1.0;
        if (m_margin == Margin::Wavy) {
            // The wave turns where 2 kWaves t - 0.5 is a whole number; a little fuzz treats a
            // turn at either edge as inside, which only widens the bounds.
            const double turns0 = std::floor(2.0 * kWaves * t0 - 0.5 - 1e-9);
            const double turns1 = std::floor(2.0 * kWaves * t1 - 0.5 + 1e-9);
            if (turns0 != turns1) {
                waveLow = 1.0 - kWaveDepth;
                waveHigh = 1.0 + kWaveDepth;
            } else {
                waveLow = std::min(waveAt(t0), waveAt(t1));
                waveHigh = std::max(waveAt(t0), waveAt(t1));
            }
        }
        m_bins[i] = {m_halfWidth * swellLow * waveLow - slack,
                     m_halfWidth * swellHigh * waveHigh + slack};
    }
}

double Blade::shareAlong(double along) const
{
    return (along - m_stalkLength) / (m_length - m_stalkLength);
}

// The exact width: every decision of the pictures rests on this expression, and the bounds only
// spare working it out where its answer is already certain.
double Blade::halfWidthAt(double along) const
{
    const double t = shareAlong(along);
    if (t <= 0.0 || t >= 1.0)
        return 0.0;
    // Rounded towards the stalk, drawn out to a point at the tip, widest halfway; the bounds are
    // worked out from the same two functions.
    double width = m_halfWidth * swellAt(t);
    if (m_margin == Margin::Wavy)
        width *= waveAt(t);
    return width;
}

Blade::WidthBounds Blade::boundsAt(double along) const
{
    // Off either end of the blade the width is exactly 0.
    if (along <= m_stalkLength || along >= m_length)
        return {0.0, 0.0};
    const int bin = std::min(int((along - m_stalkLength) * m_binsPerUnit), kBoundBins - 1);
    // Rounding may put a point just beside the stretch its index names; that point gets bounds
    // that decide nothing.
    if (along < m_binEdges[bin] || along > m_binEdges[bin + 1])
        return {0.0, std::numeric_limits<double>::infinity()};
    return m_bins[bin];
}

// Whether |across| < share * halfWidthAt(along), with exactly the answer of that comparison:
// rounding a product never reverses its order, so a bound multiplied by share stays a bound.
bool Blade::within(double along, double across, double share) const
{
    const double distance = std::abs(across);
    const WidthBounds bounds = boundsAt(along);
    if (distance < share * bounds.low)
        return true;
    if (distance >= share * bounds.high)
        return false;
    return distance < share * halfWidthAt(along);
}

QPointF Blade::pointAt(double along, double across) const
{
    return m_stalk + m_axis * along + m_across * across;
}

bool Blade::contains(QPointF point) const
{
    const QPointF offset = point - m_stalk;
    const double along = QPointF::dotProduct(offset, m_axis);
    const double across = QPointF::dotProduct(offset, m_across);
    // Beyond the widest bump no point can be inside, and the stretch need not be looked up.
    if (std::abs(across) >= kWidestShare * m_halfWidth)
        return false;
    return within(along, across, 1.0);
}

QRectF Blade::bounds() const
{
    // No margin is wider than the widest bump of a wavy one.
    const double reach = kWidestShare * m_halfWidth + 1.0;
    QPolygonF corners;
    for (const double along : {m_stalkLength, m_length}) {
        for (const double across : {-reach, reach})
            corners << pointAt(along, across);
    }
    return corners.boundingRect();
}

QList<QLineF> Blade::veins(int perSide) const
{
    QList<QLineF> result;
    const double bladeLength = m_length - m_stalkLength;
    const QPointF direction(std::cos(kVeinAngle), std::sin(kVeinAngle));
    for (const int side : {-1, 1}) {
        for (int i = 0; i < perSide; ++i) {
            // The two sides are staggered by half a step, which real leaves mostly are too.
            const double share = 0.14 + 0.66 * (i + (side > 0 ? 0.25 : 0.75)) / perSide;
            const double start = m_stalkLength + share * bladeLength;
            double along = start;
            double across = 0.0;
            while (within(along, across, kVeinReach)) {
                along += 0.25 * direction.x();
                across += 0.25 * direction.y() * side;
            }
            result.append(QLineF(pointAt(start, 0.0), pointAt(along, across)));
        }
    }
    return result;
}

void Blade::paint(QImage& image, QRgb blade, QRgb veins, std::optional<QRgb> edge) const
{
    const auto inside = [this](QPointF p) { return contains(p); };
    if (edge)
        raster::fillOutlined(image, bounds(), inside, blade, *edge);
    else
        raster::fill(image, bounds(), inside, blade);
    raster::line(image, m_stalk, m_tip - m_axis * 1.5, veins);
    for (const QLineF& vein : this->veins(4))
        raster::line(image, vein.p1(), vein.p2(), veins);
}

} // namespace quorvel
