// A picture drawn as vectors and stretched to its control.
#pragma once

#include "controls/twips.h"

#include <QRectF>
#include <QWidget>
#include <functional>

namespace quorvel {

// Takes no input. Screen readers see it as a graphic with the accessible name the screen gives.
class VectorImage : public QWidget, public TwipsPlaced {
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter&, const QRectF&)>;
    VectorImage(QWidget* parent, Drawing drawing, double left, double top, double width,
                double height);
    void applyFrame(const TwipsFrame& frame) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing m_drawing;
    QRectF m_twips;
};

} // namespace quorvel
