// A picture drawn as vectors and stretched to its control.
#include "controls/vector_image.h"

#include "controls/twips_window.h"

#include <QPainter>

namespace quorvel {

VectorImage::VectorImage(QWidget* parent, Drawing drawing, double left, double top, double width,
                         double height)
    : QWidget(parent)
    , m_drawing(std::move(drawing))
    , m_twips(left, top, width, height)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    applyFrame(twipsFrameOf(parent));
}

void VectorImage::applyFrame(const TwipsFrame& frame)
{
    setGeometry(frame.rect(m_twips));
}

void VectorImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_drawing(painter, QRectF(rect()));
}

} // namespace quorvel
