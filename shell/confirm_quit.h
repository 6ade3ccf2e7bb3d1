// The one confirmation that every way of quitting passes through.
#pragma once

#include "model/quit_answer.h"

#include <functional>

class QWidget;

namespace quorvel {

using ConfirmQuitFunction = std::function<int()>;

// Shows the modal box "Do you really want to quit?" over parent (Yes and No, question icon, No
// the default) and returns 6 for Yes and 7 for No; closing the box counts as No.
int askToQuit(QWidget* parent);

} // namespace quorvel
