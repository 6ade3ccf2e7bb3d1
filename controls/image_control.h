// A picture box: shows one picture of the store from its top-left corner, at its natural size.
#pragma once

#include "controls/twips.h"
#include "pictures/graphics.h"

#include <QWidget>

namespace quorvel {

// Its position is kept in twips, unrounded, as the screens' rules set it. It holds the name of
// the picture it shows; on a high-density display the store draws that picture sharp for it.
// Screen readers hear the control's accessible name and, as its description, what the picture
// shows.
class ImageControl : public QWidget, public TwipsPlaced {
    Q_OBJECT
public:
    enum class Input { TakesPress, Transparent };

    ImageControl(QWidget* parent, PictureName picture, double left, double top, double width,
                 double height, Input input = Input::TakesPress);

    // Shows the picture: the store's own image, shared. Nothing is drawn until it is painted.
    void setPicture(PictureName picture);
    const PictureName& picture() const { return m_picture; }

    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float twips);
    void setTop(float twips);
    void applyFrame(const TwipsFrame& frame) override;

Q_SIGNALS:
    // Mouse events on the control, in twips from its top-left corner (any button).
    void pressed(float x, float y);
    void released(float x, float y);
    void mouseMoved(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyPosition();

    PictureName m_picture;
    float m_left;
    float m_top;
    double m_widthTwips;
    double m_heightTwips;
};

} // namespace quorvel
