// Tooltips by hover or by press and hold.
#include "controls/hold_tip.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QToolTip>
#include <QWidget>

namespace quorvel {

namespace {
// How long a tip shown by a held press stays after the finger lifts: long enough to read.
constexpr int kHeldTipMilliseconds = 6000;
} // namespace

HoldTip::HoldTip(QWidget* control, std::function<bool()> allowed)
    : QObject(control)
    , m_control(control)
    , m_allowed(std::move(allowed))
{
    m_hold.setSingleShot(true);
    connect(&m_hold, &QTimer::timeout, this, &HoldTip::showTip);
    control->installEventFilter(this);
}

bool HoldTip::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // Swallowed while not allowed, so that no tip covers the ruler's placing.
        return !m_allowed();
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        m_pressAt = press->position().toPoint();
        m_hold.start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
        break;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        // A finger shakes a little; a drag is not a hold.
        if (m_hold.isActive() && (move->position().toPoint() - m_pressAt).manhattanLength() >
                                     QGuiApplication::styleHints()->startDragDistance())
            m_hold.stop();
        break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::Hide:
        m_hold.stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void HoldTip::showTip()
{
    if (!m_allowed() || !m_control->isVisible() || m_control->toolTip().isEmpty())
        return;
    QToolTip::showText(m_control->mapToGlobal(m_pressAt), m_control->toolTip(), m_control, {},
                       kHeldTipMilliseconds);
}

} // namespace quorvel
