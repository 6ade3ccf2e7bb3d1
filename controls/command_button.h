// The command buttons of both screens.
#pragma once

#include <QPushButton>

namespace quorvel {

// A button with an access key (the & in its caption), placed in twips. Return presses it when it
// has the focus, as Space does, and it takes every press on it, whatever the mouse button.
QPushButton* makeCommandButton(QWidget* parent, const QString& caption, double left, double top,
                               double width, double height);

} // namespace quorvel
