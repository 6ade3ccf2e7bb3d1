// A picture box: shows a picture from its top-left corner at natural size, or stretched.
#pragma once

#include "controls/twips.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace quorvel {

// Its position is kept in twips, unrounded, as the screens' rules set it. On a high-density
// display a catalogue picture is painted from its sharp rendition; the control still holds, and
// hands out, the 1x picture it was given. Screen readers hear the control's accessible name and,
// as its description, what the picture shows.
class ImageControl : public QWidget, public TwipsPlaced {
    Q_OBJECT
public:
    enum class Input { TakesPress, Transparent };
    enum class Fit { NaturalSize, Stretch };

    ImageControl(QWidget* parent, double left, double top, double width, double height,
                 Input input = Input::TakesPress, Fit fit = Fit::NaturalSize);

    // Takes the picture by implicit sharing: the control and the giver show one image.
    // The accessible description becomes the catalogue's words for it.
    void setPicture(const QPixmap& picture);
    // A picture the control holds from creation but that is drawn only when first asked for:
    // most are replaced before anything is painted, and drawing them would slow every start.
    // description is what the picture will show, for screen readers.
    void setPictureOnFirstUse(std::function<QPixmap()> draw, const QString& description);
    const QPixmap& picture() const;

    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float twips);
    void setTop(float twips);
    void applyFrame(const TwipsFrame& frame) override;

Q_SIGNALS:
    // Emitted for every position the control is given, so an observer sees each step of a move.
    void topChanged(float twips);
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

    mutable QPixmap m_picture;
    mutable std::function<QPixmap()> m_drawOnFirstUse;
    float m_left;
    float m_top;
    double m_widthTwips;
    double m_heightTwips;
    Fit m_fit;
};

} // namespace quorvel
