// The thick red arrow that points pupils at the next thing to do.
#include "pictures/drawings.h"

#include "pictures/palette.h"

#include <QPainter>
#include <QPolygonF>

namespace quorvel::drawings {

void drawInstructionArrow(QPainter& painter, const QRectF& target)
{
    static constexpr double kBoxWidth = 217.0;
    static constexpr double kBoxHeight = 151.0;
    static constexpr QPointF kCorners[] = {{74, 0},    {141, 0}, {141, 89}, {217, 89},
                                           {110, 151}, {0, 89},  {74, 89}};
    QPolygonF arrow;
    for (const QPointF& corner : kCorners) {
        arrow << QPointF(target.left() + corner.x() * target.width() / kBoxWidth,
                         target.top() + corner.y() * target.height() / kBoxHeight);
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kRed));
    painter.drawPolygon(arrow);
    painter.restore();
}

} // namespace quorvel::drawings
