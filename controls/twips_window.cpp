// Placing a window's controls at its frame.
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

} // namespace quorvel
