// A solid rectangle with a 1-pixel black border.
#include "controls/shape_control.h"

#include "controls/twips_window.h"

#include <QPainter>

namespace quorvel {

ShapeControl::ShapeControl(QWidget* parent, const QColor& fill, double left, double top,
                           double width, double height)
    : QWidget(parent)
    , m_fill(fill)
    , m_twips(left, top, width, height)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    applyFrame(twipsFrameOf(parent));
}

void ShapeControl::applyFrame(const TwipsFrame& frame)
{
    m_borderPixels = frame.lineWidth(1);
    setGeometry(frame.rect(m_twips));
    update();
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_borderPixels == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    // A wider border, drawn inside the shape as the 1-pixel one is.
    const int b = m_borderPixels;
    painter.fillRect(0, 0, width(), b, Qt::black);
    painter.fillRect(0, height() - b, width(), b, Qt::black);
    painter.fillRect(0, 0, b, height(), Qt::black);
    painter.fillRect(width() - b, 0, b, height(), Qt::black);
}

} // namespace quorvel
