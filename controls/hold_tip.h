// A control's tooltip, shown by hovering with the mouse or by a press held still on it: the way a
// finger on a touch screen, which cannot hover, reaches the same words.
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

class QWidget;

namespace quorvel {

class HoldTip : public QObject {
    Q_OBJECT
public:
    // Watches control, whose tooltip it shows while allowed() holds, and never otherwise.
    HoldTip(QWidget* control, std::function<bool()> allowed);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTip();

    QWidget* m_control;
    std::function<bool()> m_allowed;
    QTimer m_hold;
    QPoint m_pressAt; // in the control's pixels
};

} // namespace quorvel
