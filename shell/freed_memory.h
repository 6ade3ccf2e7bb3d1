// What happens to memory the program frees: the one place that knows the C library's allocator.
#pragma once

namespace quorvel {

// Large blocks freed from now on go back to the system at once, so that a long session's resident
// size follows the memory it uses. Does nothing where the C library already does so.
void returnFreedMemoryPromptly();

} // namespace quorvel
