// What each command button does, in the pupil's words, shown as its tooltip.
#pragma once

#include <QString>

namespace quorvel {

class DesignWindow;
class ResultsWindow;

namespace help {

// Sets the tooltip of every button of the screen; nothing else of the screen changes.
void setCommandTips(DesignWindow& screen);
void setCommandTips(ResultsWindow& screen);

} // namespace help
} // namespace quorvel
