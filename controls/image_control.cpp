// A picture box.
#include "controls/image_control.h"

#include "controls/twips.h"
#include "pictures/picture_catalogue.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvel {

ImageControl::ImageControl(QWidget* parent, double left, double top, double width, double height,
                           Input input, Fit fit)
    : QWidget(parent)
    , m_left(static_cast<float>(left))
    , m_top(static_cast<float>(top))
    , m_fit(fit)
{
    placeInTwips(this, left, top, width, height);
    if (input == Input::Transparent)
        setAttribute(Qt::WA_TransparentForMouseEvents);
    else
        setAttribute(Qt::WA_NoMousePropagation);
}

void ImageControl::setPicture(const QPixmap& picture)
{
    m_drawOnFirstUse = nullptr;
    m_picture = picture;
    // Qt tells screen readers of a new description itself; an unchanged one stays silent.
    const QString description = catalogue::description(picture);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
    update();
}

void ImageControl::setPictureOnFirstUse(std::function<QPixmap()> draw, const QString& description)
{
    m_picture = QPixmap();
    m_drawOnFirstUse = std::move(draw);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
    update();
}

const QPixmap& ImageControl::picture() const
{
    if (m_drawOnFirstUse) {
        m_picture = m_drawOnFirstUse();
        m_drawOnFirstUse = nullptr;
    }
    return m_picture;
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
    Q_EMIT topChanged(twips);
}

void ImageControl::applyPosition()
{
    const QPoint target(twipsToPixels(m_left), twipsToPixels(m_top));
    if (pos() != target)
        move(target);
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (picture().isNull())
        return;
    QPainter painter(this);
    // Drawn at the display's own density, not a 1x bitmap blown up.
    const QPixmap shown = catalogue::sharp(m_picture, devicePixelRatioF());
    if (m_fit == Fit::Stretch)
        painter.drawPixmap(rect(), shown);
    else
        painter.drawPixmap(0, 0, shown);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const QPointF at = event->position();
    Q_EMIT pressed(float(pixelsToTwips(at.x())), float(pixelsToTwips(at.y())));
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPointF at = event->position();
    Q_EMIT released(float(pixelsToTwips(at.x())), float(pixelsToTwips(at.y())));
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPointF at = event->position();
    Q_EMIT mouseMoved(float(pixelsToTwips(at.x())), float(pixelsToTwips(at.y())));
}

} // namespace quorvel
