// A notification that screen readers speak, with no control a pupil sees.
#include "controls/announcer.h"

#include <QAccessible>
#include <QEvent>
#include <utility>

namespace quorvel {

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    window->installEventFilter(this);
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    if (!window()->isActiveWindow()) {
        m_pending = text;
        return;
    }
    speak(text);
}

void Announcer::speak(const QString& text)
{
    setAccessibleName(text);
    // The bridge tells screen readers the notification is showing; the widget itself never is.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

bool Announcer::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_pending.isEmpty()) {
        const QString text = std::exchange(m_pending, QString());
        // After the window's own activation has been told.
        QMetaObject::invokeMethod(
            this, [this, text] { speak(text); }, Qt::QueuedConnection);
    } else if (event->type() == QEvent::Hide) {
        m_pending.clear();
    }
    return false;
}

} // namespace quorvel
