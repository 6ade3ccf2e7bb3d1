// The command buttons of both screens.
#pragma once

#include "controls/twips.h"

#include <QPushButton>
#include <QRectF>

namespace quorvel {

// A button with an access key (the & in its caption), placed in twips. Return presses it when it
// has the focus, as Space does, and it takes every press on it, whatever the mouse button.
class CommandButton : public QPushButton, public TwipsPlaced {
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent, const QRectF& twips);
    void applyFrame(const TwipsFrame& frame) override;

private:
    QRectF m_twips;
};

// The caption as the pupil reads it on the button: the access key's & left out, && kept as &.
QString shownCaption(const QString& caption);

// A button's caption, marked for translation, and its place in twips, as a screen's tables hold
// them.
struct ButtonPlace {
    const char* caption;
    int left, top, width, height;
};

// The button with the translated caption at the place.
QPushButton* makeCommandButton(QWidget* parent, const QString& caption, const ButtonPlace& place);

} // namespace quorvel
