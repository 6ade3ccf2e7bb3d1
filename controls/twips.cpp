// Placing widgets by twips.
#include "controls/twips.h"

#include <QWidget>

namespace quorvel {

void placeInTwips(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

} // namespace quorvel
