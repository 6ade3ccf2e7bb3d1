// The ruler's drag, placing by a press or the keyboard, its outline, and what is said of them.
#include "results/measuring_ruler.h"

#include "controls/command_button.h"
#include "controls/pointer_shape.h"
#include "controls/screen_window.h"
#include "controls/twips.h"
#include "model/growth_rules.h"
#include "model/integer16.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QRubberBand>
#include <algorithm>

namespace quorvel {

QString MeasuringRuler::units(int lengthTwips)
{
    return QLocale().toString(rulerReading(lengthTwips), 'f', 1);
}

MeasuringRuler::MeasuringRuler(ScreenWindow& screen, PlantParts plantParts)
    : QObject(&screen)
    , m_screen(screen)
    , m_plantParts(std::move(plantParts))
{
    m_ruler = new ImageControl(&screen, SinglePicture::Ruler, 8640, 240, 465, 5265);
    m_ruler->setAccessibleName(tr("Ruler"));
    connect(m_ruler, &ImageControl::pressed, this, &MeasuringRuler::Ruler_MouseDown);
    connect(m_ruler, &ImageControl::mouseMoved, this, &MeasuringRuler::moveDragOutline);
    connect(m_ruler, &ImageControl::released, this, &MeasuringRuler::Ruler_MouseUp);
}

void MeasuringRuler::Form_Activate()
{
    m_placingRuler = false;
    hideKeyboardOutline();
    // Leaving while placing was armed hid the ruler; bring it back where it was, so the pupil is
    // never left without a ruler and without a way to place it.
    m_ruler->show();
}

void MeasuringRuler::leaveScreen()
{
    if (m_placingRuler)
        setPointerShape(PointerShape::Default);
    hideKeyboardOutline();
}

void MeasuringRuler::BeginRulerPlacing()
{
    if (!m_placingRuler)
        m_screen.announce(
            tr("Placing the ruler: arrows move it, Return puts it down, Escape stops."));
    m_placingRuler = true;
    m_ruler->hide();
    setPointerShape(PointerShape::Crosshair);
}

void MeasuringRuler::Form_MouseMove()
{
    if (m_placingRuler)
        setPointerShape(PointerShape::Crosshair);
}

void MeasuringRuler::Leaf_MouseMove()
{
    if (m_placingRuler)
        setPointerShape(PointerShape::NoDrop);
}

void MeasuringRuler::Form_MouseDown(float X, float Y)
{
    if (!m_placingRuler)
        return;
    m_ruler->setLeft(X);
    m_ruler->setTop(Y);
    // To the front of the windowless controls only: the leaves and buttons stay above it.
    m_ruler->stackUnder(m_inFront);
    m_ruler->show();
    setPointerShape(PointerShape::Default);
    m_placingRuler = false;
    hideKeyboardOutline();
    if (m_placed)
        m_placed();
}

void MeasuringRuler::Ruler_MouseDown(float X, float Y)
{
    m_grab = grabAt(X, Y);
    // A manual drag: the ruler stays put while an outline of it follows the pointer.
    m_dragging = true;
    m_dragCorner = QPointF(m_ruler->left(), m_ruler->top());
    dragOutline()->setGeometry(m_ruler->geometry());
    m_dragOutline->raise();
    m_dragOutline->show();
}

QRubberBand* MeasuringRuler::dragOutline()
{
    if (!m_dragOutline)
        m_dragOutline = new QRubberBand(QRubberBand::Rectangle, &m_screen);
    return m_dragOutline;
}

QPointF MeasuringRuler::pointerOnWindow(float x, float y) const
{
    // The ruler's on-screen corner, as the pointer meets it, not its unrounded twips.
    const TwipsFrame& frame = m_screen.twipsFrame();
    return {frame.toTwipsX(m_ruler->x()) + x, frame.toTwipsY(m_ruler->y()) + y};
}

void MeasuringRuler::moveDragOutline(float x, float y)
{
    if (!m_dragging)
        return;
    const QPointF pointer = pointerOnWindow(x, y);
    const RulerPlace place = dropPlace(float(pointer.x()), float(pointer.y()), m_grab);
    m_dragCorner = QPointF(place.left, place.top);
    m_dragOutline->move(m_screen.twipsFrame().point(place.left, place.top));
}

void MeasuringRuler::Ruler_MouseUp(float X, float Y)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    m_dragOutline->hide();
    // The drop goes to whatever lies under the pointer; only the window's own surface takes it.
    const QPointF pointer = pointerOnWindow(X, Y);
    const float x = float(pointer.x());
    const float y = float(pointer.y());
    const QPoint pixel = m_screen.twipsFrame().point(x, y);
    if (!m_screen.rect().contains(pixel) || m_screen.childAt(pixel) != nullptr)
        return;
    Form_DragDrop(m_ruler, x, y);
}

void MeasuringRuler::Form_DragDrop(ImageControl* Source, float X, float Y)
{
    if (!Source)
        return;
    const RulerPlace place = dropPlace(X, Y, m_grab);
    Source->setLeft(place.left);
    Source->setTop(place.top);
    if (m_placed)
        m_placed();
}

bool MeasuringRuler::placingKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (!m_placingRuler)
        return false;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveKeyboardOutline(key, modifiers.testFlag(Qt::ShiftModifier));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        placeAtKeyboardOutline();
        return true;
    case Qt::Key_Escape:
        leavePlacing();
        return true;
    default:
        return false;
    }
}

void MeasuringRuler::moveKeyboardOutline(int key, bool fine)
{
    // The outline starts where the ruler stood.
    QPointF corner = m_keyboardCorner.value_or(QPointF(m_ruler->left(), m_ruler->top()));
    const int direction = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    const TwipsFrame& frame = m_screen.twipsFrame();
    if (fine) {
        // One pixel as drawn, whatever the scale: fifteen twips can round to no move at all.
        const QPoint at = frame.point(corner.x(), corner.y());
        if (across)
            corner.setX(frame.toTwipsX(at.x() + direction));
        else
            corner.setY(frame.toTwipsY(at.y() + direction));
    } else if (across) {
        corner.setX(outlineStep(float(corner.x()), direction, std::nullopt));
    } else {
        corner.setY(outlineStep(float(corner.y()), direction, stemTop()));
    }
    // The corner stays on the window's surface, where a press could put it.
    corner.setX(std::clamp(corner.x(), frame.toTwipsX(0), frame.toTwipsX(m_screen.width() - 1)));
    corner.setY(std::clamp(corner.y(), frame.toTwipsY(0), frame.toTwipsY(m_screen.height() - 1)));
    m_keyboardCorner = corner;
    showKeyboardOutline();
    m_screen.announce(whereOutlineIs());
}

void MeasuringRuler::showOutlineAt(const QPointF& corner)
{
    dragOutline()->setGeometry(
        QRect(m_screen.twipsFrame().point(corner.x(), corner.y()), m_ruler->size()));
    m_dragOutline->raise();
    m_dragOutline->show();
}

void MeasuringRuler::showKeyboardOutline()
{
    if (m_keyboardCorner)
        showOutlineAt(*m_keyboardCorner);
}

void MeasuringRuler::hideKeyboardOutline()
{
    if (!m_keyboardCorner)
        return;
    m_keyboardCorner.reset();
    m_dragOutline->hide();
}

void MeasuringRuler::placeAtKeyboardOutline()
{
    const QPointF corner = m_keyboardCorner.value_or(QPointF(m_ruler->left(), m_ruler->top()));
    // Exactly a press at the outline's corner: the pixel it is drawn at, in the press's twips.
    const TwipsFrame& frame = m_screen.twipsFrame();
    const QPoint pixel = frame.point(corner.x(), corner.y());
    if (!m_screen.rect().contains(pixel))
        return; // never: the arrows keep the corner on the window
    if (const QWidget* inTheWay = m_screen.childAt(pixel)) {
        QApplication::beep();
        QString name = inTheWay->accessibleName();
        if (const auto* button = qobject_cast<const QAbstractButton*>(inTheWay))
            name = shownCaption(button->text());
        else if (const auto* label = qobject_cast<const QLabel*>(inTheWay); label && name.isEmpty())
            name = label->text();
        m_screen.announce(tr("The ruler cannot go there: %1 is in the way.").arg(name));
        return;
    }
    Form_MouseDown(float(frame.toTwipsX(pixel.x())), float(frame.toTwipsY(pixel.y())));
    m_screen.announce(stemReading());
}

void MeasuringRuler::leavePlacing()
{
    hideKeyboardOutline();
    m_placingRuler = false;
    m_ruler->show();
    setPointerShape(PointerShape::Default);
    m_screen.announce(tr("Placing stopped; the ruler is back."));
}

namespace {
// A distance on the layout as the eye sees it, in whole pixels at 1x: a third of a pixel between
// the stem's top and the zero mark is no distance at all.
int wholePixels(double twips)
{
    return toInteger16(twips / kTwipsPerPixel) * kTwipsPerPixel;
}
} // namespace

std::optional<float> MeasuringRuler::stemTop() const
{
    for (const PlantBox& part : m_plantParts()) {
        if (part.part == PlantPart::StemTop)
            return part.top;
    }
    return std::nullopt;
}

QString MeasuringRuler::whereOutlineIs() const
{
    const QPointF corner = *m_keyboardCorner;
    const auto nearest = nearestPart(float(corner.x()), float(corner.y()), m_plantParts());
    QString near;
    switch (nearest->part) {
    case PlantPart::StemTop:
        near = tr("Near the top of the stem");
        break;
    case PlantPart::Stem:
        near = tr("Near the stem");
        break;
    case PlantPart::Leaf:
        near = tr("Near leaf %1").arg(nearest->leaf + 1);
        break;
    case PlantPart::Tube:
        near = tr("Near the tube");
        break;
    }
    const auto top = stemTop();
    if (!top)
        return near;
    // The zero mark is the outline's top edge; positive is above the stem's top.
    const int above = wholePixels(*top - corner.y());
    if (above == 0)
        return tr("%1, zero mark level with the stem's top").arg(near);
    if (above > 0)
        return tr("%1, zero mark %2 units above the stem's top").arg(near, units(above));
    return tr("%1, zero mark %2 units below the stem's top").arg(near, units(-above));
}

std::optional<int> MeasuringRuler::footReading() const
{
    return readingOnScale(wholePixels(kStemBaseYTwips - m_ruler->top()));
}

QString MeasuringRuler::stemReading() const
{
    const auto top = stemTop();
    if (!top)
        return tr("Ruler placed.");
    // Where the stem's top and foot fall on the ruler's scale, which starts at its top edge.
    const int fromTop = wholePixels(*top - m_ruler->top());
    const int toFoot = wholePixels(kStemBaseYTwips - m_ruler->top());
    return tr("Ruler placed: the stem runs from %1 to %2 on its scale.")
        .arg(units(fromTop), units(toFoot));
}

bool MeasuringRuler::eventFilter(QObject* watched, QEvent* event)
{
    if (m_placingRuler &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Claimed before any shortcut, so that Escape leaves placing before full screen.
        if (event->type() == QEvent::ShortcutOverride) {
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                event->accept();
                return true;
            }
            return false;
        }
        if (!(key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) &&
            placingKey(key->key(), key->modifiers()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void MeasuringRuler::followFrame()
{
    // An outline stays on the same place of the layout, at the new scale and the ruler's new
    // size: F11 during a drag changes both under the pupil's hand.
    if (m_dragging)
        showOutlineAt(m_dragCorner);
    showKeyboardOutline();
}

} // namespace quorvel
