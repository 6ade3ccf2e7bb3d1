// One finger as the mouse's left button, on a screen window.
#include "controls/touch_as_mouse.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>
#include <QWindow>

namespace quorvel {

namespace {
// Far outside any control of any screen, at any scale.
constexpr qreal kFarAway = -1.0e6;
} // namespace

TouchAsMouse::TouchAsMouse(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    // The touch is taken from the window system's window, before Qt hands it to the widgets
    // (which stop it at a control that keeps its mouse presses to itself) or makes a mouse of it.
    window->installEventFilter(this);
    watchWindowHandle();
}

void TouchAsMouse::watchWindowHandle()
{
    QWindow* handle = m_window->windowHandle();
    if (!handle || handle == m_handle)
        return;
    m_handle = handle;
    handle->installEventFilter(this);
}

bool TouchAsMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
            watchWindowHandle();
        return false;
    }
    switch (event->type()) {
    case QEvent::TouchBegin:
        begin(*static_cast<QTouchEvent*>(event));
        break;
    case QEvent::TouchUpdate:
        follow(*static_cast<QTouchEvent*>(event));
        break;
    case QEvent::TouchEnd:
        end(*static_cast<QTouchEvent*>(event));
        break;
    case QEvent::TouchCancel:
        abandon();
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}

void TouchAsMouse::begin(const QTouchEvent& touch)
{
    if (touch.points().size() != 1)
        return;
    m_start = touch.points().first().position();
    QWidget* child = m_window->childAt(m_start.toPoint());
    m_target = child ? child : m_window;
    m_following = true;
    if (m_target != m_window)
        send(QEvent::MouseButtonPress, m_start, Qt::LeftButton);
}

void TouchAsMouse::follow(const QTouchEvent& touch)
{
    if (!m_following)
        return;
    if (touch.points().size() != 1) {
        abandon();
        return;
    }
    if (m_target != m_window)
        send(QEvent::MouseMove, touch.points().first().position(), Qt::LeftButton);
}

void TouchAsMouse::end(const QTouchEvent& touch)
{
    if (!m_following || touch.points().size() != 1) {
        abandon();
        return;
    }
    m_following = false;
    const QPointF at = touch.points().first().position();
    if (m_target == m_window) {
        send(QEvent::MouseButtonPress, m_start, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, m_start, Qt::NoButton);
    } else {
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
}

void TouchAsMouse::abandon()
{
    if (!m_following)
        return;
    m_following = false;
    if (m_target != m_window)
        send(QEvent::MouseButtonRelease, QPointF(kFarAway, kFarAway), Qt::NoButton);
}

void TouchAsMouse::send(QEvent::Type type, QPointF windowPos, Qt::MouseButtons buttons)
{
    if (!m_target)
        return;
    const QPointF local = m_target->mapFrom(m_window, windowPos);
    QMouseEvent mouse(type, local, windowPos, m_window->mapToGlobal(windowPos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(m_target, &mouse);
}

} // namespace quorvel
