// The one confirmation that every way of quitting passes through.
#pragma once

#include "model/quit_answer.h"

#include <functional>

class QWidget;

namespace quorvel {

using ConfirmQuitFunction = std::function<int()>;

// Shows the modal box "Do you really want to quit?" over parent (Yes and No, question icon, No
// the default) and returns 6 for Yes and 7 for No; closing the box counts as No. In a web page,
// which cannot wait for the answer, the box stays open and askToQuit returns 7 at once: nothing
// ends now, and yesLater runs if the answer is Yes.
int askToQuit(QWidget* parent, const std::function<void()>& yesLater);

} // namespace quorvel
