// The program-wide pointer shape, kept as at most one override cursor.
#include "controls/pointer_shape.h"

#include <QCursor>
#include <QGuiApplication>

namespace quorvel {

void setPointerShape(PointerShape shape)
{
    // The override cursor is a stack; holding at most one entry means "default" is simply an
    // empty stack, whatever happened before.
    if (shape == PointerShape::Default) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        return;
    }
    const QCursor cursor(shape == PointerShape::Crosshair ? Qt::CrossCursor : Qt::ForbiddenCursor);
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

} // namespace quorvel
