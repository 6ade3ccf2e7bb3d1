// The picture store: every picture that the screens swap in, drawn once on first use.
#pragma once

#include "pictures/drawings.h"

#include <QPixmap>
#include <array>

namespace quorvel {

class Graphics {
public:
    static constexpr int kLeafCount = drawings::kLeafCount;
    static constexpr int kTubeCount = drawings::kTubeCount;
    static constexpr int kSyringeCount = drawings::kSyringeCount;

    // The one store of the program. It lives from the first call until the application object
    // goes away; each picture is drawn the first time it is asked for. Needs a QGuiApplication.
    static const Graphics& instance();
    // Whether the store has been created yet (it is created lazily, on the first reference).
    static bool exists();

    // Pictures are handed out by const reference: a control that takes one shares the image
    // (Qt's implicit sharing), and the store keeps its own. An index outside the array hands
    // out an empty pixmap rather than reading past it.
    const QPixmap& Leaf(int index) const;    // 0..15, 70 x 70 px
    const QPixmap& Tube(int index) const;    // 0..3, 58 x 177 px
    const QPixmap& Syringe(int index) const; // 0..3, 84 x 80 px
    const QPixmap& Drip() const;             // 5 x 6 px

private:
    Graphics();

    // Filled on first use: asking for a picture is a const read that may draw it.
    mutable std::array<QPixmap, kLeafCount> m_leaf;
    mutable std::array<QPixmap, kTubeCount> m_tube;
    mutable std::array<QPixmap, kSyringeCount> m_syringe;
    mutable QPixmap m_drip;
    QPixmap m_none;
};

} // namespace quorvel
