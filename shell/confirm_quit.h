// The one confirmation that every way of quitting passes through.
#pragma once

#include <functional>

class QWidget;

namespace quorvel {

// The platform's message-box result codes, which the callers compare against.
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

using ConfirmQuitFunction = std::function<int()>;

// Shows the modal box "Do you really want to quit?" over parent (Yes and No, question icon, No
// the default) and returns 6 for Yes and 7 for No; closing the box counts as No.
int askToQuit(QWidget* parent);

} // namespace quorvel
