// Counts the paint events a widget receives, to hold a screen to the repaints it may cost.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace testing {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace testing
