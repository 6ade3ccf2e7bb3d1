// Placing a window's controls at its frame, and finding the frame a control is drawn at.
#include "controls/twips_window.h"

namespace quorvel {

void TwipsWindow::setTwipsFrame(const TwipsFrame& frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    for (QWidget* child : findChildren<QWidget*>()) {
        if (auto* placed = dynamic_cast<TwipsPlaced*>(child))
            placed->applyFrame(frame);
    }
}

const TwipsFrame& twipsFrameOf(const QWidget* widget)
{
    static const TwipsFrame kOneToOne;
    const auto* window = widget ? qobject_cast<const TwipsWindow*>(widget->window()) : nullptr;
    return window ? window->twipsFrame() : kOneToOne;
}

} // namespace quorvel
