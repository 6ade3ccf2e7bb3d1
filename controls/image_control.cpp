// A picture box.
#include "controls/image_control.h"

#include "controls/twips_window.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvel {

ImageControl::ImageControl(QWidget* parent, PictureName picture, double left, double top,
                           double width, double height, Input input)
    : QWidget(parent)
    , m_picture(picture)
    , m_left(static_cast<float>(left))
    , m_top(static_cast<float>(top))
    , m_widthTwips(width)
    , m_heightTwips(height)
{
    setAccessibleDescription(Graphics::instance().description(picture));
    applyFrame(twipsFrameOf(parent));
    if (input == Input::Transparent)
        setAttribute(Qt::WA_TransparentForMouseEvents);
    else
        setAttribute(Qt::WA_NoMousePropagation);
}

void ImageControl::setPicture(PictureName picture)
{
    m_picture = picture;
    // Qt tells screen readers of a new description itself; an unchanged one stays silent.
    const QString description = Graphics::instance().description(picture);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
    update();
}

void ImageControl::setLeft(float twips)
{
    m_left = twips;
    applyPosition();
}

void ImageControl::setTop(float twips)
{
    m_top = twips;
    applyPosition();
}

void ImageControl::applyPosition()
{
    const QPoint target = twipsFrameOf(this).point(m_left, m_top);
    if (pos() != target)
        move(target);
}

void ImageControl::applyFrame(const TwipsFrame& frame)
{
    setGeometry(QRect(frame.point(m_left, m_top),
                      QSize(frame.length(m_widthTwips), frame.length(m_heightTwips))));
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Drawn for the display's own density times the screen's scale, never a 1x bitmap blown up.
    const double scale = twipsFrameOf(this).scale;
    const QPixmap shown = Graphics::instance().picture(m_picture, devicePixelRatioF() * scale);
    if (scale == 1.0) {
        painter.drawPixmap(0, 0, shown);
        return;
    }
    // Its pixels are the display's: the picture covers scale times its 1x size.
    const QSizeF covered = QSizeF(shown.size()) / devicePixelRatioF();
    painter.drawPixmap(QRectF(QPointF(0, 0), covered), shown, QRectF(shown.rect()));
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const QPointF at = event->position();
    const TwipsFrame& frame = twipsFrameOf(this);
    Q_EMIT pressed(float(frame.toTwipsLength(at.x())), float(frame.toTwipsLength(at.y())));
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPointF at = event->position();
    const TwipsFrame& frame = twipsFrameOf(this);
    Q_EMIT released(float(frame.toTwipsLength(at.x())), float(frame.toTwipsLength(at.y())));
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPointF at = event->position();
    const TwipsFrame& frame = twipsFrameOf(this);
    Q_EMIT mouseMoved(float(frame.toTwipsLength(at.x())), float(frame.toTwipsLength(at.y())));
}

} // namespace quorvel
