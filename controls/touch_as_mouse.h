// A finger on a screen does what the mouse does, and a touch that goes wrong does nothing.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QPointer>

class QTouchEvent;
class QWidget;
class QWindow;

namespace quorvel {

// Turns one finger's touch on a screen window into the mouse events of its left button, given to
// the control under the finger as the mouse would give them: press, moves, release. Qt would do
// the same for a window that takes no touch, but ends a cancelled touch with a release, which
// would drop a dragged ruler or press a button. Here a touch that is cancelled, or joined by a
// second finger, is abandoned: the control gets a release far outside itself, which a button
// and the ruler's drag take as the mouse let go elsewhere. On the window's own surface the press
// comes with the finger's lift, a tap, so that an abandoned touch there never happened.
class TouchAsMouse : public QObject {
    Q_OBJECT
public:
    explicit TouchAsMouse(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchWindowHandle();
    void begin(const QTouchEvent& touch);
    void follow(const QTouchEvent& touch);
    void end(const QTouchEvent& touch);
    void abandon();
    void send(QEvent::Type type, QPointF windowPos, Qt::MouseButtons buttons);

    QWidget* m_window;
    QPointer<QWindow> m_handle;
    QPointer<QWidget> m_target; // under the finger at its touch; the window for its surface
    QPointF m_start;            // where the finger came down, in the window
    bool m_following = false;   // a one-finger touch is under way
};

} // namespace quorvel
