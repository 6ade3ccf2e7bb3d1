// The frames that twips are drawn at.
#include "controls/twips.h"

#include "controls/twips_window.h"

namespace quorvel {

const TwipsFrame& twipsFrameOf(const QWidget* widget)
{
    static const TwipsFrame kOneToOne;
    const auto* window = widget ? qobject_cast<const TwipsWindow*>(widget->window()) : nullptr;
    return window ? window->twipsFrame() : kOneToOne;
}

void placeInTwips(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(TwipsFrame().rect(left, top, width, height));
}

} // namespace quorvel
