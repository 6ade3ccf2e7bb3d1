// The kinds of control that both screens are built from.
#include "shell/controls.h"

#include "pictures/picture_catalogue.h"
#include "shell/numbers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// A caption as screen readers hear it: its subject, if it has one, then its text.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const CaptionLabel*>(widget());
        if (kind != QAccessible::Name || !label->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        if (label->accessibleSubject().isEmpty())
            return label->text();
        return label->accessibleSubject() + QStringLiteral(": ") + label->text();
    }
};

// Qt gives a plain widget the role of a client area, which a screen reader announces as
// nothing; the controls that show a picture, a shape or a line are graphics. Called for each
// class of an object from the most derived one up, until a factory answers.
QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String(CaptionLabel::staticMetaObject.className()))
        return new CaptionAccessible(static_cast<CaptionLabel*>(object));
    // A screen is a plain top-level widget, which Qt would also leave a client area; as a window
    // it is announced with its title when it appears.
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    for (const QMetaObject* graphic :
         {&ImageControl::staticMetaObject, &VectorImage::staticMetaObject,
          &ShapeControl::staticMetaObject, &LineControl::staticMetaObject}) {
        if (className == QLatin1String(graphic->className()))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

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
    // A button takes every press on it, whatever the mouse button: a right press must not fall
    // through to the window (where, while the ruler is being placed, it would place it).
    button->setAttribute(Qt::WA_NoMousePropagation);
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
    installAccessibleControls();
}

void CaptionLabel::setAccessibleSubject(const QString& subject)
{
    if (subject == m_accessibleSubject)
        return;
    m_accessibleSubject = subject;
    // QLabel announces a change of its text itself; a change of the subject is announced here.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}
void CaptionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

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
    installAccessibleControls();
}

void ImageControl::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    // Qt tells screen readers of a new description itself; an unchanged one stays silent.
    const QString description = catalogue::description(picture);
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

VectorImage::VectorImage(QWidget* parent, Drawing drawing, double left, double top, double width,
                         double height)
    : QWidget(parent)
    , m_drawing(std::move(drawing))
{
    placeInTwips(this, left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    installAccessibleControls();
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
    installAccessibleControls();
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

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
    installAccessibleControls();
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
