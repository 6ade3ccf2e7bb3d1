// The outline and veins of one leaf blade.
#include "pictures/blade.h"

#include "pictures/raster.h"

#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace quorvel {

namespace {

constexpr int kWaves = 5;          // bumps along each side of a wavy margin
constexpr double kWaveDepth = 0.2; // share of the local width that a bump adds or takes
// More than any margin reaches: the widest swell is the half-width, and a bump adds kWaveDepth.
constexpr double kWidestShare = 1.0 + kWaveDepth + 0.05;
constexpr double kVeinReach = 0.8; // veins stop short of the edge, as on a real leaf
constexpr double kVeinAngle = 0.6; // radians between a side vein and the midrib

} // namespace

Blade::Blade(QPointF stalk, QPointF tip, double stalkLength, double halfWidth, Margin margin)
    : m_stalk(stalk)
    , m_tip(tip)
    , m_length(QLineF(stalk, tip).length())
    , m_stalkLength(stalkLength)
    , m_halfWidth(halfWidth)
    , m_margin(margin)
{
    m_axis = (tip - stalk) / m_length;
    m_across = QPointF(-m_axis.y(), m_axis.x());
}

double Blade::halfWidthAt(double along) const
{
    const double t = (along - m_stalkLength) / (m_length - m_stalkLength);
    if (t <= 0.0 || t >= 1.0)
        return 0.0;
    // Rounded towards the stalk, drawn out to a point at the tip, widest halfway.
    const double swell = std::sin(std::numbers::pi * t);
    double width = m_halfWidth * std::pow(swell, t < 0.5 ? 0.6 : 2.0);
    if (m_margin == Margin::Wavy)
        width *= 1.0 + kWaveDepth * std::sin(2.0 * std::numbers::pi * kWaves * t);
    return width;
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
    // Beyond the widest bump no point can be inside, and the width need not be worked out.
    if (std::abs(across) >= kWidestShare * m_halfWidth)
        return false;
    return std::abs(across) < halfWidthAt(along);
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
            while (std::abs(across) < kVeinReach * halfWidthAt(along)) {
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
