// The kinds of control that both screens are built from.
#include "shell/controls.h"

#include "shell/numbers.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quorvel {

void placeInTwips(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

QFont screenFont()
{
    QFont font;
    // Where the original face is missing, a sans-serif of its width: Arial's metrics fit every
    // caption in its control, where a wider face would spill past the labels.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(12);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, double left, double top,
                        double width, double height)
{
    auto* button = new QPushButton(caption, parent);
    button->setFont(screenFont());
    // Return presses the focused button, as Space does, like the command buttons pupils know.
    button->setAutoDefault(true);
    placeInTwips(button, left, top, width, height);
    return button;
}

CaptionLabel::CaptionLabel(const QString& caption, const QColor& background,
                           Qt::Alignment alignment, QWidget* parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setFont(screenFont());
    setAlignment(alignment | Qt::AlignTop);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAttribute(Qt::WA_NoMousePropagation);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }
void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

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
    m_picture = picture;
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
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_fit == Fit::Stretch)
        painter.drawPixmap(rect(), m_picture);
    else
        painter.drawPixmap(0, 0, m_picture);
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

VectorImage::VectorImage(QWidget* parent, Drawing drawing, double left, double top, double width,
                         double height)
    : QWidget(parent)
    , m_drawing(std::move(drawing))
{
    placeInTwips(this, left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void VectorImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_drawing(painter, QRectF(rect()));
}

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

LineControl::LineControl(QWidget* parent, const QColor& colour, int widthPixels, float x1,
                         float y1, float x2, float y2)
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
    m_x1 = twips;
    applyGeometry();
}

void LineControl::setY1(float twips)
{
    m_y1 = twips;
    applyGeometry();
}

void LineControl::setX2(float twips)
{
    m_x2 = twips;
    applyGeometry();
}

void LineControl::setY2(float twips)
{
    m_y2 = twips;
    applyGeometry();
}

void LineControl::applyGeometry()
{
    // A growing stem sets an end point once per twip; the widget only changes when the line's
    // pixel extent does, which keeps a long growth loop to a few geometry changes.
    const int px1 = twipsToPixels(m_x1), py1 = twipsToPixels(m_y1);
    const int px2 = twipsToPixels(m_x2), py2 = twipsToPixels(m_y2);
    const int margin = (m_widthPixels + 1) / 2 + 1;
    const QRect bounds = QRect(QPoint(std::min(px1, px2), std::min(py1, py2)),
                               QPoint(std::max(px1, px2), std::max(py1, py2)))
                             .adjusted(-margin, -margin, margin, margin);
    if (geometry() != bounds)
        setGeometry(bounds);
    else
        update();
    m_origin = bounds.topLeft();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPoint from = QPoint(twipsToPixels(m_x1), twipsToPixels(m_y1)) - m_origin;
    const QPoint to = QPoint(twipsToPixels(m_x2), twipsToPixels(m_y2)) - m_origin;
    if (m_widthPixels <= 1) {
        painter.setPen(QPen(m_colour, 0));
        painter.drawLine(from, to);
        return;
    }
    QPen pen(m_colour, m_widthPixels, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(from, to);
}

} // namespace quorvel
