// A straight line between two points in twips.
#include "controls/line_control.h"

#include "controls/twips_window.h"

#include <QPainter>
#include <algorithm>

namespace quorvel {

LineControl::LineControl(QWidget* parent, const QColor& colour, int widthPixels, float x1, float y1,
                         float x2, float y2)
    : QWidget(parent)
    , m_colour(colour)
    , m_widthPixels(widthPixels)
    , m_x1(x1)
    , m_y1(y1)
    , m_x2(x2)
    , m_y2(y2)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    applyGeometry();
}

void LineControl::setX1(float twips)
{
    moveEnd(m_x1, twips);
}

void LineControl::setY1(float twips)
{
    moveEnd(m_y1, twips);
}

void LineControl::setX2(float twips)
{
    moveEnd(m_x2, twips);
}

void LineControl::setY2(float twips)
{
    moveEnd(m_y2, twips);
}

void LineControl::moveEnd(float& coordinate, float twips)
{
    coordinate = twips;
    applyGeometry();
}

void LineControl::applyGeometry()
{
    // A growing stem sets an end point once per twip; the widget only changes when the line's
    // pixel extent does, which keeps a long growth loop to a few geometry changes.
    const TwipsFrame& frame = twipsFrameOf(this);
    const int px1 = frame.x(m_x1), py1 = frame.y(m_y1);
    const int px2 = frame.x(m_x2), py2 = frame.y(m_y2);
    const int margin = (frame.lineWidth(m_widthPixels) + 1) / 2 + 1;
    const QRect bounds = QRect(QPoint(std::min(px1, px2), std::min(py1, py2)),
                               QPoint(std::max(px1, px2), std::max(py1, py2)))
                             .adjusted(-margin, -margin, margin, margin);
    if (geometry() != bounds)
        setGeometry(bounds);
    else
        update();
    m_origin = bounds.topLeft();
}

void LineControl::applyFrame(const TwipsFrame&)
{
    applyGeometry();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const TwipsFrame& frame = twipsFrameOf(this);
    const QPoint from = frame.point(m_x1, m_y1) - m_origin;
    const QPoint to = frame.point(m_x2, m_y2) - m_origin;
    const int width = frame.lineWidth(m_widthPixels);
    if (width <= 1) {
        painter.setPen(QPen(m_colour, 0));
        painter.drawLine(from, to);
        return;
    }
    // The stem's rounded end, as at 1x; a thin line drawn wider keeps its ends where they are.
    const Qt::PenCapStyle cap = m_widthPixels > 1 ? Qt::RoundCap : Qt::FlatCap;
    painter.setPen(QPen(m_colour, width, Qt::SolidLine, cap));
    painter.drawLine(from, to);
}

} // namespace quorvel
