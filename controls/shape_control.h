// A solid rectangle with a 1-pixel black border.
#pragma once

#include "controls/twips.h"

#include <QColor>
#include <QRectF>
#include <QWidget>

namespace quorvel {

// Takes no input: presses fall through to the window.
class ShapeControl : public QWidget, public TwipsPlaced {
    Q_OBJECT
public:
    ShapeControl(QWidget* parent, const QColor& fill, double left, double top, double width,
                 double height);
    void applyFrame(const TwipsFrame& frame) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QRectF m_twips;
    int m_borderPixels = 1;
};

} // namespace quorvel
