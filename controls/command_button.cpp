// The command buttons of both screens.
#include "controls/command_button.h"

#include "controls/screen_font.h"
#include "controls/twips.h"

namespace quorvel {

QPushButton* makeCommandButton(QWidget* parent, const QString& caption, double left, double top,
                               double width, double height)
{
    auto* button = new QPushButton(caption, parent);
    button->setFont(screenFont());
    // Return presses the focused button, as Space does, like the command buttons pupils know.
    button->setAutoDefault(true);
    // A right press must not fall through to the window (where, while the ruler is being placed,
    // it would place it).
    button->setAttribute(Qt::WA_NoMousePropagation);
    placeInTwips(button, left, top, width, height);
    return button;
}

} // namespace quorvel
