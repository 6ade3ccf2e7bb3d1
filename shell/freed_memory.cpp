// glibc's allocator serves large blocks from memory of their own, returned to the system when they
// are freed; but each time it frees such a block it raises the size from which it does so, up to
// 32 MB, and it keeps ever more freed heap for later. A window resized, made full screen or moved
// to a projector frees its pixels and its pictures at one size after another, so the resident size
// would climb through a school day while the memory in use stays flat. Fixing the threshold at
// glibc's own starting value stops the climb. Elsewhere the allocator needs no such help.
#include "shell/freed_memory.h"

#include <cstdlib> // names the C library: __GLIBC__
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quorvel {

void returnFreedMemoryPromptly()
{
#if defined(__GLIBC__)
    constexpr int kLargeBlockBytes = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

} // namespace quorvel
