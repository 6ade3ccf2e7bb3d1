// The outline and veins of one leaf blade, placed anywhere by its stalk end and its tip.
#pragma once

#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <optional>
#include <vector>

namespace quorvel {

class Blade {
public:
    enum class Margin { Smooth, Wavy };

    // The stalk runs from stalk for stalkLength pixels along the line to tip, then the blade
    // begins; halfWidth is the blade's greatest distance from the midrib.
    Blade(QPointF stalk, QPointF tip, double stalkLength, double halfWidth,
          Margin margin = Margin::Smooth);

    bool contains(QPointF point) const;
    // A rectangle that holds the whole blade (not the stalk).
    QRectF bounds() const;
    QLineF midrib() const { return {m_stalk, m_tip}; }
    QList<QLineF> veins(int perSide) const;

    // Fills the blade, edges it if asked, then draws stalk, midrib and veins over it.
    void paint(QImage& image, QRgb blade, QRgb veins, std::optional<QRgb> edge = {}) const;

private:
    // Bounds that the half-width is proven to keep to over one stretch of the midrib.
    struct WidthBounds {
        double low;
        double high;
    };

    double shareAlong(double along) const;
    double halfWidthAt(double along) const;
    WidthBounds boundsAt(double along) const;
    bool within(double along, double across, double share) const;
    QPointF pointAt(double along, double across) const;

    QPointF m_stalk;
    QPointF m_tip;
    QPointF m_axis;   // unit vector, stalk towards tip
    QPointF m_across; // unit vector, the axis turned a quarter clockwise on screen
    double m_length;
    double m_stalkLength;
    double m_halfWidth;
    Margin m_margin;
    // The blade cut into stretches along the midrib (m_binEdges holds one more entry than
    // m_bins), so that most points are decided without working out the width itself.
    std::vector<double> m_binEdges;
    std::vector<WidthBounds> m_bins;
    double m_binsPerUnit;
};

} // namespace quorvel
