// The sans-serif the program carries, so its captions fit their controls on every machine.
#pragma once

namespace quorvel {

// Makes the bundled Liberation Sans Regular (Arial's metrics) available to every font of the
// program, beside whatever fonts the machine has. Needs the application object; a second call
// does nothing.
void registerBundledFont();

} // namespace quorvel
