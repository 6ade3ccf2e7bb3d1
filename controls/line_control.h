// A straight line between two points in twips, of a given width and colour.
#pragma once

#include "controls/twips.h"

#include <QColor>
#include <QWidget>

namespace quorvel {

// Takes no input.
class LineControl : public QWidget, public TwipsPlaced {
    Q_OBJECT
public:
    LineControl(QWidget* parent, const QColor& colour, int widthPixels, float x1, float y1,
                float x2, float y2);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setX1(float twips);
    void setY1(float twips);
    void setX2(float twips);
    void setY2(float twips);
    void applyFrame(const TwipsFrame& frame) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void moveEnd(float& coordinate, float twips);
    void applyGeometry();

    QColor m_colour;
    int m_widthPixels;
    float m_x1, m_y1, m_x2, m_y2;
    QPoint m_origin; // the end points' pixel frame within the widget
};

} // namespace quorvel
