// The answers of the one quit confirmation, which every way of quitting compares against.
#pragma once

namespace quorvel {

// The platform's message-box result codes.
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

} // namespace quorvel
