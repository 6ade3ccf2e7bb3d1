// A solid rectangle with a 1-pixel black border.
#include "controls/shape_control.h"

#include "controls/twips.h"

#include <QPainter>

namespace quorvel {

ShapeControl::ShapeControl(QWidget* parent, const QColor& fill, double left, double top,
                           double width, double height)
    : QWidget(parent)
    , m_fill(fill)
{
    placeInTwips(this, left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quorvel
