// The outline and veins of one leaf blade, placed anywhere by its stalk end and its tip.
#pragma once

#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <optional>

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
    double halfWidthAt(double along) const;
    QPointF pointAt(double along, double across) const;

    QPointF m_stalk;
    QPointF m_tip;
    QPointF m_axis;   // unit vector, stalk towards tip
    QPointF m_across; // unit vector, the axis turned a quarter clockwise on screen
    double m_length;
    double m_stalkLength;
    double m_halfWidth;
    Margin m_margin;
};

} // namespace quorvel
